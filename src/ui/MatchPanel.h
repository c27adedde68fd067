#pragma once
// The jornada's matches `Frame2`: the matches and their results (`List1`,
// `List6`), the equivalent jornada (`List7`, `List8`), the results locator
// `Frame3` and the results entry.

#include "form/Qmodelop.h"
#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

namespace ui {

class EntryPanel;

class MatchPanel : public QWidget {
  Q_OBJECT
public:
  MatchPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent = nullptr);
  void draw();

  ListWidget *List1, *List6, *List7, *List8;
  std::array<QLabel *, 2> Label19;
  QLabel *Label20, *Label21;
  EntryPanel *entry; // Frame10 and Frame11

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
