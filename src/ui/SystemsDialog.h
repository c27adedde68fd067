#pragma once
// The "Sistemas" window: the system from the coupon's signs, its pleno, the
// conditions of a reducción condicionada, the direct columns and the
// reductions with what they cost, save and may win, the columns printed or
// written to a file, and their check once the results are in. It draws the
// form's systems panel and forwards every change to it; the reductions are
// worked out on a worker thread, one piece at a time, with progress and
// Cancel, and a change that needs other columns replaces the piece running.

#include "form/Qmodelop.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ui {

class Worker;

class SystemsDialog : public QDialog {
  Q_OBJECT
public:
  explicit SystemsDialog(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  ~SystemsDialog() override;
  void refresh();
  // A piece of work is running on the worker thread.
  bool working() const;

  // The controls, for the end-to-end tests.
  std::array<std::array<QCheckBox *, 3>, 14> signs{};
  QComboBox *plenoHome, *plenoAway;
  QDoubleSpinBox *price;
  std::array<QRadioButton *, 3> choice{}; // direct, at 13, at 12
  // X, 2, variants, changes of sign, longest run: the least and the most of each.
  std::array<std::array<QSpinBox *, 2>, 5> conditions{};
  QSpinBox *margin;
  QPushButton *fillButton;  // the conditions from the forecast figure
  QPushButton *clearButton; // no conditions
  QLabel *summary;
  QProgressBar *progress;
  QLabel *status;
  QPushButton *cancelButton; // "Cancelar" while working; "Calcular" when a cancel left work undone
  QLabel *escrutinio;        // the result and the prizes by category, above the columns
  QListWidget *columns;
  QPushButton *printButton, *saveButton, *checkButton; // "Escrutinio"
  // Called on the worker thread as each piece starts (the tests hold it there).
  std::function<void(const engine::systems::ReductionOrder &)> pieceStarts;

private:
  void changed(int match);
  void conditionChanged(int which, int end);
  void saveSetting(const QString &key, const QString &value, const QString &what);
  // After a change: `restart` when the panel now needs other columns, which
  // undoes a Cancel; the price or the pleno only redraw.
  void afterChange(bool restart);
  void work(); // the next piece the panel lacks, unless one runs for it or the player cancelled
  void pieceDone(const engine::systems::ReductionOrder &order, std::optional<engine::systems::ReducedSystem> result);
  void cancelOrResume();

  vaticor::Qmodelop &form_;
  Worker *worker_;
  std::optional<engine::systems::ReductionOrder> running_;
  bool stopped_ = false; // the player cancelled: nothing starts until a change or "Calcular"
  bool drawing_ = false;
  bool settingsErrorShown_ = false;
  QStringList shownLines_;
};

} // namespace ui
