#include "form/ValuationRecord.h"

#include "text/TextRules.h"

#include <algorithm>

using text::fmt;
using text::mid;

namespace forecast {

namespace {

constexpr int kBlockLines = 16;

QString header(int j)
{
  return QStringLiteral("Nº  Equipos: Res Sg Val Sg  14% 25% Q:") + fmt(j, QStringLiteral("00"));
}

// Pairs of signs in one cell and their letters, in the order they are applied.
const std::array<std::pair<const char16_t *, const char16_t *>, 6> kLetters = {
    {{u"X2", u"D"}, {u"1X", u"M"}, {u"12", u"F"}, {u"11", u"U"}, {u"XX", u"E"}, {u"22", u"S"}}};

} // namespace

QStringList newRecordLines()
{
  QStringList lines;
  for (int j = 1; j <= kRecordBlocks; ++j) {
    lines.append(fmt(j, QStringLiteral("00")) + QStringLiteral(" Jornada nº ") + fmt(j, QStringLiteral("00")));
    for (int k = 1; k <= 15; ++k)
      lines.append(fmt(k, QStringLiteral("00")) + QString(18, u' '));
  }
  return lines;
}

QString recordLine(int k, const CouponLineCells &c)
{
  const QString sign = mid(c.away1, 5, 1);
  const bool played = sign == QStringLiteral("1") || sign == QStringLiteral("X") || sign == QStringLiteral("2");
  const int p = played ? 5 : 2;
  const int q = played ? 5 : 3;
  return fmt(k, QStringLiteral("00 ")) + mid(c.home0, 4, 5) + u'-' + mid(c.away0, 4, 5) + u'=' + mid(c.home1, p, 2) +
         u'-' + mid(c.away1, q, 1) + u'|' + mid(c.home11, 1, 6) + u'|' + mid(c.away11, 3, 4) + u'/' +
         mid(c.away12, 1, 3);
}

std::optional<QStringList> updateRecord(const QStringList &lines, int x, const std::array<CouponLineCells, 15> &coupon,
                                        QString *error)
{
  if (lines.size() < kRecordBlocks * kBlockLines) {
    if (error)
      *error = QStringLiteral("El archivo de valoraciones tiene %1 líneas y debe tener %2.")
                   .arg(lines.size())
                   .arg(kRecordBlocks * kBlockLines);
    return std::nullopt;
  }
  QStringList updated = lines.mid(0, kRecordBlocks * kBlockLines);
  for (int j = 1; j <= kRecordBlocks; ++j) {
    const int at = (j - 1) * kBlockLines;
    updated[at] = header(j);
    if (j == x)
      for (int k = 1; k <= 15; ++k)
        updated[at + k] = recordLine(k, coupon[k - 1]);
  }
  return updated;
}

QMap<int, QMap<int, QString>> signsByValue(const QStringList &lines, int x)
{
  QMap<int, QMap<int, QString>> table;
  // Beyond jornada 49 the table starts at jornada 10, each block at its own row.
  const int first = x > 49 ? 10 : 1;
  for (int j = first; j <= std::min(x, kRecordBlocks); ++j) {
    const int at = (j - 1) * kBlockLines;
    const int row = text::ival(text::right(lines.value(at), 2));
    if (row < 1 || row > kRecordBlocks)
      continue;
    for (int k = 1; k <= 15; ++k) {
      const QString line = lines.value(at + k);
      if (mid(line, 32, 1) != QStringLiteral("/"))
        continue;
      table[row][0] = QString::number(j);
      const int v = text::ival(mid(line, 21, 3));
      const int column = std::clamp(v / 2 + 26, 1, 46);
      table[row][column] += mid(line, 19, 1).trimmed();
    }
    for (auto cell = table[row].begin(); cell != table[row].end(); ++cell) {
      if (cell.key() < 1 || cell.key() > 47 || cell.value().size() < 3)
        continue;
      QString s = cell.value();
      for (const auto &[pair, letter] : kLetters)
        s.replace(QString::fromUtf16(pair), QString::fromUtf16(letter));
      cell.value() = s.trimmed();
    }
  }
  return table;
}

std::array<int, 3> countSigns(const QStringList &cells)
{
  QString s;
  for (const QString &cell : cells)
    s += cell.trimmed();
  for (const auto &[pair, letter] : kLetters)
    s.replace(QString::fromUtf16(letter), QString::fromUtf16(pair));
  const int n = static_cast<int>(s.size());
  const QString upper = s.toUpper();
  return {n - static_cast<int>(QString(s).remove(u'1').size()), n - static_cast<int>(QString(upper).remove(u'X').size()),
          n - static_cast<int>(QString(s).remove(u'2').size())};
}

} // namespace forecast

