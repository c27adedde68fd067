// The statistical views against hand-worked lines: standings, results grid,
// equivalent jornada, team evolution, sign evolution, and the general
// standings click that marks a team in the open view.
#include "TestSeasons.h"

#include "text/TextRules.h"

#include <QtTest>
#include <cstdlib>

using testing::FormFixture;
using testing::TestSeason;
using vaticor::Qmodelop;

namespace {

struct Match {
  int jornada, home, away, homeGoals, awayGoals;
};

void playAll(TestSeason &s, int division, std::initializer_list<Match> matches)
{
  for (const Match &m : matches)
    s.play(division, m.home, m.away, m.jornada, m.homeGoals, m.awayGoals);
}

// The hand-made seasons of these tests, by name.
TestSeason seasonNamed(const QString &name)
{
  const QStringList clubs = {"ALBAS", "BRAVO", "CIMAS", "DUNAS", "ECHOS", "FAROS"};
  if (name == "six") {
    // One round of five jornadas all played. ALBAS scores 8 home points by
    // jornada 5, so its home coefficient is 8 / 5 / 2 = 0.8.
    TestSeason s(6, 4);
    s.setNames(1, clubs);
    s.setCurrentJornadas("0501");
    playAll(s, 1, {{1, 1, 6, 1, 1}, {1, 2, 5, 2, 1}, {1, 3, 4, 0, 0}, {2, 1, 5, 2, 0}, {2, 4, 6, 1, 3},
                   {2, 2, 3, 1, 1}, {3, 1, 4, 3, 1}, {3, 3, 5, 2, 2}, {3, 6, 2, 0, 1}, {4, 1, 3, 1, 1},
                   {4, 2, 4, 0, 2}, {4, 5, 6, 4, 0}, {5, 2, 1, 2, 0}, {5, 3, 6, 1, 0}, {5, 4, 5, 3, 3}});
    return s;
  }
  if (name == "four") {
    // Both rounds (six jornadas) played.
    TestSeason s(4, 4);
    s.setNames(1, clubs.mid(0, 4));
    s.setCurrentJornadas("0601");
    playAll(s, 1, {{1, 1, 4, 0, 3}, {1, 3, 2, 2, 0}, {2, 3, 1, 1, 0}, {2, 4, 2, 1, 2}, {3, 1, 2, 2, 0},
                   {3, 4, 3, 1, 1}, {4, 4, 1, 0, 1}, {4, 2, 3, 2, 2}, {5, 1, 3, 1, 1}, {5, 2, 4, 3, 0},
                   {6, 2, 1, 1, 1}, {6, 3, 4, 0, 2}});
    return s;
  }
  if (name == "ten") {
    // Jornada 18, the few matches all 0-0: no goals anywhere, so every ranking
    // is by points with ties kept in team-number order.
    TestSeason s(10, 4);
    s.setCurrentJornadas("1801");
    playAll(s, 1, {{16, 10, 1, 0, 0}, {17, 6, 10, 0, 0}, {10, 2, 3, 0, 0}, {11, 4, 2, 0, 0}, {12, 2, 5, 0, 0},
                   {4, 7, 1, 0, 0}, {5, 1, 8, 0, 0}});
    return s;
  }
  if (name == "twenty") {
    // 1ª at jornada 25, 2ª (22 clubs) at 20; jornadas 5 and 19 of the calendar written out by hand.
    TestSeason s(20, 22);
    s.setCurrentJornadas("2520");
    s.calendar1.replace(4 * 40, 40, "0102030405060708091011121314151617181920");
    s.calendar1.replace(18 * 40, 40, "0120021903180417051606150714081309121011");
    playAll(s, 1, {{15, 4, 9, 2, 1}, {5, 1, 2, 0, 2}, {24, 2, 1, 3, 1}});
    playAll(s, 2, {{15, 2, 3, 3, 0}});
    return s;
  }
  if (name == "sign") {
    // ALBAS wins at home in jornada 1, loses away in 2, draws at home in 3 and wins away in 4.
    TestSeason s(4, 4);
    s.setNames(1, clubs.mid(0, 4));
    s.setCurrentJornadas("0401");
    playAll(s, 1, {{1, 1, 2, 2, 0}, {1, 3, 4, 0, 0}, {2, 3, 1, 1, 0}, {2, 4, 2, 1, 1}, {3, 1, 4, 2, 2},
                   {3, 2, 3, 0, 1}, {4, 2, 1, 0, 3}});
    return s;
  }
  // "long", 22 clubs: team 1 plays twenty home matches (three losses, then a win
  // in even jornadas and a draw in odd ones); team 22 wins three away.
  TestSeason s(22, 4);
  s.setCurrentJornadas("2001");
  for (int j = 1; j <= 20; ++j)
    s.play(1, 1, j + 1, j, j > 3 && j % 2 == 0 ? 1 : 0, j <= 3 ? 1 : 0);
  playAll(s, 1, {{1, 21, 22, 0, 1}, {2, 20, 22, 0, 2}, {3, 19, 22, 1, 2}});
  return s;
}

QStringList linesFrom(const controls::ListBox &list, int first)
{
  return list.lines().mid(first);
}

QStringList rowOf(const controls::Grid &grid, int row)
{
  QStringList cells;
  for (int c = 0; c < grid.cols(); ++c)
    cells.append(grid.text(row, c));
  return cells;
}

QString pad(const QString &s, int width)
{
  return s + QString(width - s.size(), u' ');
}

// Loads a season by name; "four, 05.. first" is "four" with ALBAS-CIMAS typed
// in without a result ("05.."), as it stands in memory until the file is saved.
bool loadNamed(FormFixture &f, const QString &name)
{
  const bool typed = name == "four, 05.. first";
  if (!f.load(seasonNamed(typed ? "four" : name)))
    return false;
  if (typed)
    f.form->season.setRecord(3, "05..");
  return true;
}

const QString kTitle = QStringLiteral("Clasificación de los Equipos de   1ª División,  J. Inicial= ");

} // namespace

class ViewsTest : public QObject {
  Q_OBJECT

private slots:
  // ---- standings ----

