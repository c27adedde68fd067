// The coupon and its valuation: the sign thresholds, the worked values, a
// whole coupon of the real 2013/14 season checked against values worked by
// hand from its standings lines, the figures, and the coupon's line rules.
#include "TestSeasons.h"
#include "engine/ValuationBacktest.h"
#include "form/Figures.h"
#include "engine/ScoreModel.h"
#include "season/SeasonFile.h"
#include "engine/MatchValuation.h"
#include "form/CouponRoad.h"
#include "cli/CommandLine.h"

#include <QtTest>

using namespace forecast;
using namespace engine;
using testing::FormFixture;

namespace {

// The real coupon of the tests: ten matches of jornada 20 of 1ª División
// passed whole, then the first five of jornada 22 of 2ª one by one.
const QStringList kRealPasses = {"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"};

} // namespace

class TestForecast : public QObject {
  Q_OBJECT

private slots:
  void signThresholds_data()
  {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("other");
    QTest::newRow("27") << 27 << " 1" << " 1";
    QTest::newRow("26, the last double of a stored coupon") << 26 << "1X" << " 1";
    QTest::newRow("25") << 25 << "1X" << " 1";
    QTest::newRow("24, the last double of another") << 24 << "1X" << "1X";
    QTest::newRow("7") << 7 << "1X" << "1X";
    QTest::newRow("6") << 6 << " T" << "1X";
    QTest::newRow("1") << 1 << " T" << "1X";
    QTest::newRow("0") << 0 << " T" << " T";
    QTest::newRow("-4, the last triple of a stored coupon") << -4 << " T" << " T";
    QTest::newRow("-5") << -5 << "X2" << " T";
    QTest::newRow("-8, the last triple of another") << -8 << "X2" << " T";
    QTest::newRow("-9") << -9 << "X2" << "X2";
    QTest::newRow("-32, the last double of another") << -32 << "X2" << "X2";
    QTest::newRow("-33") << -33 << "X2" << " 2";
    QTest::newRow("-34, the last double of a stored coupon") << -34 << "X2" << " 2";
    QTest::newRow("-35") << -35 << " 2" << " 2";
  }

  void signThresholds()
  {
    QFETCH(int, value);
    QTEST(signForValue(value, true), "stored");
    QTEST(signForValue(value, false), "other");
  }

