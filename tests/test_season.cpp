// Loading a season, the general standings, start-up, the division switches and
// the exit, driven through the form's handlers as the user's events drive them.
#include "TestSeasons.h"
#include "season/SeasonFile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using controls::MessageAnswer;
using controls::MessageButtons;
using controls::MessageIcon;
using controls::rgb;
using testing::FormFixture;
using testing::TestSeason;
using testing::samplePath;
using vaticor::Qmodelop;

namespace {

const uint kGreen = rgb(0, 255, 0), kYellow = rgb(255, 255, 0), kCyan = rgb(0, 255, 255), kGrey = rgb(192, 192, 192),
           kRed = rgb(255, 0, 0);

// Four teams with a calendar written out by hand: j1 1-2 3-4, j2 3-1 2-4, j3 1-4 2-3.
TestSeason accentedSeason()
{
  TestSeason s(4, 4);
  s.setNames(1, {QStringLiteral("ATLÉT"), QStringLiteral("BARÇA"), QStringLiteral("R.MAD"), QStringLiteral("CELTA")});
  s.calendar1 = season::fitCalendar(QStringLiteral("010203040301020401040203"));
  s.play(1, 1, 2, 1, 2, 1);
  s.play(1, 2, 1, 4, 0, 0);
  return s;
}

// "h a hg ag, ..." played in jornada 1 of division 1; the season stands at jornada 2.
TestSeason seasonWith(const QString &matches)
{
  TestSeason s(4, 4);
  for (const QString &m : matches.split(u',', Qt::SkipEmptyParts)) {
    const QStringList v = m.split(u' ', Qt::SkipEmptyParts);
    s.play(1, v[0].toInt(), v[1].toInt(), 1, v[2].toInt(), v[3].toInt());
  }
  s.setCurrentJornadas(QStringLiteral("0201"));
  return s;
}

// A season with big divisions for the switches: names T1001.. and T2001..
TestSeason bigSeason(const QString &jornadas)
{
  TestSeason s(20, 22);
  s.setCurrentJornadas(jornadas);
  return s;
}

// Slots 1..4 of a tally array.
template <typename A> QList<double> four(const A &a) { return {double(a[1]), double(a[2]), double(a[3]), double(a[4])}; }

// Line of match i of jornada j as the jornada list shows it.
QString matchLine(const TestSeason &s, int division, int j, int i)
{
  const auto [h, a] = s.fixture(division, j, i);
  const QStringList &r = s.records;
  return QStringLiteral("%1 %2-%3.").arg(i, 2).arg(r[967 + (division - 1) * 22 + h], r[967 + (division - 1) * 22 + a]);
}

} // namespace

class TestSeasonLoad : public QObject {
  Q_OBJECT

private slots:
  void lookUpResult_data(); void lookUpResult();
  void buildFixture_data(); void buildFixture();
  void seasonDigits_data(); void seasonDigits();
  void teamNumber_data(); void teamNumber();
  void divisionDisplay_data(); void divisionDisplay();
  void seasonCaption_data(); void seasonCaption();
  void fileCaptions();
  void dialogLoop();
  void sameFileTwice();
  void cancelDialog_data(); void cancelDialog();
  void startup_data(); void startup();
  void failedLoad_data(); void failedLoad();
  void sampleStandings();
  void colourZones_data(); void colourZones();
  void tieRules_data(); void tieRules();
  void tallyOfTies();
  void gridPicks_data(); void gridPicks();
  void fullSwitch_data(); void fullSwitch();
  void lightSwitch_data(); void lightSwitch();
  void exitMenu_data(); void exitMenu();
  void unload_data(); void unload();
  void couponGridLayout_data(); void couponGridLayout();
  void valuationGridLayout_data(); void valuationGridLayout();
  void initialState();
};

// ---- the season accessors ----

void TestSeasonLoad::lookUpResult_data()
{
  QTest::addColumn<int>("division");
  QTest::addColumn<QString>("key");
  QTest::addColumn<int>("at"); // 1-based character of resultsText holding "1230"; 0 none
  QTest::addColumn<QString>("goals");
  QTest::addColumn<QString>("jornada");
  QTest::newRow("2ª 0305 reads record 533") << 2 << "0305" << 2661 << "30" << "12";
  QTest::newRow("1ª 0305 reads record 49") << 1 << "0305" << 241 << "30" << "12";
  QTest::newRow("1ª 0102 reads record 2") << 1 << "0102" << 6 << "30" << "12";
  QTest::newRow("2ª 2221 near the end") << 2 << "2221" << 4831 << "30" << "12";
  QTest::newRow("unplayed") << 1 << "0102" << 0 << ".." << "..";
  QTest::newRow("0000 keeps the jornada") << 1 << "0000" << 6 << ".." << "77";
  QTest::newRow("four blanks keep the jornada") << 2 << "    " << 2661 << ".." << "77";
}

void TestSeasonLoad::lookUpResult()
{
  QFETCH(int, division);
  QFETCH(QString, key);
  QFETCH(int, at);
  FormFixture f;
  f.form->resultsText = QString(4840, u'.');
  if (at)
    f.form->resultsText.replace(at - 1, 4, QStringLiteral("1230"));
  f.form->division = division;
  f.form->lookupJornada = QStringLiteral("77");
  f.form->lookUpResult(key);
  QTEST(f.form->lookupGoals, "goals");
  QTEST(f.form->lookupJornada, "jornada");
}

