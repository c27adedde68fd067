#include "ui/SystemsDialog.h"

#include "text/Settings.h"
#include "ui/Fonts.h"
#include "ui/Worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

using engine::systems::Conditions;
using engine::systems::CountRange;

// The conditions in the order of the window's boxes, with their bounds.
struct ConditionBox {
  const char *name;
  CountRange Conditions::*range;
  int least, most;
  const char *help;
};
const ConditionBox kConditionBoxes[5] = {
    {"X", &Conditions::draws, 0, 14, "Cuántos empates (X) tiene la columna"},
    {"2", &Conditions::aways, 0, 14, "Cuántos doses tiene la columna"},
    {"Variantes", &Conditions::variants, 0, 14, "Cuántos signos que no son 1 (X y 2 juntos) tiene la columna"},
    {"Interrupciones", &Conditions::interruptions, 0, 13,
     "Cuántas veces cambia el signo de un partido al siguiente"},
    {"Racha más larga", &Conditions::longestRun, 1, 14, "Cuántos partidos seguidos como mucho con el mismo signo"},
};

QString decimal(double value)
{
  return QLocale(QLocale::Spanish, QLocale::Spain).toString(value, 'f', 1);
}

} // namespace

SystemsDialog::SystemsDialog(vaticor::Qmodelop &form, QWidget *parent)
    : QDialog(parent), form_(form), worker_(new Worker(this))
{
  setObjectName(QStringLiteral("sistemas"));
  setWindowTitle(QStringLiteral("Sistemas - Quiniela nº %1 - Vaticor").arg(form.Text3.text.trimmed()));
  setModal(true);
  // The reductions are worked out here, on the worker thread, not by the handlers.
  form.sistemas.onWorker = true;
  form.sistemas.windowShown = true;
  auto *outer = new QHBoxLayout(this);

  // Left: the signs of each match, the pleno, the price and the choice.
  auto *left = new QVBoxLayout;
  auto *grid = new QGridLayout;
  grid->setVerticalSpacing(2);
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
        afterChange(false);
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
  // The price and the margin are settings of the user's, kept from one run
  // to the next in "Vaticor.ini" beside the seasons.
  const text::Settings kept = text::Settings::read(form.readableFile(QStringLiteral("Vaticor.ini")));
  bool readable = false;
  const double keptPrice = kept.value(QStringLiteral("sistemas/precio")).toDouble(&readable);
  if (readable && keptPrice > 0)
    form.sistemas.price = keptPrice;
  const int keptMargin = kept.value(QStringLiteral("sistemas/margen")).toInt(&readable);
  if (readable && keptMargin >= 0 && keptMargin <= 14)
    form.sistemas.margin = keptMargin;
  connect(price, &QDoubleSpinBox::valueChanged, this, [this](double v) {
    if (drawing_)
      return;
    form_.sistemas.price = v;
    saveSetting(QStringLiteral("sistemas/precio"), QString::number(v), QStringLiteral("El precio"));
    form_.sistemas_Compute();
    afterChange(false);
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
      afterChange(true);
    });
    left->addWidget(choice[i]);
  }
  left->addStretch(1);
  outer->addLayout(left);

  // Right: the conditions, what each choice costs, the work under way, the columns.
  auto *right = new QVBoxLayout;
  auto *conditionsBox =
      new QGroupBox(QStringLiteral("Reducción condicionada: se juegan solo las columnas que cumplen todas las condiciones"));
  auto *rows = new QGridLayout(conditionsBox);
  rows->setHorizontalSpacing(24);
  for (int i = 0; i < 5; ++i) {
    const ConditionBox &c = kConditionBoxes[i];
    auto *name = new QLabel(QString::fromUtf8(c.name));
    name->setToolTip(QString::fromUtf8(c.help));
    rows->addWidget(name, 0, i);
    auto *pair = new QHBoxLayout;
    pair->setSpacing(4);
    for (int end = 0; end < 2; ++end) {
      QSpinBox *box = conditions[i][end] = new QSpinBox;
      box->setRange(c.least, c.most);
      box->setFixedWidth(box->sizeHint().width());
      box->setKeyboardTracking(false); // a number typed counts once it is whole
      box->setToolTip(QString::fromUtf8(c.help) + (end == 0 ? QStringLiteral(": al menos") : QStringLiteral(": como mucho")));
      connect(box, &QSpinBox::valueChanged, this, [this, i, end] { conditionChanged(i, end); });
      pair->addWidget(box);
      if (end == 0)
        pair->addWidget(new QLabel(QStringLiteral("a")));
    }
    pair->addStretch(1);
    rows->addLayout(pair, 1, i);
  }
  rows->setColumnStretch(5, 1);
  auto *fill = new QHBoxLayout;
  fill->addWidget(new QLabel(QStringLiteral("Margen ±")));
  margin = new QSpinBox;
  margin->setRange(0, 14);
  margin->setToolTip(QStringLiteral("Cuánto se apartan las condiciones de la figura media, arriba y abajo"));
  connect(margin, &QSpinBox::valueChanged, this, [this](int v) {
    if (drawing_)
      return;
    form_.sistemas.margin = v;
    saveSetting(QStringLiteral("sistemas/margen"), QString::number(v), QStringLiteral("El margen"));
  });
  fill->addWidget(margin);
  fillButton = new QPushButton;
  connect(fillButton, &QPushButton::clicked, this, [this] {
    form_.sistemas_FillConditions(margin->value());
    afterChange(true);
  });
  fill->addWidget(fillButton);
  clearButton = new QPushButton(QStringLiteral("Sin condiciones"));
  connect(clearButton, &QPushButton::clicked, this, [this] {
    form_.sistemas_SetConditions({});
    afterChange(true);
  });
  fill->addWidget(clearButton);
  fill->addStretch(1);
  rows->addLayout(fill, 2, 0, 1, 5);
  right->addWidget(conditionsBox);

  summary = new QLabel;
  summary->setFont(fixedFont(9));
  summary->setTextFormat(Qt::PlainText);
  summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  right->addWidget(summary);
  auto *working = new QHBoxLayout;
  status = new QLabel;
  progress = new QProgressBar;
  progress->setRange(0, 1000);
  progress->setTextVisible(false);
  progress->setMaximumWidth(240);
  cancelButton = new QPushButton(QStringLiteral("Cancelar"));
  connect(cancelButton, &QPushButton::clicked, this, &SystemsDialog::cancelOrResume);
  working->addWidget(status, 1);
  working->addWidget(progress);
  working->addWidget(cancelButton);
  right->addLayout(working);
  connect(worker_, &Worker::progressed, this, [this](double share) { progress->setValue(int(share * 1000)); });

  escrutinio = new QLabel;
  escrutinio->setFont(fixedFont(9));
  escrutinio->setTextFormat(Qt::PlainText);
  escrutinio->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
  right->addWidget(escrutinio);
  columns = new QListWidget;
  columns->setFont(fixedFont(9));
  columns->setUniformItemSizes(true);
  right->addWidget(columns, 1);
  auto *buttons = new QHBoxLayout;
  printButton = new QPushButton(QStringLiteral("Imprimir"));
  saveButton = new QPushButton(QStringLiteral("Guardar en archivo"));
  checkButton = new QPushButton(QStringLiteral("Escrutinio"));
  auto *close = new QPushButton(QStringLiteral("Cerrar"));
  connect(printButton, &QPushButton::clicked, this, [this] { form_.sistemas_Print(); });
  connect(saveButton, &QPushButton::clicked, this, [this] { form_.sistemas_Export(); });
  connect(checkButton, &QPushButton::clicked, this, [this] {
    form_.sistemas_Check();
    refresh();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  for (QPushButton *b : {printButton, saveButton, checkButton, close})
    buttons->addWidget(b);
  right->addLayout(buttons);
  outer->addLayout(right, 1);

  // Room for the summary's longest lines, within the screen.
  QSize size(1320, 700);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize());
  resize(size);
  form_.sistemas_Compute(); // what is known already; the rest is work to do
  refresh();
  // The work starts once the window runs its events.
  QTimer::singleShot(0, this, &SystemsDialog::work);
}

