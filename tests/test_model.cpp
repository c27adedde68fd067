// The score model with a past: the seeds of the teams that stay, go up, go
// down or come from below, worked by hand; which file is the season before
// and how far back the chain goes; the model without a past exactly as it
// was; the playback of several seasons and what vaticor-cli prints of it.
#include "TestSeasons.h"
#include "engine/ModelBacktest.h"
#include "engine/ValuationBacktest.h"
#include "cli/CommandLine.h"
#include "season/SeasonFile.h"

#include <QtTest>

using namespace engine;

namespace {

DivisionRatings ratings(const QStringList &names, const std::vector<double> &attack, const std::vector<double> &defence,
                        double goals, double home)
{
  DivisionRatings r;
  r.names = names;
  r.attack = attack;
  r.defence = defence;
  r.goals = goals;
  r.home = home;
  return r;
}

// Last season: DDDDD is bottom of 1ª, EEEEE top of 2ª, HHHHH bottom of 2ª.
SeasonRatings lastSeason()
{
  SeasonRatings r;
  r.divisions[0] = ratings({"AAAAA", "BBBBB", "CCCCC", "DDDDD"}, {0.3, 0.1, -0.1, -0.3}, {0.2, 0.0, -0.1, -0.1}, 0.2, 0.3);
  r.divisions[1] = ratings({"EEEEE", "FFFFF", "GGGGG", "HHHHH"}, {0.2, 0.1, -0.1, -0.2}, {0.1, 0.1, -0.1, -0.1}, 0.1, 0.25);
  return r;
}

// This season: DDDDD went down and EEEEE up, HHHHH dropped out of 2ª and
// IIIII came up from below.
const std::array<QStringList, 2> kThisSeason = {QStringList{"AAAAA", "BBBBB", "CCCCC", "EEEEE"},
                                                QStringList{"DDDDD", "FFFFF", "GGGGG", "IIIII"}};

// A small season of two divisions of four, every result given as "hg" pairs,
// jornada by jornada in calendar order.
testing::TestSeason smallSeason(const QStringList &first, const QStringList &second, const QStringList &results1,
                                const QStringList &results2)
{
  testing::TestSeason s(4, 4);
  s.setNames(1, first);
  s.setNames(2, second);
  const QStringList *results[2] = {&results1, &results2};
  for (int d = 1; d <= 2; ++d) {
    for (int k = 0; k < results[d - 1]->size(); ++k) {
      const int j = k / 2 + 1;
      const auto [h, a] = s.fixture(d, j, k % 2 + 1);
      s.play(d, h, a, j, results[d - 1]->at(k)[0].digitValue(), results[d - 1]->at(k)[1].digitValue());
    }
  }
  const int j1 = static_cast<int>(results1.size() + 1) / 2, j2 = static_cast<int>(results2.size() + 1) / 2;
  s.setCurrentJornadas(QStringLiteral("%1%2").arg(j1, 2, 10, QChar('0')).arg(j2, 2, 10, QChar('0')));
  return s;
}

// 2012/13 of the tests: the whole 1ª, where AAAAA wins everything, and two
// jornadas of 2ª.
testing::TestSeason season13()
{
  return smallSeason({"AAAAA", "BBBBB", "CCCCC", "DDDDD"}, {"EEEEE", "FFFFF", "GGGGG", "HHHHH"},
                     {"30", "11", "03", "21", "40", "12", "02", "00", "20", "10", "13", "22"},
                     {"21", "10", "01", "11"});
}

// 2013/14: DDDDD down, EEEEE up, HHHHH out, IIIII in; three jornadas of 1ª
// (two home wins, two draws, two away wins) and two of 2ª.
testing::TestSeason season14()
{
  return smallSeason(kThisSeason[0], kThisSeason[1], {"21", "11", "02", "10", "33", "13"}, {"10", "00", "12", "20"});
}

QStringList backtestOf(const QStringList &args)
{
  const vaticor::CommandLineResult r = vaticor::runCommandLine(args);
  return r.exitCode == 0 ? r.lines : QStringList{r.error};
}

// "division 1: partidos 4 local 2 ..." as its numbers.
QList<int> numbersOf(const QString &line)
{
  QList<int> numbers;
  for (const QString &word : line.section(u':', 1).split(u' ', Qt::SkipEmptyParts))
    if (bool ok = false; word.toInt(&ok), ok)
      numbers << word.toInt();
  return numbers;
}

} // namespace