void TestSeasonLoad::buildFixture_data()
{
  QTest::addColumn<int>("division");
  QTest::addColumn<int>("j");
  QTest::addColumn<int>("match");
  QTest::addColumn<int>("home");
  QTest::addColumn<int>("away");
  QTest::newRow("20: j1 first") << 1 << 1 << 1 << 1 << 2;
  QTest::newRow("20: j1 last") << 1 << 1 << 10 << 19 << 20;
  QTest::newRow("20: j19 uses 721-760") << 1 << 19 << 1 << 20 << 19;
  QTest::newRow("20: j20 is j1 exchanged") << 1 << 20 << 1 << 2 << 1;
  QTest::newRow("20: j20 last exchanged") << 1 << 20 << 10 << 20 << 19;
  QTest::newRow("20: j38 is j19 exchanged") << 1 << 38 << 1 << 19 << 20;
  QTest::newRow("22: j21 uses 881-924") << 2 << 21 << 1 << 1 << 22;
  QTest::newRow("22: j21 eleventh match") << 2 << 21 << 11 << 11 << 12;
  QTest::newRow("22: j22 is j1 exchanged") << 2 << 22 << 11 << 22 << 21;
  QTest::newRow("22: j42 is j21 exchanged") << 2 << 42 << 1 << 22 << 1;
  QTest::newRow("22: j42 eleventh match") << 2 << 42 << 11 << 12 << 11;
}

void TestSeasonLoad::buildFixture()
{
  QFETCH(int, division);
  QFETCH(int, j);
  QFETCH(int, match);
  FormFixture f;
  Qmodelop &q = *f.form;
  q.seasonRecords[1014] = QStringLiteral("2022");
  q.calendar1 = QString(924, u' ');
  q.calendar1.replace(0, 40, QStringLiteral("0102030405060708091011121314151617181920"));
  q.calendar1.replace(720, 40, QStringLiteral("2019181716151413121110090807060504030201"));
  q.calendar2 = QString(924, u' ');
  q.calendar2.replace(0, 44, QStringLiteral("01020304050607080910111213141516171819202122"));
  q.calendar2.replace(880, 44, QStringLiteral("01220221032004190518061707160815091410131112"));
  q.division = division;
  q.buildFixture(j);
  QTEST(int(q.homeTeam[match]), "home");
  QTEST(int(q.awayTeam[match]), "away");
}

void TestSeasonLoad::seasonDigits_data()
{
  QTest::addColumn<QDate>("today");
  QTest::addColumn<QString>("digits");
  QTest::newRow("31 July 2009") << QDate(2009, 7, 31) << "09";
  QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << "10";
  QTest::newRow("15 January 2010") << QDate(2010, 1, 15) << "10";
  QTest::newRow("December 2026") << QDate(2026, 12, 6) << "27";
  QTest::newRow("December 1999") << QDate(1999, 12, 31) << "00";
  QTest::newRow("March 2005") << QDate(2005, 3, 1) << "05";
}

void TestSeasonLoad::seasonDigits()
{
  QFETCH(QDate, today);
  QFETCH(QString, digits);
  QCOMPARE(Qmodelop::seasonDigits(today), digits);
  FormFixture f;
  f.scripted.clock.date = today;
  QCOMPARE(f.form->defaultSeasonFileName(), QStringLiteral("Edato") + digits + QStringLiteral(".txt"));
}

void TestSeasonLoad::teamNumber_data()
{
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("number");
  QTest::newRow("first") << "ATLÉT" << 1;
  QTest::newRow("second, accented") << "BARÇA" << 2;
  QTest::newRow("third") << "R.MAD" << 3;
  QTest::newRow("last, trailing blank") << "RAYO " << 4;
}

void TestSeasonLoad::teamNumber()
{
  FormFixture f;
  f.form->teamNameList = QStringLiteral("ATLÉT-BARÇA-R.MAD-RAYO -");
  QFETCH(QString, name);
  QTEST(f.form->teamNumberOf(name), "number");
}

// ---- loading ----

void TestSeasonLoad::divisionDisplay_data()
{
  QTest::addColumn<QString>("jornadas");
  QTest::addColumn<QStringList>("list1");
  QTest::addColumn<QStringList>("list6");
  QTest::addColumn<QString>("text1");
  QTest::addColumn<QString>("text3");
  QTest::addColumn<QString>("label10");
  const QString heading = QStringLiteral("   1ªDIVISIÓN");
  QTest::newRow("jornada 1") << "0101" << QStringList{heading, "", " 1 ATLÉT-BARÇA.", " 2 R.MAD-CELTA."}
                             << QStringList{"", "", "21", ".."} << "01" << "2" << " Clasf. General  Jorn:  1";
  QTest::newRow("jornada 4 is jornada 1 exchanged")
      << "0401" << QStringList{heading, "", " 1 BARÇA-ATLÉT.", " 2 CELTA-R.MAD."} << QStringList{"", "", "00", ".."}
      << "04" << "5" << " Clasf. General  Jorn:  4";
  QTest::newRow("stored 0000 shows 00 and jornada 1")
      << "0000" << QStringList{heading, "", " 1 ATLÉT-BARÇA.", " 2 R.MAD-CELTA."} << QStringList{"", "", "21", ".."}
      << "00" << "2" << " Clasf. General  Jorn:  1";
}

void TestSeasonLoad::divisionDisplay()
{
  QFETCH(QString, jornadas);
  TestSeason s = accentedSeason();
  s.setCurrentJornadas(jornadas);
  FormFixture f;
  QVERIFY(f.load(s));
  const Qmodelop &q = *f.form;
  QTEST(q.List1.lines(), "list1");
  QTEST(q.List6.lines(), "list6");
  QTEST(q.Text1.text, "text1");
  QTEST(q.Text3.text, "text3");
  QTEST(q.Label10.caption, "label10");
  QCOMPARE(q.List1.item(0).size(), 13);
  // Other screens read the names back by position: home at 4-8, away at 10-14.
  const QString line = q.List1.item(2);
  QCOMPARE(line.size(), 15);
  const QString pair = line.mid(3, 5) + line.mid(9, 5);
  QVERIFY(pair == QStringLiteral("ATLÉTBARÇA") || pair == QStringLiteral("BARÇAATLÉT"));
  QCOMPARE(q.List1.fontName, QStringLiteral("Lucida Console"));
  QCOMPARE(q.List6.fontSize, 8.0);
  QVERIFY(q.jornada >= 1);
}

