#include "ui/FactorDialog.h"

#include "ui/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

FactorDialog::FactorDialog(vaticor::Qmodelop &form, QWidget *parent) : QDialog(parent), form_(form)
{
  setObjectName(QStringLiteral("factor"));
  setModal(true);
  auto *v = new QVBoxLayout(this);

  Label2 = newLabel(this);
  Label2->setWordWrap(true);
  Label2->setText(QStringLiteral("Tabla que permite introducir las incidencias que se prevean que van a ocurrir en el "
                                 "encuentro determinado.\nLos valores a introducir van:  desde   --50  hasta   +50.\n"
                                 "Aunque sean muchos conceptos, en un campo la suma no debe pasar de esta gama de  "
                                 "valores.\nDebe  intruducir los valores en la casilla correspondiente.\nDespués se "
                                 "realizan nuevamente los cálculos,\npulsando  <<Procesar>>"));
  v->addWidget(Label2);

  // What each factor column stands for, above the grid.
  auto *captions = new QHBoxLayout;
  const char16_t *texts[3] = {u"Arbitro / Derbi /Relevancia, ....", u"Dif.Entrenador, Publico, ....",
                              u"Condiciones Climáticas, Estado del Campo, ..."};
  for (int i = 0; i < 3; ++i) {
    Label3[i] = newLabel(this);
    Label3[i]->setText(QString::fromUtf16(texts[i]));
    Label3[i]->setFrameShape(QFrame::Panel);
    captions->addWidget(Label3[i]);
  }
  v->addLayout(captions);

  tablaf = new GridWidget(form.factor.tablaf, this);
  tablaf->setObjectName(QStringLiteral("tablaf"));
  tablaf->setMarksCurrentCell(true);
  // The grid takes the keys typed: they go to the form one by one.
  tablaf->setFocusPolicy(Qt::StrongFocus);
  tablaf->installEventFilter(this);
  connect(tablaf, &GridWidget::cellPicked, this, [this](int r, int c) {
    run([this, r, c] {
      controls::Grid &grid = form_.factor.tablaf;
      grid.row = grid.rowSel = r;
      grid.col = grid.colSel = c;
    });
  });
  v->addWidget(tablaf, 0, Qt::AlignLeft);

  auto *bottom = new QHBoxLayout;
  Command2 = new QPushButton(QStringLiteral("Cargar Equipos"), this);
  Command1 = new QPushButton(QStringLiteral("Limpiar"), this);
  for (QPushButton *b : {Command1, Command2})
    b->setAutoDefault(false);
  Label1 = newLabel(this, true);
  Label1->setFrameShape(QFrame::Panel);
  Label1->setFrameShadow(QFrame::Sunken);
  Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
  bottom->addWidget(Command2);
  bottom->addWidget(Command1);
  bottom->addStretch(1);
  bottom->addWidget(new QLabel(QStringLiteral("Quiniela nº:"), this));
  bottom->addWidget(Label1);
  v->addLayout(bottom);
  connect(Command2, &QPushButton::clicked, this, [this] { run([this] { form_.factor_Command2_Click(); }); });
  connect(Command1, &QPushButton::clicked, this, [this] { run([this] { form_.factor_Command1_Click(); }); });
  refresh();
  tablaf->setFocus();
}

void FactorDialog::run(const std::function<void()> &handler)
{
  handler();
  refresh();
}

void FactorDialog::refresh()
{
  const vaticor::FactorWindow &f = form_.factor;
  setWindowTitle(f.caption);
  Label1->setText(f.Label1.caption);
  tablaf->sync();
}

bool FactorDialog::eventFilter(QObject *watched, QEvent *event)
{
  if (watched == tablaf && event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    // Tab and Escape keep their work in the window; a key without a character does nothing.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape)
      return false;
    const QChar typed = key->key() == Qt::Key_Backspace ? QChar(8) : key->text().isEmpty() ? QChar() : key->text().at(0);
    if (!typed.isNull())
      run([this, typed] { form_.factor_tablaf_KeyPress(typed); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FactorDialog::unload()
{
  if (closing_)
    return;
  closing_ = true;
  // The form decides what happens to the values (hidden, processed or lost);
  // the window goes away in every case.
  form_.factor_Form_Unload();
}

// The close box ends here too (QDialog::closeEvent rejects).
void FactorDialog::reject()
{
  unload();
  QDialog::reject();
}

} // namespace ui
