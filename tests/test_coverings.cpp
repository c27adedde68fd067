// The covering codes behind the reduced systems: the table shipped beside the
// program (sizes as small as the best known, every code covering, checked
// here on the file's own digits), bad lines refused, the constructions and
// the search, and the conditions of a reducción condicionada on systems
// worked by hand.
#include "TestSeasons.h"
#include "engine/systems/CodeBuilder.h"
#include "engine/systems/CodeTable.h"
#include "engine/systems/Conditions.h"
#include "engine/systems/Reduction.h"

#include <QtTest>
#include <cmath>
#include <numeric>

using namespace engine::systems;

namespace {

const QString kTable = testing::samplePath("recubrimientos.txt");

// The words of the table's line for the shape, as the file writes them.
QStringList tableWords(int t, int d, int r)
{
  const QByteArray head = QStringLiteral("t%1 d%2 r%3 ").arg(t).arg(d).arg(r).toLatin1();
  for (const QByteArray &line : testing::readAll(kTable).split('\n'))
    if (line.startsWith(head))
      return QString::fromLatin1(line.mid(line.indexOf(':') + 1)).split(u' ', Qt::SkipEmptyParts);
  return {};
}

// The farthest any word of t triples and d doubles is from the nearest of
// the given ones: every word counted by hand, digit against digit.
int coveringRadius(int t, int d, const QStringList &code)
{
  const int n = t + d;
  std::vector<int> digits(static_cast<size_t>(n), 0);
  int worst = 0;
  for (;;) {
    int nearest = n;
    for (const QString &c : code) {
      int apart = 0;
      for (int i = 0; i < n; ++i)
        apart += c[i].digitValue() != digits[static_cast<size_t>(i)];
      nearest = std::min(nearest, apart);
    }
    worst = std::max(worst, nearest);
    int i = n - 1;
    while (i >= 0 && ++digits[static_cast<size_t>(i)] == (i < t ? 3 : 2))
      digits[static_cast<size_t>(i--)] = 0;
    if (i < 0)
      return worst;
  }
}

// 1/2, 1/4, 1/4 in every match.
SignProbabilities halfQuarterQuarter()
{
  SignProbabilities p;
  for (auto &m : p)
    m = {0.5, 0.25, 0.25};
  return p;
}

SignSets threeTriples()
{
  SignSets s;
  for (int m = 0; m < kMatches; ++m)
    s[m] = m < 3 ? QStringLiteral("1X2") : QStringLiteral("1");
  return s;
}

QString columnText(const Column &c) { return QString::fromLatin1(c.data(), kMatches); }

// A short search: these systems are small.
SearchLimits quick()
{
  SearchLimits limits;
  limits.maxSteps = 20'000;
  return limits;
}

} // namespace

Q_DECLARE_METATYPE(engine::systems::Conditions)

class TestCoverings : public QObject {
  Q_OBJECT

private slots:
  // Guarantee 13 at the sizes of the published tables (OEIS A004044, A000983);
  // guarantee 12 at least 15% under the greedy of earlier versions (21, 50, 124).
  void tableCodes_data()
  {
    QTest::addColumn<int>("triples");
    QTest::addColumn<int>("doubles");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("most");
    const int triples13[] = {9, 27, 73, 186, 486};
    for (int t = 4; t <= 8; ++t)
      QTest::addRow("%d triples al 13", t) << t << 0 << 1 << triples13[t - 4];
    const int doubles13[] = {16, 32, 62, 120, 192, 380};
    for (int d = 7; d <= 12; ++d)
      QTest::addRow("%d dobles al 13", d) << 0 << d << 1 << doubles13[d - 7];
    QTest::newRow("6 triples al 12") << 6 << 0 << 2 << 17;
    QTest::newRow("7 triples al 12") << 7 << 0 << 2 << 42;
    QTest::newRow("8 triples al 12") << 8 << 0 << 2 << 105;
  }

  void tableCodes()
  {
    QFETCH(int, triples);
    QFETCH(int, doubles);
    QFETCH(int, radius);
    QFETCH(int, most);
    const QStringList words = tableWords(triples, doubles, radius);
    QVERIFY2(!words.isEmpty(), "no line of that shape in the table");
    QVERIFY2(words.size() <= most, qPrintable(QString::number(words.size())));
    QCOMPARE(coveringRadius(triples, doubles, words), radius);
    // And the program takes that same code from the table.
    const CodeTable table = CodeTable::load(kTable);
    const CoveringCode *code = table.find(triples, doubles, radius);
    QVERIFY(code);
    QCOMPARE(code->size(), int(words.size()));
    QCOMPARE(QString::fromLatin1(codeLine(*code)).section(u':', 1).split(u' ', Qt::SkipEmptyParts), words);
  }