  void standingsLines_data()
  {
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("from");
    QTest::addColumn<QStringList>("expected");
    // Jornadas 1-5, points: BRAVO 10, ALBAS 8, CIMAS 7, ECHOS 5 (ahead of DUNAS 5
    // on goal difference, their only meeting 3-3), FAROS 4.
    QTest::newRow("whole round, names") << "05" << 1 << 0 << 0
                                        << QStringList{"", "Clasifica", "NºEquipos", "-------------", " 1 BRAVO ",
                                                       " 2 ALBAS ", " 3 CIMAS ", " 4 ECHOS ", " 5 DUNAS ", " 6 FAROS "};
    QTest::newRow("whole round, goals")
        << "05" << 1 << 1 << 0
        << QStringList{"     G  O  L  E  S ", "  Cas Fuer- Fav/Con", "F  C  F  C -GF GC", "----------------------",
                       " 5  4  1  0| 6  4", " 7  3  0  2| 7  5", " 3  2  2  2| 5  4", " 4  0  6  9|10  9",
                       " 4  6  3  3| 7  9", " 0  1  4  7| 4  8"};
    QTest::newRow("whole round, matches")
        << "05" << 1 << 2 << 0
        << QStringList{" E N C U E N T R O S", "     Casa     Fuera ", "Nº| G  E Pe- G  E Pe", "--------------------",
                       " 1| 2  1  1- 1  0  0", " 2| 2  2  0- 0  0  1", " 3| 1  2  0- 0  2  0", " 4| 1  0  0- 0  2  2",
                       " 5| 0  1  1- 1  1  1", " 6| 0  0  1- 1  1  2"};
    // Equated points use the coefficients of the whole season (home points / 5 / 2):
    // ALBAS 0.8, BRAVO 0.7 / 0.3, CIMAS 0.5 / 0.2, DUNAS 0.1 / 0.4, ECHOS 0.3 / 0.2, FAROS 0 / 0.4.
    QTest::newRow("whole round, equated and negative")
        << "05" << 1 << 3 << 0
        << QStringList{"P. Equiparados PUNTOS NEGATIVOS", " Cas  Fue Tt.  C /Fu Tt.-Cas/Fu Tt",
                       "Pec  Pef  PeT  PC FF PT- Nc Nf -NT", "-------------------------------------",
                       "04.9 00.9 05.8| 7  3 10  -4  3 -1", "06.4 00.0 06.4| 8  0  8  -2  0 -2",
                       "02.5 00.4 02.9| 5  2  7  -2  2  0", "00.9 00.4 01.3| 3  2  5   0  2  2",
                       "00.1 01.6 01.7| 1  4  5  -4  4  0", "00.0 01.6 01.6| 0  4  4  -3  4  1"};
    QTest::newRow("whole round, right names") << "05" << 1 << 4 << 0
                                              << QStringList{" ", "Clasifica", "NºEquipos", "----------", " 1 BRAVO",
                                                             " 2 ALBAS", " 3 CIMAS", " 4 ECHOS", " 5 DUNAS", " 6 FAROS"};
    // Jornadas 2-5: ALBAS wins twice and draws once at home: 3 x 0.8 x 2 + 0.8.
    QTest::newRow("window 2-5, coefficient 0.8")
        << "05" << 2 << 3 << 4
        << QStringList{"02.8 00.9 03.7| 4  3  7  -4  3 -1", "05.6 00.0 05.6| 7  0  7  -1  0 -1",
                       "02.0 00.4 02.4| 4  2  6  -1  2  1", "00.9 00.4 01.3| 3  2  5   0  2  2",
                       "00.1 01.2 01.3| 1  3  4  -4  3 -1", "00.0 01.2 01.2| 0  3  3  -3  3  0"};
    // Jornada 3 alone: ALBAS 3-1 DUNAS, CIMAS 2-2 ECHOS, FAROS 0-1 BRAVO. BRAVO goes
    // above ALBAS and FAROS above DUNAS on meetings played outside the window.
    QTest::newRow("one jornada, names") << "03" << 3 << 0 << 4
                                        << QStringList{" 1 BRAVO ", " 2 ALBAS ", " 3 CIMAS ", " 4 ECHOS ", " 5 FAROS ",
                                                       " 6 DUNAS "};
    QTest::newRow("one jornada, goals") << "03" << 3 << 1 << 4
                                        << QStringList{" 0  0  1  0| 1  0", " 3  1  0  0| 3  1", " 2  2  0  0| 2  2",
                                                       " 0  0  2  2| 2  2", " 0  1  0  0| 0  1", " 0  0  1  3| 1  3"};
    QTest::newRow("one jornada, equated and negative")
        << "03" << 3 << 3 << 4
        << QStringList{"00.0 00.9 00.9| 0  3  3   0  3  3", "02.4 00.0 02.4| 3  0  3   0  0  0",
                       "00.5 00.0 00.5| 1  0  1  -1  0 -1", "00.0 00.2 00.2| 0  1  1   0  1  1",
                       "00.0 00.0 00.0| 0  0  0  -3  0 -3", "00.0 00.0 00.0| 0  0  0   0  0  0"};
    QTest::newRow("empty jornada box counts nothing") << "" << 1 << 1 << 4
                                                      << QStringList(6, " 0  0  0  0| 0  0");
  }