void TestSeasonLoad::seasonCaption_data()
{
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QString>("jornadas");
  QTest::addColumn<QString>("label18");
  QTest::newRow("Edato09") << "Edato09.txt" << "0905" << "1ª División- 9 Temporada  2008/09";
  QTest::newRow("Edato00") << "Edato00.txt" << "0905" << "1ª División- 9 Temporada  1999/00";
  QTest::newRow("Edato91 is 1990/91") << "Edato91.txt" << "1205" << "1ª División-12 Temporada  1990/91";
  QTest::newRow("Edato90 is 2089/90") << "Edato90.txt" << "0105" << "1ª División- 1 Temporada  2089/90";
  QTest::newRow("Edato14") << "Edato14.txt" << "3842" << "1ª División-38 Temporada  2013/14";
}

void TestSeasonLoad::seasonCaption()
{
  QFETCH(QString, fileName);
  QFETCH(QString, jornadas);
  TestSeason s(20, 22);
  s.setCurrentJornadas(jornadas);
  FormFixture f;
  QVERIFY(f.load(s, fileName));
  QTEST(f.form->Label18.caption, "label18");
}

void TestSeasonLoad::fileCaptions()
{
  FormFixture f;
  QVERIFY(QDir(f.folder()).mkpath(QStringLiteral("carpeta-de-temporadas-largas")));
  const QString a = TestSeason().writeTo(f.folder() + QStringLiteral("carpeta-de-temporadas-largas/"),
                                         QStringLiteral("Edato14.txt"));
  const QString b = TestSeason().writeTo(f.folder(), QStringLiteral("Edato13.txt"));
  f.scripted.fileInfo.dates[a] = QDateTime(QDate(2009, 5, 3), QTime(21, 7, 9));
  f.scripted.fileInfo.dates[b] = QDateTime(QDate(2014, 12, 25), QTime(8, 0));
  Qmodelop &q = *f.form;
  QCOMPARE(q.caption, QStringLiteral("Vaticor"));
  QVERIFY(f.loadFile(a));
  QCOMPARE(q.caption, QStringLiteral("Vaticor   Ult. Modif.: 03/05/2009"));
  QCOMPARE(q.Label1.caption, QStringLiteral("..\\carpeta-de-temporadas-largas/Edato14.txt"));
  QCOMPARE(q.seasonFilePath, a);
  QCOMPARE(q.loadedFileName, a);
  // A load made while 2ª is shown names 1ª, the division shown after it.
  q.Command6_Click();
  QVERIFY(f.loadFile(b));
  QCOMPARE(q.caption, QStringLiteral("Vaticor   Ult. Modif.: 03/05/2009   Ult. Modif.: 25/12/2014"));
  QCOMPARE(q.Label18.caption, QStringLiteral("1ª División- 1 Temporada  2012/13"));
  QCOMPARE(q.division, int16_t(1));
  QCOMPARE(q.List1.item(0), QStringLiteral("   1ªDIVISIÓN"));
  // Refused and failed choices add nothing.
  QVERIFY(!f.loadFile(b));
  QVERIFY(!f.loadFile(f.folder() + QStringLiteral("Edato99.txt")));
  QCOMPARE(q.caption, QStringLiteral("Vaticor   Ult. Modif.: 03/05/2009   Ult. Modif.: 25/12/2014"));
}

void TestSeasonLoad::dialogLoop()
{
  FormFixture f;
  const QString reserved = TestSeason().writeTo(f.folder(), QStringLiteral("EdatoAA.txt"));
  const QString good = TestSeason().writeTo(f.folder(), QStringLiteral("Edato13.txt"));
  f.scripted.fileDialog.choices = {reserved, good};
  f.form->mnuaCargar_Click();
  const auto &d = f.scripted.fileDialog;
  QCOMPARE(d.titles.size(), 2);
  for (int i = 0; i < 2; ++i) {
    QCOMPARE(d.titles[i], QStringLiteral("Abrir Archivos Datos .. DIR Trabajo=: ") + f.folder());
    QCOMPARE(d.folders[i], f.folder());
    QCOMPARE(d.filters[i], QStringLiteral("Archivos Datos: 1X2(*.txt)|E*.txt|All Files (*.*)|*.*"));
  }
  QCOMPARE(f.scripted.messages.shown.size(), 1);
  const auto &m = f.scripted.messages.shown[0];
  QCOMPARE(m.text, QStringLiteral(" File no válido, por favor elija otro!!!"));
  QCOMPARE(m.title, QStringLiteral("File no válido!!"));
  QCOMPARE(m.icon, MessageIcon::Information);
  QCOMPARE(f.form->loadedFileName, good);
  QCOMPARE(f.form->workDir, f.folder()); // not upper-cased, '/' at the end
  QVERIFY(f.form->workDir != f.form->workDir.toUpper());
}

void TestSeasonLoad::sameFileTwice()
{
  FormFixture f;
  TestSeason s = accentedSeason();
  QVERIFY(f.load(s));
  Qmodelop &q = *f.form;
  const QStringList list1 = q.List1.lines();
  const QString record969 = q.seasonRecords[969], caption = q.caption, tablag = q.tablag.text(1, 1);
  // The file changes on disk; choosing it again must not reread it.
  s.setNames(1, {QStringLiteral("OTROS"), QStringLiteral("NOMBR"), QStringLiteral("NUEVO"), QStringLiteral("EQUIP")});
  s.play(1, 3, 4, 1, 9, 0);
  s.writeTo(f.folder(), QStringLiteral("Edato14.txt"));
  f.scripted.messages.shown.clear();
  f.scripted.fileDialog.choices = {f.folder() + QStringLiteral("Edato14.txt")};
  q.mnuaCargar_Click();
  QCOMPARE(f.scripted.messages.shown.size(), 1);
  QCOMPARE(f.scripted.messages.shown[0].text, QStringLiteral("DEBE INTRODUCIR OTRA DIFERENTE??"));
  QCOMPARE(f.scripted.messages.shown[0].title, QStringLiteral(" YA EXISTE LA COMBINACION"));
  QCOMPARE(f.scripted.messages.shown[0].icon, MessageIcon::Information);
  QCOMPARE(f.scripted.fileDialog.titles.size(), 2); // shown once for each choice, not again
  QCOMPARE(q.List1.lines(), list1);
  QCOMPARE(q.seasonRecords[969], record969);
  QCOMPARE(q.caption, caption);
  QCOMPARE(q.tablag.text(1, 1), tablag);
  QVERIFY(!q.endRequested);
}