SystemsDialog::~SystemsDialog()
{
  // What runs is stopped and forgotten; the next opening asks again for what is missing.
  worker_->drop();
  form_.sistemas.onWorker = false;
}

bool SystemsDialog::working() const
{
  return worker_->busy();
}

void SystemsDialog::saveSetting(const QString &key, const QString &value, const QString &what)
{
  text::Settings settings = text::Settings::read(form_.readableFile(QStringLiteral("Vaticor.ini")));
  settings.setValue(key, value);
  // A setting that could not be kept is said once, not at every step of the box.
  const QString error = settings.write(form_.settingsPath());
  if (!error.isEmpty() && !settingsErrorShown_) {
    settingsErrorShown_ = true;
    form_.refuse(what + QStringLiteral(" no se ha podido guardar para la próxima vez.\r\n") + error,
                 QStringLiteral("Sistemas"), controls::MessageIcon::Critical);
  }
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
  afterChange(true);
}

void SystemsDialog::conditionChanged(int which, int end)
{
  if (drawing_)
    return;
  // A least above the most (or the other way) moves the other end along.
  QSpinBox *edited = conditions[which][end], *other = conditions[which][1 - end];
  if (end == 0 ? edited->value() > other->value() : edited->value() < other->value()) {
    drawing_ = true;
    other->setValue(edited->value());
    drawing_ = false;
  }
  Conditions c;
  for (int i = 0; i < 5; ++i)
    c.*kConditionBoxes[i].range = {conditions[i][0]->value(), conditions[i][1]->value()};
  form_.sistemas_SetConditions(c);
  afterChange(true);
}

