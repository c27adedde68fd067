#include "engine/systems/CodeTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <charconv>

namespace engine::systems {

namespace {

// "t6", "d0", "r1": the letter, then a whole number without sign.
std::optional<int> field(const QByteArray &text, char letter)
{
  if (text.size() < 2 || text[0] != letter || text[1] < '0' || text[1] > '9')
    return std::nullopt;
  int value = 0;
  const char *first = text.constData() + 1, *last = text.constData() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last)
    return std::nullopt;
  return value;
}

bool shapeBefore(const CoveringCode &a, const CoveringCode &b)
{
  return std::tuple(a.radius, a.triples + a.doubles, a.triples) < std::tuple(b.radius, b.triples + b.doubles, b.triples);
}

} // namespace

QByteArray codeLine(const CoveringCode &code)
{
  const MixedSpace space = code.space();
  QByteArray line = "t" + QByteArray::number(code.triples) + " d" + QByteArray::number(code.doubles) + " r" +
                    QByteArray::number(code.radius) + ' ' + QByteArray::number(code.size()) + ':';
  std::vector<Word> words = code.words;
  std::sort(words.begin(), words.end());
  for (Word w : words) {
    line += ' ';
    for (int d : space.digits(w))
      line += static_cast<char>('0' + d);
  }
  return line;
}

std::optional<CoveringCode> parseCodeLine(const QByteArray &line, QString *why)
{
  auto refuse = [why](const QString &reason) {
    if (why)
      *why = reason;
    return std::nullopt;
  };
  const qsizetype colon = line.indexOf(':');
  if (colon < 0)
    return refuse(QStringLiteral("falta ':' tras la cabecera"));
  const QList<QByteArray> head = line.left(colon).split(' ');
  if (head.size() != 4)
    return refuse(QStringLiteral("la cabecera no es «tT dD rR N»"));
  const std::optional<int> t = field(head[0], 't'), d = field(head[1], 'd'), r = field(head[2], 'r');
  const std::optional<int> n = field('n' + head[3], 'n');
  if (!t || !d || !r || !n)
    return refuse(QStringLiteral("la cabecera no es «tT dD rR N»"));
  if (*t + *d < 1 || *t > 14 || *d > 14 || *t + *d > 14)
    return refuse(QStringLiteral("de 1 a 14 partidos entre triples y dobles"));
  if (*r < 1 || *r > 3)
    return refuse(QStringLiteral("el radio va de 1 a 3"));
  CoveringCode code;
  code.triples = *t;
  code.doubles = *d;
  code.radius = *r;
  const MixedSpace space = code.space();
  if (space.size() > CodeTable::kLargestSpace)
    return refuse(QStringLiteral("espacio demasiado grande"));
  if (*n < 1 || *n > space.size())
    return refuse(QStringLiteral("número de palabras fuera del espacio"));
  const QList<QByteArray> words = line.mid(colon + 1).trimmed().split(' ');
  if (words.size() != *n)
    return refuse(QStringLiteral("se anuncian %1 palabras y hay %2").arg(*n).arg(words.size()));
  std::vector<char> seen(static_cast<size_t>(space.size()), 0);
  std::vector<int> digits(static_cast<size_t>(space.length()));
  for (const QByteArray &text : words) {
    if (text.size() != space.length())
      return refuse(QStringLiteral("la palabra «%1» no tiene %2 cifras").arg(QString::fromLatin1(text)).arg(space.length()));
    for (int i = 0; i < space.length(); ++i) {
      const int digit = text[i] - '0';
      if (digit < 0 || digit >= space.radix(i))
        return refuse(QStringLiteral("la palabra «%1» tiene una cifra fuera de su partido").arg(QString::fromLatin1(text)));
      digits[static_cast<size_t>(i)] = digit;
    }
    const Word w = space.word(digits);
    if (seen[static_cast<size_t>(w)]++)
      return refuse(QStringLiteral("la palabra «%1» está repetida").arg(QString::fromLatin1(text)));
    code.words.push_back(w);
  }
  if (!coversSpace(space, code.radius, code.words))
    return refuse(QStringLiteral("las palabras no cubren todo el espacio con ese radio"));
  return code;
}

CodeTable CodeTable::parse(const QByteArray &text)
{
  CodeTable table;
  const QList<QByteArray> lines = text.split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed(); // also the CR of a CR LF
    if (line.isEmpty() || line.startsWith('#'))
      continue;
    QString why;
    if (const std::optional<CoveringCode> code = parseCodeLine(line, &why))
      table.add(*code);
    else
      table.problems_.push_back({i + 1, why});
  }
  return table;
}

CodeTable CodeTable::load(const QString &path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    CodeTable table;
    table.problems_.push_back({0, QStringLiteral("no se puede leer %1").arg(path)});
    return table;
  }
  return parse(file.readAll());
}

const CoveringCode *CodeTable::find(int triples, int doubles, int radius) const
{
  for (const CoveringCode &c : codes_)
    if (c.triples == triples && c.doubles == doubles && c.radius == radius)
      return &c;
  return nullptr;
}

bool CodeTable::add(const CoveringCode &code)
{
  for (CoveringCode &c : codes_) {
    if (c.triples == code.triples && c.doubles == code.doubles && c.radius == code.radius) {
      if (code.size() >= c.size())
        return false;
      c = code;
      return true;
    }
  }
  codes_.insert(std::upper_bound(codes_.begin(), codes_.end(), code, shapeBefore), code);
  return true;
}

QByteArray CodeTable::text() const
{
  QByteArray out;
  for (const CoveringCode &c : codes_)
    out += codeLine(c) + '\n';
  return out;
}

QString installedCodeTablePath()
{
  const QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QStringLiteral(".");
  return folder + QStringLiteral("/recubrimientos.txt");
}

const CodeTable &installedCodeTable()
{
  static const CodeTable table = [] {
    CodeTable read = CodeTable::load(installedCodeTablePath());
    // The reductions go on without what was refused; the one who edited the table learns why.
    for (const TableProblem &p : read.problems())
      qWarning("%s, línea %d: %s", qPrintable(installedCodeTablePath()), p.line, qPrintable(p.reason));
    return read;
  }();
  return table;
}

} // namespace engine::systems
