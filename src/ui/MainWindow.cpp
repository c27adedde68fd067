#include "ui/MainWindow.h"

#include "ui/CouponPanel.h"
#include "ui/EntryPanel.h"
#include "ui/CreditsDialog.h"
#include "ui/FactorDialog.h"
#include "ui/Fonts.h"
#include "ui/HelpDialog.h"
#include "ui/QtHttp.h"
#include "ui/QtServices.h"
#include "ui/QtWindows.h"
#include "ui/ReliabilityDialog.h"
#include "ui/SystemsDialog.h"
#include "ui/ViewPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

namespace {

QString css(controls::Rgb colour)
{
  return QColor::fromRgb(static_cast<QRgb>(colour)).name();
}

// A click moves the grid's current cell, and its selection, to the cell clicked.
void moveTo(controls::Grid &grid, int row, int col)
{
  grid.row = grid.rowSel = row;
  grid.col = grid.colSel = col;
}

// A caption with the view's print control beside it.
QHBoxLayout *withPrint(QWidget *caption, QWidget *print, QWidget *second = nullptr)
{
  auto *row = new QHBoxLayout;
  row->addWidget(caption);
  row->addSpacing(16);
  row->addWidget(print);
  if (second)
    row->addWidget(second);
  row->addStretch(1);
  return row;
}

ClickLabel *printLabel(QWidget *parent, const QString &name)
{
  ClickLabel *label = newClickLabel(parent);
  nameControl(label, name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Raised);
  return label;
}

} // namespace

MainWindow::MainWindow(vaticor::Qmodelop &form, QWidget *parent) : QMainWindow(parent), form_(form)
{
  setObjectName(QStringLiteral("qmodelop"));
  buildMenus();

  auto *central = new QWidget(this);
  auto *outer = new QVBoxLayout(central);
  outer->setContentsMargins(4, 4, 4, 4);
  // The layouts keep every control at least at its own size, so they never
  // overlap; these floors keep room for a view even in a small window.
  outer->addStrut(1000);
  auto *columns = new QHBoxLayout;
  columns->addStrut(560);
  columns->setSpacing(10);
  leftColumn_ = buildLeftColumn();
  columns->addWidget(leftColumn_, 0);
  auto *right = new QVBoxLayout;
  right->setSpacing(4);
  // The boxes and buttons stand in a block beside the jornada's matches rather
  // than in rows above them, which leaves the views the height to show every
  // row of a 22-team division.
  topBlock_ = new QWidget(central);
  auto *top = new QHBoxLayout(topBlock_);
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(buildControls(), 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addWidget(buildMatchPanel(), 1);
  right->addWidget(topBlock_);
  right->addWidget(buildViewArea(), 1);
  columns->addLayout(right, 1);
  outer->addLayout(columns, 1);

  Label2 = newLabel(central);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setFrameShape(QFrame::StyledPanel);
  // While a file comes from the update server, its progress shows beside the help line.
  progress_ = new QProgressBar(central);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setFormat(QStringLiteral("Descargando... %p%"));
  progress_->setFixedWidth(220);
  progress_->hide();
  // The navigator's arrows beside the help line, always at hand.
  auto *arrows = new QGridLayout;
  arrows->setSpacing(2);
  Command35 = button(form_.Command35.caption);
  Command36 = button(form_.Command36.caption);
  Command37 = button(form_.Command37.caption);
  Command38 = button(form_.Command38.caption);
  const std::pair<QPushButton *, void (vaticor::Qmodelop::*)()> navigator[] = {
      {Command35, &vaticor::Qmodelop::Command35_Click}, {Command36, &vaticor::Qmodelop::Command36_Click},
      {Command37, &vaticor::Qmodelop::Command37_Click}, {Command38, &vaticor::Qmodelop::Command38_Click}};
  for (int i = 0; i < 4; ++i) {
    QPushButton *arrow = navigator[i].first;
    void (vaticor::Qmodelop::*click)() = navigator[i].second;
    vaticor::Qmodelop *form = &form_;
    arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 18);
    connect(arrow, &QPushButton::clicked, this, [this, form, click] { run([form, click] { (form->*click)(); }); });
    arrows->addWidget(arrow, i / 2, i % 2);
  }
  auto *bottom = new QHBoxLayout;
  bottom->addLayout(arrows);
  bottom->addWidget(Label2, 1);
  bottom->addWidget(progress_, 0, Qt::AlignTop);
  outer->addLayout(bottom);
  setCentralWidget(central);
  // The other-factors window opens modal through the program's window service.
  if (auto *windows = dynamic_cast<QtWindows *>(form_.services.windows))
    windows->add(QStringLiteral("factor"), [this] { FactorDialog(form_, this).exec(); });
  // The controls' own names: messages speak of them, and the help line
  // tells what the control under the mouse does.
  const std::pair<QWidget *, const char *> named[] = {
      {tablag, "tablag"},       {tab1, "tab1"},           {tabl1x2, "tabl1x2"},     {List1, "List1"},
      {List6, "List6"},         {List7, "List7"},         {List8, "List8"},         {Text1, "Text1"},
      {Text2, "Text2"},         {Text3, "Text3"},         {Command1, "Command1"},   {Command2, "Command2"},
      {Command3, "Command3"},   {Command4, "Command4"},   {Command5, "Command5"},   {Command6, "Command6"},
      {Command7, "Command7"},   {Command8, "Command8"},   {Command9, "Command9"},   {Command10, "Command10"},
      {Command11, "Command11"}, {Command12, "Command12"}, {Command13, "Command13"}, {Command14, "Command14"},
      {Command15, "Command15"}, {Command16, "Command16"}, {Command24, "Command24"}, {Command30, "Command30"},
      {Command35, "Command35"}, {Command36, "Command36"}, {Command37, "Command37"}, {Command38, "Command38"},
      {Frame5, "Frame5"},       {Frame7, "Frame7"},       {Frame15, "Frame15"},     {Frame17, "Frame17"},
      {Label34, "Label34"},     {Label2, "Label2"}};
  for (auto [widget, name] : named)
    nameControl(widget, QLatin1String(name));
  for (int i = 0; i < 5; ++i) {
    nameControl(List12[i], QStringLiteral("List12"), i);
    nameControl(List2[i], QStringLiteral("List2"), i);
    nameControl(List3[i], QStringLiteral("List3"), i);
  }
  for (int i = 0; i < 7; ++i)
    nameControl(Label40[i], QStringLiteral("Label40"), i);
  // Every named control reports the mouse coming over it (Command15 its press).
  for (QWidget *widget : central->findChildren<QWidget *>())
    if (!controlName(widget).isEmpty())
      widget->installEventFilter(this);
  // Every view shows whole at 1366x768; a smaller screen scrolls the views.
  QSize size(1366, 768);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
}