void TestSeasonLoad::cancelDialog_data()
{
  QTest::addColumn<bool>("loadedBefore");
  QTest::newRow("nothing loaded: the program ends") << false;
  QTest::newRow("season loaded: it stays") << true;
}

void TestSeasonLoad::cancelDialog()
{
  QFETCH(bool, loadedBefore);
  FormFixture f;
  if (loadedBefore)
    QVERIFY(f.load(accentedSeason()));
  Qmodelop &q = *f.form;
  const QStringList list1 = q.List1.lines();
  const QString loaded = q.loadedFileName, path = q.seasonFilePath, caption = q.caption;
  f.scripted.fileDialog.choices.clear();
  q.mnuaCargar_Click();
  QCOMPARE(q.endRequested, !loadedBefore);
  QVERIFY(f.scripted.messages.shown.isEmpty());
  QCOMPARE(q.List1.lines(), list1);
  QCOMPARE(q.loadedFileName, loaded);
  QCOMPARE(q.seasonFilePath, path);
  QCOMPARE(q.caption, caption);
}

void TestSeasonLoad::startup_data()
{
  QTest::addColumn<QDate>("today");
  QTest::addColumn<QString>("present"); // file put in the program folder
  QTest::addColumn<QString>("expected"); // file loaded, empty when none
  QTest::newRow("October 2013, Edato14 present") << QDate(2013, 10, 20) << "Edato14.txt" << "Edato14.txt";
  QTest::newRow("May 2014, Edato14 present") << QDate(2014, 5, 15) << "Edato14.txt" << "Edato14.txt";
  QTest::newRow("1 September 2009 takes Edato10") << QDate(2009, 9, 1) << "Edato10.txt" << "Edato10.txt";
  QTest::newRow("September 2014 without Edato15") << QDate(2014, 9, 1) << "Edato14.txt" << "";
  QTest::newRow("31 July 2009 without Edato09") << QDate(2009, 7, 31) << "Edato10.txt" << "";
}

void TestSeasonLoad::startup()
{
  QFETCH(QDate, today);
  QFETCH(QString, present);
  QFETCH(QString, expected);
  FormFixture f;
  QVERIFY(QFile::copy(samplePath(QStringLiteral("Edato14.txt")), f.folder() + present));
  f.scripted.clock.date = today;
  Qmodelop &q = *f.form;
  q.Form_Load();
  QVERIFY(f.scripted.fileDialog.titles.isEmpty());
  QCOMPARE(q.transferMode, int16_t(0));
  QVERIFY(!q.endRequested);
  if (expected.isEmpty()) {
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(q.loadedFileName.isEmpty());
    QVERIFY(q.seasonFilePath.isEmpty());
    QCOMPARE(q.List1.count(), 0);
    QCOMPARE(q.caption, QStringLiteral("Vaticor"));
  } else {
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(q.loadedFileName, f.folder() + expected);
    QCOMPARE(q.List1.item(0), QStringLiteral("   1ªDIVISIÓN"));
    QCOMPARE(q.tablag.text(1, 1), QStringLiteral(" ATLÉT"));
    QCOMPARE(q.currentView, int16_t(7)); // the results grid is shown
  }
  QCOMPARE(q.tablaf.rows(), 16);
  for (int r = 1; r <= 15; ++r)
    for (int c = 2; c <= 4; ++c)
      QCOMPARE(q.tablaf.text(r, c), QStringLiteral("0"));
}

void TestSeasonLoad::failedLoad_data()
{
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<bool>("write");
  QTest::newRow("missing") << QByteArray() << false;
  QTest::newRow("empty") << QByteArray() << true;
  QTest::newRow("garbage") << QByteArray("esto no es\r\nuna temporada \"sin cerrar\r\n\x01\xff\xfe") << true;
  QTest::newRow("cut in half") << TestSeason().bytes().left(TestSeason().bytes().size() / 2) << true;
  QTest::newRow("records without calendars") << TestSeason().bytes().left(TestSeason().bytes().lastIndexOf("\r\n\"")) << true;
  TestSeason badCounts;
  badCounts.record(1014) = QStringLiteral("ABCD");
  QTest::newRow("team counts not numbers") << badCounts.bytes() << true;
}

