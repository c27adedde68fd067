// Pools systems: the reductions keep their guarantee (checked here column by
// column), prizes are counted right, and the chances of each prize are exact.
#include "TestSeasons.h"
#include "form/CouponRoad.h"
#include "engine/Systems.h"
#include "cli/CommandLine.h"
#include "season/SeasonFile.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace engine;

namespace {

// The fewest signs any column of the set is away from each direct column, at worst.
int worstDistance(const System &system, const std::vector<Column> &columns)
{
  int worst = 0;
  for (const Column &d : directColumns(system)) {
    int nearest = kMatches;
    for (const Column &c : columns)
      nearest = std::min(nearest, kMatches - hits(c, d));
    worst = std::max(worst, nearest);
  }
  return worst;
}

} // namespace

class TestSystems : public QObject {
  Q_OBJECT

private slots:
  void knownReductions_data()
  {
    QTest::addColumn<QString>("signs");
    QTest::addColumn<int>("guarantee");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("direct");
    QTest::newRow("4 triples at 13: 9") << "1X2,1X2,1X2,1X2,1,1,1,1,1,1,1,1,1,1" << 13 << 9 << 81;
    QTest::newRow("7 doubles at 13: 16") << "1X,X2,12,1X,1X,X2,1X,1,1,2,X,1,1,1" << 13 << 16 << 128;
    QTest::newRow("3 doubles at 13: 2") << "1X,1X,1X,1,1,1,1,1,1,1,1,1,1,1" << 13 << 2 << 8;
    QTest::newRow("the direct system at 14") << "1X,1X2,1,1,1,1,1,1,1,1,1,1,1,1" << 14 << 6 << 6;
  }

  void knownReductions()
  {
    QFETCH(QString, signs);
    QFETCH(int, guarantee);
    const System s = *parseSystem(signs);
    const auto columns = reduce(s, guarantee);
    QVERIFY(columns);
    QTEST(int(columns->size()), "columns");
    QTEST(int(directCount(s)), "direct");
    QVERIFY(worstDistance(s, *columns) <= 14 - guarantee);
  }

  // Random systems of up to seven matches with more than one sign.
  void randomReductionsKeepTheirGuarantee()
  {
    QRandomGenerator random(20141);
    const QStringList sets = {"1", "X", "2", "1X", "X2", "12", "1X2"};
    for (int t = 0; t < 20; ++t) {
      System s;
      int variable = 0;
      for (int m = 0; m < kMatches; ++m) {
        s[m] = variable < 7 ? sets[random.bounded(sets.size())] : QStringLiteral("1");
        variable += s[m].size() > 1;
      }
      for (int guarantee : {13, 12}) {
        const auto columns = reduce(s, guarantee);
        QVERIFY(columns);
        QVERIFY(columns->size() <= size_t(directCount(s)));
        QVERIFY2(worstDistance(s, *columns) <= 14 - guarantee, qPrintable(QString::number(t)));
      }
    }
  }

  void sixTriplesAtTwelve()
  {
    const System s = *parseSystem("1X2,1X2,1X2,1X2,1X2,1X2,1,1,1,1,1,1,1,1");
    const auto columns = reduce(s, 12);
    QVERIFY(columns && columns->size() < 729);
    QVERIFY(worstDistance(s, *columns) <= 2);
  }

  void badInput_data()
  {
    QTest::addColumn<QString>("signs");
    QTest::newRow("13 matches") << "1,1,1,1,1,1,1,1,1,1,1,1,1";
    QTest::newRow("a letter") << "1,1,1,1,1,1,1,1,1,1,1,1,1,Y";
    QTest::newRow("a sign twice") << "11,1,1,1,1,1,1,1,1,1,1,1,1,1";
    QTest::newRow("an empty match") << "1,,1,1,1,1,1,1,1,1,1,1,1,1";
  }

  void badInput()
  {
    QFETCH(QString, signs);
    QVERIFY(!parseSystem(signs));
    QCOMPARE(vaticor::runCommandLine({"reducir", signs}).exitCode, 1);
  }

