#pragma once
// The main window `qmodelop`: draws the form's models and forwards the user's
// events to its handlers, then draws again. It decides nothing itself.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/ListWidget.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <functional>

class QAction;
class QProgressBar;
class QScrollArea;

namespace ui {

class CouponPanel;
class DifferencePanel;
class EntryPanel;
class GeneralStandingsPanel;
class HistoryPanel;
class JornadaControls;
class MatchPanel;
class ResultsGridPanel;
class SignEvolutionPanel;
class StartPanel;
class StandingsPanel;
class StatsPanel;
class TeamEvolutionPanel;
class TenByTenPanel;
class QtHttp;

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit MainWindow(vaticor::Qmodelop &form, QWidget *parent = nullptr);

  vaticor::Qmodelop &form() { return form_; }
  // Runs a handler as a user event does: the handler, then the window redrawn,
  // and the window closed when the program is to end.
  void run(const std::function<void()> &handler);
  // The same for a report: the printer learns the report's name first.
  void printReport(const QString &report, const std::function<void()> &handler);
  // Draws what the handlers changed.
  void refresh();
  // The transfers of the update menu show their progress in the window.
  void setHttp(QtHttp *http);
  QProgressBar *progress() const { return progress_; }

  // The panels, by their frames' names.
  GeneralStandingsPanel *standings; // the left column
  JornadaControls *jornada;         // the boxes and buttons
  MatchPanel *Frame2;
  ResultsGridPanel *Frame5;
  StandingsPanel *Frame7;
  TeamEvolutionPanel *Frame15;
  SignEvolutionPanel *Frame17;
  TenByTenPanel *Frame6;
  HistoryPanel *Frame8;
  DifferencePanel *Frame4;
  CouponPanel *Frame9;
  StatsPanel *Frame13;
  EntryPanel *entry; // Frame10 and Frame11
  StartPanel *start; // in the place of everything else while no season is loaded

  // The controls, by their names, for the end-to-end tests.
  GridWidget *tablag, *tab1, *tabl1x2;
  ListWidget *List1, *List6, *List7, *List8;
  std::array<ListWidget *, 5> List12, List2, List3;
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9,
      *Command10, *Command11, *Command12, *Command13, *Command14, *Command15, *Command16, *Command24, *Command30,
      *Command35, *Command36, *Command37, *Command38;
  QLineEdit *Text1, *Text2, *Text3;
  PathLabel *Label1; // the season's file
  QLabel *Label2, *Label3, *Label4, *Label7, *Label10, *Label11, *Label14, *Label18, *Label27, *Label53;
  std::array<QLabel *, 2> Label19;
  QLabel *Label20, *Label21;
  std::array<ClickLabel *, 7> Label40;
  ClickLabel *Label34, *Label30, *Label31, *Label48;
  QAction *mnuImportar, *mnuActualizarTemporada, *mnuImportarAnteriores, *mnuFiabilidad;
  QAction *mnuaCargar, *mnuActTI, *mnuactualiza, *mnuActGI, *mnuProMmnu, *mnuIventana, *mnupronos, *mnucreditos,
      *mnuAyuda, *mnuSalir;
  QAction *mnuAmpliar, *mnuReducir; // Ctrl++ and Ctrl+-: the coupon, or else the lists

protected:
  void closeEvent(QCloseEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  Runner runner();
  void buildMenus();
  void registerWindows();
  QWidget *buildViewArea();
  QLayout *buildHelpLine(QWidget *parent);
  void nameControls();
  // The window width a handler asked for, in twips.
  void applyWidth(int twips);
  void fitHelpLine();
  // The sizes the player chose, on the lists and grids of the views and on the coupon.
  void applyZoom();

  vaticor::Qmodelop &form_;
  bool closing_ = false;
  QWidget *body_ = nullptr; // the standings, the boxes and the views
  QWidget *topBlock_ = nullptr;
  int listsZoom_ = 100, couponZoom_ = 100;
  QScrollArea *views_ = nullptr;
  QProgressBar *progress_ = nullptr;
  int normalWidth_ = -1; // the width before the coupon widened the window
};

} // namespace ui