  void shippedTableReadWhole()
  {
    const CodeTable table = CodeTable::load(kTable);
    QVERIFY(table.problems().empty());
    QVERIFY(table.codes().size() > 20);
  }

  void badTableLines_data()
  {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no colon") << QByteArray("t1 d0 r1 1 1") << "falta ':'";
    QTest::newRow("header of three") << QByteArray("t1 d0 1: 1") << "cabecera";
    QTest::newRow("letters swapped") << QByteArray("d0 t1 r1 1: 1") << "cabecera";
    QTest::newRow("negative count") << QByteArray("t1 d0 r1 -1: 1") << "cabecera";
    QTest::newRow("15 matches") << QByteArray("t8 d7 r1 1: 000000000000000") << "de 1 a 14";
    QTest::newRow("no match") << QByteArray("t0 d0 r1 1: 0") << "de 1 a 14";
    QTest::newRow("radius 0") << QByteArray("t1 d0 r0 3: 0 1 2") << "radio";
    QTest::newRow("radius 4") << QByteArray("t5 d0 r4 1: 00000") << "radio";
    QTest::newRow("more words than the space") << QByteArray("t1 d0 r1 4: 0 1 2 0") << "fuera del espacio";
    QTest::newRow("count not kept") << QByteArray("t2 d0 r1 3: 00 11") << "se anuncian 3";
    QTest::newRow("short word") << QByteArray("t2 d0 r1 3: 00 11 2") << "no tiene 2 cifras";
    QTest::newRow("3 in a double") << QByteArray("t1 d1 r1 2: 00 13") << "fuera de su partido";
    QTest::newRow("2 in a double") << QByteArray("t1 d1 r1 2: 00 12") << "fuera de su partido";
    QTest::newRow("a letter") << QByteArray("t2 d0 r1 3: 00 1X 22") << "fuera de su partido";
    QTest::newRow("repeated word") << QByteArray("t2 d0 r1 3: 00 11 11") << "repetida";
    QTest::newRow("does not cover") << QByteArray("t2 d0 r1 2: 00 11") << "no cubren";
    QTest::newRow("4 triples in 8") << QByteArray("t4 d0 r1 8: 0000 0112 0221 1011 1120 1202 2022 2101") << "no cubren";
  }

  // A refused line is named with its number and why; the lines around it are read.
  void badTableLines()
  {
    QFETCH(QByteArray, line);
    QFETCH(QString, reason);
    const CodeTable table = CodeTable::parse("# a comment\r\n\r\n" + line + "\r\nt0 d3 r1 2: 000 111\r\n");
    QCOMPARE(table.problems().size(), size_t(1));
    QCOMPARE(table.problems()[0].line, 3);
    QVERIFY2(table.problems()[0].reason.contains(reason), qPrintable(table.problems()[0].reason));
    QCOMPARE(table.codes().size(), size_t(1));
    QVERIFY(table.find(0, 3, 1));
  }

  // Of two lines of one shape the smaller code is kept, whatever their order.
  void smallerCodeKept()
  {
    const QByteArray big = "t0 d3 r1 3: 000 011 111", small = "t0 d3 r1 2: 000 111";
    for (const QByteArray &text : {big + '\n' + small, small + '\n' + big}) {
      const CodeTable table = CodeTable::parse(text);
      QVERIFY(table.problems().empty());
      QCOMPARE(table.find(0, 3, 1)->size(), 2);
    }
  }

  // Without a table (missing file) the program still reduces: the perfect
  // codes it knows, a greedy and a search, every covering checked.
  void missingTable_data()
  {
    QTest::addColumn<int>("triples");
    QTest::addColumn<int>("doubles");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("most");
    QTest::newRow("4 triples, the Hamming code") << 4 << 0 << 1 << 9;
    QTest::newRow("7 doubles, the Hamming code") << 0 << 7 << 1 << 16;
    QTest::newRow("5 doubles at 12, repetition") << 0 << 5 << 2 << 2;
    QTest::newRow("5 triples: 3 x 9") << 5 << 0 << 1 << 27;
    QTest::newRow("8 triples at 12: 9 x 9") << 8 << 0 << 2 << 81;
    QTest::newRow("3 triples 2 doubles, no construction") << 3 << 2 << 1 << 17;
  }