  // Jornada 20 of 1ª División and the first four matches of jornada 22 of 2ª,
  // 2013/14, against a handful of columns.
  void checkingARealJornada()
  {
    const auto s = season::readSeasonFile(testing::samplePath("Edato14.txt"), nullptr);
    QVERIFY(s);
    QString real;
    for (const auto &[d, j, count] : {std::tuple{1, 20, 10}, std::tuple{2, 22, 4}}) {
      const auto fixture = s->fixture(d, j);
      for (int i = 0; i < count; ++i) {
        const QString cell = s->cell(d, fixture[i].home, fixture[i].away);
        const int h = cell.mid(2, 1).toInt(), a = cell.mid(3, 1).toInt();
        real += h > a ? '1' : h == a ? 'X' : '2';
      }
    }
    QCOMPARE(real, QString("X1XX2XX111XXX2"));
    const vaticor::CommandLineResult r = vaticor::runCommandLine(
        {"escrutinio", real, real, "11XX2XX111XXX2", "11XX2XX111XXX1", QString(14, '1')});
    QCOMPARE(r.lines, (QStringList{"X1XX2XX111XXX2 14 14", "11XX2XX111XXX2 13 13", "11XX2XX111XXX1 12 12",
                                   "11111111111111 4 -", "categoria 14: 1", "categoria 13: 1", "categoria 12: 1",
                                   "categoria 11: 0", "categoria 10: 0"}));
  }

  // The "Sistemas" panel on a real coupon: the signs come from the coupon,
  // and the check against the season's results finds the 14 the direct
  // system holds (every real sign is among the coupon's).
  void panelOnARealCoupon()
  {
    testing::FormFixture f;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    vaticor::Qmodelop &q = *f.form;
    QCOMPARE(vaticor::playCoupon(q, 21, {"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"}), QString());
    q.sistemas_Open();
    QCOMPARE(f.scripted.windows.opened, QStringList{"sistemas"});
    QStringList signs;
    for (const QString &set : q.sistemas.system)
      signs << set;
    QCOMPARE(signs.join(','), QString("X2,1,1X2,X2,2,1X2,1X,1X2,1X,1X,1X2,1X,1X,1X2"));
    QVERIFY(q.sistemas.summary.value(0).startsWith("Directas:        31104 columnas, 23.328,00 €."));
    q.sistemas_Check();
    QCOMPARE(q.sistemas.checkLines.value(q.sistemas.checkLines.size() - 2).left(25), QString("Resultado: X1XX2XX111XXX2"));
    // One change away from the result: two for each of 5 triples, one for each of 7 doubles.
    QVERIFY2(q.sistemas.checkLines.last().contains("   14: 1   13: 17   12: "), qPrintable(q.sistemas.checkLines.last()));
    q.sistemas_SetSigns(3, "1");  // the real sign of line 3 is X: no 14 any more
    q.sistemas_SetSigns(4, "1Y"); // not a set of signs: nothing changes
    QCOMPARE(q.sistemas.system[3], QString("X2"));
    q.sistemas_Choose(13);
    q.sistemas_Check();
    // The best direct column has 13 now; the reduction keeps at least 12 of it.
    QVERIFY(q.sistemas.checkLines.last().contains("   14: 0   13: "));
    QVERIFY(!q.sistemas.checkLines.last().contains("   13: 0   12: 0"));
    QCOMPARE(q.sistemas_Export(), QString());
    QCOMPARE(testing::readAll(f.folder() + "Columnas-42.txt").count('\n'), qsizetype(q.sistemas.columns.size()));
  }

  void chances()
  {
    SignProbabilities p;
    for (int m = 0; m < kMatches; ++m)
      p[m] = {0.5 - 0.01 * m, 0.3, 0.2 + 0.01 * m};
    const Column single = *parseColumn("1X21X21X21X21X");
    double product = 1;
    for (int m = 0; m < kMatches; ++m)
      product *= p[m]["1X2"[m % 3] == '1' ? 0 : "1X2"[m % 3] == 'X' ? 1 : 2];
    const auto one = prizeChances({single}, p);
    QVERIFY(std::abs(one[0] - product) < 1e-15);
    const System s = *parseSystem("1X2,1X,X2,1X2,1,X,2,1,1,1,1,1,1,1");
    const auto all = prizeChances(directColumns(s), p);
    QVERIFY(std::abs(all[0] + all[1] + all[2] + all[3] + all[4] + all[5] - 1) < 1e-12);
    // The direct system is sure of every match it doubles or triples: its
    // 14 is the chance of the singles all right.
    double singles = 1;
    for (int m = 4; m < kMatches; ++m)
      singles *= p[m][m == 5 ? 1 : m == 6 ? 2 : 0];
    QVERIFY(std::abs(all[0] - singles * (p[1][0] + p[1][1]) * (p[2][1] + p[2][2])) < 1e-12);
  }
};

QTEST_GUILESS_MAIN(TestSystems)
#include "test_systems.moc"
