#pragma once
// The window service of the program: each second window is registered under
// its name with a function that shows it modal and returns when it closes.

#include "controls/Services.h"

#include <QHash>
#include <functional>

namespace ui {

class QtWindows : public controls::WindowService {
public:
  using Opener = std::function<void()>;
  void add(const QString &window, Opener open) { openers_.insert(window, std::move(open)); }
  // A window nobody registered opens nothing.
  void showModal(const QString &window) override
  {
    const auto it = openers_.constFind(window);
    if (it != openers_.constEnd())
      (*it)();
  }

private:
  QHash<QString, Opener> openers_;
};

} // namespace ui