  void missingTable()
  {
    QFETCH(int, triples);
    QFETCH(int, doubles);
    QFETCH(int, radius);
    QFETCH(int, most);
    const CodeTable none = CodeTable::load(QStringLiteral("/no/such/folder/recubrimientos.txt"));
    QVERIFY(none.codes().empty());
    QCOMPARE(none.problems().size(), size_t(1));
    QCOMPARE(none.problems()[0].line, 0);
    SearchLimits limits;
    limits.maxSteps = 2'000;
    const MixedSpace space = MixedSpace::ofShape(triples, doubles);
    const std::vector<Word> words = reduceSpace(space, radius, none, limits);
    QVERIFY(!words.empty());
    QVERIFY2(int(words.size()) <= most, qPrintable(QString::number(words.size())));
    QStringList text;
    for (Word w : words) {
      QString digits;
      for (int v : space.digits(w))
        digits += QChar(u'0' + v);
      text << digits;
    }
    QCOMPARE(coveringRadius(triples, doubles, text), radius);
  }

  // A mixed system never has more columns than the direct product of the best
  // pure codes of its parts, nor more than the greedy of earlier versions
  // gave it (its sizes here), even before any search on line.
  void mixedBound_data()
  {
    QTest::addColumn<int>("triples");
    QTest::addColumn<int>("doubles");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("before");
    // triples, doubles: the greedy's columns at 13 and at 12.
    const int earlier[][4] = {
        {1, 1, 2, 1},      {1, 2, 3, 2},      {1, 3, 6, 2},      {1, 4, 8, 3},      {1, 5, 16, 6},
        {1, 6, 24, 9},     {1, 7, 48, 14},    {1, 8, 96, 26},    {1, 9, 192, 46},   {1, 10, 368, 82},
        {1, 11, 721, 153}, {1, 12, 1383, 281}, {1, 13, 2048, 509}, {2, 1, 4, 2},     {2, 2, 6, 3},
        {2, 3, 12, 4},     {2, 4, 23, 7},     {2, 5, 42, 11},    {2, 6, 77, 21},    {2, 7, 144, 36},
        {2, 8, 280, 64},   {2, 9, 536, 112},  {2, 10, 1024, 214}, {2, 11, 1808, 387}, {2, 12, 3072, 707},
        {3, 1, 9, 3},      {3, 2, 17, 5},     {3, 3, 24, 8},     {3, 4, 52, 16},    {3, 5, 113, 27},
        {3, 6, 212, 49},   {3, 7, 413, 88},   {3, 8, 765, 162},  {3, 9, 1436, 289}, {3, 10, 2603, 529},
        {3, 11, 4369, 965}, {4, 1, 18, 6},    {4, 2, 42, 11},    {4, 3, 81, 20},    {4, 4, 162, 37},
        {4, 5, 281, 62},   {4, 6, 575, 116},  {4, 7, 976, 219},  {4, 8, 2078, 402}, {4, 9, 3706, 732},
        {5, 1, 63, 15},    {5, 2, 119, 27},   {5, 3, 226, 48},   {5, 4, 416, 88},   {5, 5, 786, 163},
        {5, 6, 1541, 301}, {5, 7, 2975, 555}, {6, 1, 164, 36},   {6, 2, 321, 66},   {6, 3, 597, 121},
        {6, 4, 1148, 226}, {6, 5, 2161, 416}, {6, 6, 4211, 758}, {7, 1, 456, 91},   {7, 2, 864, 171},
        {7, 3, 1655, 311}, {7, 4, 3168, 571}, {8, 1, 1238, 233}, {8, 2, 2387, 428}, {8, 3, 4574, 792},
        {9, 1, 3431, 593}};
    for (const auto &[t, d, at13, at12] : earlier) {
      QTest::addRow("%d triples %d dobles al 13", t, d) << t << d << 1 << at13;
      QTest::addRow("%d triples %d dobles al 12", t, d) << t << d << 2 << at12;
    }
  }

