#pragma once
// The other-factors window `factor`, modal over the main window: per coupon
// line, three numbers typed into the grid `tablaf`. It draws the form's model
// of the window; keys typed on the grid go to the form's key handler, and
// closing the window asks the form what to do with the values.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace ui {

class FactorDialog : public QDialog {
  Q_OBJECT
public:
  explicit FactorDialog(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void refresh();

  // The controls, by their names, for the end-to-end tests.
  GridWidget *tablaf;
  QPushButton *Command1, *Command2;
  QLabel *Label1, *Label2;
  std::array<QLabel *, 3> Label3;

  void reject() override; // Escape and the close box both close the window

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void run(const std::function<void()> &handler);
  void unload();

  vaticor::Qmodelop &form_;
  bool closing_ = false;
};

} // namespace ui
