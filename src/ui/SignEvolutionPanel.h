#pragma once
// The sign evolution `Frame17`: the grid of signs `tabl1x2` with its Pot column.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/Widgets.h"

#include <QWidget>

class QPushButton;

namespace ui {

class SignEvolutionPanel : public QWidget {
  Q_OBJECT
public:
  explicit SignEvolutionPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label53, *Label14;
  GridWidget *tabl1x2;
  QPushButton *Command5, *Command24;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
