#pragma once
// The "Sistemas" window: the system from the coupon's signs, its pleno, the
// direct columns and the reductions with what they cost and their chances,
// the columns printed or written to a file, and their check once the results
// are in. It draws the form's systems panel and forwards every change to it.

#include "form/Qmodelop.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ui {

class SystemsDialog : public QDialog {
  Q_OBJECT
public:
  explicit SystemsDialog(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void refresh();

  // The controls, for the end-to-end tests.
  std::array<std::array<QCheckBox *, 3>, 14> signs{};
  QComboBox *plenoHome, *plenoAway;
  QDoubleSpinBox *price;
  std::array<QRadioButton *, 3> choice{}; // direct, at 13, at 12
  QLabel *summary;
  QListWidget *columns;
  QPushButton *checkButton; // "Escrutinio"

private:
  void changed(int match);
  vaticor::Qmodelop &form_;
  bool drawing_ = false;
  bool settingsErrorShown_ = false;
};

} // namespace ui