  void mixedBound()
  {
    QFETCH(int, triples);
    QFETCH(int, doubles);
    QFETCH(int, radius);
    QFETCH(int, before);
    const CodeTable table = CodeTable::load(kTable);
    const CodeBuilder builder(table);
    // What the program plays before any search on line: the table, its constructions, the greedy.
    const MixedSpace space = MixedSpace::ofShape(triples, doubles);
    SearchLimits noSearch;
    noSearch.maxSteps = 0;
    const std::vector<Word> words = reduceSpace(space, radius, table, noSearch);
    QVERIFY(coversSpace(space, radius, words));
    const std::int64_t size = std::int64_t(words.size());
    QVERIFY2(size <= before, qPrintable(QString::number(size)));
    if (radius == 1) {
      // The best pure codes: of the triples with the doubles direct, and the other way round.
      const std::int64_t pureTriples = builder.size(triples, 0, 1) << doubles;
      std::int64_t pureDoubles = builder.size(0, doubles, 1);
      for (int i = 0; i < triples; ++i)
        pureDoubles *= 3;
      QVERIFY2(size <= std::min(pureTriples, pureDoubles), qPrintable(QString::number(size)));
    }
  }

  // The search reaches the smallest coverings of small spaces, known by hand or by exhaustion.
  void searchFindsOptimum_data()
  {
    QTest::addColumn<int>("triples");
    QTest::addColumn<int>("doubles");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("optimum");
    QTest::newRow("3 triples: 5") << 3 << 0 << 1 << 5;
    QTest::newRow("4 triples: 9") << 4 << 0 << 1 << 9;
    QTest::newRow("5 doubles: 7") << 0 << 5 << 1 << 7;
    QTest::newRow("6 doubles: 12") << 0 << 6 << 1 << 12;
    QTest::newRow("5 triples at 12: 8") << 5 << 0 << 2 << 8;
  }

  void searchFindsOptimum()
  {
    QFETCH(int, triples);
    QFETCH(int, doubles);
    QFETCH(int, radius);
    QFETCH(int, optimum);
    const MixedSpace space = MixedSpace::ofShape(triples, doubles);
    const CoverProblem problem(space, radius);
    std::vector<Word> all(static_cast<size_t>(space.size()));
    std::iota(all.begin(), all.end(), 0);
    SearchLimits limits;
    limits.maxSteps = 200'000;
    std::vector<int> sizes;
    limits.found = [&sizes](const std::vector<Word> &w) { sizes.push_back(int(w.size())); };
    // No need to look below the optimum.
    limits.progress = [optimum](const SearchProgress &p) { return p.bestSize != optimum; };
    const std::vector<Word> words = shrinkCover(problem, all, limits);
    QCOMPARE(int(words.size()), optimum);
    QVERIFY(coversSpace(space, radius, words));
    // One word less each time, from the whole space down.
    QCOMPARE(sizes.front(), int(space.size()) - 1);
    QCOMPARE(sizes.back(), optimum);
    QCOMPARE(int(sizes.size()), int(space.size()) - optimum);
  }

  // Stopped by the caller or by the clock, the search gives the smallest
  // covering it had, still a covering.
  void searchStops()
  {
    const MixedSpace space = MixedSpace::ofShape(6, 0);
    const CoverProblem problem(space, 1);
    const std::vector<Word> start = greedyCover(problem);
    SearchLimits limits;
    std::int64_t last = -1;
    limits.progress = [&last](const SearchProgress &p) {
      last = p.steps;
      return p.steps < 4096;
    };
    std::vector<Word> words = shrinkCover(problem, start, limits);
    // Asked every 64 moves, and after each covering found: stopped at the first answer no.
    QVERIFY(last >= 4096 && last < 4096 + 64);
    QVERIFY(words.size() <= start.size());
    QVERIFY(coversSpace(space, 1, words));
    limits.progress = nullptr;
    limits.deadline = std::chrono::steady_clock::now();
    words = shrinkCover(problem, start, limits);
    QVERIFY(coversSpace(space, 1, words));
    // Cancelled (the window's Cancel, from its thread): the search stops before
    // its first move and gives back the covering it was given; the greedy
    // makes one pass only, still a covering.
    std::atomic<bool> cancel = true;
    limits.deadline = std::chrono::steady_clock::time_point::max();
    limits.cancel = &cancel;
    int found = 0;
    limits.found = [&found](const std::vector<Word> &) { ++found; };
    words = shrinkCover(problem, start, limits);
    std::vector<Word> sorted = start;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(words, sorted);
    QCOMPARE(found, 0);
    QVERIFY(coversSpace(space, 1, greedyCover(problem, &cancel)));
  }

