#include "ui/MainWindow.h"

#include "ui/ControlHandlers.h"
#include "ui/CouponPanel.h"
#include "ui/CreditsDialog.h"
#include "ui/EntryPanel.h"
#include "ui/FactorDialog.h"
#include "ui/GeneralStandingsPanel.h"
#include "ui/HelpDialog.h"
#include "ui/JornadaControls.h"
#include "ui/MatchPanel.h"
#include "ui/QtHttp.h"
#include "ui/QtServices.h"
#include "ui/QtWindows.h"
#include "ui/ReliabilityDialog.h"
#include "ui/ResultsGridPanel.h"
#include "ui/SignEvolutionPanel.h"
#include "ui/StartPanel.h"
#include "ui/StandingsPanel.h"
#include "ui/SystemsDialog.h"
#include "ui/TeamEvolutionPanel.h"
#include "ui/ViewPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace ui {

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
  body_ = new QWidget(central);
  auto *columns = new QHBoxLayout(body_);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addStrut(560);
  columns->setSpacing(10);
  standings = new GeneralStandingsPanel(form_, body_);
  columns->addWidget(standings, 0);
  auto *right = new QVBoxLayout;
  right->setSpacing(4);
  // The boxes and buttons stand in a block beside the jornada's matches rather
  // than in rows above them, which leaves the views the height to show every
  // row of a 22-team division.
  topBlock_ = new QWidget(body_);
  auto *top = new QHBoxLayout(topBlock_);
  top->setContentsMargins(0, 0, 0, 0);
  jornada = new JornadaControls(form_, topBlock_);
  Frame2 = new MatchPanel(form_, runner(), topBlock_);
  top->addWidget(jornada, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addWidget(Frame2, 1);
  right->addWidget(topBlock_);
  right->addWidget(buildViewArea(), 1);
  columns->addLayout(right, 1);
  outer->addWidget(body_, 1);
  start = new StartPanel(form_, central);
  start->hide();
  outer->addWidget(start, 1);
  outer->addLayout(buildHelpLine(central));
  setCentralWidget(central);
  nameControls();
  registerWindows();
  wireHandlers(this, form_, runner());
  // Each heading of the coupon explains its column on the help line.
  Frame9->tablap->setMouseTracking(true);
  Frame9->tablap->viewport()->setMouseTracking(true);
  connect(Frame9->tablap, &GridWidget::cellEntered, this, [this](int row, int col) {
    if (row == 0)
      run([this, col] { form_.hover(QStringLiteral("tablap"), col); });
  });
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
  const vaticor::Qmodelop &f = form_;
  auto entry = [](QAction *action, const char *name) {
    nameControl(action, QLatin1String(name));
    return action;
  };
  mnuaCargar = entry(bar->addAction(f.mnuaCargar.caption), "mnuaCargar");
  QMenu *update = bar->addMenu(f.mnuActualizar.caption);
  mnuActTI = entry(update->addAction(f.mnuActTI.caption), "mnuActTI");
  mnuactualiza = entry(update->addAction(f.mnuactualiza.caption), "mnuactualiza");
  mnuActGI = entry(update->addAction(f.mnuActGI.caption), "mnuActGI");
  mnuProMmnu = entry(update->addAction(f.mnuProMmnu.caption), "mnuProMmnu");
  // Seasons from the openfootball results: files chosen, or the current one fetched.
  update->addSeparator();
  mnuImportar = entry(update->addAction(f.mnuImportar.caption), "mnuImportar");
  mnuActualizarTemporada = entry(update->addAction(f.mnuActualizarTemporada.caption), "mnuActualizarTemporada");
  mnuImportarAnteriores = entry(update->addAction(f.mnuImportarAnteriores.caption), "mnuImportarAnteriores");
  mnuIventana = entry(bar->addAction(f.mnuIventana.caption), "mnuIventana");
  // "Pronóstico" holds the coupon's view and how reliable the forecasts have been.
  QMenu *pronos = bar->addMenu(f.mnupronos.caption);
  mnupronos = entry(pronos->addAction(f.mnuVerPronostico.caption), "mnupronos");
  mnuFiabilidad = entry(pronos->addAction(f.mnuFiabilidad.caption), "mnuFiabilidad");
  QMenu *options = bar->addMenu(f.mnuOpciones.caption);
  // The size of the letter: of the coupon while it is shown, else of the lists.
  mnuAmpliar = entry(options->addAction(QStringLiteral("Letra más &grande")), "mnuAmpliar");
  mnuAmpliar->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal));
  mnuReducir = entry(options->addAction(QStringLiteral("Letra más &pequeña")), "mnuReducir");
  mnuReducir->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomOut));
  options->addSeparator();
  mnucreditos = entry(options->addAction(f.mnucreditos.caption), "mnucreditos");
  mnuAyuda = entry(options->addAction(f.mnuAyuda.caption), "mnuAyuda");
  mnuSalir = entry(options->addAction(f.mnuSalir.caption), "mnuSalir");
}

