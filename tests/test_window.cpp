// End-to-end tests of the real window: start-up, division switch, the view
// buttons, clicks on the grids and the exit, driven through the Qt widgets.
#include "TestSeasons.h"
#include "WindowSupport.h"
#include "ui/ControlHandlers.h"
#include "ui/CouponPanel.h"
#include "ui/EntryPanel.h"
#include "ui/MainWindow.h"
#include "ui/FactorDialog.h"
#include "ui/QtHttp.h"
#include "ui/QtServices.h"
#include "ui/QtWindows.h"
#include "ui/ReliabilityDialog.h"
#include "ui/ResultsGridPanel.h"
#include "ui/SignEvolutionPanel.h"
#include "ui/StartPanel.h"
#include "ui/StandingsPanel.h"
#include "ui/TeamEvolutionPanel.h"
#include "ui/ViewPanels.h"
#include "ui/Translations.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QProgressBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

using testing::samplePath;
using testing::saveShot;
using testing::screenshotFolder;
using testing::settle;

namespace {

void clickCell(ui::GridWidget *grid, int row, int col)
{
  const QRect rect = grid->cellRect(row, col);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

// The colour a cell shows, beside its text.
QColor shade(ui::GridWidget *grid, int row, int col)
{
  return grid->viewport()->grab().toImage().pixelColor(grid->cellRect(row, col).topLeft() + QPoint(1, 1));
}

void clickLine(ui::ListWidget *list, int line)
{
  const QRect rect = list->lineRect(line);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Types into a box over what it holds.
void typeOver(QLineEdit *box, const QString &text)
{
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

// The division switch until the match list shows the division asked for.
void showDivision(ui::MainWindow &w, int division)
{
  const QString heading = QStringLiteral("%1ªDIVISIÓN").arg(division);
  for (int i = 0; i < 2 && !w.List1->text(0).contains(heading); ++i)
    QTest::mouseClick(w.Command6, Qt::LeftButton);
}

// A folder of its own holding a copy of a bundled season: the program writes beside it.
struct SeasonCopy {
  QTemporaryDir dir;
  explicit SeasonCopy(const QString &name = QStringLiteral("Edato14.txt"))
  {
    QFile::copy(samplePath(name), dir.filePath(name));
    QFile(dir.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  }
  QString path() const { return dir.path(); }
  QString file(const QString &name) const { return dir.filePath(name); }
};

// Columns first..last of every row of a grid on screen.
QStringList gridColumns(const ui::GridWidget *grid, int first, int last)
{
  QStringList rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    QStringList cells;
    for (int c = first; c <= last; ++c)
      cells.append(grid->text(r, c));
    rows.append(cells.join(u'|'));
  }
  return rows;
}

QStringList gridRows(const ui::GridWidget *grid)
{
  QStringList rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
      cells.append(grid->text(r, c));
    rows.append(cells.join(u'|'));
  }
  return rows;
}

QStringList gridRows(const controls::Grid &grid)
{
  QStringList rows;
  for (int r = 0; r < grid.rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
      cells.append(grid.text(r, c));
    rows.append(cells.join(u'|'));
  }
  return rows;
}

} // namespace

class WindowTest : public QObject {
  Q_OBJECT

  // By default the real 2013/14 season is the current one.
  struct Program : testing::WindowProgram {
    explicit Program(const QString &folder = QFileInfo(samplePath(QStringLiteral("Edato14.txt"))).absolutePath(),
                     QDate today = QDate(2014, 3, 1), bool realWindows = false)
        : WindowProgram(folder, today, realWindows)
    {
    }
  };

private slots:
  void startupLoadsTheSeasonOfTodaysDate()
  {
    Program p;
    auto &w = *p.window;
    QVERIFY(p.scripted.messages.shown.isEmpty());
    QVERIFY(p.scripted.fileDialog.titles.isEmpty()); // no dialog at start-up
    QVERIFY(w.windowTitle().contains(QStringLiteral("   Ult. Modif.: ")));
    QCOMPARE(w.Label18->text(), QStringLiteral("1ª División-38 Temporada  2013/14"));
    QCOMPARE(w.tablag->rowCount(), 21);
    // The real table: BARÇA above R.MAD on the tie-break, both on 87 points.
    const QString top[] = {QStringLiteral(" ATLÉT 90"), QStringLiteral(" BARÇA 87"), QStringLiteral(" R.MAD 87")};
    for (int r = 1; r <= 3; ++r)
      QCOMPARE(w.tablag->text(r, 1) + u' ' + w.tablag->text(r, 2).left(2), top[r - 1]);
    QCOMPARE(shade(w.tablag, 1, 0), QColor(0, 255, 0));
    QCOMPARE(shade(w.tablag, 6, 2), QColor(255, 255, 0));
    QCOMPARE(w.List1->text(0), QStringLiteral("   1ªDIVISIÓN"));
    // The results grid is the first view shown.
    QVERIFY(w.Frame5->isVisible());
    QCOMPARE(w.tab1->text(0, 0), QStringLiteral("No Equips"));
    QCOMPARE(w.tab1->text(1, 1), QStringLiteral("»«"));
    QVERIFY(saveShot(w, QStringLiteral("window-1a-start.png")));
  }

  // Every view, in both divisions, at 1366x768: each list and grid lies whole
  // in the window with no scrolling (a list longer than the screen reaches
  // down to the foot of the views and scrolls down only); the characters the
  // program writes take one width each in the font the lists use, so the
  // character at place i of every line stands at the same x; and no text is
  // cut by its cell.
  void everyViewShowsWholeAlignedAndUncut_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<int>("view");
    const char *views[] = {"Resultados",          "Clasificaciones", "Evolución Eqps", "Evolución Signos",
                           "Jornada Equivalente", "Jornadas",        "Historial",      "Tablas 1X2",
                           "Quiniela"};
    for (int division : {1, 2})
      for (int v = 0; v < 9; ++v)
        QTest::addRow("%dª %s", division, views[v]) << division << v;
  }
  void everyViewShowsWholeAlignedAndUncut()
  {
    QFETCH(int, division);
    QFETCH(int, view);
    Program p;
    auto &w = *p.window;
    w.resize(1366, 768);
    if (division == 2)
      QTest::mouseClick(w.Command6, Qt::LeftButton);
    QPushButton *buttons[] = {w.Command7, w.Command12, w.Command11, w.Command4, w.Command3,
                              w.Command8, w.Command9,  w.Command10, w.Command13};
    QTest::mouseClick(buttons[view], Qt::LeftButton);
    if (buttons[view] == w.Command13) { // a whole jornada in the coupon, enlarged
      QTest::mouseClick(w.Command16, Qt::LeftButton);
      clickLine(w.List1, 2);
      QTest::mouseClick(w.Frame9->Command18, Qt::LeftButton);
    }
    QVERIFY(saveShot(w, QStringLiteral("view-%1-%2.png").arg(division).arg(view)));
    const QScrollArea *views = w.findChild<QScrollArea *>();
    QVERIFY(views->verticalScrollBar()->maximum() == 0 && views->horizontalScrollBar()->maximum() == 0);
    const QRect viewArea(views->viewport()->mapTo(&w, QPoint()), views->viewport()->size());
    int shown = 0;
    for (QAbstractItemView *list : w.findChildren<QAbstractItemView *>()) {
      if (!list->isVisible())
        continue;
      ++shown;
      const QRect onWindow(list->mapTo(&w, QPoint()), list->size());
      const bool downToTheFoot = onWindow.bottom() >= viewArea.bottom() - 12;
      QVERIFY2(w.rect().contains(onWindow) && (!views->isAncestorOf(list) || viewArea.contains(onWindow)) &&
                   list->horizontalScrollBar()->maximum() == 0 &&
                   (list->verticalScrollBar()->maximum() == 0 || downToTheFoot),
               qPrintable(list->objectName()));
      const QFontMetricsF metrics(list->font());
      const qreal cell = metrics.horizontalAdvance(u'0');
      for (QChar c : QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ.-|ÇÉÑª±»«· "))
        QVERIFY2(qAbs(metrics.horizontalAdvance(c) - cell) < 0.01, qPrintable(QString(c)));
      // Qt draws an item's text this far in from each side of its cell.
      const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
      const QAbstractItemModel *model = list->model();
      for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c) {
          const QModelIndex index = model->index(r, c);
          const QString text = index.data().toString();
          for (int i = 1; i <= text.size(); ++i)
            QVERIFY2(qAbs(metrics.horizontalAdvance(text.left(i)) - i * cell) < 0.5, qPrintable(text));
          // A column of zero width is hidden on purpose.
          const QRect cellRect = list->visualRect(index);
          const int shownWidth = std::min(cellRect.right(), list->viewport()->width() - 1) - std::max(cellRect.left(), 0) + 1;
          if (cellRect.width() > 0 && !text.trimmed().isEmpty())
            QVERIFY2(shownWidth - margins >= metrics.horizontalAdvance(text), qPrintable(text));
        }
    }
    QVERIFY(shown >= 1);
  }

  void divisionButtonShowsSecondDivision()
  {
    Program p;
    auto &w = *p.window;
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    QCOMPARE(p.form->division, 2);
    QCOMPARE(w.tablag->rowCount(), 23);
    QCOMPARE(w.tablag->text(1, 1) + u' ' + w.tablag->text(1, 2).left(2), QStringLiteral(" EIBAR 71"));
    QCOMPARE(w.List1->text(0), QStringLiteral("   2ªDIVISIÓN"));
    for (int r = 19; r <= 22; ++r)
      for (int c = 0; c < 3; ++c)
        QCOMPARE(shade(w.tablag, r, c), QColor(255, 0, 0));
    QCOMPARE(shade(w.tablag, 18, 1), QColor(192, 192, 192));
    QCOMPARE(shade(w.tablag, 1, 1), QColor(0, 255, 0));
    QCOMPARE(w.Text2->text(), QStringLiteral("U"));
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    QCOMPARE(w.tablag->rowCount(), 21);
    QCOMPARE(w.List1->text(0), QStringLiteral("   1ªDIVISIÓN"));
  }

  // The division button asks for the focus in the key box once; what the user
  // then types in the jornada box survives later redraws (the mouse entering
  // the standings redraws the help line).
  void typingInTheJornadaBoxSurvivesARedraw()
  {
    Program p;
    auto &w = *p.window;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    QVERIFY(w.Text2->hasFocus());
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
    QTest::mouseMove(w.tablag->viewport());
    QVERIFY(w.Label2->text().contains(QStringLiteral("se selecciona el equipo")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QCOMPARE(w.Text1->text(), QStringLiteral("12"));
    QVERIFY(w.Text1->hasFocus());
  }

  void viewButtonsShowTheirPanels()
  {
    Program p;
    auto &w = *p.window;

    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QVERIFY(w.Frame7->isVisible());
    QVERIFY(!w.Frame5->isVisible());
    QCOMPARE(w.List12[0]->text(4), QStringLiteral(" 1 ATLÉT "));
    QCOMPARE(w.List12[2]->text(2), QStringLiteral("Nº| G  E Pe- G  E Pe"));
    QVERIFY(w.Label7->text().startsWith(QStringLiteral("7ª Clasificación de los Equipos de   1ª División")));
    // A team picked in the general standings is marked in all five lists.
    clickCell(w.tablag, 2, 1);
    for (ui::ListWidget *list : w.List12)
      QCOMPARE(list->currentRow(), 5);
    // Another sort key recomputes the view.
    QTest::mouseClick(w.Label40[0], Qt::LeftButton);
    QCOMPARE(p.form->sortKey, 0);
    QVERIFY(w.Label7->text().startsWith(QStringLiteral("1ª Clasificación")));

    QTest::mouseClick(w.Command11, Qt::LeftButton);
    QVERIFY(w.Frame15->isVisible());
    QVERIFY(!w.Frame7->isVisible());
    QCOMPARE(w.List2[4]->text(0), QStringLiteral("--> 4 Ult.Jorndas"));
    QCOMPARE(w.List3[4]->text(0), QStringLiteral("P/Ng"));
    clickLine(w.List2[4], 4);
    const QString picked = w.List2[4]->text(4).mid(6, 5);
    for (int k = 0; k < 5; ++k) {
      QVERIFY(w.List2[k]->currentRow() >= 2);
      QCOMPARE(w.List2[k]->text(w.List2[k]->currentRow()).mid(6, 5), picked);
      QCOMPARE(w.List3[k]->currentRow(), w.List2[k]->currentRow());
    }

    QTest::mouseClick(w.Command4, Qt::LeftButton);
    QVERIFY(w.Frame17->isVisible());
    QVERIFY(!w.Frame15->isVisible());
    QCOMPARE(w.tabl1x2->text(0, 7), QStringLiteral("Pot"));
    QVERIFY(w.Label53->text().contains(QStringLiteral("Ultima Jornada Nº  38")));

    QTest::mouseClick(w.Command7, Qt::LeftButton);
    QVERIFY(w.Frame5->isVisible());
    QVERIFY(!w.Frame17->isVisible());
    QCOMPARE(w.tab1->text(0, 20), QStringLiteral("20"));
    // Two clicks on the grid show both meetings of the two teams.
    clickCell(w.tab1, 2, 0);
    clickCell(w.tab1, 5, 0);
    QVERIFY(w.Label21->text().startsWith(QStringLiteral(" Jornada Ida: ")));
    QVERIFY(w.Label20->text().startsWith(QStringLiteral(" Jornada Vta: ")));

    QTest::mouseClick(w.Command3, Qt::LeftButton);
    QCOMPARE(w.List7->text(0), QStringLiteral(" 1ª DIVISIÓN Jorn="));
    QCOMPARE(w.List8->text(0), QStringLiteral("19"));
  }

  // A player's coupon by mouse and keyboard: the coupon number, "Quiniela",
  // jornada 20 of 1ª División passed whole, then five matches of jornada 22
  // of 2ª one by one (the coupon of vaticor-cli quiniela 1/20/todo 2/22/1..5).
  void aCouponIsBuiltByClicks()
  {
    Program p;
    auto &w = *p.window;
    w.resize(1366, 768);
    QTest::keyClicks(w.Text2, QStringLiteral("ccc---")); // 38 to 20
    typeOver(w.Text3, QStringLiteral("21"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QVERIFY(w.Frame9->isVisible());
    QVERIFY(w.Frame9->Label49->text().contains(QStringLiteral("; Q.nº   21;")));
    QVERIFY(w.Frame9->Label39->text().startsWith(QStringLiteral("     Pasar Encuentros a la Quiniela")));
    QVERIFY(w.Frame9->Check2[5]->isChecked()); // "Ult. Res" hidden
    QCOMPARE(w.Frame9->tablap->columnWidth(5), 0);
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    QCOMPARE(w.Command16->text(), QStringLiteral("Jornada Entera"));
    QCOMPARE(w.Text2->text(), QStringLiteral("T"));
    clickLine(w.List1, 2);
    QCOMPARE(w.Frame9->tablap->text(19, 0), QStringLiteral("10 VILLA"));
    showDivision(w, 2);
    QTest::keyClicks(w.Text2, QStringLiteral("cccc")); // 42 to 22
    QCOMPARE(w.Command16->text(), QStringLiteral("Uno a Uno")); // the switch went back to one by one
    for (int match = 1; match <= 5; ++match)
      clickLine(w.List1, match + 1);
    QTest::mouseClick(w.Frame9->Label46, Qt::LeftButton);

    const ui::GridWidget *tablap = w.Frame9->tablap;
    QCOMPARE(tablap->text(1, 0), QStringLiteral(" 1 GETAF"));
    QCOMPARE(tablap->text(2, 0), QStringLiteral(" 1 R.SOC"));
    QCOMPARE(tablap->text(1, 11).right(2), QStringLiteral("X2")); // the forecast sign of line 1
    QCOMPARE(tablap->text(29, 0), QStringLiteral("15 PONFE"));
    QCOMPARE(w.Frame9->Label46->text(), QStringLiteral("   8 |5.1 |4.3"));

    QCOMPARE(gridRows(tablap), gridRows(p.form->tablap));
    QCOMPARE(w.Frame9->Label9->text(), QStringLiteral("11  8  3  7  14"));
    QVERIFY(saveShot(w, QStringLiteral("coupon-built.png")));

    // Enlarged, the coupon takes the whole window; a second press brings the views back.
    QTest::mouseClick(w.Frame9->Command18, Qt::LeftButton);
    QVERIFY(!w.tablag->isVisible() && !w.List1->isVisible() && tablap->isVisible());
    QVERIFY(saveShot(w, QStringLiteral("coupon-enlarged.png")));
    QTest::mouseClick(w.Frame9->Command18, Qt::LeftButton);
    QVERIFY(w.tablag->isVisible() && w.Frame5->isVisible() && !w.Frame9->isVisible());
  }

  // The coupon's small controls: the font steps, the column switches, the
  // figures' clicks, a click on a row choosing the line to fill, and the title clearing it.
  void couponControlsAct()
  {
    Program p;
    auto &w = *p.window;
    typeOver(w.Text3, QStringLiteral("7"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    ui::CouponPanel &coupon = *w.Frame9;
    clickLine(w.List1, 2);
    clickLine(w.List1, 3);
    QCOMPARE(coupon.tablap->text(3, 0), QStringLiteral(" 2 ") + w.List1->text(3).mid(3, 5));
    // A click on row 1 and then on row 6: the next match goes to line 3.
    clickCell(coupon.tablap, 1, 0);
    clickCell(coupon.tablap, 6, 0);
    clickLine(w.List1, 5);
    QCOMPARE(coupon.tablap->text(5, 0), QStringLiteral(" 3 ") + w.List1->text(5).mid(3, 5));

    // The size steps show in the height of the rows, the score model's with them.
    const int at5 = coupon.tablap->rowHeight(1);
    for (double size : {6.0, 7.0, 8.0, 4.0, 5.0, 6.0, 7.0, 8.0}) {
      QTest::mouseClick(coupon.Label6, Qt::LeftButton);
      QCOMPARE(p.form->tablap.fontSize, size);
      QCOMPARE(coupon.tablam->rowHeight(1), coupon.tablap->rowHeight(1));
    }
    QVERIFY(coupon.tablap->rowHeight(1) > at5);
    QTest::mouseClick(coupon.Label9, Qt::LeftButton);
    QCOMPARE(coupon.tablap->rowHeight(1), at5);

    QVERIFY(coupon.tablap->columnWidth(9) > 0);
    QTest::mouseClick(coupon.Check2[9], Qt::LeftButton);
    QCOMPARE(coupon.tablap->columnWidth(9), 0);
    QTest::mouseClick(coupon.Check2[9], Qt::LeftButton);
    QVERIFY(coupon.tablap->columnWidth(9) > 0);

    QTest::mouseClick(coupon.Label46, Qt::LeftButton);
    QVERIFY(coupon.Label25->text().endsWith(QStringLiteral(" char")));
    QTest::mouseClick(coupon.Label49, Qt::LeftButton);
    QCOMPARE(coupon.tablap->text(1, 9), QString());
    QCOMPARE(coupon.Label46->text(), QStringLiteral("- - - - -"));

    // The manual's box from the menu.
    w.mnuProMmnu->trigger();
    QCOMPARE(p.scripted.messages.shown.last().title, QStringLiteral("CREAR PRONOSTICO:!"));
  }

  // The road of a stored forecast: the coupon stored under its number, the
  // step arrows checking the slots, the coupon rebuilt with "Pronóstico"
  // (the same columns 0-11 at the season's own jornadas), and scored in the
  // 1X2 tables.
  void aCouponIsStoredRebuiltAndScored()
  {
    SeasonCopy season;
    Program p(season.path());
    auto &w = *p.window;
    w.resize(1366, 768);
    ui::CouponPanel &coupon = *w.Frame9;
    typeOver(w.Text3, QStringLiteral("5"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    clickLine(w.List1, 2);
    showDivision(w, 2);
    for (int match = 1; match <= 5; ++match)
      clickLine(w.List1, match + 1);
    QTest::mouseClick(coupon.Text5, Qt::LeftButton);
    QCOMPARE(coupon.Text5->text(), QString());
    QTest::keyClicks(coupon.Text5, QStringLiteral("5"));
    QTest::mouseClick(coupon.Command22, Qt::LeftButton);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral(" Pronóstico nº 5 Guardado!"));
    QVERIFY(QFileInfo::exists(season.file(QStringLiteral("gprono14.txt"))));
    const QStringList stored = gridColumns(coupon.tablap, 0, 11);

    // The step arrows: slot 6 is free, slot 5 holds the coupon.
    const int shown = p.scripted.messages.shown.size();
    QTest::mouseClick(coupon.Command21, Qt::LeftButton);
    QCOMPARE(coupon.Text5->text(), QStringLiteral(" 6"));
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral("Pronostico incorrecto!\r\n Puede sobreescribirlo"));
    QTest::mouseClick(coupon.Command20, Qt::LeftButton);
    QCOMPARE(coupon.Text5->text(), QStringLiteral(" 5"));
    QCOMPARE(p.scripted.messages.shown.size(), shown + 1);

    QTest::mouseClick(coupon.Label49, Qt::LeftButton);
    QCOMPARE(coupon.tablap->text(1, 9), QString());
    QTest::mouseClick(coupon.Command32, Qt::LeftButton);
    QCOMPARE(gridColumns(coupon.tablap, 0, 11), stored);
    QCOMPARE(coupon.tablap->text(29, 14), coupon.tablap->text(29, 0));
    QVERIFY(!w.tablag->isVisible()); // the rebuilt coupon takes the window

    QTest::mouseClick(coupon.Command29, Qt::LeftButton);
    ui::StatsPanel &stats = *w.Frame13;
    QVERIFY(stats.isVisible() && !coupon.isVisible());
    QVERIFY(stats.Label5->text().startsWith(QStringLiteral("    CORRESPONDENCIA ENTRE LA VALORACIÓN DADA")));
    QCOMPARE(stats.tablac->text(0, 0), QStringLiteral("-56"));
    QCOMPARE(stats.tablac->text(5, 0), QStringLiteral("5"));
    QCOMPARE(stats.tablac->text(5, 28), QStringLiteral("21D")); // 2, 1, X and 2 valued about 0
    QCOMPARE(stats.tablacs->text(2, 0), QStringLiteral("X"));
    QCOMPARE(gridColumns(stats.tablacs, 28, 28).mid(1), QStringList({"1", "1", "2"}));
    QVERIFY(QFileInfo::exists(season.file(QStringLiteral("eprono14.txt"))));
    QVERIFY(saveShot(w, QStringLiteral("stats-1x2.png")));
    QTest::mouseClick(stats.Command33, Qt::LeftButton);
    QVERIFY(!stats.isVisible() && coupon.isVisible());
  }

  // The other-factors window: the matches loaded, factors typed on the grid
  // (keys go to the form one by one), and the window closed with "Yes":
  // the stored coupon is valued again with the eighth value.
  void otherFactorsAreTypedAndProcessed()
  {
    SeasonCopy season;
    Program p(season.path(), QDate(2014, 3, 1), true);
    auto &w = *p.window;
    ui::CouponPanel &coupon = *w.Frame9;
    typeOver(w.Text3, QStringLiteral("3"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    clickLine(w.List1, 2);
    QTest::mouseClick(coupon.Command22, Qt::LeftButton);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral(" Pronóstico nº 3 Guardado!"));

    QStringList seen;
    QTimer::singleShot(0, this, [&] {
      auto *dialog = qobject_cast<ui::FactorDialog *>(QApplication::activeModalWidget());
      if (!dialog)
        return;
      QTest::mouseClick(dialog->Command2, Qt::LeftButton); // "Cargar Equipos"
      QTest::mouseClick(dialog->Command1, Qt::LeftButton); // "Limpiar"
      const int columns[3] = {2, 3, 4};
      const char *values[3] = {"40", "30", "50"};
      for (int i = 0; i < 3; ++i) {
        clickCell(dialog->tablaf, 1, columns[i]);
        QTest::keyClicks(dialog->tablaf, QLatin1String(values[i]));
      }
      clickCell(dialog->tablaf, 2, 1);
      QTest::keyClicks(dialog->tablaf, QStringLiteral("9")); // the names column takes nothing
      clickCell(dialog->tablaf, 2, 3);
      QTest::keyClicks(dialog->tablaf, QStringLiteral("7 "));   // a blank empties the cell and moves down
      seen = {dialog->windowTitle(),        dialog->tablaf->text(0, 1), dialog->tablaf->text(1, 1),
              dialog->tablaf->text(1, 3), dialog->tablaf->text(2, 1),
              dialog->tablaf->text(2, 3), dialog->Label1->text(),
              QString::number(dialog->tablaf->selectionModel()->selectedIndexes().value(0).row())};
      saveShot(*dialog, QStringLiteral("factor-window.png"));
      p.scripted.messages.answers = {controls::MessageAnswer::Yes};
      dialog->close();
    });
    QTest::mouseClick(coupon.Command23, Qt::LeftButton);
    const QString home = coupon.tablap->text(1, 0).mid(3, 5), away = coupon.tablap->text(2, 0).mid(3, 5);
    QCOMPARE(seen, QStringList({QStringLiteral("Factores circunstanciales que  a los resultados"),
                                QStringLiteral(" ENCUENTROS:"), home + QStringLiteral("- ") + away, QStringLiteral("30"),
                                coupon.tablap->text(3, 0).mid(3, 5) + QStringLiteral("- ") +
                                    coupon.tablap->text(4, 0).mid(3, 5),
                                QString(), QStringLiteral("3"), QStringLiteral("3")}));
    QCOMPARE(p.scripted.messages.shown.last().title, QStringLiteral("Salir?"));
    // Rebuilt with the factors: line 1 carries 40 + 30 + 50 as its eighth value.
    QCOMPARE(coupon.tablap->text(1, 9).mid(26, 5), QStringLiteral("  120"));
    QCOMPARE(coupon.tablap->text(2, 9).size(), 31);
    QCOMPARE(coupon.tablap->text(3, 9).mid(26, 5), QStringLiteral("     "));
  }

  // A jornada typed in and archived in the real 2012/13 season whose
  // jornada 20 of 1ª División was taken out: the key box moves to it, Enter
  // opens the entry, the ten results typed and Enter store them, OK and Enter
  // archive. The file on disk is the real season again, byte for byte.
  void aJornadaIsTypedInAndArchived()
  {
    const QDate today(2013, 3, 1);
    QString results;
    {
      Program real(QFileInfo(samplePath(QStringLiteral("Edato13.txt"))).absolutePath(), today);
      QTest::keyClicks(real.window->Text2, QStringLiteral("ccc---"));
      for (int line = 2; line < real.window->List6->count(); ++line)
        results += real.window->List6->text(line).left(2);
    }
    QCOMPARE(results.size(), 20);
    SeasonCopy season(QStringLiteral("Edato13.txt"));
    const QString path = season.file(QStringLiteral("Edato13.txt"));
    const QByteArray original = testing::readAll(path);
    QList<QByteArray> lines = original.split('\n');
    int removed = 0;
    for (int i = 0; i < 484; ++i)
      if (lines[i].startsWith("\"20")) {
        lines[i] = "\"....\"\r";
        ++removed;
      }
    QCOMPARE(removed, 10);
    testing::writeAll(path, lines.join('\n'));

    Program p(season.path(), today);
    auto &w = *p.window;
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClicks(w.Text2, QStringLiteral("ccc---"));
    QCOMPARE(w.List6->text(2), QStringLiteral(".."));
    QVERIFY(!w.entry->Frame10->isVisible() && w.entry->Frame11->isVisible());
    QTest::keyClick(w.Text2, Qt::Key_Return);
    QVERIFY(w.entry->Frame10->isVisible() && !w.entry->Frame11->isVisible());
    QCOMPARE(w.entry->Frame10->title(), QStringLiteral("     Actualiza la Jornada Visualizada"));
    QCOMPARE(w.entry->Label15->text(), QStringLiteral("1|||5||||0||||5||||0||||5"));
    QCOMPARE(w.entry->Label17->text(), w.Label18->text());
    QVERIFY(w.Label2->text().startsWith(QStringLiteral(" Primero buscar la División deseada")));
    // The ruler's marks stand over the characters of the entry line.
    auto textStart = [](QLineEdit *line) {
      line->setCursorPosition(0);
      return line->mapToGlobal(line->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft()).x();
    };
    QCOMPARE(textStart(w.entry->Label15), textStart(w.entry->Text4));
    QVERIFY(w.entry->Text4->hasFocus());
    QTest::keyClicks(w.entry->Text4, results);
    QTest::keyClick(w.entry->Text4, Qt::Key_Return); // stored, and OK to archive
    QCOMPARE(p.scripted.messages.shown.last().title, QStringLiteral("Archivar Jornadas!!"));
    QCOMPARE(w.List6->text(2), results.left(2));
    QCOMPARE(w.entry->Label17->text(), QStringLiteral("1ª y 2ª Ej:0909   ==> Pulse ENTER"));
    QCOMPARE(w.entry->Text4->text(), QStringLiteral("2042 Jorndas Actuales")); // the jornada just typed in
    QVERIFY(saveShot(w, QStringLiteral("entry-archive.png")));
    QCOMPARE(testing::readAll(path), lines.join('\n')); // nothing written yet
    typeOver(w.entry->Text4, QStringLiteral("3842"));
    QTest::keyClick(w.entry->Text4, Qt::Key_Return);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral(" Temporada salvada!"));
    QVERIFY(!w.entry->Frame10->isVisible());
    QCOMPARE(testing::readAll(path), original);

    // Any other key in the black box is refused; the menu opens the entry too.
    QTest::keyClicks(w.Text2, QStringLiteral("x"));
    QCOMPARE(p.scripted.messages.shown.last().title, QStringLiteral("¡¡Letra incorrecta!!"));
    w.mnuactualiza->trigger();
    QVERIFY(w.entry->Frame10->isVisible());
  }

  // A download from the update menu shows its progress while it runs.
  void aDownloadShowsItsProgress()
  {
    QTemporaryDir site;
    QByteArray store;
    for (int k = 0; k < 64; ++k)
      store += "\"00\",\"" + QByteArray(30, ' ') + "\"\r\n";
    testing::writeAll(site.filePath(QStringLiteral("gprono14.txt")), store);
    testing::LocalServer server(site.path());
    QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");
    SeasonCopy season;
    Program p(season.path());
    ui::QtHttp http;
    p.form->services.http = &http;
    p.form->updateServer = server.base();
    p.window->setHttp(&http);
    p.window->mnuActGI->trigger();
    QVERIFY(p.window->progress()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!p.window->progress()->isVisible(), 10000);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral("Actualización Realizada"));
    QVERIFY(QFileInfo::exists(season.file(QStringLiteral("gprono14.txt"))));
  }

  // The views of lists: the jornadas ten by ten moved by ten, the team
  // history with the matches not lost highlighted on screen and moved by six
  // clubs (by the buttons and by a click at the foot of a list), and the
  // results by difference with the season's statistics, exported.
  void theViewsOfListsShowAndMove()
  {
    SeasonCopy season;
    Program p(season.path());
    auto &w = *p.window;
    w.resize(1366, 768);
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    ui::TenByTenPanel &ten = *w.Frame6;
    QVERIFY(ten.isVisible());
    QCOMPARE(ten.Label24->text(), QStringLiteral("  Jornadas y Resultados de 10 en 10."));
    auto jornadas = [&] {
      QStringList heads;
      for (int k : {5, 0, 4})
        heads.append(ten.List10[k]->text(1));
      return heads;
    };
    QCOMPARE(jornadas(), QStringList({" Jornada 29   ---------", " Jornada 34   ---------", " Jornada 38   ---------"}));
    QTest::mouseClick(ten.Command25, Qt::LeftButton);
    QCOMPARE(jornadas(), QStringList({" Jornada 01   ---------", " Jornada 06   ---------", " Jornada 10   ---------"}));
    QTest::mouseClick(ten.Command26, Qt::LeftButton);
    QCOMPARE(ten.List10[4]->text(1), QStringLiteral(" Jornada 20   ---------"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d [1X2]$")).match(ten.List11[4]->text(3)).hasMatch());

    QTest::mouseClick(w.Command9, Qt::LeftButton);
    ui::HistoryPanel &history = *w.Frame8;
    QVERIFY(history.isVisible() && !ten.isVisible());
    QCOMPARE(history.caption->text(), QStringLiteral("  1ª Div. Jornada= 38  Historial de cada Equipo, por Jornadas. "));
    QVERIFY(history.Label38->text().startsWith(QStringLiteral("Jnd  1-")));
    QCOMPARE(history.List13[0]->count(), 38);
    // The matches not lost are the selected lines, and they look selected.
    for (int k = 0; k < 6; ++k) {
      ui::ListWidget *list = history.List13[k];
      QVERIFY(!list->selectionModel()->selectedIndexes().isEmpty());
      for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->isLineSelected(i), p.form->List13[k].selected(i));
    }
    ui::ListWidget *first = history.List13[0];
    const QImage shot = first->viewport()->grab().toImage();
    auto lineShade = [&](int line) { return shot.pixelColor(2, first->lineRect(line).center().y()); };
    int on = -1, off = -1;
    for (int i = 0; i < 20; ++i)
      (first->isLineSelected(i) ? on : off) = i;
    QVERIFY(on >= 0 && off >= 0 && lineShade(on) != lineShade(off));
    QTest::mouseClick(history.Command27, Qt::LeftButton);
    QVERIFY(history.Label38->text().startsWith(QStringLiteral("Jnd  7-")));
    QTest::mouseClick(history.Command28, Qt::LeftButton);
    QVERIFY(history.Label38->text().startsWith(QStringLiteral("Jnd  1-")));
    ui::ListWidget *third = history.List13[2];
    third->scrollToBottom();
    clickLine(third, third->count() - 1);
    QVERIFY(history.Label38->text().startsWith(QStringLiteral("Jnd  7-")));

    QTest::mouseClick(w.Command10, Qt::LeftButton);
    ui::DifferencePanel &byDifference = *w.Frame4;
    QVERIFY(byDifference.isVisible() && !history.isVisible());
    QCOMPARE(byDifference.caption->text(), p.form->Frame4.caption);
    const ui::ListWidget *last = byDifference.List9[5];
    QCOMPARE(last->text(last->count() - 3), QStringLiteral("Uns  Xs  Uxs Ds"));
    QCOMPARE(last->text(last->count() - 2), QStringLiteral("179  86 265  115")); // the real 2013/14
    QCOMPARE(last->text(last->count() - 1), QStringLiteral(" 47% 23% 70% 30%"));
    QTest::mouseClick(byDifference.Label37, Qt::LeftButton);
    QVERIFY(testing::readAll(season.file(QStringLiteral("Qhistorial.TXT"))).contains("Tabla-1X2"));
  }

  // The mouse over a control of each kind writes its help into the help
  // line, whole: a button, a list, a panel, a text box, a grid, a label and
  // Command15, whose help comes on a press.
  void theHelpLineTellsWhatTheControlUnderTheMouseDoes_data()
  {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("start");
    QTest::newRow("button") << "Command12" << " Obtiene la clasificación de los equipos por puntos hasta la última jornada.";
    QTest::newRow("list") << "List1" << " Cuando el cursor esta en la <<casilla negra>>, con +/-, permite avanzar";
    QTest::newRow("list of an array") << "List12(3)" << " Da los siguientes datos: Puntos equiparados en casa, fuera y Total.";
    QTest::newRow("panel") << "Frame7" << " Obtiene la clasificación en función de los Goles a Favor, PEt, Pc, PF, Ptos.";
    QTest::newRow("text box") << "Text3" << " Introduzca el nº de la Jornada de la Quiniela correcta.";
    QTest::newRow("grid") << "tab1" << " Localizar Resultados: Haga -CLICK- en los Equipos que desee de la tabla";
    QTest::newRow("label") << "Label34" << " Retrocede la jornada inicial de 10 en 10 .";
    QTest::newRow("arrow") << "Command36" << " Navegador, permite desplazarse por las ventanas de las funciones ya obtenidas, en rueda, hacia adelante.";
    QTest::newRow("pressed") << "Command15" << " Cada pulsación la impresora salta un renglon en blanco, hasta 68 que vuelve a 0.";
  }
  void theHelpLineTellsWhatTheControlUnderTheMouseDoes()
  {
    QFETCH(QString, control);
    QFETCH(QString, start);
    SeasonCopy season; // Command15 feeds the printer
    Program p(season.path());
    auto &w = *p.window;
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    if (control == QStringLiteral("Frame7") || control.startsWith(QStringLiteral("List12")) ||
        control == QStringLiteral("Label34"))
      QTest::mouseClick(w.Command12, Qt::LeftButton);
    QWidget *widget = w.findChild<QWidget *>(control);
    QVERIFY(widget && widget->isVisible());
    QTest::mouseMove(w.Label2); // from elsewhere
    if (control == QStringLiteral("Command15")) {
      QTest::mouseMove(widget);
      QVERIFY(!w.Label2->text().startsWith(start)); // not on a mere pass
      QTest::mousePress(widget, Qt::LeftButton);
      QTest::mouseRelease(widget, Qt::LeftButton);
    } else if (auto *view = qobject_cast<QAbstractScrollArea *>(widget)) {
      QTest::mouseMove(view->viewport(), QPoint(3, 3));
    } else {
      QTest::mouseMove(widget, QPoint(2, 2)); // a panel: its edge, beside its lists
    }
    QVERIFY2(w.Label2->text().startsWith(start), qPrintable(w.Label2->text()));
    // Shown whole: the line is as high as its wrapped text.
    QVERIFY(w.Label2->heightForWidth(w.Label2->width()) <= w.Label2->height());
    if (control == QStringLiteral("Command12"))
      QVERIFY(saveShot(w, QStringLiteral("help-line.png")));
  }

  // The navigator's arrows: back from the results grid to the coupon that
  // was not made (its message) and on to the standings; the coupon, once
  // made, widens the window, and forward round to the results grid gives the
  // width back.
  void theArrowsMoveThroughTheViewsComputed()
  {
    Program p;
    auto &w = *p.window;
    w.resize(1100, 768);
    QCOMPARE(w.Command37->toolTip(), QStringLiteral("Ventana Anterior"));
    QCOMPARE(w.Command38->toolTip(), QStringLiteral("Ventana Siguiente"));
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    QTest::mouseClick(w.Command35, Qt::LeftButton);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral("Pronostico No realizado!!"));
    QVERIFY(w.Frame7->isVisible() && !w.Frame5->isVisible());
    QCOMPARE(w.width(), 1100);

    typeOver(w.Text3, QStringLiteral("2"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    clickLine(w.List1, 2);
    QTest::mouseClick(w.Command7, Qt::LeftButton);
    const int shown = p.scripted.messages.shown.size();
    QTest::mouseClick(w.Command37, Qt::LeftButton);
    QVERIFY(w.Frame9->isVisible());
    QCOMPARE(w.width(), 19456 / 15);
    QTest::mouseClick(w.Command38, Qt::LeftButton);
    QVERIFY(w.Frame5->isVisible());
    QCOMPARE(w.width(), 1100);
    QCOMPARE(p.scripted.messages.shown.size(), shown);
  }

  // Every button, clickable caption and menu entry of the window runs a
  // handler of the table, and every control the table names is on the window.
  void everyControlHasItsHandler()
  {
    Program p;
    const QStringList handled = ui::handledControls();
    QStringList named, deaf;
    for (QObject *control : p.window->findChildren<QObject *>()) {
      const QString name = ui::controlName(control);
      named.append(name);
      const bool clickable = qobject_cast<QAbstractButton *>(control) || qobject_cast<ui::ClickLabel *>(control) ||
                             qobject_cast<QAction *>(control);
      if (clickable && !name.isEmpty() && !handled.contains(name))
        deaf.append(name);
    }
    QCOMPARE(deaf, QStringList());
    for (const QString &name : handled)
      QVERIFY2(named.contains(name), qPrintable(name));
  }

  // The mouse passing over the controls writes the help line and nothing
  // else: no list or grid is told of a change. A view asked for again with
  // the same lines is not drawn again either; another sort key redraws the
  // standings' lists.
  void onlyWhatChangedIsDrawnAgain()
  {
    Program p;
    auto &w = *p.window;
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QHash<QString, int> told;
    for (QAbstractItemView *view : w.findChildren<QAbstractItemView *>()) {
      const QString name = view->objectName();
      auto tell = [&told, name] { ++told[name]; };
      QAbstractItemModel *model = view->model();
      connect(model, &QAbstractItemModel::dataChanged, this, tell);
      connect(model, &QAbstractItemModel::modelReset, this, tell);
      connect(model, &QAbstractItemModel::rowsInserted, this, tell);
      connect(model, &QAbstractItemModel::rowsRemoved, this, tell);
      connect(model, &QAbstractItemModel::columnsInserted, this, tell);
      connect(model, &QAbstractItemModel::columnsRemoved, this, tell);
    }
    const QString before = w.Label2->text();
    for (QWidget *over : std::initializer_list<QWidget *>{w.Command7, w.List12[2]->viewport(), w.tablag->viewport(),
                                                          w.Label34, w.Command36, w.List1->viewport()})
      QTest::mouseMove(over, QPoint(3, 3));
    QVERIFY(w.Label2->text() != before);
    QCOMPARE(told, (QHash<QString, int>()));
    QTest::mouseClick(w.Command12, Qt::LeftButton);
    QCOMPARE(told, (QHash<QString, int>()));
    QTest::mouseClick(w.Label40[0], Qt::LeftButton);
    QVERIFY(told.contains(QStringLiteral("List12(0)")));
    QVERIFY(!told.contains(QStringLiteral("tab1")) && !told.contains(QStringLiteral("tablap")));
  }

  void exitAsksFirst()
  {
    Program p;
    auto &w = *p.window;
    p.scripted.messages.answers = {controls::MessageAnswer::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral("       Salir?       ó          Cancelar!"));
    QCOMPARE(w.tablag->text(1, 1), QStringLiteral(" ATLÉT"));
    p.scripted.messages.answers = {controls::MessageAnswer::Cancel};
    w.mnuSalir->trigger();
    QVERIFY(w.isVisible());
    p.scripted.messages.answers = {controls::MessageAnswer::Ok};
    w.mnuSalir->trigger();
    QVERIFY(!w.isVisible());
  }

  // A first start without the season of today: no error over an empty
  // window, but the start panel in the place of the views, with the ways to
  // get a season and the bundled ones by name; one click opens one.
  void firstStartShowsTheStartPanel()
  {
    QTemporaryDir folder;
    for (const QString name : {QStringLiteral("Edato13.txt"), QStringLiteral("Edato14.txt")})
      QVERIFY(QFile::copy(samplePath(name), folder.filePath(name)));
    Program p(folder.path(), QDate(2026, 12, 6));
    auto &w = *p.window;
    QCOMPARE(w.size(), QSize(1366, 768)); // the panel took the place of the views, the window kept its size
    QVERIFY(p.scripted.messages.shown.isEmpty());
    ui::StartPanel &start = *w.start;
    QVERIFY(start.isVisible());
    QVERIFY(!w.tablag->isVisible() && !w.List1->isVisible() && !w.Frame5->isVisible());
    QVERIFY(start.Label1->text().startsWith(QStringLiteral("No hay ninguna temporada cargada.\nLa temporada actual, "
                                                           "2026/27, se guarda en Edato27.txt")));
    QCOMPARE(start.startInternet->text(), QStringLiteral("Traer la temporada 2026/27 de internet (openfootball)"));
    QVERIFY(start.startImport->isVisible() && start.startOpen->isVisible());
    QCOMPARE(start.startSeason[0]->text(), QStringLiteral("Temporada 2013/14 (Edato14.txt)"));
    QCOMPARE(start.startSeason[1]->text(), QStringLiteral("Temporada 2012/13 (Edato13.txt)"));
    QVERIFY(start.startSeason[1]->isVisible() && !start.startSeason[2]->isVisible());
    // Every choice stands whole in the window.
    for (QWidget *choice : std::initializer_list<QWidget *>{start.startInternet, start.startImport, start.startOpen,
                                                            start.startSeason[1]})
      QVERIFY(w.rect().contains(QRect(choice->mapTo(&w, QPoint()), choice->size())));
    QVERIFY(saveShot(w, QStringLiteral("window-start-panel.png")));
    QTest::mouseClick(start.startSeason[1], Qt::LeftButton);
    QVERIFY(!start.isVisible());
    QCOMPARE(w.Label18->text(), QStringLiteral("1ª División-38 Temporada  2012/13"));
    QCOMPARE(w.tablag->text(1, 1), QStringLiteral(" BARÇA"));
    QVERIFY(w.tablag->isVisible() && w.Frame5->isVisible());
    // The season's file, the platform's way.
    QCOMPARE(w.Label1->path(), QDir::toNativeSeparators(folder.filePath(QStringLiteral("Edato13.txt"))));
    QVERIFY(w.Label1->text().endsWith(QStringLiteral("Edato13.txt")));
  }

  // Cancelling the file dialog from the start panel comes back to it.
  void cancellingTheDialogKeepsTheStartPanel()
  {
    QTemporaryDir empty;
    Program p(empty.path(), QDate(2026, 12, 6));
    auto &w = *p.window;
    QVERIFY(w.start->isVisible());
    QVERIFY(w.start->startSeason[0]->isHidden()); // no season to offer
    QTest::mouseClick(w.start->startOpen, Qt::LeftButton); // the dialog is cancelled
    QCOMPARE(p.scripted.fileDialog.titles.size(), 1);
    QVERIFY(w.isVisible() && w.start->isVisible());
    // Loading a season from the menu then works.
    p.scripted.fileDialog.choices = {samplePath(QStringLiteral("Edato13.txt"))};
    w.mnuaCargar->trigger();
    QVERIFY(!w.start->isVisible());
    QCOMPARE(w.tablag->text(1, 1), QStringLiteral(" BARÇA"));
  }

  // Ctrl++ and Ctrl+-: the lists while the views are shown, the coupon while
  // it is; each size kept in Vaticor.ini and found again at the next start.
  // At the size it starts with, the coupon shows its forecast sign and the
  // model beside it without scrolling sideways at 1366x768.
  void zoomSizesTheListsAndTheCoupon()
  {
    SeasonCopy season;
    double listText = 0, couponText = 0;
    {
      Program p(season.path());
      auto &w = *p.window;
      w.resize(1366, 768);
      ui::CouponPanel &coupon = *w.Frame9;
      listText = w.List1->font().pointSizeF();
      QCOMPARE(coupon.tablap->shownSize(), 7.0); // the coupon's 5 points at 140 %
      const int listWidth = w.List1->width();
      QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(w.List1->font().pointSizeF(), listText * 1.1);
      QCOMPARE(w.tablag->shownSize(), 8 * 1.1);
      QVERIFY(w.List1->width() > listWidth);
      QCOMPARE(coupon.tablap->shownSize(), 7.0);
      QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
      QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
      QCOMPARE(w.List1->font().pointSizeF(), listText * 0.9);

      QTest::keyClicks(w.Text2, QStringLiteral("ccc---")); // 38 to 20
      typeOver(w.Text3, QStringLiteral("21"));
      QTest::mouseClick(w.Command13, Qt::LeftButton);
      QTest::mouseClick(w.Command16, Qt::LeftButton);
      clickLine(w.List1, 2);
      settle();
      // The forecast sign and the model's columns stand in the view area, with no scrolling sideways.
      const QScrollArea *views = w.findChild<QScrollArea *>();
      QCOMPARE(views->horizontalScrollBar()->maximum(), 0);
      const int viewRight = views->viewport()->mapTo(&w, QPoint(views->viewport()->width(), 0)).x();
      const QRect sign = coupon.tablap->cellRect(1, 11);
      QVERIFY(coupon.tablap->viewport()->mapTo(&w, sign.topRight()).x() < viewRight);
      QVERIFY(coupon.tablam->mapTo(&w, QPoint(coupon.tablam->width(), 0)).x() <= viewRight);
      QVERIFY(saveShot(w, QStringLiteral("coupon-default-size.png")));
      const int couponWidth = coupon.tablap->width();
      QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(coupon.tablap->shownSize(), 7.5);
      QCOMPARE(coupon.tablam->shownSize(), 7.5);
      QVERIFY(coupon.tablap->width() > couponWidth);
      QCOMPARE(w.List1->font().pointSizeF(), listText * 0.9); // the lists stay
      // The rows of the model stand level with the coupon's.
      QCOMPARE(coupon.tablam->cellRect(1, 0).top(), coupon.tablap->cellRect(1, 0).top());
      QVERIFY(saveShot(w, QStringLiteral("coupon-zoomed.png")));
      couponText = coupon.tablap->font().pointSizeF();
    }
    const QString ini = QString::fromUtf8(testing::readAll(season.file(QStringLiteral("Vaticor.ini"))));
    QVERIFY2(ini.contains(QStringLiteral("[pantalla]\nlistas=90\nquiniela=150\n")), qPrintable(ini));
    Program again(season.path());
    QCOMPARE(again.window->List1->font().pointSizeF(), listText * 0.9);
    QCOMPARE(again.window->Frame9->tablap->font().pointSizeF(), couponText);
  }

  // The mouse over a heading of the coupon explains its column on the help line.
  void couponHeadingsExplainTheirColumns()
  {
    Program p;
    auto &w = *p.window;
    typeOver(w.Text3, QStringLiteral("21"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    ui::GridWidget *tablap = w.Frame9->tablap;
    settle();
    QTest::mouseMove(tablap->viewport(), tablap->cellRect(0, 11).center());
    QVERIFY2(w.Label2->text().startsWith(QStringLiteral(" 1 X 2. Arriba, el valor general del partido y el signo "
                                                        "pronosticado")),
             qPrintable(w.Label2->text()));
    QTest::mouseMove(tablap->viewport(), tablap->cellRect(0, 3).center());
    QVERIFY(w.Label2->text().startsWith(QStringLiteral(" Goles: a favor y en contra en casa (gf gc)")));
    QTest::mouseMove(tablap->viewport(), tablap->cellRect(5, 3).center()); // a row of the coupon: the heading's text stays
    QVERIFY(w.Label2->text().startsWith(QStringLiteral(" Goles:")));
    // Every heading has its text, and the help line shows the longest whole.
    for (int c = 0; c < 15; ++c) {
      const QString text = p.form->hoverText(QStringLiteral("tablap"), c);
      QVERIFY2(text.size() > 40, qPrintable(QString::number(c)));
      QCOMPARE(w.Label2->fontMetrics()
                       .boundingRect(w.Label2->contentsRect(), Qt::TextWordWrap, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
                       .height() <= w.Label2->contentsRect().height(),
               true);
    }
  }

  // "Imprime Ventana": the window on a landscape page, across its whole width.
  void windowImageFillsALandscapePage()
  {
    for (const char *tool : {"pdfinfo", "pdfimages"})
      if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
        QSKIP("poppler-utils is not installed");
    SeasonCopy season;
    Program p(season.path());
    auto &w = *p.window;
    w.resize(1366, 768);
    ui::QtPrinter paper(season.path() + u'/', &w);
    paper.setAlwaysPdf(true);
    p.form->services.printer = &paper;
    w.mnuIventana->trigger();
    QVERIFY(QFileInfo::exists(paper.lastPdf()));
    auto run = [](const QString &tool, const QStringList &args) {
      QProcess process;
      process.start(tool, args);
      process.waitForFinished(10000);
      return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("Page size: +([\\d.]+) x ([\\d.]+) pts")).match(run(QStringLiteral("pdfinfo"), {paper.lastPdf()}));
    QVERIFY(page.hasMatch());
    const double width = page.captured(1).toDouble(), height = page.captured(2).toDouble();
    QVERIFY(width > height);
    // The image's resolution on paper: its pixels over the width inside the 12 mm margins.
    const QStringList images = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), paper.lastPdf()}).split(u'\n');
    const QStringList fields = images.value(2).simplified().split(u' ');
    QVERIFY2(fields.size() > 13, qPrintable(images.join(u'\n')));
    const int pixels = fields[3].toInt();
    const double ppi = fields[12].toDouble();
    const double inches = (width - 2 * 12 / 25.4 * 72) / 72;
    QVERIFY2(qAbs(pixels / ppi - inches) < 0.1, qPrintable(images.join(u'\n')));
  }

  // Without a printer installed, a document becomes a PDF in the folder given,
  // with the columns of a fixed-pitch font where the program placed them.
  void printerWritesAPdfWhenNoPrinterIsInstalled()
  {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    ui::QtPrinter printer(folder.path() + u'/', nullptr);
    printer.setFontSize(8);
    printer.printAt(10, QStringLiteral("1ª DIVISIÓN"));
    printer.printAt(43, QStringLiteral("BARÇA - R.MAD"));
    printer.endLine();
    printer.printLine(QStringLiteral("ATLÉT"));
    QCOMPARE(printer.endDoc(), QString());
    QVERIFY(QFileInfo::exists(printer.lastPdf()));
    // Word boxes give each word's left edge; with a fixed pitch its column follows.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), printer.lastPdf(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QMap<QString, std::pair<double, double>> words;
    static const QRegularExpression word(QString::fromUtf8(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>([^<]+)</word>)re"));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
      const auto m = it.next();
      words.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    QVERIFY(words.contains(QStringLiteral("ATLÉT")));
    const double left = words[QStringLiteral("ATLÉT")].first;
    const double cell = (words[QStringLiteral("ATLÉT")].second - left) / 5;
    auto column = [&](const QString &w) { return qRound((words.value(w).first - left) / cell) + 1; };
    QCOMPARE(column(QStringLiteral("1ª")), 10);
    QCOMPARE(column(QStringLiteral("DIVISIÓN")), 13);
    QCOMPARE(column(QStringLiteral("BARÇA")), 43);
    QCOMPARE(column(QStringLiteral("R.MAD")), 51);
  }

  // A report written as a PDF on a disk that fills up: the failure is told,
  // and no PDF, whole or cut, is left in the folder.
  void pdfOnAFullDisk()
  {
    QTemporaryDir folder;
    ui::QtPrinter printer(folder.path() + u'/', nullptr);
    printer.setAlwaysPdf(true);
    for (int i = 0; i < 200; ++i)
      printer.printLine(QStringLiteral("%1 BARÇA - R.MAD  2-1").arg(i));
    QString error;
    {
      testing::FileSizeLimit full(2000);
      error = printer.endDoc();
    }
    QVERIFY2(error.startsWith(QStringLiteral("Error al escribir el archivo ") + folder.path() + QStringLiteral("/Vaticor-")),
             qPrintable(error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(printer.lastPdf().isEmpty());
  }

  // The coupon and the standings printed from the window by the Qt printer:
  // a PDF named after the report lands in the program folder and the user is
  // told where. Read back as text, its lines are the lines the report sends
  // to any printer, so the columns of every row stand where the report put them.
  void reportsReadBackFromThePdf_data()
  {
    QTest::addColumn<QString>("report");
    QTest::newRow("coupon") << QStringLiteral("Quiniela");
    QTest::newRow("standings") << QStringLiteral("Clasificacion");
  }
  void reportsReadBackFromThePdf()
  {
    QFETCH(QString, report);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext is not installed");
    SeasonCopy season;
    Program p(season.path());
    auto &w = *p.window;
    std::function<void()> print;
    if (report == QStringLiteral("Quiniela")) {
      typeOver(w.Text3, QStringLiteral("4"));
      QTest::mouseClick(w.Command13, Qt::LeftButton);
      QTest::mouseClick(w.Command16, Qt::LeftButton);
      clickLine(w.List1, 2);
      print = [&] { QTest::mouseClick(w.Frame9->Label43, Qt::LeftButton); };
    } else {
      QTest::mouseClick(w.Command12, Qt::LeftButton);
      print = [&] { QTest::mouseClick(w.Label30, Qt::LeftButton); };
    }
    print(); // on the recording printer
    QStringList recorded = p.scripted.printer.pageLines;
    QVERIFY(recorded.size() > 20);
    ui::QtPrinter paper(season.path() + u'/', &w);
    paper.setAlwaysPdf(true);
    paper.setMessages(&p.scripted.messages);
    p.form->services.printer = &paper;
    print();
    QVERIFY(QFileInfo(paper.lastPdf()).fileName().startsWith(QStringLiteral("Vaticor-") + report + u'-'));
    QCOMPARE(QFileInfo(paper.lastPdf()).absolutePath(), QFileInfo(season.path()).absoluteFilePath());
    QVERIFY(p.scripted.messages.shown.last().text.contains(QDir::toNativeSeparators(paper.lastPdf())));
    QCOMPARE(w.Command14->text(), QStringLiteral(" Salto 5   00"));

    // The pitch of the text, from the width of its first word, lets
    // pdftotext place every character at its own column.
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), paper.lastPdf(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    static const QRegularExpression word(QString::fromUtf8(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>([^<]+)</word>)re"));
    const QRegularExpressionMatch first = word.match(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    QVERIFY(first.hasMatch());
    const double pitch = (first.captured(2).toDouble() - first.captured(1).toDouble()) / first.captured(3).size();
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                                  QString::number(pitch, 'f', 6), paper.lastPdf(), QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    QStringList onPaper = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n');
    auto clean = [](QStringList lines) {
      QStringList out;
      for (QString line : lines) {
        line.remove(u'\f');
        while (line.endsWith(u' '))
          line.chop(1);
        if (!line.trimmed().isEmpty())
          out.append(line);
      }
      return out;
    };
    recorded = clean(recorded);
    onPaper = clean(onPaper);
    // The page's margin stands before every line on paper.
    auto indent = [](const QString &line) { return int(line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^ +"))).size()); };
    const int margin = indent(onPaper.value(0)) - indent(recorded.value(0));
    for (QString &line : onPaper)
      line.remove(0, margin);
    QCOMPARE(onPaper, recorded);
    // Two rows of the body: every column separator at the same place.
    auto row = [&](const QString &start) {
      for (const QString &line : onPaper)
        if (line.startsWith(start))
          return line;
      return QString();
    };
    const QString rowA = row(QStringLiteral(" 1 ")), rowB = row(QStringLiteral(" 2 "));
    auto separators = [](const QString &line) {
      QList<int> at;
      for (int i = 0; i < line.size(); ++i)
        if (line[i] == u'|')
          at.append(i);
      return at;
    };
    QVERIFY(separators(rowA).size() >= 3);
    QCOMPARE(separators(rowA), separators(rowB));
  }

  // The blank lines fed before a report count on the button; a document
  // of blank lines alone wastes no sheet.
  // Fiabilidad plays back every season in the folder: a line per season and
  // division, 2013/14's model starting from 2012/13 beside it, then the
  // pooled lines; the figures are those of the command line's backtest
  // (2013/14, 1ª: the model right in 180 of 330, RPS 0,2041).
  void reliabilityCoversEverySeasonOfTheFolder()
  {
    QTemporaryDir folder;
    for (const char *file : {"Edato13.txt", "Edato14.txt"})
      QVERIFY(QFile::copy(samplePath(file), folder.filePath(file)));
    Program p(folder.path());
    QCOMPARE(p.window->Label18->text(), QStringLiteral("1ª División-38 Temporada  2013/14"));
    ui::ReliabilityDialog d(*p.form);
    d.run();
    QTRY_VERIFY_WITH_TIMEOUT(!d.running(), 60000);
    QCOMPARE(d.table->rowCount(), 6);
    auto row = [&d](int r) {
      QStringList cells;
      for (int c = 0; c < d.table->columnCount(); ++c)
        cells << (d.table->item(r, c) ? d.table->item(r, c)->text() : QString());
      return cells.join(u'|');
    };
    QCOMPARE(row(0), QStringLiteral("2012/13|1ª|330|52,1%|83,6%|2,25|53,3%|0,2052|49,1%|0,3985|"));
    QCOMPARE(row(2), QStringLiteral("2013/14|1ª|330|50,3%|80,6%|2,17|54,5%|0,2041|47,9%|0,4136|Edato13.txt"));
    QCOMPARE(row(3).section(u'|', 0, 2) + u'|' + row(3).section(u'|', 10), QStringLiteral("2013/14|2ª|407|Edato13.txt"));
    QCOMPARE(row(4).section(u'|', 0, 3), QStringLiteral("Todas|1ª|660|51,2%"));
    QCOMPARE(row(5).section(u'|', 0, 2), QStringLiteral("Todas|2ª|814"));
    QVERIFY2(d.figures->text().startsWith(QStringLiteral("Temporada 2013/14, desde la jornada 6, cada jornada pronosticada "
                                                         "con los resultados anteriores (modelo con la temporada "
                                                         "anterior: Edato13.txt):")),
             qPrintable(d.figures->text()));
    QVERIFY(saveShot(d, QStringLiteral("reliability-two-seasons.png")));
  }

  void blankLinesCountOnTheButton()
  {
    SeasonCopy season;
    Program p(season.path());
    auto &w = *p.window;
    for (int i = 0; i < 13; ++i)
      QTest::mouseClick(w.Command14, Qt::LeftButton);
    QCOMPARE(w.Command14->text(), QStringLiteral(" Salto 5   65"));
    QTest::mousePress(w.Command15, Qt::LeftButton);
    QCOMPARE(w.Command14->text(), QStringLiteral(" Salto 5   66"));
    QTest::mouseRelease(w.Command15, Qt::LeftButton);
    QCOMPARE(w.Command14->text(), QStringLiteral(" Salto 5   66"));
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    QCOMPARE(w.Command14->text(), QStringLiteral(" Salto 5   00"));
    ui::QtPrinter paper(season.path() + u'/', &w);
    paper.setAlwaysPdf(true);
    paper.printLine();
    paper.newPage();
    QCOMPARE(paper.endDoc(), QString());
    QVERIFY(paper.lastPdf().isEmpty());
  }

  // Qt's own dialogs and standard buttons speak Spanish once its catalogue is in.
  void qtDialogsSpeakSpanish()
  {
    QVERIFY(ui::installSpanishTranslations(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
  }
};

// The offscreen screen is made as wide as a desktop's, so that a window can
// grow past 1366 pixels as the coupon asks.
int main(int argc, char **argv)
{
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    const QString config = QDir::tempPath() + QStringLiteral("/vaticor-test-screen.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
      file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  }
  QApplication app(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  WindowTest test;
  const int failed = QTest::qExec(&test, argc, argv);
  testing::checkLeaksNow();
  return failed;
}
#include "test_window.moc"
