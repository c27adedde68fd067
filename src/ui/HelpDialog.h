#pragma once
// The help window `ayuda`, drawn from its model in the form; every user event
// goes to the model's handlers and the window is drawn again.

#include "form/Qmodelop.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class ListWidget;

class HelpDialog : public QDialog {
  Q_OBJECT
public:
  explicit HelpDialog(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void refresh();

  // The controls, by their names, for the end-to-end tests.
  ListWidget *List1;
  QPushButton *Command1, *Command2, *Command3;
  QLineEdit *Text1;
  QLabel *Label1, *Label2;

  void done(int result) override; // closing releases the window's model

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void run(const std::function<void()> &handler);

  vaticor::Qmodelop &form_;
  vaticor::HelpWindow &model_;
};

} // namespace ui