void TestSeasonLoad::failedLoad()
{
  QFETCH(QByteArray, content);
  QFETCH(bool, write);
  FormFixture f;
  QVERIFY(f.load(accentedSeason(), QStringLiteral("Edato13.txt")));
  Qmodelop &q = *f.form;
  const QString bad = f.folder() + QStringLiteral("Edato14.txt");
  if (write) {
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  const QStringList list1 = q.List1.lines(), list6 = q.List6.lines();
  const QString path = q.seasonFilePath, loaded = q.loadedFileName, caption = q.caption, label1 = q.Label1.caption,
                label18 = q.Label18.caption, calendar = q.calendar1, results = q.resultsText;
  const QString grid = q.tablag.text(1, 1) + q.tablag.text(1, 2);
  f.scripted.messages.shown.clear();
  QVERIFY(!f.loadFile(bad));
  QCOMPARE(f.scripted.messages.shown.size(), 1);
  QVERIFY(!f.scripted.messages.shown[0].text.isEmpty());
  QCOMPARE(q.seasonFilePath, path);
  QCOMPARE(q.loadedFileName, loaded);
  QCOMPARE(q.caption, caption);
  QCOMPARE(q.Label1.caption, label1);
  QCOMPARE(q.Label18.caption, label18);
  QCOMPARE(q.calendar1, calendar);
  QCOMPARE(q.resultsText, results);
  QCOMPARE(q.seasonRecords[969], QStringLiteral("ATLÉT"));
  QCOMPARE(q.List1.lines(), list1);
  QCOMPARE(q.List6.lines(), list6);
  QCOMPARE(q.tablag.text(1, 1) + q.tablag.text(1, 2), grid);
  QVERIFY(!q.endRequested);
}

// ---- general standings ----

void TestSeasonLoad::sampleStandings()
{
  FormFixture f;
  QVERIFY(f.loadFile(samplePath(QStringLiteral("Edato14.txt"))));
  const Qmodelop &q = *f.form;
  const controls::Grid &g = q.tablag;
  QCOMPARE(g.rows(), 21);
  QCOMPARE(g.cols(), 3);
  QCOMPARE(g.colWidth(0), 300);
  QCOMPARE(g.colWidth(1), 800);
  QCOMPARE(g.colWidth(2), 890);
  QCOMPARE(g.geometry.left, 0);
  QCOMPARE(g.geometry.top, 530);
  QCOMPARE(QStringList({g.text(0, 0), g.text(0, 1), g.text(0, 2)}), QStringList({"Nº", "Equipos", "Tts Ng±"}));
  // Real 2013/14 table; BARÇA over R.MAD on their meetings 2-1 and 3-4 (6 goals to 4).
  const QStringList top = {" 1", " ATLÉT", "90  36", " 2", " BARÇA", "87  34", " 3", " R.MAD", "87  32"};
  for (int i = 0; i < top.size(); ++i)
    QCOMPARE(g.text(i / 3 + 1, i % 3), top[i]);
  QCOMPARE(QStringList({g.text(20, 0), g.text(20, 1), g.text(20, 2)}), QStringList({"20", " BETIS", "25 -29"}));
  const QMap<QString, int> real = {{"ATLÉT", 90}, {"BARÇA", 87}, {"R.MAD", 87}, {"ATHLE", 70}, {"SEVIL", 63},
                                   {"VILLA", 59}, {"R.SOC", 59}, {"VALEN", 49}, {"CELTA", 49}, {"LEVAN", 48},
                                   {"MÁLAG", 45}, {"RAYO ", 43}, {"GETAF", 42}, {"ESPAN", 42}, {"GRANA", 41},
                                   {"ELCHE", 40}, {"ALMER", 40}, {"OSASU", 39}, {"VALLA", 36}, {"BETIS", 25}};
  QMap<QString, int> shown;
  for (int r = 1; r <= 20; ++r)
    shown[g.text(r, 1).mid(1)] = g.text(r, 2).left(2).trimmed().toInt();
  QCOMPARE(shown, real);
  QCOMPARE(q.Label10.caption, QStringLiteral(" Clasf. General  Jorn: 38"));
  QCOMPARE(q.Label11.caption, QStringLiteral(" 1ª  DIVISIÓN  Puntos"));
  QCOMPARE(q.Text3.text, QStringLiteral("39"));
  QCOMPARE(q.Text2.text, QStringLiteral("T"));
}

void TestSeasonLoad::colourZones_data()
{
  QTest::addColumn<int>("switches");
  QTest::addColumn<int>("from");
  QTest::addColumn<int>("to");
  QTest::addColumn<uint>("colour");
  QTest::newRow("1ª heading") << 0 << 0 << 0 << kGrey;
  QTest::newRow("1ª 1-4 green") << 0 << 1 << 4 << kGreen;
  QTest::newRow("1ª 5-6 yellow") << 0 << 5 << 6 << kYellow;
  QTest::newRow("1ª 7-10 cyan") << 0 << 7 << 10 << kCyan;
  QTest::newRow("1ª 11-17 grey") << 0 << 11 << 17 << kGrey;
  QTest::newRow("1ª 18-20 red") << 0 << 18 << 20 << kRed;
  QTest::newRow("2ª heading") << 1 << 0 << 0 << kGrey;
  QTest::newRow("2ª 1-2 green") << 1 << 1 << 2 << kGreen;
  QTest::newRow("2ª 3-6 yellow") << 1 << 3 << 6 << kYellow;
  QTest::newRow("2ª 7-8 cyan") << 1 << 7 << 8 << kCyan;
  QTest::newRow("2ª 9-18 grey") << 1 << 9 << 18 << kGrey;
  QTest::newRow("2ª 19-22 red") << 1 << 19 << 22 << kRed;
  QTest::newRow("back to 1ª: 3-4 green") << 2 << 3 << 4 << kGreen;
  QTest::newRow("back to 1ª: 9-10 cyan") << 2 << 9 << 10 << kCyan;
  QTest::newRow("back to 1ª: 19-20 red") << 2 << 19 << 20 << kRed;
}

void TestSeasonLoad::colourZones()
{
  QFETCH(int, switches);
  QFETCH(int, from);
  QFETCH(int, to);
  QFETCH(uint, colour);
  FormFixture f;
  QVERIFY(f.loadFile(samplePath(QStringLiteral("Edato14.txt"))));
  for (int i = 0; i < switches; ++i)
    f.form->Command6_Click();
  QCOMPARE(f.form->tablag.rows(), switches == 1 ? 23 : 21);
  for (int r = from; r <= to; ++r)
    for (int c = 0; c < 3; ++c)
      QVERIFY2(f.form->tablag.cellColour(r, c) == colour, qPrintable(QStringLiteral("row %1 col %2").arg(r).arg(c)));
}

void TestSeasonLoad::tieRules_data()
{
  QTest::addColumn<QString>("matches"); // "home away hg ag" of division 1
  QTest::addColumn<QString>("order");   // team numbers from first to last
  // 2 beat 1 2-0 at home and 1-0 away: 3 mutual goals to 0, though 1's goal difference is far better.
  QTest::newRow("mutual 2-0 and 0-1") << "2 1 2 0, 1 2 0 1, 1 3 9 0, 1 4 9 0, 3 2 1 0, 4 2 3 0" << "2143";
  QTest::newRow("never met: goal difference") << "1 3 1 0, 2 4 3 0" << "2134";
  QTest::newRow("never met: goals for") << "1 3 1 0, 2 4 2 1" << "2143";
  QTest::newRow("fully level keep their order") << "1 3 1 0, 2 4 1 0" << "1234";
  QTest::newRow("mutual 1-1: goal difference") << "1 2 1 1, 1 3 1 0, 2 4 3 0" << "2134";
  QTest::newRow("one meeting, the other counts 00") << "2 1 1 0, 1 3 5 0" << "2143";
  // 2 and 4 drew 0-0 and are level in everything: they keep their order.
  QTest::newRow("points first, then level") << "3 1 1 0, 4 2 0 0" << "3241";
}

void TestSeasonLoad::tieRules()
{
  QFETCH(QString, matches);
  QFETCH(QString, order);
  FormFixture f;
  QVERIFY(f.load(seasonWith(matches)));
  for (int i = 1; i <= 4; ++i)
    QCOMPARE(f.form->tablag.text(i, 1), QStringLiteral(" T100") + order[i - 1]);
}

void TestSeasonLoad::tallyOfTies()
{
  FormFixture f;
  QVERIFY(f.load(seasonWith(QStringLiteral("2 1 2 0, 1 2 0 1, 1 3 9 0, 1 4 9 0, 3 2 1 0, 4 2 3 0"))));
  const Qmodelop &q = *f.form;
  const QStringList column2 = {" 6   3", " 6  -3", " 3   0", " 3   0"};
  for (int i = 1; i <= 4; ++i)
    QCOMPARE(q.tablag.text(i, 2), column2[i - 1]);
  const vaticor::StandingsTally &t = q.tally;
  // Standings order 2, 1, 4, 3: these arrays follow the order...
  QCOMPARE(four(t.points), QList<double>({6, 6, 3, 3}));
  QCOMPARE(four(t.negativeTotal), QList<double>({3, -3, 0, 0}));
  QCOMPARE(four(t.goalsFor), QList<double>({3, 18, 3, 1}));
  QCOMPARE(four(t.goalsAgainst), QList<double>({4, 3, 9, 9}));
  // ...the others stay by team number; coefficients are home or away points / jornada 2 / 2.
  QCOMPARE(four(t.homePoints), QList<double>({6, 3, 3, 3}));
  QCOMPARE(four(t.homeCoefficient), QList<double>({1.5, 0.75, 0.75, 0.75}));
  QCOMPARE(four(t.awayCoefficient), QList<double>({0, 0.75, 0, 0}));
}

void TestSeasonLoad::gridPicks_data()
{
  QTest::addColumn<QString>("clicks"); // "row col" of tablag, in the order clicked
  QTest::addColumn<QString>("picked");
  QTest::addColumn<int>("tab1Row"); // team number located in the results grid
  QTest::newRow("column 0 does nothing") << "1 0" << "" << 0;
  QTest::newRow("one pick") << "2 1" << "BARÇA" << 2;
  QTest::newRow("column 2 picks too") << "3 2" << "R.MAD" << 3;
  QTest::newRow("three picks") << "1 1, 2 2, 3 1" << "ATLÉTBARÇAR.MAD" << 3;
  QTest::newRow("third again: the third") << "1 1, 2 2, 3 1, 3 1" << "ATLÉTBARÇAR.MAD" << 3;
  QTest::newRow("then the second") << "1 1, 2 2, 3 1, 3 1, 3 2" << "ATLÉTBARÇAR.MAD" << 2;
  QTest::newRow("then the third") << "1 1, 2 2, 3 1, 3 1, 3 2, 3 1" << "ATLÉTBARÇAR.MAD" << 3;
  QTest::newRow("a fourth drops the first") << "1 1, 2 2, 3 1, 4 1" << "BARÇAR.MADATHLE" << 4;
}

void TestSeasonLoad::gridPicks()
{
  QFETCH(QString, clicks);
  FormFixture f;
  QVERIFY(f.loadFile(samplePath(QStringLiteral("Edato14.txt"))));
  Qmodelop &q = *f.form;
  QCOMPARE(q.currentView, int16_t(7));
  q.tab1.row = 0;
  for (const QString &c : clicks.split(u',')) {
    const QStringList rc = c.split(u' ', Qt::SkipEmptyParts);
    q.tablag_Click(rc[0].toInt(), rc[1].toInt());
  }
  QTEST(q.pickedNames, "picked");
  QTEST(q.tab1.row, "tab1Row");
}

// ---- division switches ----

void TestSeasonLoad::fullSwitch_data()
{
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("moveTo"); // jornada the user moved 1ª to before switching; 0 none
  QTest::addColumn<int>("clicks");
  QTest::addColumn<int>("division");
  QTest::addColumn<int>("jornada"); // the jornada listed
  QTest::addColumn<QString>("text1");
  QTest::addColumn<QString>("text3");
  QTest::addColumn<QString>("text2");
  QTest::newRow("1ª at 30 to 2ª at 33") << "2533" << 30 << 1 << 2 << 33 << "33" << "33" << "U";
  QTest::newRow("back to 1ª at its stored 25") << "2533" << 30 << 2 << 1 << 25 << "25" << "26" << "T";
  QTest::newRow("45 in 22 teams shown as 42") << "1045" << 0 << 1 << 2 << 42 << "42" << "42" << "U";
  QTest::newRow("45 in 20 teams shown as 38") << "4512" << 0 << 2 << 1 << 38 << "38" << "39" << "T";
  QTest::newRow("stored 00 lists jornada 1") << "2500" << 0 << 1 << 2 << 1 << "00" << "1" << "U";
}

void TestSeasonLoad::fullSwitch()
{
  QFETCH(QString, stored);
  QFETCH(int, moveTo);
  QFETCH(int, clicks);
  QFETCH(int, division);
  QFETCH(int, jornada);
  const TestSeason s = bigSeason(stored);
  FormFixture f;
  QVERIFY(f.load(s));
  Qmodelop &q = *f.form;
  if (moveTo)
    q.jornada = moveTo;
  for (int i = 0; i < clicks; ++i) {
    q.wholeJornadaMode = true;
    q.couponModeActive = true;
    q.Command16.caption = QStringLiteral("Todos");
    q.Frame16.visible = false;
    q.Command6_Click();
  }
  QCOMPARE(int(q.division), division);
  QTEST(q.Text1.text, "text1");
  // The standings refreshed last read the jornada back from the box.
  QCOMPARE(int(q.jornada), q.Text1.text.toInt());
  QTEST(q.Text3.text, "text3");
  QTEST(q.Text2.text, "text2");
  QCOMPARE(q.Command16.caption, QString(division == 2 ? "Uno a Uno" : "Todos"));
  QVERIFY(!q.wholeJornadaMode);
  QVERIFY(!q.couponModeActive);
  QVERIFY(q.Frame16.visible);
  QCOMPARE(q.focusedControl, QStringLiteral("Text2"));
  QCOMPARE(q.currentView, int16_t(12)); // the standings are refreshed last
  const int n = division == 1 ? 20 : 22;
  QCOMPARE(q.List1.count(), n / 2 + 2);
  QCOMPARE(q.List1.item(0), QStringLiteral("   %1ªDIVISIÓN").arg(division));
  QCOMPARE(q.List1.item(2), matchLine(s, division, jornada, 1));
  QCOMPARE(q.List1.item(n / 2 + 1), matchLine(s, division, jornada, n / 2));
  QCOMPARE(q.Label10.caption, QStringLiteral(" Clasf. General  Jorn: %1").arg(jornada, 2));
  QCOMPARE(q.Label11.caption, QStringLiteral(" %1ª  DIVISIÓN  Puntos").arg(division));
  QCOMPARE(q.tablag.rows(), n + 1);
  QCOMPARE(q.tablag.text(n, 0), QString::number(n));
}

void TestSeasonLoad::lightSwitch_data()
{
  QTest::addColumn<QString>("stored");
  QTest::addColumn<int>("clicks");
  QTest::addColumn<int>("division");
  QTest::addColumn<int>("jornada");
  QTest::addColumn<bool>("shown"); // the display follows the new division
  QTest::newRow("to 2ª at its stored 33") << "2533" << 1 << 2 << 33 << true;
  QTest::newRow("and back to 1ª at 25") << "2533" << 2 << 1 << 25 << true;
  QTest::newRow("stored 45: display left as it was") << "1045" << 1 << 2 << 42 << false;
  QTest::newRow("stored 00: display left as it was") << "1000" << 1 << 2 << 0 << false;
}

void TestSeasonLoad::lightSwitch()
{
  QFETCH(QString, stored);
  QFETCH(int, clicks);
  QFETCH(int, division);
  QFETCH(int, jornada);
  QFETCH(bool, shown);
  const TestSeason s = bigSeason(stored);
  FormFixture f;
  QVERIFY(f.load(s));
  Qmodelop &q = *f.form;
  const QStringList before = q.List1.lines();
  const QString text1 = q.Text1.text;
  for (int i = 0; i < clicks; ++i) {
    q.couponModeActive = true;
    q.Command30_Click();
  }
  QCOMPARE(int(q.division), division);
  QCOMPARE(int(q.jornada), jornada);
  QCOMPARE(q.currentView, int16_t(6)); // no view is refreshed
  if (shown) {
    QCOMPARE(q.List1.item(0), QStringLiteral("   %1ªDIVISIÓN").arg(division));
    QCOMPARE(q.List1.item(2), matchLine(s, division, jornada, 1));
    QCOMPARE(q.Text1.text, QStringLiteral("%1").arg(jornada, 2, 10, QChar(u'0')));
    QVERIFY(!q.couponModeActive);
    QCOMPARE(q.focusedControl, QStringLiteral("Text2"));
  } else {
    QCOMPARE(q.List1.lines(), before);
    QCOMPARE(q.Text1.text, text1);
    QVERIFY(q.couponModeActive);
  }
}

// ---- exit ----

void TestSeasonLoad::exitMenu_data()
{
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("ends");
  QTest::newRow("OK ends the program") << int(MessageAnswer::Ok) << true;
  QTest::newRow("Cancel keeps everything") << int(MessageAnswer::Cancel) << false;
}

void TestSeasonLoad::exitMenu()
{
  QFETCH(int, answer);
  QFETCH(bool, ends);
  FormFixture f;
  QVERIFY(f.load(accentedSeason()));
  Qmodelop &q = *f.form;
  const QStringList list1 = q.List1.lines();
  const QString grid = q.tablag.text(1, 1), loaded = q.loadedFileName;
  const int16_t view = q.currentView;
  f.scripted.messages.answers = {MessageAnswer(answer)};
  q.mnuSalir_Click();
  QCOMPARE(f.scripted.messages.shown.size(), 1);
  const auto &m = f.scripted.messages.shown[0];
  QCOMPARE(m.text, QStringLiteral("       Salir?       ó          Cancelar!"));
  QCOMPARE(m.title, QStringLiteral("Vaticor"));
  QCOMPARE(m.buttons, MessageButtons::OkCancel);
  QCOMPARE(q.exitConfirmed, ends);
  QCOMPARE(q.endRequested, ends);
  QCOMPARE(q.List1.lines(), list1);
  QCOMPARE(q.tablag.text(1, 1), grid);
  QCOMPARE(q.loadedFileName, loaded);
  QCOMPARE(q.currentView, view);
}

void TestSeasonLoad::unload_data()
{
  QTest::addColumn<bool>("confirmed");
  QTest::addColumn<int>("answer");
  QTest::addColumn<int>("asked");
  QTest::addColumn<bool>("closes");
  QTest::newRow("already confirmed: no question") << true << int(MessageAnswer::Cancel) << 0 << true;
  QTest::newRow("asked, OK") << false << int(MessageAnswer::Ok) << 1 << true;
  QTest::newRow("asked, Cancel: the window stays") << false << int(MessageAnswer::Cancel) << 1 << false;
}

void TestSeasonLoad::unload()
{
  QFETCH(bool, confirmed);
  QFETCH(int, answer);
  FormFixture f;
  f.form->exitConfirmed = confirmed;
  f.scripted.messages.answers = {MessageAnswer(answer)};
  const bool closes = f.form->Form_Unload();
  QTEST(int(f.scripted.messages.shown.size()), "asked");
  QTEST(closes, "closes");
  QCOMPARE(f.form->exitConfirmed, closes);
}

// ---- start-up layout ----

void TestSeasonLoad::couponGridLayout_data()
{
  QTest::addColumn<int>("col");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<int>("width");
  QTest::newRow("0") << 0 << "Jda:1-15" << 950;
  QTest::newRow("1") << 1 << "R:I/V" << 750;
  QTest::newRow("2") << 2 << " G  E  Pe G  E Pe" << 2000;
  QTest::newRow("3") << 3 << "gf gc gF gc|GF GC" << 2050;
  QTest::newRow("4") << 4 << "Últms Signs Cas/Fue" << 2080;
  QTest::newRow("5") << 5 << "Últms 5 Resultds" << 1700;
  QTest::newRow("6") << 6 << "Evolución Equipos" << 1600;
  QTest::newRow("7") << 7 << "Evol. Signos Tt " << 1800;
  QTest::newRow("8") << 8 << "pC pF PT  NC NF NT  " << 2100;
  QTest::newRow("9") << 9 << " Diferencias /Signos.T=1X2" << 2250;
  QTest::newRow("10") << 10 << "Nº PT Pot Eq" << 1350;
  QTest::newRow("11") << 11 << " 1 X 2" << 750;
  QTest::newRow("12") << 12 << "25%" << 400;
  QTest::newRow("13") << 13 << "1sXs2s" << 750;
  QTest::newRow("14") << 14 << "Jornda" << 950;
}

void TestSeasonLoad::couponGridLayout()
{
  QFETCH(int, col);
  FormFixture f;
  f.form->Form_Load(); // no season file in the folder: the layout stands alone
  const controls::Grid &g = f.form->tablap;
  QCOMPARE(g.rows(), 31);
  QTEST(g.text(0, col), "heading");
  QTEST(g.colWidth(col), "width");
  for (int r : {2, 4, 16, 28})
    QVERIFY2(g.cellColour(r, col) == kCyan, qPrintable(QString::number(r)));
  for (int r : {3, 15, 29, 30})
    QVERIFY2(g.cellColour(r, col) == kGrey, qPrintable(QString::number(r)));
}

void TestSeasonLoad::valuationGridLayout_data()
{
  QTest::addColumn<int>("col");
  QTest::addColumn<int>("width");
  QTest::addColumn<QString>("label");
  QTest::newRow("0") << 0 << 160 << "-56";
  QTest::newRow("10") << 10 << 160 << "-36";
  QTest::newRow("11") << 11 << 240 << "-34";
  QTest::newRow("27") << 27 << 240 << "- 2";
  QTest::newRow("28") << 28 << 240 << "- 0";
  QTest::newRow("29") << 29 << 240 << " 2";
  QTest::newRow("44") << 44 << 240 << "32";
  QTest::newRow("45") << 45 << 160 << "34";
  QTest::newRow("56") << 56 << 160 << "56";
}

void TestSeasonLoad::valuationGridLayout()
{
  QFETCH(int, col);
  FormFixture f;
  for (const controls::Grid *g : {&f.form->tablac, &f.form->tablacs}) {
    QCOMPARE(g->cols(), 57);
    QTEST(g->colWidth(col), "width");
    QTEST(g->text(0, col), "label");
  }
}

void TestSeasonLoad::initialState()
{
  FormFixture f;
  Qmodelop &q = *f.form;
  q.division = 2;
  q.sortKey = 1;
  q.recomputeStandings = false;
  q.recallRow = 5;
  q.Form_Load();
  QCOMPARE(q.division, int16_t(1));
  QVERIFY(q.recomputeStandings);
  QCOMPARE(q.sortKey, int16_t(6));
  QVERIFY(q.signModeStored);
  QCOMPARE(q.recallRow, int16_t(0));
  QCOMPARE(q.windowGeometry.left, 1);
  QCOMPARE(q.windowGeometry.top, 0);
  QCOMPARE(q.windowGeometry.width, 14325);
  QCOMPARE(q.windowGeometry.height, 9285);
  QCOMPARE(q.Frame1.geometry.left, 5);
  QVERIFY(!q.Frame2.visible && !q.Frame13.visible && !q.Frame15.visible && q.Frame11.visible);
  QCOMPARE(q.workDir, f.folder());
  QCOMPARE(q.tablag.text(0, 1), QStringLiteral("Equipos"));
  QCOMPARE(q.tablag.cols(), 3);
}

QTEST_GUILESS_MAIN(TestSeasonLoad)
#include "test_season.moc"
