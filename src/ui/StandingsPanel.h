#pragma once
// The standings `Frame7`: five lists side by side, ordered by the key picked
// among the seven headings `Label40`.

#include "form/Qmodelop.h"
#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QWidget>
#include <array>

namespace ui {

class StandingsPanel : public QWidget {
  Q_OBJECT
public:
  explicit StandingsPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label7;
  ClickLabel *Label30, *Label34;
  std::array<ClickLabel *, 7> Label40;
  std::array<ListWidget *, 5> List12;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