// ---- the "Estadistica 1X2" panel ----

#include "form/Qmodelop.h"
#include "text/SequentialFile.h"

#include <QFile>
#include <QFileInfo>

namespace vaticor {

namespace {

void writeValueLabels(controls::Grid &grid)
{
  for (int c = 0; c <= 28; ++c)
    grid.setText(0, c, fmt(2 * (28 - c), QStringLiteral("-@@")));
  for (int c = 29; c <= 56; ++c)
    grid.setText(0, c, fmt(2 * (c - 28), QStringLiteral("@@")));
}

std::optional<QStringList> readQuotedLines(const QString &path, QString *error)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("No se puede abrir el archivo %1: %2").arg(path, file.errorString());
    return std::nullopt;
  }
  text::SequentialReader reader(text::decodeDataFile(file.readAll()));
  QStringList lines;
  while (!reader.onlyBlanksLeft())
    lines.append(reader.next().value_or(QString()));
  return lines;
}

QByteArray quotedLines(const QStringList &lines)
{
  QString content;
  for (const QString &line : lines)
    content += text::quotedLine({line});
  return text::encodeWindows1252(content);
}

} // namespace

QString Qmodelop::valuationRecordPath() const
{
  return workDir + QStringLiteral("eprono") + seasonFileDigits() + QStringLiteral(".txt");
}

void Qmodelop::layOutValuationGrid(controls::Grid &grid, int rows)
{
  grid.setRows(rows);
  grid.setCols(57);
  for (int i = 28; i >= 16; --i)
    grid.setColWidth(28 - i, 160);
  for (int i = 17; i >= 0; --i)
    grid.setColWidth(28 - i, 240);
  for (int i = 1; i <= 16; ++i)
    grid.setColWidth(28 + i, 240);
  for (int i = 17; i <= 28; ++i)
    grid.setColWidth(28 + i, 160);
  writeValueLabels(grid);
}

void Qmodelop::Command29_Click()
{
  tablac.clear();
  tablacs.clear();
  if (Frame13.visible) {
    Frame13.visible = false;
    Frame9.visible = true;
  } else {
    Frame13.visible = true;
    Frame9.visible = false;
    tablac.visible = tablacs.visible = Label5.visible = true;
    Label5.caption = QStringLiteral("    CORRESPONDENCIA ENTRE LA VALORACIÓN DADA Y EL SIGNO REAL, VALOR DADO EN Col:-1 X 2-: ") +
                     kBreak +
                     QStringLiteral("En esta tabla, se coloca el signo en LA COLUMNA del correspondiente VALOR, para "
                                    "comprobar su grado de fiabilidad. ") +
                     kBreak +
                     QStringLiteral(" Del -0- a la Izquierda son valores negativos -56 a -4 -2 0, a la derecha son "
                                    "positivos del 2 al 54.| 11=U,XX=E,22=S,1X=M,X2=D,12=F");
    writeValueLabels(tablac);
    writeValueLabels(tablacs);
    for (controls::Grid *grid : {&tablac, &tablacs})
      for (int r = 1; r < grid->rows(); ++r)
        for (int c = 0; c < grid->cols(); ++c)
          grid->setCellColour(r, c, controls::rgb(236, 236, 226));
  }

  const QString path = valuationRecordPath();
  auto failed = [this](const QString &error) {
    refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
  };
  if (!fileExists(path)) {
    services.messages->show(QStringLiteral(" ") + kBreak + QStringLiteral(" Se procede a crearlo"),
                            QStringLiteral("File ") + QFileInfo(path).fileName() + QStringLiteral(" No creado.!!"),
                            controls::MessageIcon::Information);
    const QString error = text::writeFileAtomically(path, quotedLines(forecast::newRecordLines()));
    if (!error.isEmpty())
      return failed(error);
  }
  const int x = text::ival(Text5.text);
  std::array<forecast::CouponLineCells, 15> coupon;
  for (int k = 1; k <= 15; ++k) {
    const int h = 2 * k - 1, a = 2 * k;
    coupon[k - 1] = {tablap.text(h, 0), tablap.text(h, 1), tablap.text(h, 11), tablap.text(a, 0),
                     tablap.text(a, 1), tablap.text(a, 11), tablap.text(a, 12)};
  }
  QString error;
  const std::optional<QStringList> old = readQuotedLines(path, &error);
  const std::optional<QStringList> updated = old ? forecast::updateRecord(*old, x, coupon, &error) : std::nullopt;
  if (!updated)
    return failed(error);
  // Written whole beside the old one, then put in its place.
  error = text::writeFileAtomically(path, quotedLines(*updated));
  if (!error.isEmpty())
    return failed(error);

  const QMap<int, QMap<int, QString>> table = forecast::signsByValue(*updated, x);
  for (auto row = table.begin(); row != table.end(); ++row)
    for (auto cell = row.value().begin(); cell != row.value().end(); ++cell)
      tablac.setText(row.key(), cell.key(), cell.value());
  countSignsByValue();
}

