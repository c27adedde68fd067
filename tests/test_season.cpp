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
  s.setNames(1, {"ATLÉT", "BARÇA", "R.MAD", "CELTA"});
  s.calendar1 = season::fitCalendar("010203040301020401040203");
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
  s.setCurrentJornadas("0201");
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

// What a refused or cancelled load and a cancelled exit must leave as it was.
QStringList formState(const Qmodelop &q)
{
  return q.List1.lines() + q.List6.lines() +
         QStringList{q.loadedFileName,    q.seasonFilePath,    q.caption,
                     q.Label1.caption,    q.Label18.caption,   QString::fromLatin1(testing::seasonBytes(q.season)),
                     q.tablag.text(1, 1), q.tablag.text(1, 2), QString::number(q.currentView)};
}

} // namespace

class TestSeasonLoad : public QObject {
  Q_OBJECT

private slots:
  // ---- the season accessors ----

  void lookUpResult_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("record"); // the record holding "1230"; 0 none
    QTest::addColumn<QString>("goals");
    QTest::addColumn<QString>("jornada");
    QTest::newRow("2ª 0305 reads record 533") << 2 << "0305" << 533 << "30" << "12";
    QTest::newRow("2ª 2221 near the end") << 2 << "2221" << 967 << "30" << "12";
    QTest::newRow("unplayed") << 1 << "0102" << 0 << ".." << "..";
    QTest::newRow("0000 keeps the jornada") << 1 << "0000" << 2 << ".." << "77";
    QTest::newRow("four blanks keep the jornada") << 2 << "    " << 533 << ".." << "77";
  }

  void lookUpResult()
  {
    QFETCH(int, division);
    QFETCH(QString, key);
    QFETCH(int, record);
    FormFixture f;
    f.form->season.setRecord(record, "1230");
    f.form->division = division;
    f.form->lookupJornada = "77";
    f.form->lookUpResult(key);
    QTEST(f.form->lookupGoals, "goals");
    QTEST(f.form->lookupJornada, "jornada");
  }

  void buildFixture_data()
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
    QTest::newRow("20: j38 is j19 exchanged") << 1 << 38 << 1 << 19 << 20;
    QTest::newRow("22: j21 eleventh match") << 2 << 21 << 11 << 11 << 12;
    QTest::newRow("22: j22 is j1 exchanged") << 2 << 22 << 11 << 22 << 21;
    QTest::newRow("22: j42 is j21 exchanged") << 2 << 42 << 11 << 12 << 11;
    QTest::newRow("own 2ª vuelta: j22 as written") << 3 << 22 << 1 << 5 << 7;
    QTest::newRow("own 2ª vuelta: j42 not written, exchanged") << 3 << 42 << 11 << 12 << 11;
  }

  void buildFixture()
  {
    QFETCH(int, division);
    QFETCH(int, j);
    QFETCH(int, match);
    FormFixture f;
    Qmodelop &q = *f.form;
    q.season.setRecord(1014, "2022");
    QString calendar1 = QString(924, u' '), calendar2 = QString(924, u' ');
    calendar1.replace(0, 40, "0102030405060708091011121314151617181920");
    calendar1.replace(720, 40, "2019181716151413121110090807060504030201");
    calendar2.replace(0, 44, "01020304050607080910111213141516171819202122");
    calendar2.replace(880, 44, "01220221032004190518061707160815091410131112");
    q.season.setCalendars(calendar1, calendar2);
    if (division == 3) // a 2ª vuelta of its own, written for its first jornada only
      q.season.setSecondRoundCalendars(QString(), "05070102030406080910111213141516171819202122");
    q.division = std::min(division, 2);
    q.buildFixture(j);
    QTEST(int(q.homeTeam[match]), "home");
    QTEST(int(q.awayTeam[match]), "away");
  }

  // ---- loading ----

  void divisionDisplay_data()
  {
    QTest::addColumn<QString>("jornadas");
    QTest::addColumn<QStringList>("list1");
    QTest::addColumn<QStringList>("list6");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("label10");
    const QString heading = "   1ªDIVISIÓN";
    QTest::newRow("jornada 1") << "0101" << QStringList{heading, "", " 1 ATLÉT-BARÇA.", " 2 R.MAD-CELTA."}
                               << QStringList{"", "", "21", ".."} << "01" << "2" << " Clasf. General  Jorn:  1";
    QTest::newRow("jornada 4 is jornada 1 exchanged")
        << "0401" << QStringList{heading, "", " 1 BARÇA-ATLÉT.", " 2 CELTA-R.MAD."} << QStringList{"", "", "00", ".."}
        << "04" << "5" << " Clasf. General  Jorn:  4";
    QTest::newRow("stored 0000 shows 00 and jornada 1")
        << "0000" << QStringList{heading, "", " 1 ATLÉT-BARÇA.", " 2 R.MAD-CELTA."} << QStringList{"", "", "21", ".."}
        << "00" << "2" << " Clasf. General  Jorn:  1";
  }

  void divisionDisplay()
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
  }

  void seasonCaption_data()
  {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("jornadas");
    QTest::addColumn<QString>("label18");
    QTest::newRow("Edato00") << "Edato00.txt" << "0905" << "1ª División- 9 Temporada  1999/00";
    QTest::newRow("Edato91 is 1990/91") << "Edato91.txt" << "1205" << "1ª División-12 Temporada  1990/91";
    QTest::newRow("Edato90 is 2089/90") << "Edato90.txt" << "0105" << "1ª División- 1 Temporada  2089/90";
    QTest::newRow("Edato14") << "Edato14.txt" << "3842" << "1ª División-38 Temporada  2013/14";
  }

  void seasonCaption()
  {
    QFETCH(QString, fileName);
    QFETCH(QString, jornadas);
    TestSeason s(20, 22);
    s.setCurrentJornadas(jornadas);
    FormFixture f;
    QVERIFY(f.load(s, fileName));
    QTEST(f.form->Label18.caption, "label18");
  }

  void fileCaptions()
  {
    FormFixture f;
    QVERIFY(QDir(f.folder()).mkpath("carpeta-de-temporadas-largas"));
    const QString a = TestSeason().writeTo(f.folder() + "carpeta-de-temporadas-largas/", "Edato14.txt");
    const QString b = TestSeason().writeTo(f.folder(), "Edato13.txt");
    f.scripted.fileInfo.dates[a] = QDateTime(QDate(2009, 5, 3), QTime(21, 7, 9));
    f.scripted.fileInfo.dates[b] = QDateTime(QDate(2014, 12, 25), QTime(8, 0));
    Qmodelop &q = *f.form;
    QVERIFY(f.loadFile(a));
    QCOMPARE(q.caption, QStringLiteral("Vaticor   Ult. Modif.: 03/05/2009"));
    // The whole path, written the platform's way.
    QCOMPARE(q.Label1.caption, QDir::toNativeSeparators(a));
    QCOMPARE(q.seasonFilePath, a);
    // A load made while 2ª is shown names 1ª, the division shown after it.
    q.Command6_Click();
    QVERIFY(f.loadFile(b));
    QCOMPARE(q.caption, QStringLiteral("Vaticor   Ult. Modif.: 25/12/2014")); // one date: the file loaded last
    QCOMPARE(q.Label18.caption, QStringLiteral("1ª División- 1 Temporada  2012/13"));
    QCOMPARE(q.division, int16_t(1));
    QCOMPARE(q.List1.item(0), QStringLiteral("   1ªDIVISIÓN"));
  }

  void dialogLoop()
  {
    FormFixture f;
    const QString reserved = TestSeason().writeTo(f.folder(), "EdatoAA.txt");
    const QString good = TestSeason().writeTo(f.folder(), "Edato13.txt");
    f.scripted.fileDialog.choices = {reserved, good};
    f.form->mnuaCargar_Click();
    const auto &d = f.scripted.fileDialog;
    QCOMPARE(d.titles, QStringList(2, "Abrir Archivos Datos .. DIR Trabajo=: " + f.folder()));
    QCOMPARE(d.folders, QStringList(2, f.folder()));
    QCOMPARE(d.filters, QStringList(2, "Archivos Datos: 1X2(*.txt)|E*.txt|All Files (*.*)|*.*"));
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const auto &m = f.scripted.messages.shown[0];
    QCOMPARE(m.text, QStringLiteral(" File no válido, por favor elija otro!!!"));
    QCOMPARE(m.title, QStringLiteral("File no válido!!"));
    QCOMPARE(m.icon, MessageIcon::Information);
    QCOMPARE(f.form->loadedFileName, good);
    QCOMPARE(f.form->workDir, f.folder()); // not upper-cased, '/' at the end
  }

  void cancelDialog_data()
  {
    QTest::addColumn<bool>("loadedBefore");
    QTest::addColumn<bool>("startPanel");
    QTest::addColumn<bool>("ends");
    QTest::newRow("nothing loaded: the program ends") << false << false << true;
    QTest::newRow("nothing loaded, the start panel shown: back to it") << false << true << false;
    QTest::newRow("season loaded: it stays") << true << false << false;
  }

  void cancelDialog()
  {
    QFETCH(bool, loadedBefore);
    QFETCH(bool, startPanel);
    QFETCH(bool, ends);
    FormFixture f;
    if (loadedBefore)
      QVERIFY(f.load(accentedSeason()));
    if (startPanel)
      f.form->showStartPanel();
    const QStringList before = formState(*f.form);
    f.scripted.fileDialog.choices.clear();
    f.form->mnuaCargar_Click();
    QCOMPARE(f.form->endRequested, ends);
    QCOMPARE(f.form->start.visible, startPanel);
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(formState(*f.form), before);
  }

  void startup_data()
  {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("present"); // file put in the program folder
    QTest::addColumn<QString>("expected"); // file loaded, empty when none
    QTest::newRow("October 2013, Edato14 present") << QDate(2013, 10, 20) << "Edato14.txt" << "Edato14.txt";
    QTest::newRow("May 2014, Edato14 present") << QDate(2014, 5, 15) << "Edato14.txt" << "Edato14.txt";
    QTest::newRow("1 August 2009 takes Edato10") << QDate(2009, 8, 1) << "Edato10.txt" << "Edato10.txt";
    QTest::newRow("December 1999 takes Edato00") << QDate(1999, 12, 31) << "Edato00.txt" << "Edato00.txt";
    QTest::newRow("September 2014 without Edato15") << QDate(2014, 9, 1) << "Edato14.txt" << "";
    QTest::newRow("31 July 2009 without Edato09") << QDate(2009, 7, 31) << "Edato10.txt" << "";
    QTest::newRow("damaged Edato14") << QDate(2014, 5, 15) << "damaged Edato14.txt" << "";
  }

  void startup()
  {
    QFETCH(QDate, today);
    QFETCH(QString, present);
    QFETCH(QString, expected);
    FormFixture f;
    const bool damaged = present.startsWith("damaged ");
    if (damaged)
      testing::writeAll(f.folder() + present.mid(8), testing::realWithLine(5, QString()));
    else
      QVERIFY(QFile::copy(samplePath("Edato14.txt"), f.folder() + present));
    f.scripted.clock.date = today;
    Qmodelop &q = *f.form;
    q.Form_Load();
    QVERIFY(f.scripted.fileDialog.titles.isEmpty());
    QVERIFY(!q.loadTodaysSeason);
    QVERIFY(!q.endRequested);
    // A missing season is no error: the start panel says it and offers the
    // ways to get one. A damaged one is also told why.
    QCOMPARE(f.scripted.messages.shown.size(), damaged ? 1 : 0);
    QCOMPARE(q.start.visible, expected.isEmpty());
    QCOMPARE(q.loadedFileName, expected.isEmpty() ? QString() : f.folder() + expected);
    QCOMPARE(q.seasonFilePath.isEmpty(), expected.isEmpty());
    QCOMPARE(q.List1.item(0), expected.isEmpty() ? QString() : QStringLiteral("   1ªDIVISIÓN"));
    QCOMPARE(q.tablag.text(1, 1), expected.isEmpty() ? QString() : QStringLiteral(" ATLÉT"));
    if (expected.isEmpty())
      QCOMPARE(q.caption, QStringLiteral("Vaticor"));
    else
      QCOMPARE(q.currentView, int16_t(7)); // the results grid is shown
    QCOMPARE(q.factor.tablaf.rows(), 16);
    for (int r = 1; r <= 15; ++r)
      for (int c = 2; c <= 4; ++c)
        QCOMPARE(q.factor.tablaf.text(r, c), QStringLiteral("0"));
  }

  void failedLoad_data()
  {
    QTest::addColumn<QString>("fileName"); // chosen after Edato13.txt has been loaded
    QTest::addColumn<QByteArray>("content"); // written first unless null
    QTest::addColumn<QString>("message");  // how the message shown begins
    QTest::addColumn<QString>("title");
    TestSeason changed = accentedSeason();
    changed.setNames(1, {"OTROS", "NOMBR", "NUEVO", "EQUIP"});
    changed.play(1, 3, 4, 1, 9, 0);
    // The file changes on disk; choosing it again must not reread it.
    QTest::newRow("the loaded file again") << "Edato13.txt" << changed.bytes() << "DEBE INTRODUCIR OTRA DIFERENTE??"
                                           << " YA EXISTE LA COMBINACION";
    QTest::newRow("missing") << "Edato14.txt" << QByteArray() << "No se ha encontrado el archivo" << "Vaticor";
    const QString damaged = "El archivo no es una temporada válida.\r\n";
    QTest::newRow("empty") << "Edato14.txt" << QByteArray("")
                           << damaged + "El archivo está vacío."
                           << "Vaticor";
    using testing::realWithLine;
    QTest::newRow("short record") << "Edato14.txt" << realWithLine(2, "\"12\"")
                                  << damaged + "Registro 2 (línea 2): el resultado «12» debe ser «....» (sin jugar) o "
                                               "cuatro cifras: jornada, goles de casa y goles de fuera."
                                  << "Vaticor";
    QTest::newRow("blank line") << "Edato14.txt" << realWithLine(1020, "+")
                                << damaged + "La línea 1021 está en blanco: cada dato de la temporada va en su propia "
                                             "línea, entre comillas."
                                << "Vaticor";
    QTest::newRow("letters in a cell") << "Edato14.txt" << realWithLine(5, "\"AB12\"")
                                       << damaged + "Registro 5 (línea 5): el resultado «AB12» debe ser «....» (sin "
                                                    "jugar) o cuatro cifras: jornada, goles de casa y goles de fuera."
                                       << "Vaticor";
    QTest::newRow("played diagonal") << "Edato14.txt" << realWithLine(24, "\"0510\"")
                                     << damaged + "Registro 24 (línea 24): el resultado «0510» es del equipo 2 contra sí "
                                                  "mismo."
                                     << "Vaticor";
    QTest::newRow("bad count") << "Edato14.txt" << realWithLine(1014, "\"2021\"")
                               << damaged + "Registro 1014 (línea 1014): el número de equipos «2021» debe ser cuatro "
                                            "cifras, dos por división: 00 o un número par de 02 a 22 (por ejemplo 2022)."
                               << "Vaticor";
    QByteArray calendar = testing::readAll(samplePath("Edato14.txt"));
    calendar.replace(calendar.lastIndexOf("\r\n", calendar.size() - 3) + 3, 4, "2101");
    QTest::newRow("calendar number out of range")
        << "Edato14.txt" << calendar
        << damaged + "Línea 1037: el calendario de 1ª División, jornada 1, partido 1, dice «2101»: deben ser dos "
                     "equipos distintos de 1 a 20."
        << "Vaticor";
  }

  void failedLoad()
  {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    FormFixture f;
    QVERIFY(f.load(accentedSeason(), "Edato13.txt"));
    const QStringList before = formState(*f.form);
    if (!content.isNull())
      testing::writeAll(f.folder() + fileName, content);
    QVERIFY(!f.loadFile(f.folder() + fileName));
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const auto &shown = f.scripted.messages.shown[0];
    QVERIFY2(shown.text.startsWith(message), qPrintable(shown.text));
    if (message.startsWith("El archivo no es")) // the file's path closes the message
      QCOMPARE(shown.text.section("\r\n", -1), f.folder() + fileName);
    QTEST(shown.title, "title");
    QCOMPARE(shown.icon, message.startsWith("DEBE") ? MessageIcon::Information : MessageIcon::Critical);
    QCOMPARE(f.scripted.fileDialog.titles.size(), 2); // shown once for each choice, not again
    QCOMPARE(formState(*f.form), before);
    QVERIFY(!f.form->endRequested);
  }

  // ---- general standings ----

  void sampleStandings()
  {
    FormFixture f;
    QVERIFY(f.loadFile(samplePath("Edato14.txt")));
    const Qmodelop &q = *f.form;
    const controls::Grid &g = q.tablag;
    QCOMPARE(QList<int>({g.rows(), g.cols()}), QList<int>({21, 3}));
    // Real 2013/14 table; BARÇA over R.MAD on their meetings 2-1 and 3-4 (6 goals to 4).
    const QStringList lines = {"Nº", "Equipos", "Tts Ng±", " 1", " ATLÉT", "90  37", " 2", " BARÇA", "87  32",
                               " 3", " R.MAD", "87  31"};
    for (int i = 0; i < lines.size(); ++i)
      QCOMPARE(g.text(i / 3, i % 3), lines[i]);
    QCOMPARE(QStringList({g.text(20, 0), g.text(20, 1), g.text(20, 2)}), QStringList({"20", " BETIS", "25 -29"}));
    const QMap<QString, int> real = {{"ATLÉT", 90}, {"BARÇA", 87}, {"R.MAD", 87}, {"ATHLE", 70}, {"SEVIL", 63},
                                     {"VILLA", 59}, {"R.SOC", 59}, {"VALEN", 49}, {"CELTA", 49}, {"LEVAN", 48},
                                     {"MÁLAG", 45}, {"RAYOV", 43}, {"GETAF", 42}, {"ESPAN", 42}, {"GRANA", 41},
                                     {"ELCHE", 40}, {"ALMER", 40}, {"OSASU", 39}, {"VALLA", 36}, {"BETIS", 25}};
    QMap<QString, int> shown;
    for (int r = 1; r <= 20; ++r)
      shown[g.text(r, 1).mid(1)] = g.text(r, 2).left(2).trimmed().toInt();
    QCOMPARE(shown, real);
    QCOMPARE(q.Label10.caption, QStringLiteral(" Clasf. General  Jorn: 38"));
    QCOMPARE(q.Label11.caption, QStringLiteral(" 1ª  DIVISIÓN  Puntos"));
    QCOMPARE(q.Text3.text + q.Text2.text, QStringLiteral("39T"));
  }

  void colourZones_data()
  {
    QTest::addColumn<int>("switches");
    QTest::addColumn<QString>("zones"); // row by row from the heading: . grey, g green, y yellow, c cyan, r red
    QTest::newRow("1ª") << 0 << ".ggggyycccc.......rrr";
    QTest::newRow("2ª") << 1 << ".ggyyyycc..........rrrr";
    QTest::newRow("back to 1ª") << 2 << ".ggggyycccc.......rrr";
  }

  void colourZones()
  {
    QFETCH(int, switches);
    QFETCH(QString, zones);
    FormFixture f;
    QVERIFY(f.loadFile(samplePath("Edato14.txt")));
    for (int i = 0; i < switches; ++i)
      f.form->Command6_Click();
    const QMap<QChar, uint> colour = {{u'.', kGrey}, {u'g', kGreen}, {u'y', kYellow}, {u'c', kCyan}, {u'r', kRed}};
    QCOMPARE(f.form->tablag.rows(), zones.size());
    for (int r = 0; r < zones.size(); ++r)
      for (int c = 0; c < 3; ++c)
        QVERIFY2(f.form->tablag.cellColour(r, c) == colour[zones[r]], qPrintable(QString("%1 %2").arg(r).arg(c)));
  }

  void tieRules_data()
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

  void tieRules()
  {
    QFETCH(QString, matches);
    QFETCH(QString, order);
    FormFixture f;
    QVERIFY(f.load(seasonWith(matches)));
    for (int i = 1; i <= 4; ++i)
      QCOMPARE(f.form->tablag.text(i, 1), QStringLiteral(" T100") + order[i - 1]);
  }

  void tallyOfTies()
  {
    FormFixture f;
    QVERIFY(f.load(seasonWith("2 1 2 0, 1 2 0 1, 1 3 9 0, 1 4 9 0, 3 2 1 0, 4 2 3 0")));
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

  // ---- division switches ----

  void fullSwitch_data()
  {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("moveTo"); // jornada the user moved 1ª to before switching; 0 none
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("division");
    QTest::addColumn<int>("jornada"); // the jornada listed
    QTest::addColumn<QString>("boxes"); // Text1, Text3, Text2
    QTest::addColumn<bool>("coupon");   // a coupon under way: its number stays
    QTest::newRow("1ª at 30 to 2ª at 33") << "2533" << 30 << 1 << 2 << 33 << "33 33 U" << false;
    QTest::newRow("back to 1ª at its stored 25") << "2533" << 30 << 2 << 1 << 25 << "25 26 T" << false;
    // The team history brings the box inside the season.
    QTest::newRow("stored 00 lists jornada 1") << "2500" << 0 << 1 << 2 << 1 << "01 1 U" << false;
    QTest::newRow("coupon under way, to 2ª") << "2533" << 30 << 1 << 2 << 33 << "33 26 U" << true;
    QTest::newRow("coupon under way, and back") << "2533" << 30 << 2 << 1 << 25 << "25 26 T" << true;
  }

  void fullSwitch()
  {
    QFETCH(QString, stored);
    QFETCH(int, moveTo);
    QFETCH(int, clicks);
    QFETCH(int, division);
    QFETCH(int, jornada);
    TestSeason s(20, 22);
    s.setCurrentJornadas(stored);
    FormFixture f;
    QVERIFY(f.load(s));
    Qmodelop &q = *f.form;
    if (moveTo)
      q.jornada = moveTo;
    QFETCH(bool, coupon);
    for (int i = 0; i < clicks; ++i) {
      q.wholeJornadaMode = true;
      q.couponModeActive = coupon;
      q.Command16.caption = "Todos";
      q.Frame16.visible = false;
      q.Command6_Click();
    }
    QCOMPARE(int(q.division), division);
    QTEST(q.Text1.text + u' ' + q.Text3.text + u' ' + q.Text2.text, "boxes");
    // The standings refreshed last read the jornada back from the box.
    QCOMPARE(int(q.jornada), q.Text1.text.toInt());
    QCOMPARE(q.Command16.caption, QString(division == 2 ? "Uno a Uno" : "Todos"));
    QVERIFY(!q.wholeJornadaMode && !q.couponModeActive && q.Frame16.visible);
    QCOMPARE(q.focusedControl, QStringLiteral("Text2"));
    QCOMPARE(q.currentView, int16_t(12)); // the standings are refreshed last
    const int n = division == 1 ? 20 : 22;
    QCOMPARE(q.List1.count(), n / 2 + 2);
    QCOMPARE(q.List1.item(0), QStringLiteral("   %1ªDIVISIÓN").arg(division));
    QCOMPARE(q.List1.item(2), matchLine(s, division, jornada, 1));
    QCOMPARE(q.List1.item(n / 2 + 1), matchLine(s, division, jornada, n / 2));
    QCOMPARE(q.Label10.caption, QStringLiteral(" Clasf. General  Jorn: %1").arg(jornada, 2));
    QCOMPARE(q.Label11.caption, QStringLiteral(" %1ª  DIVISIÓN  Puntos").arg(division));
    QCOMPARE(q.tablag.text(n, 0), QString::number(n));
    QCOMPARE(q.tablag.rows(), n + 1);
  }

  void lightSwitch_data()
  {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("division");
    QTest::addColumn<int>("jornada");
    QTest::addColumn<bool>("shown"); // the display follows the new division
    QTest::newRow("to 2ª at its stored 33") << "2533" << 1 << 2 << 33 << true;
    QTest::newRow("and back to 1ª at 25") << "2533" << 2 << 1 << 25 << true;
    QTest::newRow("stored 00: display left as it was") << "1000" << 1 << 2 << 0 << false;
  }

  void lightSwitch()
  {
    QFETCH(QString, stored);
    QFETCH(int, clicks);
    QFETCH(int, division);
    QFETCH(int, jornada);
    QFETCH(bool, shown);
    TestSeason s(20, 22);
    s.setCurrentJornadas(stored);
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
    QCOMPARE(q.couponModeActive, !shown);
    if (shown) {
      QCOMPARE(q.List1.item(0), QStringLiteral("   %1ªDIVISIÓN").arg(division));
      QCOMPARE(q.List1.item(2), matchLine(s, division, jornada, 1));
      QCOMPARE(q.Text1.text, QStringLiteral("%1").arg(jornada, 2, 10, QChar(u'0')));
      QCOMPARE(q.focusedControl, QStringLiteral("Text2"));
    } else {
      QCOMPARE(q.List1.lines(), before);
      QCOMPARE(q.Text1.text, text1);
    }
  }

  // ---- exit ----

  void exitMenu_data()
  {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("OK ends the program") << int(MessageAnswer::Ok) << true;
    QTest::newRow("Cancel keeps everything") << int(MessageAnswer::Cancel) << false;
  }

  void exitMenu()
  {
    QFETCH(int, answer);
    QFETCH(bool, ends);
    FormFixture f;
    QVERIFY(f.load(accentedSeason()));
    const QStringList before = formState(*f.form);
    f.scripted.messages.answers = {MessageAnswer(answer)};
    f.form->mnuSalir_Click();
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    const auto &m = f.scripted.messages.shown[0];
    QCOMPARE(m.text, QStringLiteral("       Salir?       ó          Cancelar!"));
    QCOMPARE(m.title, QStringLiteral("Vaticor"));
    QCOMPARE(m.buttons, MessageButtons::OkCancel);
    QCOMPARE(f.form->exitConfirmed, ends);
    QCOMPARE(f.form->endRequested, ends);
    QCOMPARE(formState(*f.form), before);
  }

  void unload_data()
  {
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("already confirmed: no question") << true << int(MessageAnswer::Cancel) << 0 << true;
    QTest::newRow("asked, OK") << false << int(MessageAnswer::Ok) << 1 << true;
    QTest::newRow("asked, Cancel: the window stays") << false << int(MessageAnswer::Cancel) << 1 << false;
  }

  void unload()
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

  // ---- the start panel ----

  void seasonNames_data()
  {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("2013/14") << "Edato14.txt" << "Temporada 2013/14";
    QTest::newRow("2026/27") << "Edato27.txt" << "Temporada 2026/27";
    QTest::newRow("the century turns") << "Edato00.txt" << "Temporada 1999/00";
    QTest::newRow("the last of the 1900s") << "Edato91.txt" << "Temporada 1990/91";
    QTest::newRow("the reserved name") << "EdatoAA.txt" << "";
    QTest::newRow("three digits") << "Edato100.txt" << "";
    QTest::newRow("another file") << "gprono14.txt" << "";
    QTest::newRow("upper case") << "EDATO14.TXT" << "";
  }
  void seasonNames()
  {
    QFETCH(QString, file);
    QTEST(vaticor::seasonName(file), "name");
  }

  // The seasons beside the program and in the user's folder, newest first,
  // each named once; other files left aside.
  void seasonChoices()
  {
    QTemporaryDir mine, bundled;
    for (const char *name : {"Edato13.txt", "Edato99.txt", "Edato23.txt", "EdatoAA.txt", "notas.txt"})
      testing::writeAll(bundled.filePath(name), "x");
    testing::writeAll(mine.filePath("Edato23.txt"), "mine");
    testing::writeAll(mine.filePath("Edato27.txt"), "mine");
    const QList<vaticor::SeasonChoice> choices = vaticor::seasonChoices({mine.path(), bundled.path()});
    QStringList captions, paths;
    for (const vaticor::SeasonChoice &c : choices)
      captions << c.caption, paths << c.path;
    QCOMPARE(captions, QStringList({"Temporada 2026/27 (Edato27.txt)", "Temporada 2022/23 (Edato23.txt)",
                                    "Temporada 2012/13 (Edato13.txt)", "Temporada 1998/99 (Edato99.txt)"}));
    QCOMPARE(paths.value(1), mine.filePath("Edato23.txt")); // the user's own copy
    QCOMPARE(paths.value(2), bundled.filePath("Edato13.txt"));
    QVERIFY(vaticor::seasonChoices({mine.filePath("no-such-folder")}).isEmpty());
  }

  // At start-up without the season of today: what the panel says and offers,
  // and a bundled season opened from it in one click.
  void startPanel()
  {
    FormFixture f;
    for (const char *name : {"Edato13.txt", "Edato14.txt"})
      QVERIFY(QFile::copy(samplePath(name), f.folder() + name));
    f.scripted.clock.date = QDate(2026, 12, 6);
    Qmodelop &q = *f.form;
    q.Form_Load();
    QVERIFY(q.start.visible);
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QCOMPARE(q.start.Label1.caption, "No hay ninguna temporada cargada.\r\nLa temporada actual, 2026/27, se guarda en "
                                     "Edato27.txt, y ese archivo aún no está en " +
                                         QDir::toNativeSeparators(f.folder()) + ".\r\nElija cómo empezar:");
    QCOMPARE(q.start.startInternet.caption, QString("Traer la temporada 2026/27 de internet (openfootball)"));
    QCOMPARE(q.start.startImport.caption, QString("Importar archivos de liga de openfootball..."));
    QCOMPARE(q.start.startOpen.caption, QString("Abrir otro archivo de temporada..."));
    QCOMPARE(q.start.seasons.size(), 2);
    QCOMPARE(q.start.seasons[0].caption, QString("Temporada 2013/14 (Edato14.txt)"));
    q.startSeason_Click(2); // no such button: nothing happens
    q.startSeason_Click(-1);
    QVERIFY(q.start.visible && q.loadedFileName.isEmpty());
    q.startSeason_Click(1);
    QVERIFY(!q.start.visible);
    QCOMPARE(q.loadedFileName, f.folder() + "Edato13.txt");
    QCOMPARE(q.Label18.caption, QString("1ª División-38 Temporada  2012/13"));
    QCOMPARE(q.tablag.text(1, 1), QString(" BARÇA"));
  }

  // The import from the start panel opens on the league files bundled in the
  // program's folder; without them, on the folder where seasons are written.
  void importOpensOnTheBundledLeagueFiles()
  {
    FormFixture f;
    Qmodelop &q = *f.form;
    q.startImport_Click(); // cancelled
    QCOMPARE(f.scripted.fileDialog.folders, QStringList{f.folder()});
    QVERIFY(QDir(f.folder()).mkpath("openfootball/2013-14"));
    q.startImport_Click();
    QCOMPARE(f.scripted.fileDialog.folders.value(1), f.folder() + "openfootball");
    QCOMPARE(f.scripted.fileDialog.titles.value(1), QString("Importar Temporada: archivo de 1ª División (openfootball)"));
  }

  // ---- the size of the letter on screen ----

  void zoomSteps_data()
  {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("to");
    QTest::newRow("up from the coupon's start") << 140 << 1 << 150;
    QTest::newRow("down from the coupon's start") << 140 << -1 << 130;
    QTest::newRow("up from the lists' start") << 100 << 1 << 110;
    QTest::newRow("down from the lists' start") << 100 << -1 << 90;
    QTest::newRow("between two steps, up") << 135 << 1 << 140;
    QTest::newRow("between two steps, down") << 135 << -1 << 130;
    QTest::newRow("largest stays") << 300 << 1 << 300;
    QTest::newRow("smallest stays") << 50 << -1 << 50;
    QTest::newRow("larger steps further out") << 200 << 1 << 225;
  }
  void zoomSteps()
  {
    QFETCH(int, from);
    QFETCH(int, direction);
    QTEST(vaticor::ScreenZoom::step(from, direction), "to");
  }

  // Read from Vaticor.ini at start-up; a value that is no size is left aside.
  void zoomRead_data()
  {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("coupon");
    QTest::addColumn<int>("lists");
    QTest::newRow("no file") << QByteArray() << 140 << 100;
    QTest::newRow("both") << QByteArray("[pantalla]\nquiniela=180\nlistas=90\n") << 180 << 90;
    QTest::newRow("only the lists") << QByteArray("[pantalla]\r\nlistas=125\r\n") << 140 << 125;
    QTest::newRow("not numbers") << QByteArray("[pantalla]\nquiniela=grande\nlistas=\n") << 140 << 100;
    QTest::newRow("too small, too large") << QByteArray("[pantalla]\nquiniela=10\nlistas=1000\n") << 140 << 100;
    QTest::newRow("another group") << QByteArray("[sistemas]\nquiniela=180\n") << 140 << 100;
  }
  void zoomRead()
  {
    QFETCH(QByteArray, ini);
    FormFixture f;
    if (!ini.isEmpty())
      testing::writeAll(f.folder() + "Vaticor.ini", ini);
    f.form->layOutForm();
    QTEST(f.form->zoom.coupon, "coupon");
    QTEST(f.form->zoom.lists, "lists");
  }

  // Ctrl++ and Ctrl+- size the coupon while it is shown, the lists
  // otherwise; each size is kept in Vaticor.ini beside what it already held.
  void zoomKept()
  {
    FormFixture f;
    testing::writeAll(f.folder() + "Vaticor.ini", "[sistemas]\nprecio=0.5\n");
    QVERIFY(QFile::copy(samplePath("Edato14.txt"), f.folder() + "Edato14.txt"));
    QVERIFY(f.loadFile(f.folder() + "Edato14.txt"));
    Qmodelop &q = *f.form;
    q.zoomIn();
    q.zoomIn();
    QCOMPARE(q.zoom.lists, 120);
    QCOMPARE(q.zoom.coupon, 140);
    q.Text3.text = "21";
    q.Command13_Click();
    QVERIFY(q.Frame9.visible);
    q.zoomOut();
    QCOMPARE(q.zoom.coupon, 130);
    QCOMPARE(q.zoom.lists, 120);
    QCOMPARE(QString::fromUtf8(testing::readAll(f.folder() + "Vaticor.ini")).remove(u'\r'),
             QString("[pantalla]\nlistas=120\nquiniela=130\n\n[sistemas]\nprecio=0.5\n"));
    FormFixture again;
    QFile::copy(f.folder() + "Vaticor.ini", again.folder() + "Vaticor.ini");
    again.form->layOutForm();
    QCOMPARE(again.form->zoom.coupon, 130);
    QCOMPARE(again.form->zoom.lists, 120);
    QVERIFY(f.scripted.messages.shown.isEmpty());
  }

  // A settings file that cannot be written is said once; the size still changes.
  void zoomNotKept()
  {
    FormFixture f;
    QVERIFY(QDir(f.folder()).mkpath("Vaticor.ini")); // a folder in the file's place
    f.form->zoomIn();
    f.form->zoomIn();
    QCOMPARE(f.form->zoom.lists, 120);
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QVERIFY(f.scripted.messages.shown[0].text.startsWith(
        "El tamaño de la letra no se ha podido guardar para la próxima vez.\r\n"));
  }

  // ---- start-up ----

  void initialState()
  {
    FormFixture f;
    Qmodelop &q = *f.form;
    q.division = 2;
    q.sortKey = 1;
    q.recomputeStandings = false;
    q.recallRow = 5;
    q.Form_Load(); // no season file in the folder: the layout stands alone
    QCOMPARE(q.division, int16_t(1));
    QVERIFY(q.recomputeStandings && q.signModeStored);
    QCOMPARE(q.sortKey, int16_t(6));
    QCOMPARE(q.recallRow, int16_t(0));
    QVERIFY(!q.Frame2.visible && !q.Frame13.visible && !q.Frame15.visible && q.Frame11.visible);
    QCOMPARE(q.workDir, f.folder());
    QCOMPARE(q.tablag.text(0, 1), QStringLiteral("Equipos"));
    QCOMPARE(q.tablag.cols(), 3);
    // The coupon grid: headings, widths and the shaded rows.
    const controls::Grid &g = q.tablap;
    QCOMPARE(QList<int>({g.rows(), g.cols()}), QList<int>({31, 15}));
    const QList<std::tuple<int, QString, int>> columns = {
        {0, "Jda:1-15", 950}, {4, "Últms Signs Cas/Fue", 2080}, {8, "pC pF PT  NC NF NT  ", 2100}, {14, "Jornda", 950}};
    for (const auto &[col, heading, width] : columns) {
      QCOMPARE(g.text(0, col), heading);
      QCOMPARE(g.colWidth(col), width);
    }
    for (int c = 0; c < 15; ++c) {
      for (int r : {2, 4, 16, 28})
        QVERIFY2(g.cellColour(r, c) == kCyan, qPrintable(QString("%1 %2").arg(r).arg(c)));
      for (int r : {3, 15, 29, 30})
        QVERIFY2(g.cellColour(r, c) == kGrey, qPrintable(QString("%1 %2").arg(r).arg(c)));
    }
    // The valuation grids: a column for each even value from -56 to 56.
    const QList<std::tuple<int, int, QString>> values = {{0, 160, "-56"}, {10, 160, "-36"}, {11, 240, "-34"},
                                                         {27, 240, "- 2"}, {28, 240, "- 0"}, {29, 240, " 2"},
                                                         {44, 240, "32"},  {45, 160, "34"},  {56, 160, "56"}};
    for (const controls::Grid *v : {&q.tablac, &q.tablacs}) {
      QCOMPARE(v->cols(), 57);
      for (const auto &[col, width, label] : values) {
        QCOMPARE(v->colWidth(col), width);
        QCOMPARE(v->text(0, col), label);
      }
    }
  }

  // Saving writes the season in memory back in the file's own layout; the
  // unplayed marks are normalised in memory too, and a failure is reported.
  void formWritesTheSeasonFile()
  {
    FormFixture f;
    const QString path = f.folder() + "Edato14.txt";
    QVERIFY(QFile::copy(samplePath("Edato14.txt"), path));
    QVERIFY(f.loadFile(path));
    Qmodelop &q = *f.form;
    QCOMPARE(q.writeSeasonFile(), QString());
    QCOMPARE(testing::readAll(path), testing::readAll(samplePath("Edato14.txt")));

    // A failed write changes nothing, in memory or on disk.
    q.season.setRecord(3, "12..");
    const QString saved = q.seasonFilePath;
    q.seasonFilePath = f.folder() + "no-such-folder/Edato14.txt";
    QVERIFY(!q.writeSeasonFile().isEmpty());
    QCOMPARE(q.season.record(3), QString("12.."));
    q.season.setRecord(969, "ŁÓDŹ1");
    q.seasonFilePath = saved;
    QVERIFY(q.writeSeasonFile().contains("«Ł»"));
    QCOMPARE(q.season.record(3), QString("12.."));
    QCOMPARE(testing::readAll(path), testing::readAll(samplePath("Edato14.txt")));

    q.season.setRecord(969, "ALMER");
    QCOMPARE(q.writeSeasonFile(), QString());
    QCOMPARE(q.season.record(3), QString("...."));
    QCOMPARE(testing::readAll(path), testing::realWithLine(3, "\"....\""));
  }
};

QTEST_GUILESS_MAIN(TestSeasonLoad)
#include "test_season.moc"
