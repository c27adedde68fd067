#include "ui/SystemsDialog.h"

#include "ui/Fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include "text/Settings.h"
#include <QVBoxLayout>

namespace ui {

SystemsDialog::SystemsDialog(vaticor::Qmodelop &form, QWidget *parent) : QDialog(parent), form_(form)
{
  setObjectName(QStringLiteral("sistemas"));
  setWindowTitle(QStringLiteral("Sistemas - Quiniela nº %1 - Vaticor").arg(form.Text3.text.trimmed()));
  setModal(true);
  auto *outer = new QHBoxLayout(this);

  auto *left = new QVBoxLayout;
  auto *grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Partido")), 0, 0);
  const char *names[3] = {"1", "X", "2"};
  for (int s = 0; s < 3; ++s)
    grid->addWidget(new QLabel(QString::fromLatin1(names[s])), 0, 1 + s, Qt::AlignHCenter);
  for (int m = 0; m < 14; ++m) {
    const QString home = form.tablap.text(2 * m + 1, 0).mid(3, 5), away = form.tablap.text(2 * m + 2, 0).mid(3, 5);
    auto *match = new QLabel(QStringLiteral("%1 %2-%3").arg(m + 1, 2).arg(home, away));
    match->setFont(fixedFont(9));
    grid->addWidget(match, m + 1, 0);
    for (int s = 0; s < 3; ++s) {
      signs[m][s] = new QCheckBox;
      connect(signs[m][s], &QCheckBox::toggled, this, [this, m] { changed(m); });
      grid->addWidget(signs[m][s], m + 1, 1 + s, Qt::AlignHCenter);
    }
  }
  left->addLayout(grid);
  auto *pleno = new QHBoxLayout;
  pleno->addWidget(new QLabel(QStringLiteral("Pleno al 15:")));
  plenoHome = new QComboBox;
  plenoAway = new QComboBox;
  for (QComboBox *box : {plenoHome, plenoAway}) {
    box->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("M")});
    connect(box, &QComboBox::currentTextChanged, this, [this] {
      if (!drawing_) {
        form_.sistemas_SetPleno(plenoHome->currentText(), plenoAway->currentText());
        refresh();
      }
    });
  }
  pleno->addWidget(plenoHome);
  pleno->addWidget(new QLabel(QStringLiteral("-")));
  pleno->addWidget(plenoAway);
  pleno->addStretch(1);
  left->addLayout(pleno);
  auto *cost = new QHBoxLayout;
  cost->addWidget(new QLabel(QStringLiteral("Precio de la columna:")));
  price = new QDoubleSpinBox;
  price->setRange(0.05, 100);
  price->setSingleStep(0.05);
  price->setSuffix(QStringLiteral(" €"));
  price->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
  // The price is a setting of the user's, kept from one run to the next in
  // "Vaticor.ini" beside the seasons.
  bool readable = false;
  const double kept = text::Settings::read(form.readableFile(QStringLiteral("Vaticor.ini")))
                          .value(QStringLiteral("sistemas/precio"))
                          .toDouble(&readable);
  if (readable && kept > 0)
    form.sistemas.price = kept;
  connect(price, &QDoubleSpinBox::valueChanged, this, [this](double v) {
    if (drawing_)
      return;
    form_.sistemas.price = v;
    text::Settings settings = text::Settings::read(form_.readableFile(QStringLiteral("Vaticor.ini")));
    settings.setValue(QStringLiteral("sistemas/precio"), QString::number(v));
    // A price that could not be kept is said once, not at every step of the box.
    const QString error = settings.write(form_.settingsPath());
    if (!error.isEmpty() && !settingsErrorShown_) {
      settingsErrorShown_ = true;
      form_.refuse(QStringLiteral("El precio no se ha podido guardar para la próxima vez.\r\n") + error,
                   QStringLiteral("Sistemas"), controls::MessageIcon::Critical);
    }
    form_.sistemas_Compute();
    refresh();
  });
  cost->addWidget(price);
  cost->addStretch(1);
  left->addLayout(cost);
  const QString choices[3] = {QStringLiteral("Columnas directas"), QStringLiteral("Reducida al 13"),
                              QStringLiteral("Reducida al 12")};
  for (int i = 0; i < 3; ++i) {
    choice[i] = new QRadioButton(choices[i]);
    connect(choice[i], &QRadioButton::clicked, this, [this, i] {
      form_.sistemas_Choose(14 - i);
      refresh();
    });
    left->addWidget(choice[i]);
  }
  left->addStretch(1);
  outer->addLayout(left);

  auto *right = new QVBoxLayout;
  summary = new QLabel;
  summary->setFont(fixedFont(9));
  summary->setTextFormat(Qt::PlainText);
  right->addWidget(summary);
  columns = new QListWidget;
  columns->setFont(fixedFont(9));
  right->addWidget(columns, 1);
  auto *buttons = new QHBoxLayout;
  auto *print = new QPushButton(QStringLiteral("Imprimir"));
  auto *save = new QPushButton(QStringLiteral("Guardar en archivo"));
  auto *check = checkButton = new QPushButton(QStringLiteral("Escrutinio"));
  auto *close = new QPushButton(QStringLiteral("Cerrar"));
  connect(print, &QPushButton::clicked, this, [this] { form_.sistemas_Print(); });
  connect(save, &QPushButton::clicked, this, [this] { form_.sistemas_Export(); });
  connect(check, &QPushButton::clicked, this, [this] {
    form_.sistemas_Check();
    refresh();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  for (QPushButton *b : {print, save, check, close})
    buttons->addWidget(b);
  right->addLayout(buttons);
  outer->addLayout(right, 1);
  resize(1100, 620);
  refresh();
}

void SystemsDialog::changed(int match)
{
  if (drawing_)
    return;
  QString set;
  for (int s = 0; s < 3; ++s)
    if (signs[match][s]->isChecked())
      set += QStringLiteral("1X2")[s];
  form_.sistemas_SetSigns(match + 1, set); // an empty set is refused there
  refresh();
}

void SystemsDialog::refresh()
{
  drawing_ = true;
  const vaticor::SystemsPanel &p = form_.sistemas;
  for (int m = 0; m < 14; ++m)
    for (int s = 0; s < 3; ++s)
      signs[m][s]->setChecked(p.system[m].contains(QStringLiteral("1X2")[s]));
  plenoHome->setCurrentText(p.plenoHome);
  plenoAway->setCurrentText(p.plenoAway);
  price->setValue(p.price);
  choice[14 - p.guarantee]->setChecked(true);
  summary->setText(p.summary.join(u'\n'));
  columns->clear();
  columns->addItems(p.checkLines.isEmpty() ? form_.sistemas_Lines() : p.checkLines);
  drawing_ = false;
}

} // namespace ui