// The second windows open modal through the program's window service.
void MainWindow::registerWindows()
{
  auto *windows = dynamic_cast<QtWindows *>(form_.services.windows);
  if (!windows)
    return;
  windows->add(QStringLiteral("factor"), [this] { FactorDialog(form_, this).exec(); });
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

QWidget *MainWindow::buildViewArea()
{
  views_ = new QScrollArea;
  views_->setWidgetResizable(true);
  views_->setFrameShape(QFrame::NoFrame);
  auto *area = new QWidget;
  auto *layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  Frame5 = new ResultsGridPanel(form_, area);
  Frame7 = new StandingsPanel(form_, area);
  Frame15 = new TeamEvolutionPanel(form_, area);
  Frame17 = new SignEvolutionPanel(form_, area);
  Frame6 = new TenByTenPanel(form_, area);
  Frame8 = new HistoryPanel(form_, area);
  Frame4 = new DifferencePanel(form_, area);
  Frame9 = new CouponPanel(form_, area);
  Frame13 = new StatsPanel(form_, area);
  for (QWidget *frame : std::initializer_list<QWidget *>{Frame5, Frame7, Frame15, Frame17, Frame6, Frame8, Frame4,
                                                         Frame9, Frame13})
    layout->addWidget(frame);
  layout->addStretch(1);
  // The coupon's instructions take the room the views leave below it.
  layout->setStretchFactor(Frame9, 100);
  views_->setWidget(area);
  return views_;
}

// The help line at the foot, the navigator's arrows beside it, always at hand.
QLayout *MainWindow::buildHelpLine(QWidget *parent)
{
  Label2 = newLabel(parent);
  nameControl(Label2, QStringLiteral("Label2"));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label2->setFrameShape(QFrame::StyledPanel);
  // While a file comes from the update server, its progress shows beside the help line.
  progress_ = new QProgressBar(parent);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setFormat(QStringLiteral("Descargando... %p%"));
  progress_->setFixedWidth(220);
  progress_->hide();
  auto *arrows = new QGridLayout;
  arrows->setSpacing(2);
  Command35 = newButton(parent, form_.Command35, QStringLiteral("Command35"));
  Command36 = newButton(parent, form_.Command36, QStringLiteral("Command36"));
  Command37 = newButton(parent, form_.Command37, QStringLiteral("Command37"));
  Command38 = newButton(parent, form_.Command38, QStringLiteral("Command38"));
  int i = 0;
  for (QPushButton *arrow : {Command35, Command36, Command37, Command38}) {
    arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 18);
    arrows->addWidget(arrow, i / 2, i % 2);
    ++i;
  }
  auto *bottom = new QHBoxLayout;
  bottom->addLayout(arrows);
  bottom->addWidget(Label2, 1);
  bottom->addWidget(progress_, 0, Qt::AlignTop);
  return bottom;
}