  // 3 triples and eleven 1s: 27 direct columns, counted by hand.
  void conditionsOnAHandSystem_data()
  {
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<int>("filtered");
    Conditions c;
    QTest::newRow("none") << c << 27;
    c.draws = {1, 1};
    // Where the X is, then 1 or 2 in each of the two other triples.
    QTest::newRow("one X") << c << 12;
    c = {};
    c.aways = {2, 14};
    QTest::newRow("two 2 or more") << c << 7;
    c = {};
    c.variants = {0, 1};
    QTest::newRow("at most one variant") << c << 7;
    c = {};
    c.interruptions = {0, 1};
    // 111, then one change: XXX 222, XX1 221, X11 211.
    QTest::newRow("at most one change") << c << 7;
    c = {};
    c.longestRun = {1, 11};
    // The 1s of the singles make a run of 11 at least: the third triple is not a 1.
    QTest::newRow("run of 11") << c << 18;
    c.longestRun = {12, 12};
    QTest::newRow("run of 12") << c << 6;
    c.longestRun = {13, 14};
    QTest::newRow("run of 13 or 14") << c << 3;
    c = {};
    c.draws = {1, 1};
    c.aways = {1, 1};
    c.interruptions = {3, 3};
    // One X, one 2, one 1 among the triples; 3 changes when the 1 is not last: 1X2 12X X12 21X.
    QTest::newRow("one of each, three changes") << c << 4;
  }

  void conditionsOnAHandSystem()
  {
    QFETCH(Conditions, conditions);
    QFETCH(int, filtered);
    for (int guarantee : {14, 13, 12}) {
      const auto reduced = reduceConditioned(threeTriples(), guarantee, conditions, quick());
      QVERIFY(reduced);
      QCOMPARE(reduced->direct, std::int64_t(27));
      QCOMPARE(reduced->filtered, std::int64_t(filtered));
      // Every direct column meeting the conditions is within 14 - guarantee of a column played.
      int meeting = 0;
      for (int w = 0; w < 27; ++w) {
        Column column;
        column.fill('1');
        for (int m = 0, v = w; m < 3; ++m, v /= 3)
          column[2 - m] = "1X2"[v % 3];
        if (!conditions.accepts(column))
          continue;
        ++meeting;
        int nearest = kMatches;
        for (const Column &played : reduced->columns) {
          int apart = 0;
          for (int m = 0; m < kMatches; ++m)
            apart += played[m] != column[m];
          nearest = std::min(nearest, apart);
        }
        QVERIFY2(nearest <= 14 - guarantee, qPrintable(columnText(column)));
      }
      QCOMPARE(meeting, filtered);
      if (guarantee == 14)
        QCOMPARE(int(reduced->columns.size()), filtered);
      else
        QVERIFY(int(reduced->columns.size()) <= filtered);
    }
  }

  void conditionsPlayedFewer()
  {
    Conditions oneX;
    oneX.draws = {1, 1};
    // The 12 columns of one X: at 13, X11 X22 1X1 2X2 11X 22X do (each covers
    // the two others with its X in place, one sign away); at 12, XXX alone
    // is two signs from each.
    const auto at13 = reduceConditioned(threeTriples(), 13, oneX, quick());
    QVERIFY(at13);
    QVERIFY(at13->columns.size() <= 6);
    const auto at12 = reduceConditioned(threeTriples(), 12, oneX, quick());
    QVERIFY(at12);
    QCOMPARE(at12->columns.size(), size_t(1));
    QCOMPARE(columnText(at12->columns[0]), QString("XXX11111111111"));
  }

  void noColumnMeetsTheConditions()
  {
    Conditions c;
    c.draws = {4, 14}; // three triples give three X at most
    const auto reduced = reduceConditioned(threeTriples(), 13, c, quick());
    QVERIFY(reduced);
    QCOMPARE(reduced->filtered, std::int64_t(0));
    QVERIFY(reduced->columns.empty());
  }

  void badConditions_data()
  {
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<int>("guarantee");
    Conditions c;
    QTest::newRow("guarantee 11") << c << 11;
    c.draws = {3, 2};
    QTest::newRow("min above max") << c << 13;
    c = {};
    c.interruptions = {0, 14};
    QTest::newRow("14 changes") << c << 13;
    c = {};
    c.longestRun = {0, 3};
    QTest::newRow("run of 0") << c << 13;
    c = {};
    c.variants = {-1, 3};
    QTest::newRow("negative") << c << 13;
  }

  void badConditions()
  {
    QFETCH(Conditions, conditions);
    QFETCH(int, guarantee);
    QVERIFY(!reduceConditioned(threeTriples(), guarantee, conditions, quick()));
  }