void Qmodelop::countSignsByValue()
{
  const QStringList signs = {QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")};
  for (int r = 1; r <= 3; ++r)
    tablacs.setText(r, 0, signs[r - 1]);
  for (int c = 1; c <= 56; ++c) {
    QStringList cells;
    for (int r = 1; r <= forecast::kRecordBlocks; ++r)
      cells.append(tablac.text(r, c));
    const std::array<int, 3> counts = forecast::countSigns(cells);
    for (int r = 1; r <= 3; ++r)
      tablacs.setText(r, c, counts[r - 1] == 0 ? QString() : QString::number(counts[r - 1]));
  }
}

void Qmodelop::Command33_Click()
{
  Frame13.visible = false;
  Frame9.visible = true;
}

void Qmodelop::Command34_Click()
{
  controls::PrinterService &printer = *services.printer;
  const QString previousFont = printer.fontName();
  printer.setOrientation(2);
  printer.setFontName(QStringLiteral("Lucida Console"));
  printer.setFontSize(9);
  printer.printLine(QStringLiteral(" "));
  for (const QString &line : QString(Label5.caption).replace(kBreak, QStringLiteral("\n")).split(u'\n'))
    printer.printLine(line);
  const QString heading = QStringLiteral(
      "|Pr|54|52|50|48|46|44|42|40|38|36|34|32|30|28|26|24|22|20|18|16|14|12|10|-8|-6|-4|-2|00| 2| 4| 6| 8|10|12|14|16|"
      "18|20|22|24|26|28|30|32|34|36|38|");
  auto row = [](const controls::Grid &grid, int r) {
    QString line = QStringLiteral("|");
    for (int c = 0; c <= 47; ++c) {
      const QString cell = grid.text(r, c).trimmed();
      line += cell.isEmpty() ? QStringLiteral("  |") : fmt(cell, QStringLiteral("@@")) + u'|';
    }
    return line;
  };
  const int x = text::ival(Text5.text);
  printer.printLine(heading);
  printer.printLine(QString(heading.size(), u'-'));
  for (int j = x > 49 ? 10 : 1; j <= std::min(x, forecast::kRecordBlocks); ++j)
    printer.printLine(row(tablac, j));
  printer.printLine(heading);
  printer.printLine(QString(heading.size(), u'-'));
  for (int r = 1; r <= 3; ++r)
    printer.printLine(row(tablacs, r));
  printer.printLine(QStringLiteral("Vaticor - tablas 1X2   ") + reportDate());
  const QString error = printer.endDoc();
  printer.setFontName(previousFont);
  printer.setOrientation(1);
  reportEnded(error, true);
}

} // namespace vaticor