void MainWindow::buildMenus()
{
  QMenuBar *bar = menuBar();
  mnuaCargar = bar->addAction(form_.mnuaCargar.caption);
  connect(mnuaCargar, &QAction::triggered, this, [this] { run([this] { form_.mnuaCargar_Click(); }); });
  QMenu *update = bar->addMenu(form_.mnuActualizar.caption);
  mnuActTI = update->addAction(form_.mnuActTI.caption);
  mnuactualiza = update->addAction(form_.mnuactualiza.caption);
  mnuActGI = update->addAction(form_.mnuActGI.caption);
  mnuProMmnu = update->addAction(form_.mnuProMmnu.caption);
  connect(mnuActTI, &QAction::triggered, this, [this] { run([this] { form_.mnuActTI_Click(); }); });
  connect(mnuactualiza, &QAction::triggered, this, [this] { run([this] { form_.mnuactualiza_Click(); }); });
  connect(mnuActGI, &QAction::triggered, this, [this] { run([this] { form_.mnuActGI_Click(); }); });
  // Seasons from the openfootball results: files chosen, or the current one fetched.
  update->addSeparator();
  mnuImportar = update->addAction(form_.mnuImportar.caption);
  mnuActualizarTemporada = update->addAction(form_.mnuActualizarTemporada.caption);
  connect(mnuImportar, &QAction::triggered, this, [this] { run([this] { form_.mnuImportar_Click(); }); });
  connect(mnuActualizarTemporada, &QAction::triggered, this,
          [this] { run([this] { form_.mnuActualizarTemporada_Click(); }); });
  mnuIventana = bar->addAction(form_.mnuIventana.caption);
  // "Pronóstico" holds the coupon's view and how reliable the forecasts have been.
  QMenu *pronos = bar->addMenu(form_.mnupronos.caption);
  mnupronos = pronos->addAction(form_.mnuVerPronostico.caption);
  mnuFiabilidad = pronos->addAction(form_.mnuFiabilidad.caption);
  connect(mnuFiabilidad, &QAction::triggered, this, [this] { run([this] { form_.mnuFiabilidad_Click(); }); });
  connect(mnuIventana, &QAction::triggered, this,
          [this] { printReport(QStringLiteral("Ventana"), [this] { form_.mnuIventana_Click(); }); });
  connect(mnupronos, &QAction::triggered, this, [this] { run([this] { form_.mnupronos_Click(); }); });
  connect(mnuProMmnu, &QAction::triggered, this, [this] { run([this] { form_.mnuProMmnu_Click(); }); });
  QMenu *options = bar->addMenu(form_.mnuOpciones.caption);
  mnucreditos = options->addAction(form_.mnucreditos.caption);
  mnuAyuda = options->addAction(form_.mnuAyuda.caption);
  mnuSalir = options->addAction(form_.mnuSalir.caption);
  connect(mnuSalir, &QAction::triggered, this, [this] { run([this] { form_.mnuSalir_Click(); }); });
  connect(mnuAyuda, &QAction::triggered, this, [this] { run([this] { form_.mnuAyuda_Click(); }); });
  connect(mnucreditos, &QAction::triggered, this, [this] { run([this] { form_.mnucreditos_Click(); }); });
  // The help window and the credits box open through the program's window service.
  if (auto *windows = dynamic_cast<QtWindows *>(form_.services.windows)) {
    windows->add(QStringLiteral("ayuda"), [this] { HelpDialog(form_, this).exec(); });
    windows->add(QStringLiteral("creditos"), [this] { CreditsDialog(form_.creditos, this).exec(); });
    windows->add(QStringLiteral("sistemas"), [this] { SystemsDialog(form_, this).exec(); });
    windows->add(QStringLiteral("fiabilidad"), [this] {
      // The backtest runs once the window is up, its progress on the bar; a
      // season that cannot be backtested shows why.
      ReliabilityDialog dialog(form_, this);
      QTimer::singleShot(0, &dialog, [&dialog] { dialog.run(); });
      dialog.exec();
    });
  }
}