  void standingsLines()
  {
    QFETCH(QString, text1);
    QFETCH(int, first);
    QFETCH(int, list);
    QFETCH(int, from);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("six")));
    f.form->Text1.text = text1;
    f.form->firstJornada = static_cast<int16_t>(first);
    f.form->Command12_Click();
    QTEST(linesFrom(f.form->List12[list], from), "expected");
    QCOMPARE(f.form->currentView, 12);
    QCOMPARE(f.form->viewSlot, 7);
    QVERIFY(f.form->Frame7.visible);
  }

  // A match typed in as ".." keeps its jornada digits ("05..") until the file is
  // saved; the standings must treat it as not played, not as a goalless draw.
  void typedUnplayedMatchIsNotAResult()
  {
    FormFixture a, b;
    QVERIFY(loadNamed(a, "four, 05.. first"));
    QVERIFY(loadNamed(b, "four"));
    b.form->season.setRecord(3, "....");
    for (FormFixture *f : {&a, &b})
      f->form->Command12_Click();
    for (int k = 0; k < 5; ++k)
      QCOMPARE(a.form->List12[k].lines(), b.form->List12[k].lines());
    // ALBAS, last, keeps two home results (0-3 v DUNAS, 2-0 v BRAVO) and no home draw.
    QCOMPARE(a.form->List12[0].item(7), QStringLiteral(" 4 ALBAS "));
    QCOMPARE(a.form->List12[2].item(7), QStringLiteral(" 4| 1  0  1- 1  1  1"));
  }

  void standingsTitle_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("presses"); // of the window button once the standings are shown
    QTest::addColumn<QString>("expected"); // the title from the first jornada on
    QTest::newRow("first below 1 is raised") << "six" << "05" << 0 << 0 << "01   J. Final=05       Nº Jdas. =05";
    QTest::newRow("one jornada") << "six" << "3" << 3 << 0 << "03   J. Final=03       Nº Jdas. =01";
    QTest::newRow("empty box: length zero") << "six" << "" << 1 << 0 << "01   J. Final=00       Nº Jdas. =00";
    QTest::newRow("end before start: shown negative")
        << "six" << "02" << 4 << 0 << "04   J. Final=02       Nº Jdas. =-01";
    QTest::newRow("window: last 10") << "twenty" << "25" << 1 << 1 << "16   J. Final=25       Nº Jdas. =10";
    QTest::newRow("window: last 19") << "twenty" << "25" << 1 << 2 << "07   J. Final=25       Nº Jdas. =19";
    QTest::newRow("window: back to 1") << "twenty" << "25" << 1 << 3 << "01   J. Final=25       Nº Jdas. =25";
    QTest::newRow("window: starts again") << "twenty" << "25" << 1 << 4 << "16   J. Final=25       Nº Jdas. =10";
  }

  void standingsTitle()
  {
    QFETCH(QString, season);
    QFETCH(QString, text1);
    QFETCH(int, first);
    QFETCH(int, presses);
    QFETCH(QString, expected);
    FormFixture f;
    QVERIFY(loadNamed(f, season));
    f.form->Text1.text = text1;
    f.form->firstJornada = static_cast<int16_t>(first);
    f.form->Command12_Click();
    for (int i = 0; i < presses; ++i)
      f.form->Label34_Click();
    QCOMPARE(f.form->Label7.caption, "7ª " + kTitle + expected);
  }

  // "Retrocede" at jornada 25 sets the window 16..25; the jornada then moves
  // back to 12 with the black box. The initial jornada never stays after the
  // final one: the next standings count the last ten and say so, and the
  // next press starts the round again, as after jornada 1. A window typed in
  // (the companion's --desde) is shown as it is.
  void retrocedeClamped_data()
  {
    QTest::addColumn<QString>("then"); // what the player does at jornada 12
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("told");
    const QString told = "La jornada inicial, la 16, quedaba después de la final, la 12.\r\n"
                         "La clasificación cuenta ahora las jornadas 3 a 12.";
    QTest::newRow("Clasificaciones") << "Command12" << "03   J. Final=12       Nº Jdas. =10" << told;
    QTest::newRow("Quiniela") << "Command13" << "03   J. Final=12       Nº Jdas. =10" << told;
    QTest::newRow("Retrocede again") << "Label34" << "03   J. Final=12       Nº Jdas. =10" << "";
    QTest::newRow("a window typed in") << "typed" << "16   J. Final=12       Nº Jdas. =-03" << "";
  }
  void retrocedeClamped()
  {
    QFETCH(QString, then);
    QFETCH(QString, told);
    FormFixture f;
    QVERIFY(loadNamed(f, "twenty"));
    Qmodelop &q = *f.form;
    q.Command12_Click();
    if (then == "typed") {
      q.firstJornada = 16;
    } else {
      q.Label34_Click();
      QCOMPARE(q.Label7.caption, "7ª " + kTitle + "16   J. Final=25       Nº Jdas. =10");
    }
    for (int i = 0; i < 13; ++i)
      q.Text2_KeyPress(Qmodelop::kMinus);
    QCOMPARE(q.Text1.text, QString("12"));
    q.Text3.text = "13";
    if (then == "Command13")
      q.Command13_Click();
    else if (then == "Label34")
      q.Label34_Click();
    else
      q.Command12_Click();
    QTEST(q.Label7.caption.mid(("7ª " + kTitle).size()), "expected");
    QCOMPARE(f.scripted.messages.shown.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
      QCOMPARE(f.scripted.messages.shown[0].text, told);
      QCOMPARE(f.scripted.messages.shown[0].title, QString("Clasificaciones"));
    }
    // The window follows the jornada from then on, with no second message.
    q.Text2_KeyPress(Qmodelop::kPlus);
    q.Command12_Click();
    QCOMPARE(f.scripted.messages.shown.size(), told.isEmpty() ? 0 : 1);
  }

  void sortKeys_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("order");
    // ECHOS and DUNAS level on home goals: meeting 3-3, ECHOS better difference.
    QTest::newRow("0 home goals, tie on difference")
        << 0 << QStringList{"ALBAS", "BRAVO", "ECHOS", "DUNAS", "CIMAS", "FAROS"};
    QTest::newRow("1 away goals") << 1 << QStringList{"ECHOS", "FAROS", "DUNAS", "CIMAS", "BRAVO", "ALBAS"};
    // ALBAS and DUNAS level on 7: ALBAS won their meeting 3-1.
    QTest::newRow("2 goals, tie on meeting") << 2 << QStringList{"ECHOS", "ALBAS", "DUNAS", "BRAVO", "CIMAS", "FAROS"};
    // +2: BRAVO beat ALBAS 2-0. +1: CIMAS and ECHOS drew 2-2 and level on
    // difference, ECHOS scored 10 to 5.
    QTest::newRow("3 difference, meeting then goals")
        << 3 << QStringList{"BRAVO", "ALBAS", "ECHOS", "CIMAS", "DUNAS", "FAROS"};
    QTest::newRow("4 home points") << 4 << QStringList{"ALBAS", "BRAVO", "CIMAS", "ECHOS", "DUNAS", "FAROS"};
    // FAROS won 3-1 at DUNAS: first despite the worse difference (-4 to -2).
    QTest::newRow("5 away points, meeting beats difference")
        << 5 << QStringList{"FAROS", "DUNAS", "BRAVO", "ECHOS", "CIMAS", "ALBAS"};
    QTest::newRow("6 points") << 6 << QStringList{"BRAVO", "ALBAS", "CIMAS", "ECHOS", "DUNAS", "FAROS"};
  }

  void sortKeys()
  {
    QFETCH(int, key);
    QFETCH(QStringList, order);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("six")));
    f.form->Label40_Click(key);
    QStringList names;
    for (const QString &line : linesFrom(f.form->List12[4], 4))
      names.append(line.mid(3));
    QCOMPARE(names, order);
    QCOMPARE(f.form->sortKey, key);
    QVERIFY(f.form->Label7.caption.startsWith(QString::number(key + 1) + "ª Clasificación"));
    for (int i = 0; i < 7; ++i)
      QCOMPARE(f.form->Label40[i].backColour, i == key ? controls::rgb(0, 255, 255) : controls::rgb(192, 192, 192));
    // The arrays are left in the order shown.
    for (int t = 1; t <= 6; ++t)
      QCOMPARE(f.form->teamName[t], order[t - 1]);
  }

  void sampleSeasonStandings()
  {
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato13.txt")));
    QCOMPARE(f.form->Text1.text, QStringLiteral("38"));
    f.form->Command12_Click();
    const auto &lists = f.form->List12;
    QCOMPARE(lists[0].count(), 24);
    QCOMPARE(linesFrom(lists[0], 4).mid(0, 3), (QStringList{" 1 BARÇA ", " 2 R.MAD ", " 3 ATLÉT "}));
    // Total points are the field "@@@ " at characters 21-24 of List12(3).
    for (int i = 0; i < 3; ++i)
      QCOMPARE(lists[3].item(4 + i).mid(20, 4), (QStringList{"100 ", " 85 ", " 76 "}[i]));
    // The valuation reads these lines by position: the separators stand still
    // (BARÇA's 115 goals only lengthen the end of its line).
    for (int i = 4; i < 24; ++i)
      QCOMPARE(QString(lists[1].item(i)[11]) + lists[2].item(i)[2] + lists[2].item(i)[11] + lists[3].item(i)[14],
               QStringLiteral("||-|"));
  }

  // ---- results grid ----

  void resultSign_data()
  {
    QTest::addColumn<QString>("goals");
    QTest::addColumn<QString>("sign");
    QTest::newRow("home win") << "30" << "1";
    QTest::newRow("away win") << "13" << "2";
    QTest::newRow("draw") << "22" << "X";
    QTest::newRow("unplayed") << ".." << "-";
    QTest::newRow("empty") << "" << "-";
    QTest::newRow("dot then goals: away") << ".5" << "2";
    QTest::newRow("goals then dot: home") << "5." << "1";
    QTest::newRow("dot then nought") << ".0" << "-";
    QTest::newRow("nought then dot") << "0." << "X";
  }

  void resultSign()
  {
    QFETCH(QString, goals);
    FormFixture f;
    f.form->resultSign(goals);
    QTEST(f.form->signChar, "sign");
  }

  void resultsGrid_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("cell");
    QTest::newRow("played in 15, box 15") << 1 << "15" << 4 << 9 << "21";
    QTest::newRow("played in 15, box 14") << 1 << "14" << 4 << 9 << "  ";
    QTest::newRow("return match unplayed") << 1 << "25" << 9 << 4 << "  ";
    QTest::newRow("away win") << 1 << "05" << 1 << 2 << "02";
    QTest::newRow("diagonal") << 1 << "25" << 5 << 5 << "»«";
    QTest::newRow("box not a number: diagonal") << 1 << "xx" << 5 << 5 << "»«";
    QTest::newRow("box not a number: blank") << 1 << "xx" << 4 << 9 << "  ";
    QTest::newRow("corner") << 1 << "15" << 0 << 0 << "No Equips";
    QTest::newRow("heading 9") << 1 << "15" << 0 << 9 << " 9";
    QTest::newRow("row label 4") << 1 << "15" << 4 << 0 << " 4-T1004";
    QTest::newRow("row label 20") << 1 << "15" << 20 << 0 << "20-T1020";
    QTest::newRow("2ª row label from slot 23") << 2 << "15" << 1 << 0 << " 1-T2001";
    QTest::newRow("2ª played in 15") << 2 << "15" << 2 << 3 << "30";
    QTest::newRow("2ª box 14") << 2 << "14" << 2 << 3 << "  ";
  }

  void resultsGrid()
  {
    QFETCH(int, division);
    QFETCH(QString, text1);
    QFETCH(int, row);
    QFETCH(int, col);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("twenty")));
    Qmodelop &form = *f.form;
    if (division == 2)
      form.Command6_Click();
    form.Text1.text = text1;
    form.Command7_Click();
    QTEST(form.tab1.text(row, col), "cell");
    const int n = division == 1 ? 20 : 22;
    QCOMPARE(form.tab1.rows(), n + 1);
    QCOMPARE(form.tab1.cols(), n + 1);
    QCOMPARE(form.tab1.colWidth(1), division == 1 ? 340 : 320);
    // The caption follows the jornada shown, not the box.
    const QString title = QStringLiteral("       Cuadrante de Resultados de los Equipos de  ");
    QCOMPARE(form.Label4.caption, division == 1 ? "Jornada No 25" + title + "Primera División"
                                                : "Jornada No 20" + title + "Segunda División");
    QCOMPARE(form.currentView, 7);
    QCOMPARE(form.viewSlot, 1);
  }

  void equivalentJornada_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<int>("jornada");
    QTest::addColumn<QStringList>("list7"); // lines 0, 2 and 11
    QTest::addColumn<QStringList>("list8");
    QTest::newRow("5 -> 24") << 1 << 5 << QStringList{" 1ª DIVISIÓN Jorn=", " 1 T1002-T1001", "10 T1020-T1019"}
                             << QStringList{"24", "31", ".."};
    QTest::newRow("24 -> 5") << 1 << 24 << QStringList{" 1ª DIVISIÓN Jorn=", " 1 T1001-T1002", "10 T1019-T1020"}
                             << QStringList{" 5", "02", ".."};
    QTest::newRow("19 -> 38") << 1 << 19 << QStringList{" 1ª DIVISIÓN Jorn=", " 1 T1020-T1001", "10 T1011-T1010"}
                              << QStringList{"38", "..", ".."};
    QTest::newRow("20 -> 1") << 1 << 20 << QStringList{" 1ª DIVISIÓN Jorn=", " 1 T1001-T1020", "10 T1011-T1010"}
                             << QStringList{" 1", "..", ".."};
    QTest::newRow("2ª 20 -> 41") << 2 << 20 << QStringList{" 2ª DIVISIÓN Jorn="} << QStringList{"41"};
  }

  void equivalentJornada()
  {
    QFETCH(int, division);
    QFETCH(int, jornada);
    QFETCH(QStringList, list7);
    QFETCH(QStringList, list8);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("twenty")));
    Qmodelop &form = *f.form;
    if (division == 2)
      form.Command6_Click();
    form.jornada = static_cast<int16_t>(jornada);
    form.Command3_Click();
    const int lineCount = division == 1 ? 12 : 13; // heading, blank line, one line per match
    QVERIFY(form.List7.count() == lineCount && form.List8.count() == lineCount);
    QVERIFY(form.List7.item(1).isEmpty() && form.List8.item(1).isEmpty());
    const int lines[3] = {0, 2, 11};
    for (int k = 0; k < list7.size(); ++k) {
      QCOMPARE(form.List7.item(lines[k]), list7[k]);
      QCOMPARE(form.List8.item(lines[k]), list8[k]);
    }
  }

  // ---- team evolution ----

  void evolutionLines_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("list");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("points");
    const QStringList heading4{"--> 4 Ult.Jorndas", "---------------------"};
    const QStringList pointsHeading{"P/Ng", "------"};
    // Jornadas 3-6: ALBAS W, W away, D, D away = 8 and +3; BRAVO L away, D, W, D = 5
    // and -2; DUNAS D, L, L away, W away = 4 and -1; CIMAS D away, D away, D away, L = 3 and 0.
    const QStringList names4 = heading4 + QStringList{"    1 ALBAS ......", "    2 BRAVO ......", "    3 DUNAS ......",
                                                      "    4 CIMAS ......"};
    const QStringList points4 = pointsHeading + QStringList{" 8  3", " 5 -2", " 4 -1", " 3  0"};
    QTest::newRow("last 4 of 6") << "four" << "06" << 4 << names4 << points4;
    QTest::newRow("ends at the file's jornada, not the box") << "four" << "04" << 4 << names4 << points4;
    // ALBAS-CIMAS of jornada 5 holds "05..": the scan of jornada 5 stops there,
    // so BRAVO 3-0 DUNAS is not counted either. CIMAS above BRAVO: meetings 2-0, 2-2.
    QTest::newRow("unplayed first match stops the jornada")
        << "four, 05.. first" << "06" << 4
        << heading4 + QStringList{"    1 ALBAS ......", "    2 DUNAS ......", "    3 CIMAS ......", "    4 BRAVO ......"}
        << pointsHeading + QStringList{" 7  4", " 4 -1", " 2 -1", " 2 -2"};
    QTest::newRow("ten clubs, last 16")
        << "ten" << "18" << 2
        << QStringList{"--> 16 Ult.Jorndas", "---------------------", "    1 T1001 ......", "    2 T1002 ......",
                       "    3 T1010 ......", "    4 T1003 ......", "    5 T1004 ......", "    6 T1005 ......",
                       "    7 T1006 ......", "    8 T1007 ......", "    9 T1008 ......", "   10 T1009 ......"}
        << pointsHeading + QStringList{" 3  1", " 3 -1", " 2  0", " 1  1", " 1 -1", " 1  1", " 1 -1", " 1 -1",
                                       " 1  1", " 0  0"};
  }

  void evolutionLines()
  {
    QFETCH(QString, season);
    QFETCH(QString, text1);
    QFETCH(int, list);
    FormFixture f;
    QVERIFY(loadNamed(f, season));
    f.form->Text1.text = text1;
    f.form->Command11_Click();
    QTEST(f.form->List2[list].lines(), "names");
    QTEST(f.form->List3[list].lines(), "points");
    QCOMPARE(f.form->Label27.caption, "   1ra División Última Jornada= " + text1 +
                                          " Evolución de los Equipos, Últimas Jornadas 30,24,18,12,6");
    QVERIFY(f.form->evolutionShown);
    QCOMPARE(f.form->currentView, 11);
  }

  void evolutionWindows_data()
  {
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QList<int>>("counts"); // lines of List2(0..4)
    QTest::newRow("jornada 2: none") << "02" << QList<int>{0, 0, 0, 0, 0};
    QTest::newRow("jornada 3: last 4") << "03" << QList<int>{0, 0, 0, 0, 22};
    QTest::newRow("jornada 20: 4, 10, 16") << "20" << QList<int>{0, 0, 22, 22, 22};
    QTest::newRow("jornada 26: four windows") << "26" << QList<int>{0, 22, 22, 22, 22};
    QTest::newRow("jornada 27: all five") << "27" << QList<int>{22, 22, 22, 22, 22};
  }

  void evolutionWindows()
  {
    QFETCH(QString, text1);
    QFETCH(QList<int>, counts);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("twenty")));
    f.form->Text1.text = text1;
    f.form->Command11_Click();
    const char *headings[5] = {"--> 28 Ult.Jorndas", "--> 22 Ult.Jorndas", "--> 16 Ult.Jorndas", "--> 10 Ult.Jorndas",
                               "--> 4 Ult.Jorndas"};
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(f.form->List2[i].count(), counts[i]);
      QCOMPARE(f.form->List3[i].count(), counts[i]);
      QCOMPARE(f.form->List2[i].item(0), counts[i] ? QString::fromUtf8(headings[i]) : QString());
    }
  }

  void list2Click_data()
  {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("selected"); // List2(0..4)
    // Order of the windows: last 4: T1010 T1001 T1006 ...; last 10: T1002 T1010
    // T1001 ...; last 16: T1001 T1002 T1010 ...
    QTest::newRow("position 3 of List2(2)") << 2 << 4 << QList<int>{-1, -1, 4, 3, 2};
    QTest::newRow("position 1 of List2(4)") << 4 << 2 << QList<int>{-1, -1, 4, 3, 2};
    QTest::newRow("position 1 of List2(2)") << 2 << 2 << QList<int>{-1, -1, 2, 4, 3};
    QTest::newRow("last of List2(3)") << 3 << 11 << QList<int>{-1, -1, 11, 11, 11};
  }

  void list2Click()
  {
    QFETCH(int, list);
    QFETCH(int, line);
    QFETCH(QList<int>, selected);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("ten")));
    f.form->Command11_Click();
    f.form->List2[list].setListIndex(line);
    f.form->List2_Click(list);
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(f.form->List2[i].listIndex(), selected[i]);
      QCOMPARE(f.form->List3[i].listIndex(), selected[i]);
    }
  }

  // ---- sign evolution ----

  void signEvolution_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("team");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("won home, lost away, drew home")
        << "sign" << "3" << 1
        << QStringList{" 1 ALBAS",
                       pad("ge", 17), " 1  1  0", pad(".", 17), " 0  0  1", pad("g·e", 37), " 1  1  1", "  0"};
    QTest::newRow("away win in jornada 4 counts at 4")
        << "sign" << "4" << 1
        << QStringList{" 1 ALBAS",
                       pad("ge", 17), " 1  1  0", pad(".G", 17), " 1  0  1", pad("g·eG", 37), " 2  1  1", "  3"};
    QTest::newRow("draws at both venues")
        << "sign" << "3" << 4
        << QStringList{" 4 DUNAS",
                       pad("e", 17), " 0  1  0", pad("EE", 17), " 0  2  0", pad("EeE", 37), " 0  3  0", "  3"};
    QTest::newRow("losses at both venues, negative pot")
        << "sign" << "3" << 2
        << QStringList{" 2 BRAVO",
                       pad("-", 17), " 0  0  1", pad(".E", 17), " 0  1  1", pad("·E-", 37), " 0  1  2", " -2"};
    QTest::newRow("twenty home matches, last 17 letters")
        << "long" << "20" << 1
        << QStringList{" 1 T1001", "gegegegegegegegeg", " 9  8  3", pad("", 17), " 0  0  0",
                       pad("---gegegegegegegegeg", 37), " 9  8  3", "  1"};
    QTest::newRow("three away wins: pot 9")
        << "long" << "20" << 22
        << QStringList{"22 T1022",
                       pad("", 17), " 0  0  0", pad("GGG", 17), " 3  0  0", pad("GGG", 37), " 3  0  0", "  9"};
    QTest::newRow("before any match") << "sign" << "0" << 1
                                      << QStringList{" 1 ALBAS", pad("", 17), " 0  0  0", pad("", 17), " 0  0  0",
                                                     pad("", 37), " 0  0  0", "  0"};
  }

  void signEvolution()
  {
    QFETCH(QString, season);
    QFETCH(QString, text1);
    QFETCH(int, team);
    FormFixture f;
    QVERIFY(loadNamed(f, season));
    f.form->Text1.text = text1;
    f.form->Command4_Click();
    QTEST(rowOf(f.form->tabl1x2, team), "cells");
    QCOMPARE(f.form->tabl1x2.rows(), f.form->teamCount() + 1);
    QCOMPARE(f.form->currentView, 10);
  }

  void signEvolutionCaption()
  {
    FormFixture f;
    QVERIFY(f.load(seasonNamed("sign")));
    f.form->Text1.text = "3";
    f.form->Command4_Click();
    QCOMPARE(f.form->lookupJornada, QStringLiteral(" 3"));
    QCOMPARE(f.form->Label53.caption,
             QStringLiteral("  EVOLUCIÓN:  ULTIMOS  RESULTADOS: Primera División Ultima Jornada Nº   3\r\n"
                            "   Equipos:   C A S A          F U E R A                 T O T A L   (G E P)"));
    QCOMPARE(rowOf(f.form->tabl1x2, 0), (QStringList{"Nº Equip", "Result.: Casa:1X2", "pg pe pp", "Result.:Fuera:1X2",
                                                     "pG pE pP", "Result.: Total:1X2", "PG PE PP", "Pot"}));
    QCOMPARE(f.form->tabl1x2.cellColour(1, 3), controls::rgb(0, 255, 0));
    QCOMPARE(f.form->tabl1x2.cellColour(1, 5), controls::rgb(0, 255, 255));
    QCOMPARE(f.form->tabl1x2.cellColour(2, 3), controls::rgb(192, 192, 192));
  }

  // ---- general grid click ----

  void tablagPicks_data()
  {
    QTest::addColumn<QList<int>>("rows"); // clicks in column 1, except a negative row: column 2
    QTest::addColumn<QString>("picked");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<int>("tab1Row");
    // General standings of the four clubs: CIMAS 9, ALBAS 8, BRAVO 8 (ALBAS won
    // their meetings 3 goals to 1), DUNAS 7. tab1 rows are team numbers.
    QTest::newRow("one pick") << QList<int>{1} << "CIMAS" << false << 3;
    QTest::newRow("column 2 picks too") << QList<int>{-4} << "DUNAS" << false << 4;
    QTest::newRow("three picks") << QList<int>{1, 2, 3} << "CIMASALBASBRAVO" << false << 2;
    QTest::newRow("fourth drops the oldest") << QList<int>{1, 2, 3, 4} << "ALBASBRAVODUNAS" << false << 4;
    QTest::newRow("third name again: itself") << QList<int>{1, 2, 3, 3} << "CIMASALBASBRAVO" << true << 2;
    QTest::newRow("and again: the second") << QList<int>{1, 2, 3, 3, 3} << "CIMASALBASBRAVO" << false << 1;
    QTest::newRow("and again: the third") << QList<int>{1, 2, 3, 3, 3, 3} << "CIMASALBASBRAVO" << true << 2;
    QTest::newRow("second name again is appended") << QList<int>{1, 2, 3, 2} << "ALBASBRAVOALBAS" << false << 1;
    QTest::newRow("same name twice") << QList<int>{1, 1} << "CIMASCIMAS" << false << 3;
  }

  void tablagPicks()
  {
    QFETCH(QList<int>, rows);
    QFETCH(int, tab1Row);
    FormFixture f;
    QVERIFY(f.load(seasonNamed("four")));
    Qmodelop &form = *f.form;
    QCOMPARE(form.currentView, 7);
    for (int row : rows)
      form.tablag_Click(std::abs(row), row < 0 ? 2 : 1);
    QTEST(form.pickedNames, "picked");
    QTEST(form.pickToggle, "toggle");
    // The team's row of the results grid is selected whole.
    QCOMPARE(QList<int>({form.tab1.row, form.tab1.rowSel, form.tab1.col, form.tab1.colSel}),
             QList<int>({tab1Row, tab1Row, 0, 4}));
  }

  void tablagMarksOpenView_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QList<int>>("selection");
    // Ten clubs: the general standings read T1001, T1002, T1010, T1003...; so do
    // the standings view and the last 16 jornadas; T1010 leads the last 4 and is
    // second in the last 10.
    QTest::newRow("results grid") << "ten" << 7 << 3 << 1 << QList<int>{10, 10, 0, 10};
    QTest::newRow("sign evolution") << "ten" << 10 << 3 << 2 << QList<int>{10, 10, 0, 7};
    QTest::newRow("team evolution") << "ten" << 11 << 3 << 1 << QList<int>{-1, -1, 4, 3, 2, -1, -1, 4, 3, 2};
    QTest::newRow("standings") << "ten" << 12 << 3 << 1 << QList<int>{6, 6, 6, 6, 6};
    QTest::newRow("column 0 does nothing") << "ten" << 12 << 3 << 0 << QList<int>{-1, -1, -1, -1, -1};
    QTest::newRow("standings of four: too few lines") << "four" << 12 << 1 << 1 << QList<int>{-1, -1, -1, -1, -1};
    QTest::newRow("evolution of four: too few lines")
        << "four" << 11 << 1 << 1 << QList<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
  }

  void tablagMarksOpenView()
  {
    QFETCH(QString, season);
    QFETCH(int, view);
    QFETCH(int, row);
    QFETCH(int, col);
    FormFixture f;
    QVERIFY(loadNamed(f, season));
    Qmodelop &form = *f.form;
    const QMap<int, void (Qmodelop::*)()> buttons = {{7, &Qmodelop::Command7_Click},
                                                     {10, &Qmodelop::Command4_Click},
                                                     {11, &Qmodelop::Command11_Click},
                                                     {12, &Qmodelop::Command12_Click}};
    (form.*buttons[view])();
    form.tablag_Click(row, col);
    QList<int> got;
    auto gridSelection = [&](const controls::Grid &g) { got << g.row << g.rowSel << g.col << g.colSel; };
    if (view == 7)
      gridSelection(form.tab1);
    else if (view == 10)
      gridSelection(form.tabl1x2);
    else if (view == 11)
      for (const auto *lists : {&form.List2, &form.List3})
        for (const auto &list : *lists)
          got << list.listIndex();
    else
      for (const auto &list : form.List12)
        got << list.listIndex();
    QTEST(got, "selection");
    if (col == 0)
      QCOMPARE(form.pickedNames, QString());
    if (view == 7) {
      // The results locator ran on T1010's row.
      QCOMPARE(form.Label19[0].caption, QStringLiteral("Eq.Casa:10-T1010"));
      QVERIFY(form.awayPick);
    }
  }

  // ---- jornadas ten by ten ----

  void tenByTen_data()
  {
    QTest::addColumn<int>("jornada");
    QTest::addColumn<QList<int>>("shown"); // the jornada in lists 0..9, 0 for an empty list
    QTest::newRow("23") << 23 << QList<int>{19, 20, 21, 22, 23, 14, 15, 16, 17, 18};
    QTest::newRow("6") << 6 << QList<int>{2, 3, 4, 5, 6, 0, 0, 0, 0, 1};
  }

  void tenByTen()
  {
    QFETCH(int, jornada);
    QFETCH(QList<int>, shown);
    FormFixture f;
    QVERIFY(loadNamed(f, "twenty"));
    f.form->jornada = static_cast<int16_t>(jornada);
    f.form->Command8_Click();
    for (int k = 0; k < 10; ++k) {
      const QString heading = shown[k] ? QString(" Jornada %1   ---------").arg(shown[k], 2, 10, QChar('0')) : QString();
      QCOMPARE(f.form->List10[k].item(1), heading);
      QCOMPARE(f.form->List10[k].count(), shown[k] ? 13 : 0);
    }
    // Jornada 5 of the hand-written calendar: T1001-T1002 0-2, T1005-T1006 unplayed.
    if (jornada == 6) {
      QCOMPARE(f.form->List10[3].item(3), QString(" 1 T1001-T1002"));
      QCOMPARE(f.form->List11[3].item(3), QString("02 2"));
      QCOMPARE(f.form->List11[3].item(5), QString(".. -"));
    }
    QCOMPARE(f.form->currentView, 8);
  }

  // A 3-1 reads "31 1"; the block moves by ten, at most to the season's end.
  void tenByTenMoves()
  {
    FormFixture f;
    QVERIFY(loadNamed(f, "twenty"));
    f.form->jornada = 25;
    f.form->Command25_Click();
    QCOMPARE(f.form->tenBlockEnd, int16_t(10));
    QCOMPARE(f.form->List10[4].item(1), QString(" Jornada 10   ---------"));
    f.form->tenBlockEnd = 35;
    f.form->Command26_Click();
    QCOMPARE(f.form->tenBlockEnd, int16_t(38));
    QCOMPARE(f.form->List10[4].item(1), QString(" Jornada 25   ---------"));
    // Jornada 24 is jornada 5 exchanged: T1002-T1001 3-1 leads it.
    QCOMPARE(f.form->List10[3].item(3), QString(" 1 T1002-T1001"));
    QCOMPARE(f.form->List11[3].item(3), QString("31 1"));
    int row = 1;
    while (row < 20 && f.form->tablag.text(row, 1) != " T1002")
      ++row;
    f.form->tablag_Click(row, 1); // T1002 in the general standings: marked in each jornada listed
    QCOMPARE(f.form->List10[3].listIndex(), 3);
    QCOMPARE(f.form->List11[3].listIndex(), 3);
  }

  // ---- team history ----

  void teamHistory()
  {
    FormFixture f;
    QVERIFY(loadNamed(f, "twenty"));
    vaticor::Qmodelop &q = *f.form;
    q.Text1.text = "45";
    q.historyLast = 18;
    q.Command27_Click();
    QCOMPARE(q.Text1.text, QString(" 38"));
    QCOMPARE(q.Frame8.caption, QString("  1ª Div. Jornada= 38  Historial de cada Equipo, por Jornadas. "));
    QVERIFY(q.Label38.caption.startsWith("Jnd 15-T1015 Cs Fu Jnd 16-T1016"));
    q.Command27_Click();
    QVERIFY(q.Label38.caption.startsWith("Jnd 15-T1015"));
    q.historyLast = 6;
    q.Command9_Click();
    // T1002 won 2-0 away at T1001 in jornada 5 and 3-1 at home to it in 24.
    QCOMPARE(q.List13[1].lines(), (QStringList{" 5 T1001 -V-- 02", "24 C-T1001- 31"}));
    QCOMPARE(q.List13[1].selectedLines(), (QList<int>{0, 1}));
    QCOMPARE(q.List13[0].selectedLines(), QList<int>{}); // T1001 lost both
    QCOMPARE(q.List13[3].lines(), QStringList{"15 C-T1009- 21"});
    QCOMPARE(q.List13[3].selectedLines(), QList<int>{0});
    q.List13[0].setListIndex(1);
    q.List13_Click(0); // the foot of an even list moves forward
    QVERIFY(q.Label38.caption.startsWith("Jnd  7-T1007"));
  }

  // ---- results by goal difference ----

  void resultsByDifference()
  {
    TestSeason s(22, 4);
    s.setCurrentJornadas("0501");
    playAll(s, 1, {{1, 1, 2, 3, 3}, {1, 3, 4, 1, 1}, {2, 5, 6, 2, 0}, {3, 7, 8, 0, 3}, {4, 3, 22, 4, 0},
                   {5, 9, 10, 1, 0}});
    FormFixture f;
    QVERIFY(f.load(s));
    f.form->Text1.text = "04";
    f.form->Command10_Click();
    const auto &l = f.form->List9;
    QCOMPARE(l[0].lines(), QStringList{"04-T1003-T1022=40"}); // cell 66: home 3, away 22
    QCOMPARE(l[1].lines(), QStringList{"02-T1005-T1006=20"}); // 1-0 of jornada 5 left out
    QCOMPARE(l[2].lines(), QStringList{"01-T1003-T1004=11"});
    QCOMPARE(l[3].lines(), QStringList{"01-T1001-T1002=33"});
    QCOMPARE(l[4].lines(), QStringList());
    QCOMPARE(l[5].lines().mid(0, 1), QStringList{"03-T1007-T1008=03"});
    QCOMPARE(l[5].lines().mid(5), (QStringList{"  2   2   4   1", " 40% 40% 80% 20%"}));
    // T1004 drew 1-1 away in jornada 1: a highlighted line of its history.
    f.form->Command9_Click();
    QCOMPARE(f.form->List13[3].item(0), QString(" 1 T1003 -V-- 11"));
    QCOMPARE(f.form->List13[3].selectedLines(), QList<int>{0});
  }

  void statistics_data()
  {
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("10 5 5") << QList<int>{4, 6, 3, 2, 4, 1} << QStringList{" 10   5  15   5", " 50% 25% 75% 25%"};
    QTest::newRow("no draw") << QList<int>{4, 6, 0, 0, 4, 1} << QStringList{" 10   0  10   5", "  0%  0%  0%  0%"};
    QTest::newRow("halves to even") << QList<int>{1, 0, 1, 0, 0, 6} << QStringList{"  1   1   2   6", " 12% 12% 25% 75%"};
  }

  void statistics()
  {
    QFETCH(QList<int>, counts);
    const QStringList block = vaticor::resultStatistics(counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]);
    QCOMPARE(block.mid(0, 4), (QStringList{"", " ==============", "Estadistica:", "Uns  Xs  Uxs Ds"}));
    QTEST(block.mid(4), "lines");
  }

  // 2012/13, 1ª División at jornada 38: every one of its 380 matches, once.
  void realSeasonResultsByDifference()
  {
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato13.txt")));
    f.form->Command10_Click();
    int listed = 0;
    for (const auto &list : f.form->List9)
      listed += list.count();
    QCOMPARE(listed, 380 + 6);
    QCOMPARE(f.form->List9[5].item(f.form->List9[5].count() - 2), QString("189  84 273  107"));
  }

  // Seasons at the limits (no 2ª División, two clubs, the real season) and
  // jornada boxes that make no sense: every view and click survives them, and
  // a jornada past the season shows what the season's last jornada shows.
  void extremeSeasonsAndBoxes_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("box");
    for (const char *box : {"", "abc", "-5", "0", "7.5", "99", "32767", "-32768"}) {
      QTest::addRow("real 2013/14, box \"%s\"", box) << "real" << QString(box);
      QTest::addRow("two clubs, no 2ª, box \"%s\"", box) << "two" << QString(box);
    }
  }

  void extremeSeasonsAndBoxes()
  {
    QFETCH(QString, season);
    QFETCH(QString, box);
    FormFixture f;
    if (season == "real") {
      QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    } else {
      TestSeason s(2, 0);
      s.play(1, 1, 2, 1, 3, 1);
      QVERIFY(f.load(s));
    }
    Qmodelop &form = *f.form;
    const int last = form.jornadaCount();
    for (int pass = 0; pass < 2; ++pass) {
      form.Text1.text = box;
      form.Command7_Click();
      form.tab1_Click(1, 0);
      form.tab1_Click(2, 0);
      form.Command3_Click();
      form.Label40_Click(3);
      form.Label34_Click();
      form.tablag_Click(1, 1);
      form.Command11_Click();
      form.List2[4].setListIndex(2);
      form.List2_Click(4);
      form.Command4_Click();
      form.tablag_Click(2, 2);
      form.Command6_Click();
    }
    // Back in 1ª: the sign evolution of a box past the season is the season's end.
    form.Text1.text = box;
    form.Command4_Click();
    QStringList shown;
    for (int r = 1; r < form.tabl1x2.rows(); ++r)
      shown += rowOf(form.tabl1x2, r);
    form.Text1.text = QString::number(last);
    form.Command4_Click();
    QStringList atEnd;
    for (int r = 1; r < form.tabl1x2.rows(); ++r)
      atEnd += rowOf(form.tabl1x2, r);
    if (text::val(box) >= last)
      QCOMPARE(shown, atEnd);
  }
};

QTEST_GUILESS_MAIN(ViewsTest)
#include "test_views.moc"
