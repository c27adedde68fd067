// covering-search: makes the table of covering codes "recubrimientos.txt"
// that the program reads from its folder. Run offline, for as long as one
// likes; the program checks every code again whenever it reads the table.
//
//   covering-search buscar T D R      a tabu search from the table's code (or the greedy's)
//   covering-search matriz Q N K      the matrix method: {x : Hx in S}, S searched in F_Q^K
//   covering-search rellenar TABLA    every shape up to a size, searched and kept when smaller
//   covering-search juntar TABLA ARCHIVO...  the smaller code of each shape into the table
//   covering-search comprobar TABLA   every line checked, the size of each code
//   covering-search tamanos TABLA     the columns the program plays, system by system (the README's table)
#include "engine/systems/CodeBuilder.h"
#include "engine/systems/CodeTable.h"
#include "engine/systems/CoverSearch.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <optional>

using namespace engine::systems;

namespace {

const char kHeader[] =
    "# Covering codes for Vaticor's reduced systems, made by tools/covering-search\n"
    "# (see the README, \"Reduced systems and covering codes\").\n"
    "# One code a line: tT dD rR N: words. T triples and D doubles; radius R (1: guarantee 13, 2: guarantee 12);\n"
    "# N words of T + D digits, the triples' (0, 1, 2) first, then the doubles' (0, 1). Checked when read.\n";

void say(const QString &text)
{
  std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

void print(const QByteArray &line)
{
  std::fputs((line + '\n').constData(), stdout);
  std::fflush(stdout);
}

std::optional<long long> number(const QString &text)
{
  bool ok = false;
  const long long n = text.toLongLong(&ok);
  return ok ? std::optional<long long>(n) : std::nullopt;
}

bool writeTable(const QString &path, const CodeTable &table)
{
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  file.write(kHeader);
  file.write(table.text());
  return file.flush() && file.commit();
}

// The k x n matrix over F_q (q prime) has rank k.
bool fullRank(int q, const std::vector<std::vector<int>> &columns, int k)
{
  std::vector<std::vector<int>> rows(static_cast<size_t>(k), std::vector<int>(columns.size()));
  for (size_t i = 0; i < columns.size(); ++i)
    for (size_t j = 0; j < static_cast<size_t>(k); ++j)
      rows[j][i] = columns[i][j];
  size_t rank = 0;
  for (size_t c = 0; c < columns.size() && rank < rows.size(); ++c) {
    size_t pivot = rank;
    while (pivot < rows.size() && rows[pivot][c] == 0)
      ++pivot;
    if (pivot == rows.size())
      continue;
    std::swap(rows[rank], rows[pivot]);
    const int inverse = rows[rank][c]; // 1 -> 1, 2 -> 2 over F_3
    for (int &v : rows[rank])
      v = v * inverse % q;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (i == rank || rows[i][c] == 0)
        continue;
      const int f = rows[i][c];
      for (size_t j = 0; j < columns.size(); ++j)
        rows[i][j] = ((rows[i][j] - f * rows[rank][j]) % q + q) % q;
    }
    ++rank;
  }
  return static_cast<int>(rank) == k;
}

// n columns of F_q^k, nonzero, none a multiple of another while there are
// enough of them, and spanning F_q^k.
std::vector<std::vector<int>> randomColumns(int q, int n, int k, SearchRandom &random)
{
  const MixedSpace small(std::vector<int>(static_cast<size_t>(k), q));
  const long long points = (small.size() - 1) / (q - 1);
  for (;;) {
    std::vector<std::vector<int>> columns(static_cast<size_t>(n), std::vector<int>(static_cast<size_t>(k)));
    std::vector<char> used(static_cast<size_t>(small.size()), 0);
    used[0] = 1;
    for (size_t i = 0; i < columns.size(); ++i) {
      std::vector<int> &c = columns[i];
      do {
        for (int &v : c)
          v = static_cast<int>(random.below(static_cast<std::uint32_t>(q)));
      } while (small.word(c) == 0 || (used[static_cast<size_t>(small.word(c))] && static_cast<long long>(i) < points));
      for (int a = 1; a < q; ++a) {
        std::vector<int> m(c);
        for (int &v : m)
          v = v * a % q;
        used[static_cast<size_t>(small.word(m))] = 1;
      }
    }
    if (fullRank(q, columns, k))
      return columns;
  }
}

// {x in F_q^n : Hx in S}.
std::vector<Word> lift(int q, const std::vector<std::vector<int>> &columns, int k, const std::vector<Word> &cover)
{
  const MixedSpace full(std::vector<int>(columns.size(), q));
  const MixedSpace small(std::vector<int>(static_cast<size_t>(k), q));
  std::vector<char> inS(static_cast<size_t>(small.size()), 0);
  for (Word s : cover)
    inS[static_cast<size_t>(s)] = 1;
  std::vector<Word> words;
  std::vector<int> syndrome(static_cast<size_t>(k));
  for (Word x = 0; x < full.size(); ++x) {
    std::fill(syndrome.begin(), syndrome.end(), 0);
    for (size_t i = 0; i < columns.size(); ++i)
      for (size_t j = 0; j < syndrome.size(); ++j)
        syndrome[j] = (syndrome[j] + full.digit(x, static_cast<int>(i)) * columns[i][j]) % q;
    if (inS[static_cast<size_t>(small.word(syndrome))])
      words.push_back(x);
  }
  return words;
}

struct Options {
  std::optional<long long> words;
  long long steps = 2'000'000, seed = 1, matrices = 20, tabu = 0, upTo = 6561, radius = 0;
  QString table;
  QStringList extra; // columns after the identity, instead of random ones
};

SearchLimits limitsOf(const Options &o)
{
  SearchLimits limits;
  limits.seed = static_cast<std::uint64_t>(o.seed);
  limits.maxSteps = o.steps;
  limits.tabuLength = static_cast<int>(o.tabu);
  limits.progress = [](const SearchProgress &p) {
    if (p.steps % (1 << 22) == 0 && p.steps > 0)
      say(QStringLiteral("  %1 pasos, mejor %2").arg(p.steps).arg(p.bestSize));
    return true;
  };
  return limits;
}

// The smallest covering of the shape a search of these limits finds, from the
// table's code or else the smaller of the constructions' and the greedy's.
CoveringCode search(CoveringCode code, const CodeTable &table, const Options &o, bool echo)
{
  const MixedSpace space = code.space();
  const CoverProblem problem(space, code.radius);
  std::vector<Word> start;
  if (const CoveringCode *known = table.find(code.triples, code.doubles, code.radius))
    start = known->words;
  if (start.empty()) {
    start = greedyCover(problem);
    if (const std::optional<CoveringCode> built = CodeBuilder(table).build(code.triples, code.doubles, code.radius);
        built && built->size() < static_cast<int>(start.size()))
      start = built->words;
  }
  SearchLimits limits = limitsOf(o);
  if (echo)
    limits.found = [&code](const std::vector<Word> &words) {
      CoveringCode better = code;
      better.words = words;
      print(codeLine(better));
    };
  if (o.words) {
    bool found = false;
    code.words = tabuCover(problem, start, static_cast<int>(*o.words), limits, &found);
    if (!found)
      code.words.clear();
  } else {
    code.words = shrinkCover(problem, start, limits);
  }
  return code;
}

int usage()
{
  say(QStringLiteral(
      "Uso: covering-search buscar T D R [--palabras M] [--pasos N] [--semilla S] [--tabu L] [--tabla ARCHIVO]\n"
      "     covering-search matriz Q N K [--palabras M] [--pasos N] [--semilla S] [--tabu L] [--matrices A] [--extra COLUMNAS]\n"
      "     covering-search rellenar TABLA [--hasta PALABRAS] [--radio R] [--pasos N] [--semilla S]\n"
      "     covering-search juntar TABLA ARCHIVO...\n"
      "     covering-search comprobar TABLA   covering-search tamanos TABLA\n"
      "T triples, D dobles, R radio (1: garantía 13, 2: garantía 12). Los códigos salen en la salida, uno por "
      "línea, en el formato de la tabla."));
  return 1;
}

} // namespace