void MainWindow::applyWidth(int twips)
{
  if (isMaximized() || isFullScreen())
    return;
  const int wanted = twips / 15;
  if (wanted > width()) {
    // Widened for the coupon, as far as the screen allows; the width the
    // user had comes back when a narrower window is asked for again.
    int most = wanted;
    if (const QScreen *screen = this->screen())
      most = std::min(wanted, screen->availableGeometry().width());
    if (most > width()) {
      if (normalWidth_ < 0)
        normalWidth_ = width();
      resize(most, height());
    }
  } else if (normalWidth_ >= 0) {
    resize(std::max(wanted, normalWidth_), height());
    normalWidth_ = -1;
  }
}

void MainWindow::fitHelpLine()
{
  // The help line is as high as the longest text any control can put there,
  // at the width it has, so that every text shows whole and the views keep
  // their place whatever the mouse passes over.
  const int width = Label2->contentsRect().width() - 2 * Label2->margin();
  if (width < 300)
    return; // not laid out yet
  const QFontMetrics metrics(Label2->font());
  int lines = 3 * metrics.lineSpacing();
  for (QWidget *widget : centralWidget()->findChildren<QWidget *>()) {
    QString text = form_.hoverText(controlName(widget), controlIndex(widget));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty())
      lines = std::max(lines, metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height());
  }
  const int height = lines + Label2->frameWidth() * 2 + 4;
  if (Label2->height() != height)
    Label2->setFixedHeight(height);
}

void MainWindow::setHttp(QtHttp *http)
{
  http->onRunning = [this](bool running) {
    progress_->setRange(0, 0); // busy until the size is known
    progress_->setVisible(running);
  };
  http->onProgress = [this](qint64 received, qint64 total) {
    if (total > 0) {
      progress_->setRange(0, 1000);
      progress_->setValue(static_cast<int>(received * 1000 / total));
    }
  };
}

Runner MainWindow::runner()
{
  return {[this](const Handler &handler) { run(handler); },
          [this](const QString &report, const Handler &handler) { printReport(report, handler); }};
}

void MainWindow::printReport(const QString &report, const std::function<void()> &handler)
{
  if (auto *printer = dynamic_cast<QtPrinter *>(form_.services.printer))
    printer->setDocumentName(report);
  run(handler);
}