void SystemsDialog::afterChange(bool restart)
{
  if (restart)
    stopped_ = false;
  work();
  refresh();
}

void SystemsDialog::work()
{
  if (stopped_)
    return;
  const std::optional<engine::systems::ReductionOrder> next = form_.sistemas_NextWork();
  if (!next) {
    // What runs is no longer wanted (the panel went back to columns it has).
    worker_->drop();
    running_.reset();
    refresh();
    return;
  }
  if (worker_->busy() && running_ == next)
    return;
  running_ = next;
  progress->setValue(0);
  const engine::systems::ReductionOrder order = *next;
  const auto starts = pieceStarts;
  worker_->start<engine::systems::ReducedSystem>(
      [order, starts](Worker::Task &task) {
        if (starts)
          starts(order);
        return engine::systems::reduceSystem(order, [&task](double share) { task.progress(share); },
                                             task.cancelFlag());
      },
      [this, order](std::optional<engine::systems::ReducedSystem> result) { pieceDone(order, std::move(result)); });
  refresh();
}

void SystemsDialog::pieceDone(const engine::systems::ReductionOrder &order,
                              std::optional<engine::systems::ReducedSystem> result)
{
  running_.reset();
  if (result) {
    form_.sistemas_Store(order, *result);
  } else {
    stopped_ = true;
    form_.refuse(QStringLiteral("No ha habido memoria para calcular estas columnas."), QStringLiteral("Sistemas"),
                 controls::MessageIcon::Critical);
  }
  work();
  refresh();
}

void SystemsDialog::cancelOrResume()
{
  if (worker_->busy()) {
    stopped_ = true;
    worker_->cancel(); // what it found so far still comes, checked
  } else {
    stopped_ = false;
    work();
  }
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
  for (int i = 0; i < 5; ++i) {
    const CountRange &r = p.conditions.*kConditionBoxes[i].range;
    conditions[i][0]->setValue(r.min);
    conditions[i][1]->setValue(r.max);
  }
  margin->setValue(p.margin);
  if (p.figure) {
    const auto &f = *p.figure;
    fillButton->setText(QStringLiteral("Desde la figura media: V %1  X %2  2 %3")
                            .arg(decimal(f[0]), decimal(f[1]), decimal(f[2])));
    fillButton->setToolTip(QStringLiteral("Variantes, X y 2 de la figura media de la quiniela, ± el margen"));
  } else {
    fillButton->setText(QStringLiteral("Desde la figura media"));
    fillButton->setToolTip(QStringLiteral("La quiniela aún no tiene figura media: complete sus 15 líneas"));
  }
  fillButton->setEnabled(p.figure.has_value());
  clearButton->setEnabled(p.conditions.restricts());
  summary->setText(p.summary.join(u'\n'));

  const bool busy = worker_->busy();
  const bool undone = form_.sistemas_NextWork().has_value();
  progress->setVisible(busy);
  if (busy && running_) {
    const int g = running_->guarantee;
    status->setText(g < 14 ? QStringLiteral("Calculando la reducida al %1…").arg(g)
                    : running_->conditions.restricts() ? QStringLiteral("Calculando las columnas condicionadas…")
                                                       : QStringLiteral("Calculando las columnas directas…"));
  } else if (undone && stopped_) {
    status->setText(QStringLiteral("Cálculo cancelado: faltan columnas por calcular."));
  } else {
    status->setText(undone ? QStringLiteral("Calculando…") : QString());
  }
  cancelButton->setText(busy ? QStringLiteral("Cancelar") : QStringLiteral("Calcular"));
  cancelButton->setEnabled(busy || (undone && stopped_));
  cancelButton->setVisible(busy || undone);

  printButton->setEnabled(p.ready && !p.columns.empty());
  saveButton->setEnabled(p.ready && !p.columns.empty());
  checkButton->setEnabled(p.ready && !p.columns.empty());
  escrutinio->setText(p.checkSummary.join(u'\n'));
  escrutinio->setVisible(!p.checkSummary.isEmpty());
  const QStringList lines = p.checkLines.isEmpty() ? form_.sistemas_Lines() : p.checkLines;
  // Thousands of columns are not drawn again for a change of price.
  if (lines != shownLines_) {
    shownLines_ = lines;
    columns->clear();
    columns->addItems(lines);
  }
  drawing_ = false;
}

} // namespace ui