void MainWindow::nameControls()
{
  tablag = standings->tablag;
  Label18 = standings->Label18, Label10 = standings->Label10, Label11 = standings->Label11;
  Label3 = standings->Label3, Label48 = standings->Label48;
  JornadaControls &j = *jornada;
  Text1 = j.Text1, Text2 = j.Text2, Text3 = j.Text3;
  Command1 = j.Command1, Command3 = j.Command3, Command4 = j.Command4, Command6 = j.Command6;
  Command7 = j.Command7, Command8 = j.Command8, Command9 = j.Command9, Command10 = j.Command10;
  Command11 = j.Command11, Command12 = j.Command12, Command13 = j.Command13, Command14 = j.Command14;
  Command15 = j.Command15, Command16 = j.Command16, Command30 = j.Command30;
  List1 = Frame2->List1, List6 = Frame2->List6, List7 = Frame2->List7, List8 = Frame2->List8;
  Label19 = Frame2->Label19, Label20 = Frame2->Label20, Label21 = Frame2->Label21;
  entry = Frame2->entry;
  Label1 = entry->Label1;
  tab1 = Frame5->tab1, Label4 = Frame5->Label4, Command2 = Frame5->Command2;
  List12 = Frame7->List12, Label7 = Frame7->Label7, Label30 = Frame7->Label30;
  Label40 = Frame7->Label40, Label34 = Frame7->Label34;
  List2 = Frame15->List2, List3 = Frame15->List3, Label27 = Frame15->Label27, Label31 = Frame15->Label31;
  tabl1x2 = Frame17->tabl1x2, Label53 = Frame17->Label53, Label14 = Frame17->Label14;
  Command5 = Frame17->Command5, Command24 = Frame17->Command24;
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
  QStringList texts;
  for (QWidget *widget : centralWidget()->findChildren<QWidget *>())
    texts.append(form_.hoverText(controlName(widget), controlIndex(widget)));
  for (int col = 0; col < Frame9->tablap->columnCount(); ++col)
    texts.append(form_.hoverText(QStringLiteral("tablap"), col));
  for (QString text : texts) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!text.isEmpty())
      lines = std::max(lines, metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height());
  }
  const int height = lines + Label2->frameWidth() * 2 + 4;
  if (Label2->height() != height)
    Label2->setFixedHeight(height);
}

void MainWindow::applyZoom()
{
  const vaticor::Qmodelop &f = form_;
  if (f.zoom.lists != listsZoom_) {
    listsZoom_ = f.zoom.lists;
    for (ListWidget *list : body_->findChildren<ListWidget *>())
      list->setZoom(listsZoom_);
    for (GridWidget *grid : {tablag, tab1, tabl1x2})
      grid->setZoom(listsZoom_);
  }
  if (f.zoom.coupon != couponZoom_) {
    couponZoom_ = f.zoom.coupon;
    Frame9->tablap->setZoom(couponZoom_);
    Frame9->tablam->setZoom(couponZoom_);
  }
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

void MainWindow::refresh()
{
  vaticor::Qmodelop &f = form_;
  setWindowTitle(f.caption);
  // While no season is loaded the start panel stands in the place of the
  // views. The one leaving goes first: both shown at once would ask for more
  // height than the screen has, and the window would grow past it.
  if (f.start.visible)
    body_->hide();
  start->draw();
  body_->setVisible(!f.start.visible);
  applyZoom();
  for (auto [action, model] : {std::pair{mnuActTI, &f.mnuActTI}, std::pair{mnuactualiza, &f.mnuactualiza},
                               std::pair{mnuActGI, &f.mnuActGI}, std::pair{mnuProMmnu, &f.mnuProMmnu},
                               std::pair{mnuIventana, &f.mnuIventana}, std::pair{mnupronos, &f.mnupronos},
                               std::pair{mnucreditos, &f.mnucreditos}, std::pair{mnuAyuda, &f.mnuAyuda}})
    action->setEnabled(model->enabled);
  drawLabel(Label2, f.Label2);
  // The navigator has no views to move through before a season is loaded.
  for (auto [arrow, model] : {std::pair{Command35, &f.Command35}, std::pair{Command36, &f.Command36},
                              std::pair{Command37, &f.Command37}, std::pair{Command38, &f.Command38}}) {
    drawButton(arrow, *model);
    arrow->setVisible(model->visible && !f.start.visible);
  }
  standings->draw();
  jornada->draw();
  Frame2->draw();
  Frame5->draw();
  Frame7->draw();
  Frame15->draw();
  Frame17->draw();
  Frame6->draw();
  // The history and the results by difference can be longer than the
  // screen: their lists reach down to the foot of the view area and scroll.
  const int room = views_->maximumViewportSize().height();
  Frame8->draw(room - Frame8->headerHeight());
  Frame4->draw(room - Frame4->headerHeight());
  Frame9->draw();
  Frame13->draw();
  // The coupon and the 1X2 tables are wide: they stand over the general
  // standings unless the coupon has been slid beside them, and over the boxes
  // and match lists too when the coupon is enlarged or the tables are shown.
  const bool slidBeside = f.couponLeft >= 1990 && f.couponLeft <= 2100;
  const bool couponShown = f.Frame9.visible && !f.Frame13.visible;
  standings->setVisible(f.Frame1.visible && !f.Frame13.visible && !(couponShown && !slidBeside));
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