QPushButton *MainWindow::button(const QString &caption)
{
  auto *b = new QPushButton(caption);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QWidget *MainWindow::buildLeftColumn()
{
  auto *panel = new QWidget;
  auto *layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  Label18 = newLabel(panel);
  QFont bold = Label18->font();
  bold.setBold(true);
  Label18->setFont(bold);
  // On a narrow screen the season's title takes two lines rather than widening the column.
  Label18->setWordWrap(true);
  Label10 = newLabel(panel, true);
  Label11 = newLabel(panel, true);
  // The column is as wide as the standings grid; its captions wrap.
  Label10->setWordWrap(true);
  Label11->setWordWrap(true);
  tablag = new GridWidget(panel);
  connect(tablag, &GridWidget::cellPicked, this,
          [this](int r, int c) {
            run([this, r, c] {
              moveTo(form_.tablag, r, c);
              form_.tablag_Click(r, c);
            });
          });
  Label3 = newLabel(panel);
  layout->addWidget(Label18);
  Label48 = printLabel(panel, QStringLiteral("Label48"));
  connect(Label48, &ClickLabel::clicked, this,
          [this] { printReport(QStringLiteral("General"), [this] { form_.Label48_Click(); }); });
  layout->addWidget(Label48, 0, Qt::AlignLeft);
  layout->addWidget(Label10);
  layout->addWidget(Label11);
  layout->addWidget(tablag);
  layout->addStretch(1);
  layout->addWidget(Label3);
  return panel;
}

QWidget *MainWindow::buildControls()
{
  auto *block = new QWidget;
  auto *grid = new QGridLayout(block);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(4);

  auto *jornadaCaption = new QLabel(QStringLiteral("Jornada:"));
  Text1 = new QLineEdit;
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setFont(fixedFont(10));
  Text1->setFixedWidth(44);
  Text1->setStyleSheet(QStringLiteral("background:black; color:white;"));
  connect(Text1, &QLineEdit::textEdited, this, [this](const QString &t) { form_.Text1.text = t; });
  Text2 = new QLineEdit;
  Text2->setObjectName(QStringLiteral("Text2"));
  Text2->setFont(fixedFont(10));
  Text2->setFixedWidth(30);
  Text2->setReadOnly(true);
  Text2->installEventFilter(this);
  Text2->setStyleSheet(QStringLiteral("background:black; color:yellow;"));
  auto *couponCaption = new QLabel(QStringLiteral("Quiniela nº:"));
  Text3 = new QLineEdit;
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setFont(fixedFont(10));
  Text3->setFixedWidth(44);
  Text3->setStyleSheet(QStringLiteral("background:#ffc0cb; color:black;"));
  connect(Text3, &QLineEdit::textEdited, this, [this](const QString &t) { form_.Text3.text = t; });

  Command6 = button(form_.Command6.caption);
  Command30 = button(form_.Command30.caption);
  Command30->setToolTip(form_.Command30.toolTip);
  Command7 = button(form_.Command7.caption);
  Command12 = button(form_.Command12.caption);
  Command11 = button(form_.Command11.caption);
  Command4 = button(form_.Command4.caption);
  Command3 = button(form_.Command3.caption);
  Command8 = button(form_.Command8.caption);
  Command9 = button(form_.Command9.caption);
  Command10 = button(form_.Command10.caption);
  Command13 = button(form_.Command13.caption);
  Command1 = button(form_.Command1.caption);
  Command14 = button(form_.Command14.caption);
  Command15 = button(form_.Command15.caption);
  connect(Command1, &QPushButton::clicked, this,
          [this] { printReport(QStringLiteral("Equivalentes"), [this] { form_.Command1_Click(); }); });
  connect(Command14, &QPushButton::clicked, this, [this] { run([this] { form_.Command14_Click(); }); });
  // One blank line as soon as the button goes down.
  connect(Command15, &QPushButton::pressed, this, [this] { run([this] { form_.Command15_MouseDown(); }); });
  // The red mode button: the whole jornada or one match at a time.
  Command16 = button(form_.Command16.caption);
  Command16->setStyleSheet(QStringLiteral("background:#ff0000; color:white; font-weight:bold;"));
  connect(Command6, &QPushButton::clicked, this, [this] { run([this] { form_.Command6_Click(); }); });
  connect(Command30, &QPushButton::clicked, this, [this] { run([this] { form_.Command30_Click(); }); });
  connect(Command7, &QPushButton::clicked, this, [this] { run([this] { form_.Command7_Click(); }); });
  connect(Command12, &QPushButton::clicked, this, [this] { run([this] { form_.Command12_Click(); }); });
  connect(Command11, &QPushButton::clicked, this, [this] { run([this] { form_.Command11_Click(); }); });
  connect(Command4, &QPushButton::clicked, this, [this] { run([this] { form_.Command4_Click(); }); });
  connect(Command3, &QPushButton::clicked, this, [this] { run([this] { form_.Command3_Click(); }); });
  connect(Command8, &QPushButton::clicked, this, [this] { run([this] { form_.Command8_Click(); }); });
  connect(Command9, &QPushButton::clicked, this, [this] { run([this] { form_.Command9_Click(); }); });
  connect(Command10, &QPushButton::clicked, this, [this] { run([this] { form_.Command10_Click(); }); });
  connect(Command13, &QPushButton::clicked, this, [this] { run([this] { form_.Command13_Click(); }); });
  connect(Command16, &QPushButton::clicked, this, [this] { run([this] { form_.Command16_Click(); }); });

  auto *boxes = new QHBoxLayout;
  boxes->addWidget(jornadaCaption);
  boxes->addWidget(Text1);
  boxes->addWidget(Text2);
  boxes->addSpacing(12);
  boxes->addWidget(couponCaption);
  boxes->addWidget(Text3);
  boxes->addStretch(1);
  grid->addLayout(boxes, 0, 0, 1, 3);
  QPushButton *const order[] = {Command6,  Command30, Command13, Command7, Command12, Command16,
                                Command11, Command4,  Command3,  Command8, Command9,  Command10,
                                Command1,  Command14, Command15};
  for (int i = 0; i < 15; ++i)
    grid->addWidget(order[i], 1 + i / 3, i % 3);
  return block;
}

QWidget *MainWindow::buildMatchPanel()
{
  Frame2 = new QWidget;
  auto *layout = new QHBoxLayout(Frame2);
  layout->setContentsMargins(0, 0, 0, 0);
  List1 = new ListWidget(Frame2);
  List1->setStyleSheet(QStringLiteral("background:#dde6ff;"));
  List6 = new ListWidget(Frame2);
  // A click on a match passes it, or the whole jornada, to the coupon.
  connect(List1, &ListWidget::linePicked, this, [this](int line) {
    run([this, line] {
      form_.List1.setListIndex(line);
      form_.List1_Click();
    });
  });
  connect(List6, &ListWidget::linePicked, this, [this](int line) {
    run([this, line] {
      form_.List6.setListIndex(line);
      form_.List6_Click();
    });
  });
  List7 = new ListWidget(Frame2);
  List8 = new ListWidget(Frame2);
  layout->addWidget(List1);
  layout->addWidget(List6);
  layout->addSpacing(10);
  layout->addWidget(List7);
  layout->addWidget(List8);
  layout->addSpacing(10);

  auto *side = new QVBoxLayout;
  // The results locator: the two clubs picked in the results grid and their meetings.
  auto *Frame3 = new QWidget(Frame2);
  nameControl(Frame3, QStringLiteral("Frame3"));
  auto *locator = new QVBoxLayout(Frame3);
  locator->setContentsMargins(0, 0, 0, 0);
  Label19[0] = newLabel(Frame3, true);
  Label19[1] = newLabel(Frame3, true);
  Label21 = newLabel(Frame3, true);
  Label20 = newLabel(Frame3, true);
  for (QLabel *l : {Label19[0], Label19[1], Label21, Label20})
    locator->addWidget(l);
  entry = new EntryPanel(form_, runner(), Frame2);
  Label1 = entry->Label1;
  side->addWidget(Frame3);
  side->addStretch(1);
  side->addWidget(entry);
  layout->addLayout(side, 1);
  return Frame2;
}

QWidget *MainWindow::buildViewArea()
{
  auto *scroll = views_ = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto *area = new QWidget;
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);

  // Results grid.
  Frame5 = new QWidget(area);
  {
    auto *v = new QVBoxLayout(Frame5);
    v->setContentsMargins(0, 0, 0, 0);
    Label4 = newLabel(Frame5, true);
    tab1 = new GridWidget(Frame5);
    connect(tab1, &GridWidget::cellPicked, this, [this](int r, int c) {
      run([this, r, c] {
        moveTo(form_.tab1, r, c);
        form_.tab1_Click(r, c);
      });
    });
    Command2 = button(form_.Command2.caption);
    connect(Command2, &QPushButton::clicked, this,
            [this] { printReport(QStringLiteral("Cuadrante"), [this] { form_.Command2_Click(); }); });
    v->addLayout(withPrint(Label4, Command2));
    v->addWidget(tab1, 0, Qt::AlignLeft);
    v->addStretch(1);
  }
  // Standings.
  Frame7 = new QWidget(area);
  {
    auto *v = new QVBoxLayout(Frame7);
    v->setContentsMargins(0, 0, 0, 0);
    Label7 = newLabel(Frame7, true);
    Label30 = printLabel(Frame7, QStringLiteral("Label30"));
    connect(Label30, &ClickLabel::clicked, this,
            [this] { printReport(QStringLiteral("Clasificacion"), [this] { form_.Label30_Click(); }); });
    v->addLayout(withPrint(Label7, Label30));
    auto *keys = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
      Label40[i] = new ClickLabel(Frame7);
      Label40[i]->setTextFormat(Qt::PlainText);
      Label40[i]->setFrameShape(QFrame::Panel);
      Label40[i]->setCursor(Qt::PointingHandCursor);
      connect(Label40[i], &ClickLabel::clicked, this, [this, i] { run([this, i] { form_.Label40_Click(i); }); });
      keys->addWidget(Label40[i], i / 4, i % 4);
    }
    Label34 = new ClickLabel(Frame7);
    Label34->setTextFormat(Qt::PlainText);
    Label34->setFrameShape(QFrame::Panel);
    Label34->setCursor(Qt::PointingHandCursor);
    Label34->setStyleSheet(QStringLiteral("background:#ffffc0;"));
    connect(Label34, &ClickLabel::clicked, this, [this] { run([this] { form_.Label34_Click(); }); });
    keys->addWidget(Label34, 1, 3);
    v->addLayout(keys);
    auto *lists = new QHBoxLayout;
    lists->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
      List12[i] = new ListWidget(Frame7);
      lists->addWidget(List12[i]);
    }
    lists->addStretch(1);
    v->addLayout(lists, 1);
  }
  // Team evolution.
  Frame15 = new QWidget(area);
  {
    auto *v = new QVBoxLayout(Frame15);
    v->setContentsMargins(0, 0, 0, 0);
    Label27 = newLabel(Frame15);
    Label31 = printLabel(Frame15, QStringLiteral("Label31"));
    connect(Label31, &ClickLabel::clicked, this,
            [this] { printReport(QStringLiteral("Evolucion"), [this] { form_.Label31_Click(); }); });
    v->addLayout(withPrint(Label27, Label31));
    auto *lists = new QHBoxLayout;
    lists->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
      List2[i] = new ListWidget(Frame15);
      List3[i] = new ListWidget(Frame15);
      connect(List2[i], &ListWidget::linePicked, this, [this, i](int line) {
        run([this, i, line] {
          form_.List2[i].setListIndex(line);
          form_.List2_Click(i);
        });
      });
      lists->addWidget(List2[i]);
      lists->addWidget(List3[i]);
      lists->addSpacing(6);
    }
    lists->addStretch(1);
    v->addLayout(lists, 1);
  }
  // Sign evolution.
  Frame17 = new QWidget(area);
  {
    auto *v = new QVBoxLayout(Frame17);
    v->setContentsMargins(0, 0, 0, 0);
    Label53 = newLabel(Frame17, true);
    tabl1x2 = new GridWidget(Frame17);
    Label14 = newLabel(Frame17, true);
    Command5 = button(form_.Command5.caption);
    Command24 = button(form_.Command24.caption);
    connect(Command5, &QPushButton::clicked, this,
            [this] { printReport(QStringLiteral("Signos"), [this] { form_.Command5_Click(); }); });
    connect(Command24, &QPushButton::clicked, this,
            [this] { printReport(QStringLiteral("Signos"), [this] { form_.Command24_Click(); }); });
    v->addLayout(withPrint(Label53, Command5, Command24));
    v->addWidget(tabl1x2, 0, Qt::AlignLeft);
    v->addWidget(Label14);
    v->addStretch(1);
  }
  Frame6 = new TenByTenPanel(form_, runner(), area);
  Frame8 = new HistoryPanel(form_, runner(), area);
  Frame4 = new DifferencePanel(form_, runner(), area);
  Frame9 = new CouponPanel(form_, runner(), area);
  Frame13 = new StatsPanel(form_, runner(), area);
  for (QWidget *frame : {Frame5, Frame7, Frame15, Frame17, static_cast<QWidget *>(Frame6),
                         static_cast<QWidget *>(Frame8), static_cast<QWidget *>(Frame4),
                         static_cast<QWidget *>(Frame9), static_cast<QWidget *>(Frame13)})
    layout->addWidget(frame);
  layout->addStretch(1);
  scroll->setWidget(area);
  return scroll;
}