  void countLetter_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("g in a home string") << "gg-eg" << 2;
    QTest::newRow("none") << "G..E" << 0;
    QTest::newRow("empty letter") << "" << 0;
    QTest::newRow("dot") << "...G." << 3;
  }

  void countLetter()
  {
    QFETCH(QString, text);
    QTEST(engine::countLetter(text), "count");
  }

  // The worked values: equated 20.5 against 10.0 on a scale of 25 (10.5 goes
  // to 10, x 50 / 25 = 20); home points 20 against away points 9 on a scale
  // of 25 ((20 - 13.5) x 50 = 325, / 25 = 13); an away form of "F:" alone
  // divides by 1, so one away loss is worth 50, clamped to 85 no more.
  void workedValues()
  {
    StandingsFigures home, away;
    home.printed.equatedHome = 20.5;
    away.printed.equatedAway = 10.0;
    home.homePoints = 20;
    away.awayPoints = 9;
    Scales scales;
    scales.equated = 25;
    scales.homePoints = 25;
    const MatchValues m = valueMatch(scales, home, away, "C:" + QString(17, ' '), "F:", 0, true);
    QCOMPARE(m.values[0], 20);
    QCOMPARE(m.values[4], 13);
    QCOMPARE(m.values[6], 0);
    const MatchValues loss = valueMatch(scales, home, away, "C:", "F:.", 0, true);
    QCOMPARE(loss.values[6], 50); // one "." in the last ten places, n = 1 - 2 raised to 1
    QCOMPARE(valueMatch(scales, home, away, "C:ggggg", "F:.....", 0, true).values[6], 85);
    // Other factors of 200 count as 140, in the general value and the lines.
    const MatchValues factors = valueMatch(scales, home, away, "C:", "F:", 200, true);
    QCOMPARE(factors.otherFactors, 140);
    QCOMPARE(factors.general, (20 + 13 + 140) / 8);
    QCOMPARE(factors.valueLine.size(), 31);
    QCOMPARE(factors.signLine.size(), 31);
    QVERIFY(factors.valueLine.endsWith("  140"));
    QCOMPARE(m.signLine.size(), 30);
    QVERIFY(m.signLine.endsWith("     "));
  }

  void valuationColumns_data()
  {
    QTest::addColumn<int>("general");
    QTest::addColumn<int>("column");
    QTest::newRow("60 is 54") << 60 << 55;
    QTest::newRow("-1") << -1 << 28;
    QTest::newRow("1") << 1 << 28;
    QTest::newRow("-60") << -60 << 1;
    QTest::newRow("7") << 7 << 31;
  }

  void valuationColumns()
  {
    QFETCH(int, general);
    QTEST(valuationColumn(general), "column");
  }

  // Lines 1 (GETAF-R.SOC) and 4 (LEVAN-BARÇA) worked by hand from the
  // standings of jornada 20. Scales: equated max(17.8 18.7 15.5 16.4 09.1) =
  // 19; negative 24 - -19 = 43; home goals max(31 34 30 27 23) - 6 = 28; goal
  // difference (54-13) - (16-43) = 68; home points max(27 29 24 29 21) = 29;
  // points 51 - 11 = 40.
  // GETAF-R.SOC: equated round(4.7-3.8) = 1, 50/19 = 3; negative (-6-8)50/43 =
  // -16; venue goals (0 - -8)50\28 = 14; difference (-11-8)50\68 = -13; venue
  // points (15-19.5)50/29 = -8; points (24-33)50/40 = -11; form: home
  // "g--e", away "GG.E": (2-6)50\8 = -25. G = -56\7 = -8, "X2".
  // LEVAN-BARÇA: equated round(4.6-11.7) = -7, -350/19 = -18; negative
  // (-2-24)50/43 = -30; venue goals (0-16)50\28 = -28; difference
  // (-9-41)50\68 = -36; venue points (13-36)50/29 = -40; points (24-51)50/40
  // = -34; form: home "gge", away ".GEE": (3-4)50\8 = -6. G = -192\7 = -27.
  void realCouponByHand_data()
  {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells"); // columns 0, 1, 9, 11
    QTest::newRow("1 home") << 1 << QStringList{" 1 GETAF", "R22 22-20102", "-25  3 -16  14 -13  -8 -11     ", " -8 X2"};
    QTest::newRow("1 away") << 2 << QStringList{" 1 R.SOC", "S:1 X", " X2  T  X2  1X  X2 X2  X2     ", "   276"};
    QTest::newRow("4 home") << 7 << QStringList{" 4 LEVAN", "R11 11-20105", " -6-18 -30 -28 -36 -40 -34     ", "-27 X2"};
    QTest::newRow("4 away") << 8 << QStringList{" 4 BARÇA", "S:1 X", " X2 X2  X2  X2   2  2  X2     ", "   057"};
    // Line 11 is match 1 of jornada 22 of 2ª, passed one by one: line 02 of its list.
    QTest::newRow("11 home") << 21 << QStringList{"11 ALAVÉ", "R11 11-22202", "-12 10 -18  37   7  -7  -3     ", "  2  T"};
  }

  void realCouponByHand()
  {
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    QCOMPARE(vaticor::playCoupon(*f.form, 21, kRealPasses), QString());
    const controls::Grid &g = f.form->tablap;
    QCOMPARE((QStringList{g.text(row, 0), g.text(row, 1), g.text(row, 9), g.text(row, 11)}), cells);
  }

  // Beside each line the model's chances in whole percent (summing to 100
  // give or take the rounding) and the likeliest sign; under line 15 each
  // side's likeliest goals. Clearing the coupon clears them.
  void modelBesideCoupon()
  {
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    QCOMPARE(vaticor::playCoupon(*f.form, 21, kRealPasses), QString());
    const controls::Grid &m = f.form->tablam;
    QCOMPARE(m.text(0, 0), QString(" 1% X% 2% M"));
    for (int k = 1; k <= 15; ++k) {
      const QString line = m.text(2 * k - 1, 0);
      QCOMPARE(line.size(), 11);
      const int p[3] = {line.mid(0, 3).toInt(), line.mid(3, 3).toInt(), line.mid(6, 3).toInt()};
      QVERIFY2(p[0] + p[1] + p[2] >= 99 && p[0] + p[1] + p[2] <= 101, qPrintable(line));
      const int best = int(std::max_element(p, p + 3) - p);
      QCOMPARE(line.at(10), QChar("1X2"[best]));
      QCOMPARE(m.text(2 * k, 0).isEmpty(), k != 15);
    }
    QVERIFY(QRegularExpression("^ [012M]:[ 1-9][0-9] [012M]:[ 1-9][0-9]$").match(m.text(30, 0)).hasMatch());
    f.form->Command19_Click();
    QCOMPARE(m.text(1, 0), QString());
    QCOMPARE(m.text(30, 0), QString());
  }

  // What vaticor-cli prints of it: the title with the coupon's own number
  // (the division switch to 2ª keeps it), the forecast figure, the real one
  // (8 draws, 3 away wins, 7 changes) and the printed line without "Ult. Res".
  void realCouponPrinted()
  {
    // The title carries today's date: the day may change while the coupon is built.
    const QDate before = QDate::currentDate();
    const vaticor::CommandLineResult r = vaticor::runCommandLine(
        QStringList{testing::samplePath("Edato14.txt"), "quiniela", "--numero", "21"} + kRealPasses);
    const QDate after = QDate::currentDate();
    QCOMPARE(r.error, QString());
    QCOMPARE(r.lines.size(), 1 + 31 + 3);
    QCOMPARE(r.lines[0].left(56), " Pronóstico de la Quiniela:  Temp. 2013/14; Q.nº   21;  ");
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const QString longDate = QStringLiteral("dddd, d 'de' MMMM 'de' yyyy");
    QVERIFY2(r.lines[0].mid(56) == spanish.toString(before, longDate) || r.lines[0].mid(56) == spanish.toString(after, longDate),
             qPrintable(r.lines[0]));
    QCOMPARE(r.lines.mid(32), (QStringList{"   8 |5.1 |4.3", "11  8  3  7  14", "  177 char"}));
  }

  void figures_data()
  {
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("figure");
    QTest::newRow("071: V 0.6, X 0.5") << QStringList{"   071"} << "  0.6 |0.5 |  0";
    QTest::newRow("006: T2 1") << QStringList{"   006"} << "   0 |  0 |  1";
    // "B" is no digit and counts 0; 276: V 1 (13 and a 2), X 0.5, T2 0.3.
    QTest::newRow("0B0 and 276") << QStringList{"   0B0", "   276"} << "   1 |0.5 |0.3";
    QTest::newRow("empty lines count nothing") << QStringList(15, "") << "   0 |  0 |  0";
  }

  void figures()
  {
    QFETCH(QStringList, counts);
    QTEST(forecastFigure(counts), "figure");
  }

  void realFigures_data()
  {
    QTest::addColumn<QString>("signs");
    QTest::addColumn<QString>("figure");
    QTest::newRow("all 1") << QString(15, '1') << " 0  0  0  0   0";
    QTest::newRow("1 X 1 2 then eleven 1s") << "1X12" + QString(11, '1') << " 2  1  1  4   3";
    QTest::newRow("14 changes in hexadecimal") << "1X1X1X1X1X1X1X1" << " 7  7  0  E   7";
    QTest::newRow("no line passed") << "" << "30 15 15  0  45";
  }

  void realFigures()
  {
    QFETCH(QString, signs);
    QStringList awayResults;
    for (QChar c : signs)
      awayResults.append(QStringLiteral("S:1 ") + c);
    QTEST(realFigure(awayResults), "figure");
  }

  void printedLength_data()
  {
    QTest::addColumn<QList<int>>("off");
    QTest::addColumn<QString>("length");
    QTest::newRow("every column") << QList<int>{} << "  192 char";
    QTest::newRow("Diferenc off") << QList<int>{9} << "  172 char";
    QTest::newRow("Equips and CsEEV change nothing") << QList<int>{0, 13} << "  192 char";
    QTest::newRow("all off") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13} << "  21 char";
  }

  void printedLength()
  {
    QFETCH(QList<int>, off);
    std::array<int, 14> switches{};
    for (int i : off)
      switches[i] = 1;
    QTEST(printedLineLength(switches), "length");
  }

  // A season of four clubs with jornada 1 played (a 1-0 and a 0-0) and
  // jornada 2 not: from jornada 1 nothing is known, so every value is 0 and
  // each line reads "  0  T": the pick is 1, the triple covers, three signs.
  void backtestByHand()
  {
    testing::TestSeason s(4, 4);
    const auto [h1, a1] = s.fixture(1, 1, 1);
    const auto [h2, a2] = s.fixture(1, 1, 2);
    s.play(1, h1, a1, 1, 1, 0);
    s.play(1, h2, a2, 1, 0, 0);
    s.setCurrentJornadas("0201");
    const auto result = engine::backtestValuation(s.toSeason(), 1);
    QVERIFY(result);
    QCOMPARE(result->size(), size_t(2));
    const engine::ValuationScore &one = result->at(0).score;
    QCOMPARE(QList<int>({one.matches, one.homeWins, one.draws, one.pickRight, one.covered, one.signs}),
             QList<int>({2, 1, 1, 1, 2, 6}));
    QCOMPARE(result->at(1).score.matches, 0);
    QCOMPARE(result->at(0).curve.size(), size_t(2)); // jornadas 1 and 2, the second with nothing played
  }

  // The real 2013/14 season from jornada 6: every match of both divisions.
  void backtestReal()
  {
    const auto season = season::readSeasonFile(testing::samplePath("Edato14.txt"), nullptr);
    QVERIFY(season);
    const auto result = engine::backtestValuation(*season, 6);
    QVERIFY(result);
    auto line = [](const engine::ValuationScore &v) {
      return QList<int>({v.matches, v.homeWins, v.draws, v.pickRight, v.covered, v.signs});
    };
    QCOMPARE(line(result->at(0).score), QList<int>({330, 158, 71, 166, 266, 717}));
    QCOMPARE(line(result->at(1).score), QList<int>({407, 174, 122, 139, 292, 886}));
  }

  // The model on a season whose clubs' strengths are known because the test
  // made them: six clubs, each better than the next, every match won by the
  // better club by the gap in their ranks (capped at 3), the best at home
  // also scoring once more. Fitted before the last jornada, the model must
  // order every pairing as the ranks do, and the likeliest sign of the last
  // jornada's clear mismatches must be the better club's.
  void modelOrdersKnownStrengths()
  {
    const int n = 6;
    testing::TestSeason s(n, 4);
    std::vector<PlayedMatch> played;
    for (int j = 1; j <= 2 * (n - 1); ++j) {
      for (int i = 1; i <= n / 2; ++i) {
        const auto [h, a] = s.fixture(1, j, i);
        const int gap = std::min(3, std::abs(h - a));
        const int hg = h < a ? gap + 1 : 0, ag = h < a ? 0 : gap; // team 1 is the best
        played.push_back({h, a, hg, ag, j});
      }
    }
    const ScoreModel model = ScoreModel::fit(n, played, 2 * (n - 1));
    for (int h = 1; h <= n; ++h) {
      for (int a = 1; a <= n; ++a) {
        if (h == a)
          continue;
        const MatchProbabilities p = model.predict(h, a);
        QVERIFY(std::abs(p.home + p.draw + p.away - 1) < 1e-9);
        QVERIFY(std::abs(p.homeGoals[0] + p.homeGoals[1] + p.homeGoals[2] + p.homeGoals[3] - 1) < 1e-9);
        if (a + 1 < n) // a weaker away club gives the home club a better chance
          QVERIFY2(model.predict(h, a + 1).home >= p.home - 1e-12, qPrintable(QString("%1-%2").arg(h).arg(a)));
      }
    }
    // Where the ranks are two or more apart, home advantage cannot turn it.
    for (const PlayedMatch &m : played)
      if (m.jornada == 2 * (n - 1) && std::abs(m.home - m.away) >= 2)
        QCOMPARE(model.predict(m.home, m.away).sign(), m.home < m.away ? '1' : '2');
  }

  // The coupon's line rules, on the real season's jornada 20 passed one by one.
  void couponLines()
  {
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    vaticor::Qmodelop &q = *f.form;
    q.Text3.text.clear();
    q.List1_Click(); // no coupon number
    QCOMPARE(f.scripted.messages.shown.value(0).title, QString("Falta Nº de Quiniela"));
    QCOMPARE(f.scripted.messages.shown.value(0).text,
             QString(" Por favor introduzca el\r\nnº de la Quiniela futbolística \r\nen la casilla rosa"));
    QCOMPARE(q.tablap.text(1, 0), QString());
    q.Text3.text = "21";
    auto pass = [&](int match) {
      q.List1.setListIndex(match + 1);
      q.List1_Click();
    };
    for (int i = 0; i < 15; ++i)
      pass(i % 10 + 1);
    QCOMPARE(q.couponPosition, int16_t(15));
    QCOMPARE(q.Label46.caption.isEmpty(), false); // the figures follow the 15th line
    QCOMPARE(q.figureDigits.size(), 45);
    pass(3); // a 16th match starts again at line 1
    QCOMPARE(q.couponPosition, int16_t(1));
    auto home = [&](int match) { return q.List1.item(match + 1).mid(3, 5); };
    QCOMPARE(q.tablap.text(1, 0), " 1 " + home(3));
    q.tablap_Click(29, 0);
    QCOMPARE(q.overwriteTarget, int16_t(15));
    pass(9);
    QCOMPARE(q.couponPosition, int16_t(15));
    QCOMPARE(q.overwriteTarget, int16_t(0));
    QCOMPARE(q.tablap.text(29, 0), "15 " + home(9));
    q.Command19_Click();
    QCOMPARE(q.couponPosition, int16_t(15));
    QCOMPARE(q.tablap.text(29, 0), "15 " + home(9)); // column 0 stays until overwritten
    QCOMPARE(q.tablap.text(29, 1), QString());
    QCOMPARE(q.Label46.caption, QString("- - - - -"));
    q.Label49_Click();
    QCOMPARE(q.couponPosition, int16_t(0));
  }

  // The division buttons suggest a coupon number from the jornada, but a
  // coupon under way keeps the number the player typed.
  void couponNumberKept_data()
  {
    QTest::addColumn<bool>("prepared"); // "Quiniela" pressed first
    QTest::addColumn<QString>("before"); // passes made before the switches
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("number");
    QTest::newRow("no coupon: 2ª División's jornada suggested") << false << "" << "6" << "42";
    QTest::newRow("coupon prepared, full switch") << true << "" << "6" << "21";
    QTest::newRow("coupon prepared, light switch") << true << "" << "30" << "21";
    QTest::newRow("lines passed, switched there and back") << true << "todo" << "6 6" << "21";
    QTest::newRow("lines passed, light switch there and back") << true << "todo" << "30 30" << "21";
  }
  void couponNumberKept()
  {
    QFETCH(bool, prepared);
    QFETCH(QString, before);
    QFETCH(QString, switches);
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    vaticor::Qmodelop &q = *f.form;
    q.Text3.text = "21";
    if (prepared)
      q.Command13_Click();
    if (before == "todo") {
      q.Command16_Click();
      q.List1_Click();
      QCOMPARE(q.couponPosition, int16_t(10));
    }
    for (const QString &button : switches.split(u' '))
      button == "6" ? q.Command6_Click() : q.Command30_Click();
    QTEST(q.Text3.text, "number");
    if (!prepared)
      return;
    // The next pass titles the coupon with it.
    if (q.wholeJornadaMode)
      q.Command16_Click();
    q.List1.setListIndex(2);
    q.List1_Click();
    QVERIFY2(q.Label49.caption.contains("; Q.nº   21;"), qPrintable(q.Label49.caption));
    QCOMPARE(q.Text5.text, QString("21"));
  }

  // Above the grid, a line says when a line's valuation counts the results of
  // its own jornada: the jornada has results, and the standings the line was
  // valued on reach it.
  void playedJornadaNote_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<int>("prepareAt"); // the jornada "Quiniela" is pressed at
    QTest::addColumn<int>("passAt");    // the jornada passed whole
    QTest::addColumn<bool>("note");
    QTest::newRow("jornada 20 of 2013/14, played") << "Edato14.txt" << 20 << 20 << true;
    QTest::newRow("2026/27, nothing played yet") << "Edato27.txt" << 1 << 1 << false;
    QTest::newRow("standings of jornada 10, jornada 11 passed") << "Edato14.txt" << 10 << 11 << false;
    QTest::newRow("standings of jornada 12, jornada 11 passed") << "Edato14.txt" << 12 << 11 << true;
  }
  void playedJornadaNote()
  {
    QFETCH(QString, season);
    QFETCH(int, prepareAt);
    QFETCH(int, passAt);
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath(season)));
    vaticor::Qmodelop &q = *f.form;
    QVERIFY(!q.playedNote.visible);
    auto moveTo = [&q](int j) {
      while (q.jornada != j)
        q.Text2_KeyPress(q.jornada < j ? vaticor::Qmodelop::kPlus : vaticor::Qmodelop::kMinus);
    };
    moveTo(prepareAt);
    q.Text3.text = "5";
    q.Command13_Click();
    moveTo(passAt);
    q.Command16_Click();
    q.List1_Click();
    QVERIFY(q.couponPosition >= 1);
    QTEST(q.playedNote.visible, "note");
    QCOMPARE(q.playedNote.caption, QString("Jornada ya jugada: la valoración incluye sus resultados"));
    q.Label49_Click();
    QVERIFY(!q.playedNote.visible);
  }

  // The coupon says whether its model starts from last season: the season
  // before sits beside 2013/14 in the samples, not beside 2012/13.
  void modelNoteSaysWhichPast_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("detail");
    QTest::newRow("2013/14, 2012/13 beside it") << "Edato14.txt" << "Modelo: con la temporada anterior"
                                                << "El modelo parte de la temporada anterior, Edato13.txt";
    QTest::newRow("2012/13, nothing before it")
        << "Edato13.txt" << "Modelo: sin la temporada anterior"
        << "Falta Edato12.txt junto a la temporada: Actualizar, Importar temporadas anteriores";
  }
  void modelNoteSaysWhichPast()
  {
    QFETCH(QString, season);
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath(season)));
    vaticor::Qmodelop &q = *f.form;
    QVERIFY(!q.modelNote.visible);
    while (q.jornada != 10)
      q.Text2_KeyPress(q.jornada < 10 ? vaticor::Qmodelop::kPlus : vaticor::Qmodelop::kMinus);
    q.Text3.text = "5";
    q.Command13_Click();
    q.Command16_Click();
    q.List1_Click();
    QVERIFY(q.modelNote.visible);
    QTEST(q.modelNote.caption, "note");
    QTEST(q.modelNoteDetail, "detail");
    q.Command19_Click();
    QVERIFY(!q.modelNote.visible);
  }

  // A whole jornada needs the standings of the division shown.
  void wholeJornadaWithoutStandings()
  {
    FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    vaticor::Qmodelop &q = *f.form;
    q.Text3.text = "21";
    q.Command13_Click();
    q.List12[0].clear();
    q.Command16_Click();
    QCOMPARE(q.Text2.text, QString("T"));
    q.List1_Click();
    QCOMPARE(f.scripted.messages.shown.value(0).text,
             QString("Debe obtener previamente la Clasificación de la división actual"));
    QCOMPARE(q.tablap.text(2, 1), QString());
  }
};

QTEST_GUILESS_MAIN(TestForecast)
#include "test_forecast.moc"
