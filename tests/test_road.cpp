// The whole road of a player in the real window, driven only by clicks, keys
// and answers to the program's questions: a season imported from the
// openfootball files, found again at start-up, a coupon built and reduced to
// a system, stored, the jornada's results typed in and archived, the coupon
// rebuilt and scored, the backtest looked at, the coupon printed, the exit.
// A screenshot of each step is kept beside the others.
#include "TestSeasons.h"
#include "WindowSupport.h"
#include "season/SeasonFile.h"
#include "ui/CouponPanel.h"
#include "ui/EntryPanel.h"
#include "ui/MainWindow.h"
#include "ui/QtServices.h"
#include "ui/QtWindows.h"
#include "ui/ReliabilityDialog.h"
#include "ui/StartPanel.h"
#include "ui/SystemsDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using testing::samplePath;

namespace {

bool shot(QWidget &w, const QString &name)
{
  return testing::saveShot(w, QStringLiteral("road-") + name + QStringLiteral(".png"));
}

void clickLine(ui::ListWidget *list, int line)
{
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->lineRect(line).center());
}

// A league file as it stood before a matchday: the scores of that matchday
// and of every later one taken out, as the files list fixtures to come.
QByteArray before(const QString &file, int matchday)
{
  QStringList out;
  bool later = false;
  static const QRegularExpression header(QStringLiteral("^▪ Matchday (\\d+)"));
  static const QRegularExpression score(QStringLiteral("\\s+\\d+-\\d+( \\(\\d+-\\d+\\))?\\s*$"));
  for (QString line : QString::fromUtf8(testing::readAll(file)).split(u'\n')) {
    if (const auto m = header.match(line); m.hasMatch())
      later = m.captured(1).toInt() >= matchday;
    if (later)
      line.remove(score);
    out << line;
  }
  return out.join(u'\n').toUtf8();
}

// The lines of a PDF of fixed-pitch text, each character at its column: the
// pitch, from the width of the first word, lets pdftotext place them.
QStringList pdfLines(const QString &pdf)
{
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  pdftotext.waitForFinished(10000);
  static const QRegularExpression word(QString::fromUtf8(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>([^<]+)</word>)re"));
  const QRegularExpressionMatch first = word.match(QString::fromUtf8(pdftotext.readAllStandardOutput()));
  if (!first.hasMatch())
    return {};
  const double pitch = (first.captured(2).toDouble() - first.captured(1).toDouble()) / first.captured(3).size();
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                                QString::number(pitch, 'f', 6), pdf, QStringLiteral("-")});
  pdftotext.waitForFinished(10000);
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n');
}

// Runs `act` on the modal window of type T once it is open and `ready`.
template <typename T>
void whenOpen(QObject *context, std::function<void(T &)> act, std::function<bool(T &)> ready = [](T &) { return true; })
{
  auto *timer = new QTimer(context);
  QObject::connect(timer, &QTimer::timeout, context, [timer, act, ready] {
    if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()); dialog && ready(*dialog)) {
      timer->deleteLater();
      timer->stop();
      act(*dialog);
    }
  });
  timer->start(20);
}

} // namespace

class RoadTest : public QObject {
  Q_OBJECT

