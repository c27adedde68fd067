#pragma once
// The jornada's boxes and the buttons beside them: the jornada `Text1`, the
// black key box `Text2`, the coupon number `Text3`, the division and view
// buttons, the coupon's mode and the printer's buttons.

#include "form/Qmodelop.h"
#include "ui/Widgets.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace ui {

class JornadaControls : public QWidget {
  Q_OBJECT
public:
  explicit JornadaControls(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLineEdit *Text1, *Text2, *Text3;
  QPushButton *Command1, *Command3, *Command4, *Command6, *Command7, *Command8, *Command9, *Command10, *Command11,
      *Command12, *Command13, *Command14, *Command15, *Command16, *Command30;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