  // The chance of the conditions, worked by hand with 1/2, 1/4, 1/4 in every match.
  void conditionsChanceByHand_data()
  {
    QTest::addColumn<Conditions>("conditions");
    QTest::addColumn<bool>("withinSystem");
    QTest::addColumn<double>("chance");
    Conditions c;
    QTest::newRow("anything") << c << false << 1.0;
    c.draws = {0, 0};
    QTest::newRow("no X") << c << false << std::pow(0.75, 14);
    c.draws = {1, 1};
    QTest::newRow("one X") << c << false << 14 * 0.25 * std::pow(0.75, 13);
    c = {};
    c.variants = {0, 0};
    QTest::newRow("all 1") << c << false << std::pow(0.5, 14);
    c = {};
    c.interruptions = {0, 0};
    QTest::newRow("one sign throughout") << c << false << std::pow(0.5, 14) + 2 * std::pow(0.25, 14);
    c = {};
    c.longestRun = {14, 14};
    QTest::newRow("a run of 14") << c << false << std::pow(0.5, 14) + 2 * std::pow(0.25, 14);
    c = {};
    c.interruptions = {13, 13};
    // No two matches alike: after the first, each sign differs from the one before.
    // Alternating 1 and another sign or between X and 2; worked as a two-state chain:
    // a 1 is followed by X or 2 (1/2); X or 2 by 1 (1/2) or the other one (1/4).
    {
      double one = 0.5, other = 0.5; // the first match
      for (int m = 1; m < kMatches; ++m) {
        const double nextOne = other * 0.5, nextOther = one * 0.5 + other * 0.25;
        one = nextOne;
        other = nextOther;
      }
      QTest::newRow("a change every match") << c << false << one + other;
    }
    c = {};
    c.draws = {1, 1};
    // Within 3 triples and eleven 1s: the X in one triple (1/4), the two others 1 or 2 (3/4 each).
    QTest::newRow("one X within the system") << c << true << 3 * 0.25 * 0.75 * 0.75 * std::pow(0.5, 11);
    c = {};
    QTest::newRow("the system") << c << true << std::pow(0.5, 11);
  }

  void conditionsChanceByHand()
  {
    QFETCH(Conditions, conditions);
    QFETCH(bool, withinSystem);
    QFETCH(double, chance);
    const SignSets system = threeTriples();
    const double got = conditionsChance(conditions, halfQuarterQuarter(), withinSystem ? &system : nullptr);
    QVERIFY2(std::abs(got - chance) < 1e-15, qPrintable(QString::number(got, 'g', 17)));
  }

  void conditionsFromTheFigure_data()
  {
    QTest::addColumn<double>("variants");
    QTest::addColumn<double>("draws");
    QTest::addColumn<double>("aways");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QString>("ranges"); // variants, X, 2
    QTest::newRow("5.4 3.3 2.1 ± 1") << 5.4 << 3.3 << 2.1 << 1 << "4-6 2-4 1-3";
    QTest::newRow("no margin") << 5.4 << 3.3 << 2.1 << 0 << "5-5 3-3 2-2";
    QTest::newRow("halves round up") << 6.5 << 2.5 << 0.5 << 0 << "7-7 3-3 1-1";
    QTest::newRow("kept within 0..14") << 13.6 << 0.4 << 0.0 << 2 << "12-14 0-2 0-2";
    QTest::newRow("a figure of 15 lines") << 15.0 << 1.0 << 1.0 << 1 << "13-14 0-2 0-2";
    QTest::newRow("negative margin") << 5.4 << 3.3 << 2.1 << -2 << "5-5 3-3 2-2";
  }

  void conditionsFromTheFigure()
  {
    QFETCH(double, variants);
    QFETCH(double, draws);
    QFETCH(double, aways);
    QFETCH(int, margin);
    QFETCH(QString, ranges);
    const Conditions c = conditionsFromFigure(variants, draws, aways, margin);
    auto text = [](const CountRange &r) { return QStringLiteral("%1-%2").arg(r.min).arg(r.max); };
    QCOMPARE(text(c.variants) + u' ' + text(c.draws) + u' ' + text(c.aways), ranges);
    QCOMPARE(c.interruptions, Conditions{}.interruptions);
    QCOMPARE(c.longestRun, Conditions{}.longestRun);
  }
};

QTEST_GUILESS_MAIN(TestCoverings)
#include "test_coverings.moc"