  struct Program : testing::WindowProgram {
    Program(const QString &folder, QDate today) : WindowProgram(folder, today, true, QSize(1366, 768)) {}
  };

private slots:
  // A new player, in December 2026, with the program as installed: the start
  // panel, a bundled season opened from it, a coupon built as the guide
  // says (first the jornada, then Quiniela) and read at a larger size, its
  // PDF with the model beside each line, and its system with the Escrutinio
  // on top of the columns.
  void firstStartToAPrintedCouponAndItsSystem()
  {
    QTemporaryDir home;
    for (const QString name : {QStringLiteral("Edato13.txt"), QStringLiteral("Edato14.txt"), QStringLiteral("nombres.csv")})
      QVERIFY(QFile::copy(samplePath(name), home.filePath(name)));
    Program p(home.path(), QDate(2026, 12, 6));
    auto &w = *p.window;
    ui::CouponPanel &coupon = *w.Frame9;

    // First start: no season of 2026/27, the start panel instead of an error.
    QVERIFY(p.scripted.messages.shown.isEmpty());
    QVERIFY(w.start->isVisible() && !w.tablag->isVisible());
    QVERIFY(shot(w, QStringLiteral("10-start-panel")));
    QPushButton *season = nullptr;
    for (QPushButton *b : w.start->startSeason)
      if (b->isVisible() && b->text() == QStringLiteral("Temporada 2013/14 (Edato14.txt)"))
        season = b;
    QVERIFY(season);
    QTest::mouseClick(season, Qt::LeftButton);
    QVERIFY(!w.start->isVisible());
    QCOMPARE(w.Label18->text(), QStringLiteral("1ª División-38 Temporada  2013/14"));

    // The coupon: jornada 20 of 1ª whole, five matches of jornada 22 of 2ª.
    QTest::keyClicks(w.Text2, QStringLiteral("ccc---")); // 38 to 20
    QCOMPARE(w.Text1->text(), QStringLiteral("20"));
    QTest::keyClick(w.Text3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.Text3, QStringLiteral("21"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QTest::mouseClick(w.Command16, Qt::LeftButton);
    clickLine(w.List1, 2);
    for (int i = 0; i < 2 && !w.List1->text(0).contains(QStringLiteral("2ª")); ++i) {
      QTest::mouseClick(w.Command6, Qt::LeftButton);
      QCOMPARE(w.Text3->text(), QStringLiteral("21")); // the player's number stays
    }
    QVERIFY(w.List1->text(0).contains(QStringLiteral("2ªDIVISIÓN")));
    QTest::keyClicks(w.Text2, QStringLiteral("cccc")); // 42 to 22
    QCOMPARE(w.Text1->text(), QStringLiteral("22"));
    for (int match = 1; match <= 5; ++match)
      clickLine(w.List1, match + 1);
    QCOMPARE(coupon.tablap->text(29, 0), QStringLiteral("15 PONFE")); // match 5 of jornada 22 of 2ª
    QVERIFY(coupon.Label49->text().contains(QStringLiteral("; Q.nº   21;")));
    // Both jornadas have been played: their results are in the valuation, and the window says so.
    QVERIFY(coupon.playedNote->isVisible());
    QCOMPARE(coupon.playedNote->text(), QStringLiteral("Jornada ya jugada: la valoración incluye sus resultados"));
    // The model starts from 2012/13, bundled beside it, and the coupon says so.
    QVERIFY(coupon.modelNote->isVisible());
    QCOMPARE(coupon.modelNote->text(), QStringLiteral("Modelo: con la temporada anterior"));
    QCOMPARE(coupon.modelNote->toolTip(), QStringLiteral("El modelo parte de la temporada anterior, Edato13.txt"));

    // Read larger: Ctrl++ on the coupon, kept for the next start.
    const double size = coupon.tablap->font().pointSizeF();
    QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(coupon.tablap->font().pointSizeF() > size);
    QCOMPARE(coupon.tablam->font().pointSizeF(), coupon.tablap->font().pointSizeF());
    QVERIFY(shot(w, QStringLiteral("11-coupon-zoomed")));
    QTest::mouseClick(coupon.Command18, Qt::LeftButton); // enlarged: the coupon alone in the window
    QVERIFY(shot(w, QStringLiteral("11-coupon-zoomed-enlarged")));
    QTest::mouseClick(coupon.Command18, Qt::LeftButton);
    QVERIFY(testing::readAll(home.filePath(QStringLiteral("Vaticor.ini"))).contains("quiniela=150"));

    // Printed: the PDF has the model's P(1) P(X) P(2) and sign beside each line.
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      ui::QtPrinter paper(home.path() + u'/', &w);
      paper.setAlwaysPdf(true);
      paper.setMessages(&p.scripted.messages);
      p.form->services.printer = &paper;
      QTest::mouseClick(coupon.Label43, Qt::LeftButton);
      QVERIFY(QFileInfo::exists(paper.lastPdf()));
      const QStringList lines = pdfLines(paper.lastPdf());
      auto lineOf = [&lines](const QString &start) {
        for (const QString &line : lines)
          if (line.trimmed().startsWith(start))
            return line.trimmed();
        return QString();
      };
      QVERIFY(lineOf(QStringLiteral("Jda:1-15")).endsWith(QStringLiteral("|1sXs2s| 1% X% 2% M|")));
      for (int k : {1, 10, 11, 15}) {
        const QString home = coupon.tablap->text(2 * k - 1, 0);
        const QString model = coupon.tablam->text(2 * k - 1, 0);
        QVERIFY2(!model.isEmpty() && lineOf(home.trimmed() + u'|').endsWith(model + u'|'), qPrintable(lineOf(home.trimmed())));
      }
      // Under line 15, each side's likeliest goals for the pleno.
      QVERIFY(lineOf(coupon.tablap->text(30, 0).trimmed() + u'|').endsWith(coupon.tablam->text(30, 0) + QStringLiteral(" |")));
    }

    // Its system: the Escrutinio's prizes above the columns.
    QString summary, prizes;
    bool prizesAbove = false;
    int columns = 0;
    whenOpen<ui::SystemsDialog>(
        this,
        [&](ui::SystemsDialog &d) {
          summary = d.summary->text();
          QTest::mouseClick(d.checkButton, Qt::LeftButton);
          testing::settle();
          prizes = d.escrutinio->text();
          prizesAbove = d.escrutinio->isVisible() && d.escrutinio->geometry().bottom() < d.columns->geometry().top();
          columns = d.columns->count();
          shot(d, QStringLiteral("12-systems"));
          d.accept();
        },
        [&p](ui::SystemsDialog &d) { return !d.working() && !p.form->sistemas_NextWork(); });
    QTest::mouseClick(coupon.Command40, Qt::LeftButton);
    QVERIFY2(summary.startsWith(QStringLiteral("Directas: ")), qPrintable(summary));
    QVERIFY2(prizes.startsWith(QStringLiteral("Resultado: ")) && prizes.contains(QStringLiteral("\nEspecial: ")), qPrintable(prizes));
    QVERIFY(prizesAbove);
    QVERIFY(columns >= 1);
  }

  void thePlayersWholeRoad()
  {
    // 20 January 2014: 1ª División has played 19 jornadas, 2ª 21.
    const QDate today(2014, 1, 20);
    QTemporaryDir leagues, home;
    const QString first = testing::writeAll(leagues.filePath(QStringLiteral("1-liga.txt")),
                                            before(samplePath(QStringLiteral("openfootball/2013-14/1-liga.txt")), 20));
    const QString second = testing::writeAll(leagues.filePath(QStringLiteral("2-liga2.txt")),
                                             before(samplePath(QStringLiteral("openfootball/2013-14/2-liga2.txt")), 22));
    const QString seasonFile = home.filePath(QStringLiteral("Edato14.txt"));
    // The program's folder as installed: the name table beside it.
    QVERIFY(QFile::copy(samplePath(QStringLiteral("nombres.csv")), home.filePath(QStringLiteral("nombres.csv"))));
    {
      // A new user: no season yet, the start panel says so. It is imported through the menu.
      Program p(home.path(), today);
      QVERIFY(p.scripted.messages.shown.isEmpty());
      QVERIFY(p.window->start->isVisible());
      QVERIFY(p.window->start->Label1->text().contains(QStringLiteral("Edato14.txt")));
      p.scripted.fileDialog.choices = {first, second};
      p.window->mnuImportar->trigger();
      QVERIFY2(QFileInfo::exists(seasonFile), qPrintable(p.scripted.messages.shown.last().text));
      QCOMPARE(p.window->Label18->text(), QStringLiteral("1ª División-19 Temporada  2013/14"));
      QVERIFY(shot(*p.window, QStringLiteral("01-imported")));
    }

    // Started again inside the season, the program finds it by itself.
    Program p(home.path(), today);
    auto &w = *p.window;
    ui::CouponPanel &coupon = *w.Frame9;
    QVERIFY(p.scripted.messages.shown.isEmpty());
    QCOMPARE(w.tablag->text(1, 1).trimmed(), QStringLiteral("BARÇA")); // 50 points, as ATLÉT
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    QVERIFY(w.List1->text(0).contains(QStringLiteral("2ªDIVISIÓN")));
    QCOMPARE(w.Text1->text(), QStringLiteral("21"));
    QVERIFY(shot(w, QStringLiteral("02-second-division")));
    QTest::mouseClick(w.Command6, Qt::LeftButton);

    // Coupon 30: the ten matches of jornada 20 of 1ª, five of jornada 22 of 2ª.
    QTest::keyClick(w.Text3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.Text3, QStringLiteral("30"));
    QTest::mouseClick(w.Command13, Qt::LeftButton);
    QTest::keyClick(w.Text2, u'+');
    QCOMPARE(w.Text1->text(), QStringLiteral("20"));
    QTest::mouseClick(w.Command16, Qt::LeftButton); // the whole jornada at once
    clickLine(w.List1, 2);
    for (int i = 0; i < 2 && !w.List1->text(0).contains(QStringLiteral("2ª")); ++i)
      QTest::mouseClick(w.Command6, Qt::LeftButton);
    QTest::keyClick(w.Text2, u'+');
    QCOMPARE(w.Command16->text(), QStringLiteral("Uno a Uno")); // back to one by one after a whole jornada
    for (int match = 1; match <= 5; ++match)
      clickLine(w.List1, match + 1);
    QCOMPARE(coupon.tablap->text(29, 0).left(2), QStringLiteral("15"));
    QVERIFY(!coupon.Label46->text().contains(u'-')); // the forecast figure
    static const QRegularExpression chances(QStringLiteral("^( [ 1-9][0-9]){3} [1X2]$"));
    for (int k = 1; k <= 15; ++k)
      QVERIFY2(chances.match(coupon.tablam->text(2 * k - 1, 0)).hasMatch(), qPrintable(QString::number(k)));
    QVERIFY(coupon.tablam->isVisible());
    QVERIFY(shot(w, QStringLiteral("03-coupon")));

    // The forecast signs as a system, reduced with guarantee 13, once the
    // worker thread has worked every reduction out.
    auto workedOut = [&p](ui::SystemsDialog &d) { return !d.working() && !p.form->sistemas_NextWork(); };
    QString direct, reduced;
    int columns = 0;
    whenOpen<ui::SystemsDialog>(
        this,
        [&](ui::SystemsDialog &d) {
          direct = d.summary->text();
          QTest::mouseClick(d.choice[1], Qt::LeftButton);
          reduced = d.columns->item(0)->text();
          columns = d.columns->count();
          shot(d, QStringLiteral("04-systems"));
          d.accept();
        },
        workedOut);
    QTest::mouseClick(coupon.Command40, Qt::LeftButton);
    QVERIFY2(direct.startsWith(QStringLiteral("Directas: ")) && direct.contains(QStringLiteral(" €.  Prob.: 14 ")), qPrintable(direct));
    QCOMPARE(p.form->sistemas.guarantee, 13);
    QVERIFY(columns > 1 && qint64(p.form->sistemas.columns.size()) < p.form->sistemas.directColumns);

    // Stored as forecast 30.
    QTest::mouseClick(coupon.Text5, Qt::LeftButton);
    QTest::keyClicks(coupon.Text5, QStringLiteral("30"));
    QTest::mouseClick(coupon.Command22, Qt::LeftButton);
    QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral(" Pronóstico nº 30 Guardado!"));

    // The weekend passes: the real results of jornada 20 of 1ª and 22 of 2ª
    // typed in, each archived with the jornadas now played.
    const std::optional<season::Season> real = season::readSeasonFile(samplePath(QStringLiteral("Edato14.txt")), nullptr);
    QVERIFY(real);
    auto realResult = [&](int division, const QString &match) {
      auto team = [&](const QString &name) {
        for (int t = 1; t <= real->teamCount(division); ++t)
          if (real->name(division, t) == name)
            return t;
        return 0;
      };
      return real->cell(division, team(match.mid(3, 5)), team(match.mid(9, 5))).mid(2, 2);
    };
    QString results; // of 1ª, in the order of the list and of the coupon
    for (auto [division, jornada, played] : {std::tuple{1, 20, "2021"}, std::tuple{2, 22, "2022"}}) {
      const QString heading = QStringLiteral("%1ªDIVISIÓN").arg(division);
      for (int i = 0; i < 2 && !w.List1->text(0).contains(heading); ++i)
        QTest::mouseClick(w.Command6, Qt::LeftButton);
      QTest::keyClick(w.Text2, u'+');
      QCOMPARE(w.Text1->text(), QString::number(jornada));
      QString typed;
      for (int line = 2; line < w.List1->count(); ++line)
        typed += realResult(division, w.List1->text(line));
      QCOMPARE(typed.size(), 2 * (w.List1->count() - 2));
      if (division == 1)
        results = typed;
      QTest::keyClick(w.Text2, Qt::Key_Return);
      QVERIFY(w.entry->Frame10->isVisible());
      QTest::keyClicks(w.entry->Text4, typed);
      QTest::keyClick(w.entry->Text4, Qt::Key_Return);
      QCOMPARE(p.scripted.messages.shown.last().title, QStringLiteral("Archivar Jornadas!!"));
      if (division == 1)
        QVERIFY(shot(w, QStringLiteral("05-results")));
      QTest::keyClick(w.entry->Text4, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(w.entry->Text4, QLatin1String(played));
      QTest::keyClick(w.entry->Text4, Qt::Key_Return);
      QCOMPARE(p.scripted.messages.shown.last().text, QStringLiteral(" Temporada salvada!"));
    }
    const std::optional<season::Season> saved = season::readSeasonFile(seasonFile, nullptr);
    QVERIFY(saved);
    QCOMPARE(saved->storedJornada(1), 20);
    QCOMPARE(saved->storedJornada(2), 22);

    // Forecast 30 rebuilt, and scored against the signs that fell.
    QTest::mouseClick(coupon.Text5, Qt::LeftButton);
    QTest::keyClicks(coupon.Text5, QStringLiteral("30"));
    QTest::mouseClick(coupon.Command32, Qt::LeftButton);
    QCOMPARE(coupon.tablap->text(29, 0).left(2), QStringLiteral("15"));
    QTest::mouseClick(coupon.Command29, Qt::LeftButton);
    ui::StatsPanel &stats = *w.Frame13;
    QVERIFY(stats.isVisible());
    // The record of coupon 30 holds the results typed, and the signs that fell.
    const QStringList record = QString::fromLatin1(testing::readAll(home.filePath(QStringLiteral("eprono14.txt"))))
                                   .split(QStringLiteral("\r\n"));
    QCOMPARE(record.value(29 * 16), QStringLiteral("\"Nº  Equipos: Res Sg Val Sg  14% 25% Q:30\""));
    for (int k = 1; k <= 10; ++k) {
      const QString line = record.value(29 * 16 + k), result = results.mid(2 * (k - 1), 2);
      const QChar sign = result[0] > result[1] ? u'1' : result[0] == result[1] ? u'X' : u'2';
      QCOMPARE(line.mid(16, 4), result + u'-' + sign);
    }
    int signs = 0;
    for (int r = 1; r <= 3; ++r)
      for (int c = 1; c < stats.tablacs->columnCount(); ++c)
        signs += stats.tablacs->text(r, c).toInt();
    QCOMPARE(signs, 15);
    QVERIFY(shot(w, QStringLiteral("06-scored")));
    QTest::mouseClick(stats.Command33, Qt::LeftButton);

    // The system checked against the signs that fell: each column's hits.
    QString real14;
    for (int k = 1; k <= 14; ++k) {
      const int d = coupon.tablap->text(2 * k - 1, 1).mid(9, 1).toInt();
      const QString r = realResult(d, coupon.tablap->text(2 * k - 1, 0).left(8) + u'-' +
                                              coupon.tablap->text(2 * k, 0).mid(3, 5));
      real14 += r[0] > r[1] ? u'1' : r[0] == r[1] ? u'X' : u'2';
    }
    // The prizes by category stand above the columns.
    QStringList checked;
    QString prizes;
    bool prizesAbove = false;
    whenOpen<ui::SystemsDialog>(
        this,
        [&](ui::SystemsDialog &d) {
          QTest::mouseClick(d.checkButton, Qt::LeftButton);
          testing::settle();
          prizes = d.escrutinio->text();
          prizesAbove = d.escrutinio->isVisible() && d.escrutinio->geometry().bottom() < d.columns->geometry().top();
          for (int i = 0; i < d.columns->count(); ++i)
            checked << d.columns->item(i)->text();
          shot(d, QStringLiteral("08-checked"));
          d.accept();
        },
        workedOut);
    QTest::mouseClick(coupon.Command40, Qt::LeftButton);
    QCOMPARE(checked.size(), int(p.form->sistemas.columns.size()));
    QVERIFY2(prizes.startsWith(QStringLiteral("Resultado: ") + real14), qPrintable(prizes));
    QVERIFY(prizes.contains(QStringLiteral("\nEspecial: ")));
    QVERIFY(prizesAbove);
    for (int i = 0; i < checked.size(); ++i) {
      int hits = 0;
      for (int m = 0; m < 14; ++m)
        hits += checked[i].at(5 + m) == real14.at(m);
      QCOMPARE(checked[i].mid(19, 3).toInt(), hits);
    }

    // How reliable the forecasts have been this season.
    QString figures;
    whenOpen<ui::ReliabilityDialog>(
        this,
        [&](ui::ReliabilityDialog &d) {
          figures = d.figures->text();
          shot(d, QStringLiteral("07-reliability"));
          d.accept();
        },
        [](ui::ReliabilityDialog &d) { return !d.figures->text().isEmpty(); });
    w.mnuFiabilidad->trigger();
    QVERIFY2(figures.contains(QStringLiteral("1ª División: 150 partidos")), qPrintable(figures));
    QVERIFY(figures.contains(QStringLiteral("2ª División: ")));
    QVERIFY(figures.contains(QStringLiteral("Siempre 1:")));

    // The coupon printed: without a printer it becomes a PDF in the program's folder.
    ui::QtPrinter paper(home.path() + u'/', &w);
    paper.setAlwaysPdf(true);
    paper.setMessages(&p.scripted.messages);
    p.form->services.printer = &paper;
    QTest::mouseClick(coupon.Label43, Qt::LeftButton);
    QVERIFY(QFileInfo(paper.lastPdf()).absolutePath() == QFileInfo(home.path()).absoluteFilePath());
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      QProcess pdftotext;
      pdftotext.start(QStringLiteral("pdftotext"), {paper.lastPdf(), QStringLiteral("-")});
      QVERIFY(pdftotext.waitForFinished(10000));
      const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
      QVERIFY(text.contains(QStringLiteral("Pronóstico de la Quiniela")));
      QVERIFY(text.contains(coupon.tablap->text(1, 0).mid(3, 5)));
    }

    // The exit, confirmed.
    p.scripted.messages.answers = {controls::MessageAnswer::Ok};
    w.mnuSalir->trigger();
    QVERIFY(!w.isVisible());
  }
};

VATICOR_WINDOW_TEST_MAIN(RoadTest)
#include "test_road.moc"