int main(int argc, char **argv)
{
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  Options o;
  QStringList positional;
  for (int i = 0; i < args.size(); ++i) {
    const QString &a = args[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      positional << a;
      continue;
    }
    if (i + 1 >= args.size())
      return usage();
    const QString value = args[++i];
    if (a == QStringLiteral("--tabla")) {
      o.table = value;
      continue;
    }
    if (a == QStringLiteral("--extra")) {
      o.extra = value.split(u',');
      continue;
    }
    const std::optional<long long> n = number(value);
    if (!n || *n < 0)
      return usage();
    if (a == QStringLiteral("--palabras"))
      o.words = n;
    else if (a == QStringLiteral("--pasos"))
      o.steps = *n;
    else if (a == QStringLiteral("--semilla"))
      o.seed = *n;
    else if (a == QStringLiteral("--matrices"))
      o.matrices = *n;
    else if (a == QStringLiteral("--tabu"))
      o.tabu = *n;
    else if (a == QStringLiteral("--hasta"))
      o.upTo = *n;
    else if (a == QStringLiteral("--radio"))
      o.radius = *n;
    else
      return usage();
  }
  const QString command = positional.value(0);

  if (command == QStringLiteral("comprobar") && positional.size() == 2) {
    const CodeTable table = CodeTable::load(positional[1]);
    for (const TableProblem &p : table.problems())
      say(QStringLiteral("línea %1: %2").arg(p.line).arg(p.reason));
    const CodeBuilder builder(table);
    for (const CoveringCode &c : table.codes())
      std::printf("t%d d%d r%d %d de %d\n", c.triples, c.doubles, c.radius, c.size(), int(c.space().size()));
    return table.problems().empty() ? 0 : 1;
  }

  if (command == QStringLiteral("tamanos") && positional.size() == 2) {
    // The README's table: what the program plays, for every pure system and a few mixed ones.
    const CodeTable table = CodeTable::load(positional[1]);
    const CodeBuilder builder(table);
    std::printf("| Sistema | Directas | Al 13 | Al 12 |\n|---|---|---|---|\n");
    auto row = [&builder](int t, int d) {
      QString name = t ? QStringLiteral("%1 triples").arg(t) : QString();
      if (d)
        name += (t ? QStringLiteral(" y ") : QString()) + QStringLiteral("%1 dobles").arg(d);
      std::printf("| %s | %lld | %lld | %lld |\n", name.toUtf8().constData(), (long long)builder.size(t, d, 0),
                  (long long)builder.size(t, d, 1), (long long)builder.size(t, d, 2));
    };
    for (int t = 3; t <= 10; ++t)
      row(t, 0);
    for (int d = 5; d <= 14; ++d)
      row(0, d);
    for (const auto &[t, d] : {std::pair{2, 4}, {3, 3}, {4, 4}, {5, 3}, {5, 7}, {6, 2}, {7, 4}})
      row(t, d);
    return 0;
  }

  if (command == QStringLiteral("juntar") && positional.size() >= 3) {
    CodeTable table = CodeTable::load(positional[1]);
    if (table.problems().size() == 1 && table.problems()[0].line == 0)
      table = CodeTable(); // a new table
    else if (!table.problems().empty())
      return usage();
    for (const QString &path : positional.mid(2)) {
      const CodeTable more = CodeTable::load(path);
      for (const TableProblem &p : more.problems())
        say(QStringLiteral("%1, línea %2: %3").arg(path).arg(p.line).arg(p.reason));
      for (const CoveringCode &c : more.codes())
        if (table.add(c))
          say(QStringLiteral("t%1 d%2 r%3: %4 palabras").arg(c.triples).arg(c.doubles).arg(c.radius).arg(c.size()));
    }
    return writeTable(positional[1], table) ? 0 : 2;
  }

  if (command == QStringLiteral("rellenar") && positional.size() == 2) {
    CodeTable table = CodeTable::load(positional[1]);
    for (int r = 1; r <= 2; ++r)
      for (Word size = 2; size <= o.upTo && (o.radius == 0 || o.radius == r); ++size)
        for (int t = 0; t <= 14; ++t)
          for (int d = 0; t + d <= 14; ++d) {
            if (MixedSpace::ofShape(t, d).size() != size || t + d <= r)
              continue;
            CoveringCode code;
            code.triples = t;
            code.doubles = d;
            code.radius = r;
            const CodeBuilder builder(table);
            code = search(code, table, o, false);
            if (code.words.empty() || !coversSpace(code.space(), r, code.words))
              return 3;
            // Every shape of the range is kept, so that the program needs no search on line for it.
            if (table.add(code)) {
              say(QStringLiteral("t%1 d%2 r%3: %4 palabras (construcciones %5)").arg(t).arg(d).arg(r).arg(code.size())
                      .arg(builder.size(t, d, r)));
              if (!writeTable(positional[1], table))
                return 2;
            }
          }
    return 0;
  }

  if (command == QStringLiteral("buscar") && positional.size() == 4) {
    const auto t = number(positional[1]), d = number(positional[2]), r = number(positional[3]);
    if (!t || !d || !r || *t < 0 || *d < 0 || *t + *d < 1 || *t + *d > 14 || *r < 1 || *r > 3)
      return usage();
    CoveringCode code;
    code.triples = int(*t);
    code.doubles = int(*d);
    code.radius = int(*r);
    if (code.space().size() > CodeTable::kLargestSpace)
      return usage();
    const CodeTable table = o.table.isEmpty() ? CodeTable() : CodeTable::load(o.table);
    code = search(code, table, o, true);
    if (code.words.empty()) {
      say(QStringLiteral("sin recubrimiento de %1 palabras").arg(o.words.value_or(0)));
      return 2;
    }
    if (!coversSpace(code.space(), code.radius, code.words))
      return 3;
    print(codeLine(code));
    return 0;
  }

  if (command == QStringLiteral("matriz") && positional.size() == 4) {
    const auto q = number(positional[1]), n = number(positional[2]), k = number(positional[3]);
    if (!q || !n || !k || (*q != 2 && *q != 3) || *n < 1 || *n > 14 || *k < 1 || *k > *n)
      return usage();
    SearchRandom random(static_cast<std::uint64_t>(o.seed) + 77);
    CoveringCode best;
    best.triples = *q == 3 ? int(*n) : 0;
    best.doubles = *q == 2 ? int(*n) : 0;
    best.radius = 1;
    long long factor = 1;
    for (long long i = *k; i < *n; ++i)
      factor *= *q;
    for (long long m = 0; m < o.matrices; ++m) {
      std::vector<std::vector<int>> columns;
      if (o.extra.isEmpty()) {
        columns = randomColumns(int(*q), int(*n), int(*k), random);
      } else {
        // H = [I | the columns given], each as K digits.
        for (int i = 0; i < *k; ++i) {
          columns.emplace_back(static_cast<size_t>(*k), 0);
          columns.back()[static_cast<size_t>(i)] = 1;
        }
        for (const QString &text : o.extra) {
          if (text.size() != *k)
            return usage();
          columns.emplace_back();
          for (QChar c : text) {
            const int v = c.digitValue();
            if (v < 0 || v >= *q)
              return usage();
            columns.back().push_back(v);
          }
        }
        if (static_cast<long long>(columns.size()) != *n)
          return usage();
      }
      const CoverProblem problem = CoverProblem::quotient(int(*q), int(*k), columns);
      SearchLimits limits = limitsOf(o);
      limits.seed += static_cast<std::uint64_t>(m);
      std::vector<Word> cover = greedyCover(problem);
      if (o.words) {
        bool found = false;
        cover = tabuCover(problem, cover, static_cast<int>(std::max(1LL, *o.words / factor)), limits, &found);
        if (!found)
          continue;
      } else {
        cover = shrinkCover(problem, cover, limits);
      }
      const std::vector<Word> lifted = lift(int(*q), columns, int(*k), cover);
      if (!coversSpace(best.space(), 1, lifted))
        return 3;
      say(QStringLiteral("matriz %1: %2 x %3 = %4").arg(m).arg(cover.size()).arg(factor).arg(lifted.size()));
      if (best.words.empty() || lifted.size() < best.words.size()) {
        best.words = lifted;
        print(codeLine(best));
      }
      if (o.words && best.size() <= *o.words)
        break;
    }
    return best.words.empty() ? 2 : 0;
  }
  return usage();
}