class TestModel : public QObject {
  Q_OBJECT

private slots:
  // 1ª: the promoted EEEEE starts at 0.65 x DDDDD's (-0.3, -0.1); the
  // attacks then average 0.02625 and the defences 0.00875, taken off.
  // 2ª: the relegated DDDDD starts at 0.65 x EEEEE's (0.2, 0.1), IIIII at
  // 0.35 x HHHHH's (-0.2, -0.1); the means 0.015 and 0.0075 taken off.
  void seeds_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<QString>("team");
    QTest::addColumn<double>("attack");
    QTest::addColumn<double>("defence");
    QTest::newRow("stays in 1ª, the best") << 1 << "AAAAA" << 0.27375 << 0.19125;
    QTest::newRow("stays in 1ª") << 1 << "CCCCC" << -0.12625 << -0.10875;
    QTest::newRow("promoted to 1ª") << 1 << "EEEEE" << -0.22125 << -0.07375;
    QTest::newRow("relegated to 2ª") << 2 << "DDDDD" << 0.115 << 0.0575;
    QTest::newRow("stays in 2ª") << 2 << "FFFFF" << 0.085 << 0.0925;
    QTest::newRow("new to 2ª from below") << 2 << "IIIII" << -0.085 << -0.0425;
  }

  void seeds()
  {
    QFETCH(int, division);
    QFETCH(QString, team);
    const std::optional<ModelPrior> prior = seedPrior(kThisSeason, division, lastSeason());
    QVERIFY(prior);
    const int t = static_cast<int>(kThisSeason[division - 1].indexOf(team)) + 1;
    QFETCH(double, attack);
    QFETCH(double, defence);
    QCOMPARE(prior->attack.size(), size_t(5));
    QVERIFY2(std::abs(prior->attack[t] - attack) < 1e-12, qPrintable(QString::number(prior->attack[t], 'g', 17)));
    QVERIFY2(std::abs(prior->defence[t] - defence) < 1e-12, qPrintable(QString::number(prior->defence[t], 'g', 17)));
  }

  // The goal level and home advantage are the division's own, and the
  // ratings average 0 within it.
  void seedLevelsAndCentre_data()
  {
    QTest::addColumn<int>("division");
    QTest::addColumn<double>("goals");
    QTest::addColumn<double>("home");
    QTest::newRow("1ª") << 1 << 0.2 << 0.3;
    QTest::newRow("2ª") << 2 << 0.1 << 0.25;
  }

  void seedLevelsAndCentre()
  {
    QFETCH(int, division);
    const std::optional<ModelPrior> prior = seedPrior(kThisSeason, division, lastSeason());
    QVERIFY(prior);
    QTEST(prior->goals, "goals");
    QTEST(prior->home, "home");
    double attack = 0, defence = 0;
    for (int t = 1; t <= 4; ++t)
      attack += prior->attack[t], defence += prior->defence[t];
    QVERIFY(std::abs(attack) < 1e-12 && std::abs(defence) < 1e-12);
    QCOMPARE(prior->attack[0], 0.0);
  }

  // No seed without last season's ratings of the division or without teams;
  // a 1ª newcomer unknown to 2ª as well counts as promoted; with nobody
  // relegated a newcomer starts at the average.
  void seedEdges()
  {
    SeasonRatings only1 = lastSeason();
    only1.divisions[1].reset();
    QVERIFY(seedPrior(kThisSeason, 1, only1));
    QVERIFY(!seedPrior(kThisSeason, 2, only1));
    QVERIFY(!seedPrior({QStringList{}, kThisSeason[1]}, 1, lastSeason()));
    QVERIFY(!seedPrior(kThisSeason, 3, lastSeason()));
    const auto stranger = seedPrior({QStringList{"AAAAA", "BBBBB", "CCCCC", "ZZZZZ"}, kThisSeason[1]}, 1, lastSeason());
    QVERIFY(stranger);
    QVERIFY(std::abs(stranger->attack[4] - -0.22125) < 1e-12);
    const auto same = seedPrior({QStringList{"DDDDD", "CCCCC", "BBBBB", "AAAAA"}, kThisSeason[1]}, 1, lastSeason());
    QVERIFY(std::abs(same->attack[1] - -0.3) < 1e-12 && std::abs(same->attack[4] - 0.3) < 1e-12);
    // Without this season's 1ª nobody is known to have gone up: DDDDD starts
    // at 0, and IIIII at 0.35 x the mean of EEEEE and HHHHH, 0 too.
    const auto noFirst = seedPrior({QStringList{}, kThisSeason[1]}, 2, lastSeason());
    QVERIFY(noFirst);
    QVERIFY(std::abs(noFirst->attack[1]) < 1e-12 && std::abs(noFirst->attack[4]) < 1e-12);
    QVERIFY(std::abs(noFirst->attack[2] - 0.1) < 1e-12);
  }

  void previousPath_data()
  {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("previous");
    QTest::newRow("2013/14") << "/datos/Edato14.txt" << "/datos/Edato13.txt";
    QTest::newRow("2009/10 keeps two digits") << "/datos/Edato10.txt" << "/datos/Edato09.txt";
    QTest::newRow("four digits") << "/datos/Edato2027.txt" << "/datos/Edato2026.txt";
    QTest::newRow("00 has none") << "/datos/Edato00.txt" << "";
    QTest::newRow("reserved EdatoAA") << "/datos/EdatoAA.txt" << "";
    QTest::newRow("upper-case extension") << "/datos/Edato14.TXT" << "";
    QTest::newRow("lower-case name") << "/datos/edato14.txt" << "";
    QTest::newRow("not a season") << "/datos/gprono14.txt" << "";
    QTest::newRow("no digits") << "/datos/Edato.txt" << "";
    QTest::newRow("a sign among the digits") << "/datos/Edato+4.txt" << "";
    QTest::newRow("five digits") << "/datos/Edato20270.txt" << "";
    QTest::newRow("empty") << "" << "";
  }

  void previousPath()
  {
    QFETCH(QString, path);
    QTEST(previousSeasonPath(path), "previous");
  }

  // Which file the prior of Edato14.txt comes from, by what the folder holds:
  // "13" a played season, "13-" one with nothing played, "13!" a damaged one.
  void chain_data()
  {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("previous");
    QTest::newRow("alone") << QStringList{} << "";
    QTest::newRow("the season before") << QStringList{"13"} << "Edato13.txt";
    QTest::newRow("two before") << QStringList{"12", "13"} << "Edato13.txt";
    QTest::newRow("a gap") << QStringList{"12"} << "";
    QTest::newRow("the season after does not count") << QStringList{"15"} << "";
    QTest::newRow("damaged") << QStringList{"13!"} << "";
    QTest::newRow("nothing played, nothing before") << QStringList{"13-"} << "";
    QTest::newRow("nothing played, one before") << QStringList{"12", "13-"} << "Edato13.txt";
  }

  void chain()
  {
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    for (const QString &f : files) {
      const QString name = "Edato" + f.left(2) + ".txt";
      if (f.endsWith('!'))
        testing::writeAll(folder + name, "\"3822\",\"1621\"\r\n");
      else
        (f.endsWith('-') ? smallSeason(season13().records.mid(968, 4), season13().records.mid(990, 4), {}, {})
                         : season13())
            .writeTo(folder, name);
    }
    const QString path = season14().writeTo(folder, "Edato14.txt");
    SeasonChain chain;
    QString error;
    const std::optional<SeasonWithPast> s = chain.load(path, &error);
    QVERIFY2(s, qPrintable(error));
    QTEST(s->previousFile, "previous");
    QCOMPARE(s->priors[0].has_value(), !s->previousFile.isEmpty());
    QCOMPARE(s->season.name(1, 4), QString("EEEEE"));
  }

  // Through a season with nothing played the ratings of the one before pass
  // unchanged: AAAAA, unbeaten in 2012/13, starts 2013/14 as the best attack.
  void chainReachesBack()
  {
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    season13().writeTo(folder, "Edato12.txt");
    smallSeason(season13().records.mid(968, 4), season13().records.mid(990, 4), {}, {}).writeTo(folder, "Edato13.txt");
    const QString path = season14().writeTo(folder, "Edato14.txt");
    SeasonChain chain;
    const auto s13 = chain.load(folder + "Edato13.txt");
    const auto s14 = chain.load(path);
    QVERIFY(s13 && s14 && s13->priors[0] && s14->priors[0]);
    QCOMPARE(s13->previousFile, QString("Edato12.txt"));
    const std::vector<double> &attack = s14->priors[0]->attack, &before = s13->priors[0]->attack;
    QVERIFY(attack[1] > 0.1);
    QVERIFY(attack[1] > attack[2] && attack[1] > attack[3] && attack[1] > attack[4]);
    // Nothing played in 2013: the teams that stayed are as far apart as they
    // were at its start.
    for (int t = 2; t <= 3; ++t)
      QVERIFY(std::abs((attack[1] - attack[t]) - (before[1] - before[t])) < 1e-9);
  }

  // A season in memory, with the file it came from: the same priors as the
  // file's while they hold the same teams; a team renamed in memory is a
  // newcomer, seeded as EEEEE, the other newcomer to 1ª, is.
  void priorsOfSeasonInMemory()
  {
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QString path = season14().writeTo(folder, "Edato14.txt");
    SeasonChain chain;
    QString previous = "x";
    QVERIFY(!chain.priorsFor(path, season14().toSeason(), &previous)[0]);
    QCOMPARE(previous, QString());
    season13().writeTo(folder, "Edato13.txt");
    SeasonChain again;
    const auto fromFile = again.load(path);
    QVERIFY(fromFile && fromFile->priors[0] && fromFile->priors[1]);
    const auto same = again.priorsFor(path, season14().toSeason(), &previous);
    QCOMPARE(previous, QString("Edato13.txt"));
    QCOMPARE(same[0]->attack, fromFile->priors[0]->attack);
    QCOMPARE(same[1]->defence, fromFile->priors[1]->defence);
    testing::TestSeason renamed = season14();
    renamed.setNames(1, {"AAAAA", "JJJJJ", "CCCCC", "EEEEE"});
    const auto other = again.priorsFor(path, renamed.toSeason());
    QVERIFY(std::abs(other[0]->attack[2] - other[0]->attack[4]) < 1e-12);
    // BBBBB now counts among those gone down: EEEEE's seed moves with it.
    QVERIFY(std::abs(other[0]->attack[4] - fromFile->priors[0]->attack[4]) > 1e-6);
    // Jornada 1 of the season with its prior is the prior; without, the model as always.
    const season::Season s14 = season14().toSeason();
    const ScoreModel first = modelFor(s14, 1, 1, same[0]);
    for (int t = 1; t <= 4; ++t)
      QCOMPARE(first.attack(t), same[0]->attack[t]);
    const MatchProbabilities p = modelFor(s14, 2, 3, std::nullopt).predict(1, 2);
    const MatchProbabilities q = ScoreModel::fit(4, playedMatches(s14, 2), 3).predict(1, 2);
    QCOMPARE(p.home, q.home);
    QCOMPARE(p.away, q.away);
  }

  // A prior with nothing played is what the model says; a team beyond the
  // prior's ratings counts as average; results move a team from its prior.
  void priorFit()
  {
    ModelPrior prior;
    prior.goals = 0.1;
    prior.home = 0.2;
    prior.attack = {0, 0.3, -0.3};
    prior.defence = {0, -0.1, 0.1};
    const ScoreModel none = ScoreModel::fit(3, {}, 1, prior);
    QCOMPARE(none.goalLevel(), 0.1);
    QCOMPARE(none.homeAdvantage(), 0.2);
    QCOMPARE(none.attack(1), 0.3);
    QCOMPARE(none.defence(2), 0.1);
    QCOMPARE(none.attack(3), 0.0);
    QCOMPARE(none.attack(4), 0.0);
    QCOMPARE(none.rho(), -0.1);
    // Team 2 scores six at home twice: its attack rises, the rest stays near.
    const std::vector<PlayedMatch> played = {{2, 1, 6, 0, 1}, {2, 3, 6, 0, 2}, {1, 3, 1, 1, 3}};
    const ScoreModel after = ScoreModel::fit(3, played, 3, prior);
    QVERIFY(after.attack(2) > -0.3 + 0.1);
    QVERIFY(std::abs(after.goalLevel() - 0.1) < 0.05);
    // The jornada forecast and later ones are not seen; a firmer prior gives way less.
    QCOMPARE(ScoreModel::fit(3, {played[0], played[1]}, 3, prior).attack(2), after.attack(2));
    QVERIFY(ScoreModel::fit(3, played, 4, prior).attack(2) != after.attack(2));
    prior.ratingPrecision = 400;
    QVERIFY(ScoreModel::fit(3, played, 3, prior).attack(2) < after.attack(2));
    prior.ratingPrecision = -1; // not positive: held as loosely as it can be, never a failure
    const ScoreModel loose = ScoreModel::fit(3, played, 3, prior);
    QVERIFY(std::isfinite(loose.attack(2)) && loose.attack(2) > after.attack(2));
    const MatchProbabilities p = loose.predict(2, 1);
    QVERIFY(std::abs(p.home + p.draw + p.away - 1) < 1e-9);
  }

  // Without a season before, the model's lines are those of the backtest as
  // it always was, on every bundled season with nothing before it.
  void noPastAsBefore_data()
  {
    QTest::addColumn<QString>("file");
    QTest::newRow("2012/13") << "Edato13.txt";
    QTest::newRow("2013/14 alone") << "Edato14.txt";
    QTest::newRow("2019/20") << "Edato20.txt";
    QTest::newRow("2024/25, unplayed matches in 2ª") << "Edato25.txt";
  }

  void noPastAsBefore()
  {
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QVERIFY(QFile::copy(testing::samplePath(file), path));
    const auto now = backtestSeasons({path}, 6);
    QVERIFY(now);
    QCOMPARE(now->seasons.front().previousFile, QString());
    const std::optional<season::Season> season = season::readSeasonFile(path, nullptr);
    QVERIFY(season);
    // Without a past the model is fitted as it always was.
    const std::vector<DivisionModelBacktest> alone = backtestModel(*season, 6, {});
    QCOMPARE(now->seasons.front().divisions.size(), alone.size());
    for (size_t d = 0; d < alone.size(); ++d) {
      const ModelTally &t = now->seasons.front().divisions.at(d).tally;
      QVERIFY(!now->seasons.front().divisions.at(d).withPrior);
      QCOMPARE(t.matches, alone[d].tally.matches);
      QCOMPARE(t.right, alone[d].tally.right);
      QCOMPARE(t.rankedProbabilityScore, alone[d].tally.rankedProbabilityScore);
    }
  }

  // With the season before beside them, the bundled seasons that have one
  // are forecast better (ranked probability score) in both divisions.
  void pastHelps_data()
  {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("previous");
    QTest::newRow("2013/14") << "Edato14.txt" << "Edato13.txt";
    QTest::newRow("2025/26") << "Edato26.txt" << "Edato25.txt";
  }

  void pastHelps()
  {
    QFETCH(QString, file);
    const auto with = backtestSeasons({testing::samplePath(file)}, 6);
    QVERIFY(with);
    QTEST(with->seasons.front().previousFile, "previous");
    const auto season = season::readSeasonFile(testing::samplePath(file), nullptr);
    QVERIFY(season);
    const std::vector<DivisionModelBacktest> without = backtestModel(*season, 6, {});
    QCOMPARE(with->seasons.front().divisions.size(), size_t(2));
    for (int d = 0; d < 2; ++d) {
      const ModelTally &a = with->seasons.front().divisions[d].tally, &b = without[d].tally;
      QCOMPARE(a.matches, b.matches);
      QVERIFY2(a.rankedProbabilityScore < b.rankedProbabilityScore,
               qPrintable(QString("%1ª: %2 against %3").arg(d + 1).arg(a.rankedProbabilityScore / a.matches).arg(b.rankedProbabilityScore / b.matches)));
    }
  }

  // The hand-made 2013/14 from jornada 1: 1ª has six matches (two home
  // wins, two draws, two away wins), so "always 1" scores 0 + 0.5 + 1 on each
  // pair; 2ª has four (two home wins, one draw, one away win). Every match
  // gives three chances, whose predicted sum is 1 and one of which happens.
  void tallyByHand()
  {
    const season::Season s = season14().toSeason();
    const std::vector<DivisionModelBacktest> result = backtestModel(s, 1, {});
    QCOMPARE(result.size(), size_t(2));
    const struct {
      int matches, homeWins, draws;
      double always;
    } expected[2] = {{6, 2, 2, 3.0}, {4, 2, 1, 1.5}};
    for (int d = 0; d < 2; ++d) {
      const DivisionModelBacktest &r = result[d];
      QCOMPARE(r.division, d + 1);
      QCOMPARE(r.tally.matches, expected[d].matches);
      QCOMPARE(r.tally.homeWins, expected[d].homeWins);
      QCOMPARE(r.tally.draws, expected[d].draws);
      QCOMPARE(r.tally.alwaysHomeScore, expected[d].always);
      int chances = 0, happened = 0;
      double predicted = 0;
      for (const CalibrationBin &b : r.calibration)
        chances += b.chances, happened += b.happened, predicted += b.predicted;
      QCOMPARE(chances, 3 * expected[d].matches);
      QCOMPARE(happened, expected[d].matches);
      QVERIFY(std::abs(predicted - expected[d].matches) < 1e-9);
      QCOMPARE(int(r.curve.size()), d == 0 ? 3 : 2);
      QCOMPARE(r.curve.back().matches, expected[d].matches);
      QCOMPARE(r.curve.back().homeWins, expected[d].homeWins);
    }
    // Jornada 1 is forecast knowing nothing: both home sides favoured.
    QCOMPARE(result[0].curve.front().right, 1);
  }

  // Progress in jornadas, a damaged file reported on its own, and a cancel.
  void severalSeasons()
  {
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QString a = season13().writeTo(folder, "Edato13.txt"), b = season14().writeTo(folder, "Edato14.txt");
    const QString bad = testing::writeAll(folder + "Edato20.txt", "\"3822\"\r\n");
    QList<QPair<int, int>> calls;
    const auto r = backtestSeasons({a, bad, b}, 2, [&](int done, int total) {
      calls << qMakePair(done, total);
      return true;
    });
    QVERIFY(r);
    // 2012/13: 1ª jornadas 2..6, 2ª 2; 2013/14: 1ª 2..3, 2ª 2.
    QCOMPARE(calls.last(), qMakePair(9, 9));
    QCOMPARE(calls.first(), qMakePair(0, 9));
    QCOMPARE(r->seasons.size(), size_t(3));
    QVERIFY(!r->seasons[1].error.isEmpty());
    QVERIFY(r->seasons[1].divisions.empty());
    QCOMPARE(r->seasons[2].previousFile, QString("Edato13.txt"));
    QCOMPARE(r->pooled[0].tally.matches, r->seasons[0].divisions[0].tally.matches + r->seasons[2].divisions[0].tally.matches);
    QCOMPARE(r->pooled[0].tally.matches, 10 + 4);
    QVERIFY(r->pooled[0].withPrior);
    QVERIFY(!backtestSeasons({a, b}, 1, [](int done, int) { return done == 0; }));
  }

  // vaticor-cli: the valuation's lines stay as they were, the model's come
  // with the season before, and one more line names it; over several seasons
  // each season's lines, then each division's totals.
  void commandLine()
  {
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QString path14 = season14().writeTo(folder, "Edato14.txt");
    const QStringList alone = backtestOf({path14, "backtest", "--desde", "1"});
    QCOMPARE(alone.size(), 5);
    QCOMPARE(alone.last(), QString("modelo previa: ninguna"));
    const QString path13 = season13().writeTo(folder, "Edato13.txt");
    const QStringList with = backtestOf({path14, "backtest", "--desde", "1"});
    QCOMPARE(with.size(), 5);
    QCOMPARE(with[0], alone[0]);
    QCOMPARE(with[2], alone[2]);
    QVERIFY(with[0].startsWith("division 1: partidos 6 local 2 empates 2 "));
    QVERIFY(with[1].startsWith("division 1 modelo: partidos 6 acierto "));
    QVERIFY(with[1] != alone[1]);
    QCOMPARE(with[4], QString("modelo previa: Edato13.txt"));

    const QStringList lines13 = backtestOf({path13, "backtest", "--desde", "1"});
    const QStringList both = backtestOf({"backtest-temporadas", path13, path14, "--desde", "1"});
    QCOMPARE(both.mid(0, 5), lines13);
    QCOMPARE(both.mid(5, 5), with);
    QCOMPARE(both.size(), 14);
    for (int d = 1; d <= 2; ++d) {
      const int line = 10 + 2 * (d - 1);
      QVERIFY(both[line].startsWith(QString("total division %1: partidos ").arg(d)));
      QVERIFY(both[line + 1].startsWith(QString("total division %1 modelo: partidos ").arg(d)));
      QList<int> sum = numbersOf(lines13[2 * (d - 1)]), model = numbersOf(lines13[2 * d - 1]);
      const QList<int> other = numbersOf(with[2 * (d - 1)]), otherModel = numbersOf(with[2 * d - 1]);
      for (int k = 0; k < sum.size(); ++k)
        sum[k] += other[k];
      QCOMPARE(numbersOf(both[line]), sum);
      // Matches and hits add up; the score is the mean over every match.
      const QList<int> total = numbersOf(both[line + 1]);
      QCOMPARE(total.mid(0, 2), (QList<int>{model[0] + otherModel[0], model[1] + otherModel[1]}));
      const double mean = double(model[0] * model[2] + otherModel[0] * otherModel[2]) / (model[0] + otherModel[0]);
      QVERIFY2(std::abs(total[2] - mean) <= 1, qPrintable(both[line + 1]));
    }
    // 1ª of 2012/13 from jornada 1: 12 matches, 5 home wins, 3 draws; 2013/14: 6, 2 and 2.
    QVERIFY2(both[10].startsWith("total division 1: partidos 18 local 7 empates 5 "), qPrintable(both[10]));
  }
};

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