void MainWindow::run(const std::function<void()> &handler)
{
  const int askedWidth = form_.windowGeometry.width;
  handler();
  if (form_.windowGeometry.width != askedWidth)
    applyWidth(form_.windowGeometry.width);
  refresh();
  if (form_.endRequested && !closing_)
    close();
}

void MainWindow::drawLabel(QLabel *widget, const controls::Label &label)
{
  QString text = label.caption;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (widget->text() != text)
    widget->setText(text);
  widget->setVisible(label.visible);
  const QString style =
      controls::alpha(label.backColour) == 0 ? QString() : QStringLiteral("background:%1;").arg(css(label.backColour));
  if (widget->styleSheet() != style)
    widget->setStyleSheet(style);
}

void MainWindow::fitList(ListWidget *list, int minChars, int minRows)
{
  list->setFixedSize(list->fullSize(minChars, minRows));
}

void MainWindow::refresh()
{
  vaticor::Qmodelop &f = form_;
  setWindowTitle(f.caption);
  mnuActTI->setEnabled(f.mnuActTI.enabled);
  mnuactualiza->setEnabled(f.mnuactualiza.enabled);
  mnuActGI->setEnabled(f.mnuActGI.enabled);
  mnuProMmnu->setEnabled(f.mnuProMmnu.enabled);
  mnuIventana->setEnabled(f.mnuIventana.enabled);
  mnupronos->setEnabled(f.mnupronos.enabled);
  mnucreditos->setEnabled(f.mnucreditos.enabled);
  mnuAyuda->setEnabled(f.mnuAyuda.enabled);

  entry->draw();
  drawLabel(Label2, f.Label2);
  drawLabel(Label3, f.Label3);
  drawLabel(Label4, f.Label4);
  drawLabel(Label7, f.Label7);
  drawLabel(Label10, f.Label10);
  drawLabel(Label11, f.Label11);
  drawLabel(Label14, f.Label14);
  drawLabel(Label18, f.Label18);
  drawLabel(Label27, f.Label27);
  drawLabel(Label53, f.Label53);
  drawLabel(Label19[0], f.Label19[0]);
  drawLabel(Label19[1], f.Label19[1]);
  drawLabel(Label20, f.Label20);
  drawLabel(Label21, f.Label21);
  for (int i = 0; i < 7; ++i)
    drawLabel(Label40[i], f.Label40[i]);
  drawLabel(Label34, f.Label34);

  if (Text1->text() != f.Text1.text)
    Text1->setText(f.Text1.text);
  if (Text2->text() != f.Text2.text)
    Text2->setText(f.Text2.text);
  if (Text3->text() != f.Text3.text)
    Text3->setText(f.Text3.text);

  tablag->draw(f.tablag);
  tablag->setFixedSize(tablag->fullSize());
  Frame2->setVisible(f.Frame2.visible);
  List1->draw(f.List1);
  List6->draw(f.List6);
  List7->draw(f.List7);
  List8->draw(f.List8);
  // Room for a 2ª División jornada whatever is shown, so the panel keeps its size.
  const int matchRows = std::max({List1->count(), List6->count(), List7->count(), List8->count(), 13});
  fitList(List1, 16, matchRows);
  fitList(List6, 2, matchRows);
  fitList(List7, 20, matchRows);
  fitList(List8, 2, matchRows);

  Frame5->setVisible(f.Frame5.visible);
  tab1->draw(f.tab1);
  tab1->setFixedSize(tab1->fullSize());
  // The lists of one view share one height: the longest of them.
  Frame7->setVisible(f.Frame7.visible);
  int rows = 0;
  for (int i = 0; i < 5; ++i) {
    List12[i]->draw(f.List12[i]);
    rows = std::max(rows, List12[i]->count());
  }
  for (ListWidget *list : List12)
    fitList(list, 0, rows);
  Frame15->setVisible(f.Frame15.visible);
  rows = 0;
  for (int i = 0; i < 5; ++i) {
    List2[i]->draw(f.List2[i]);
    List3[i]->draw(f.List3[i]);
    rows = std::max({rows, List2[i]->count(), List3[i]->count()});
  }
  for (int i = 0; i < 5; ++i) {
    fitList(List2[i], 18, rows);
    fitList(List3[i], 5, rows);
  }
  Frame17->setVisible(f.Frame17.visible);
  tabl1x2->draw(f.tabl1x2);
  tabl1x2->setFixedSize(tabl1x2->fullSize());

  Frame6->setVisible(f.Frame6.visible);
  Frame6->draw();
  // The history and the results by difference can be longer than the
  // screen: their lists reach down to the foot of the view area and scroll.
  const int room = views_->maximumViewportSize().height();
  Frame8->setVisible(f.Frame8.visible);
  Frame8->draw(room - Frame8->headerHeight());
  Frame4->setVisible(f.Frame4.visible);
  Frame4->draw(room - Frame4->headerHeight());
  for (auto [widget, model] :
       {std::pair{Command35, &f.Command35}, std::pair{Command36, &f.Command36}, std::pair{Command37, &f.Command37},
        std::pair{Command38, &f.Command38}, std::pair{Command8, &f.Command8}, std::pair{Command9, &f.Command9}, std::pair{Command10, &f.Command10},
        std::pair{Command1, &f.Command1}, std::pair{Command2, &f.Command2}, std::pair{Command5, &f.Command5},
        std::pair{Command14, &f.Command14}, std::pair{Command15, &f.Command15}, std::pair{Command24, &f.Command24}})
    drawButton(widget, *model);
  for (auto [widget, model] : {std::pair{Label30, &f.Label30}, std::pair{Label31, &f.Label31},
                               std::pair{Label48, &f.Label48}})
    ui::drawLabel(widget, *model);
  drawButton(Command13, f.Command13);
  drawButton(Command16, f.Command16);
  Frame9->setVisible(f.Frame9.visible);
  Frame9->draw();
  Frame13->setVisible(f.Frame13.visible);
  Frame13->draw();
  // The coupon and the 1X2 tables are wide: they stand over the general
  // standings unless the coupon has been slid beside them, and over the boxes
  // and match lists too when the coupon is enlarged or the tables are shown.
  const bool slidBeside = f.Frame9.geometry.left >= 1990 && f.Frame9.geometry.left <= 2100;
  const bool couponShown = f.Frame9.visible && !f.Frame13.visible;
  leftColumn_->setVisible(f.Frame1.visible && !f.Frame13.visible && !(couponShown && !slidBeside));
  topBlock_->setVisible(f.Frame1.visible && !f.Frame13.visible && !(couponShown && f.couponEnlarged));
  // A handler asks for the focus once; kept, it would pull the focus back on
  // every later redraw (a mouse move) and eat what the user types elsewhere.
  if (f.focusedControl == QStringLiteral("Text2"))
    Text2->setFocus();
  else if (f.focusedControl == QStringLiteral("Text4"))
    entry->Text4->setFocus();
  f.focusedControl.clear();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
  // The help line: the mouse over a control (Command15: pressed on it).
  const QString control = controlName(watched);
  const bool overIt = event->type() == QEvent::Enter && control != QStringLiteral("Command15");
  const bool pressedOn = event->type() == QEvent::MouseButtonPress && control == QStringLiteral("Command15");
  if (!control.isEmpty() && (overIt || pressedOn)) {
    const int index = controlIndex(watched);
    run([this, control, index] { form_.hover(control, index); });
  }
  // A click in the black box, the coupon number or the forecast number
  // prepares it for typing (the two numbers are emptied).
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == Text2)
      run([this] { form_.Text2_Click(); });
    else if (watched == Text3)
      run([this] { form_.Text3_Click(); });
    else if (watched == Frame9->Text5)
      run([this] { form_.Text5_Click(); });
  }
  // The black box takes its keys one by one, as the key code the jornada
  // keys expect; Tab still moves the focus and keys without a character do nothing.
  if (watched == Text2 && event->type() == QEvent::KeyPress) {
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
      return false;
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      code = 13;
    else if (!key->text().isEmpty())
      code = key->text().at(0).unicode();
    if (code != 0)
      run([this, code] { form_.Text2_KeyPress(code); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
  QMainWindow::resizeEvent(event);
  // Once the layout has given the help line its new width.
  QTimer::singleShot(0, this, &MainWindow::fitHelpLine);
  // The long lists follow the height of the view area.
  refresh();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
  // Nothing loaded and nothing chosen, or an exit already confirmed: close at once.
  if (form_.endRequested || form_.Form_Unload()) {
    closing_ = true;
    event->accept();
    return;
  }
  refresh();
  event->ignore();
}

} // namespace ui
