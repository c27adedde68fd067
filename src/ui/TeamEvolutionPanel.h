#pragma once
// The team evolution `Frame15`: five windows of jornadas, each a list of
// clubs (`List2`) beside its figures (`List3`).

#include "form/Qmodelop.h"
#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

namespace ui {

class TeamEvolutionPanel : public QWidget {
  Q_OBJECT
public:
  explicit TeamEvolutionPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label27;
  ClickLabel *Label31;
  std::array<ListWidget *, 5> List2, List3;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
