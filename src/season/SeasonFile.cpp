#include "season/SeasonFile.h"

#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>
#include <QFileInfo>

namespace season {

QString fitCalendar(const QString &value)
{
  if (value.size() >= kCalendarLength)
    return value.left(kCalendarLength);
  return value + QString(kCalendarLength - value.size(), u' ');
}

namespace {

// Team counts of a season file are two digits each, 1..22, or every screen
// would index past its 22 team slots.
bool teamCountsValid(const QString &record1014)
{
  if (record1014.size() < 4)
    return false;
  const int first = text::ival(text::left(record1014, 2));
  const int second = text::ival(text::right(record1014, 2));
  return first >= 2 && first <= 22 && second >= 2 && second <= 22;
}

} // namespace

std::optional<SeasonFileData> parseSeasonText(const QString &content, QString *error)
{
  text::SequentialReader reader(content);
  SeasonFileData data;
  data.records.reserve(kRecordCount);
  for (int k = 1; k <= kRecordCount + 2; ++k) {
    const std::optional<QString> value = reader.next();
    if (!value) {
      if (error)
        *error = QStringLiteral("Se ha llegado al final del archivo: faltan datos (valor %1 de %2).")
                     .arg(k)
                     .arg(kRecordCount + 2);
      return std::nullopt;
    }
    if (k <= kRecordCount)
      data.records.append(*value);
    else if (k == kRecordCount + 1)
      data.calendar1 = fitCalendar(*value);
    else
      data.calendar2 = fitCalendar(*value);
  }
  if (!teamCountsValid(data.records[1013])) {
    if (error)
      *error = QStringLiteral("El archivo no es una temporada válida: el número de equipos \"%1\" no es correcto.")
                   .arg(data.records[1013].left(20));
    return std::nullopt;
  }
  return data;
}

std::optional<SeasonFileData> readSeasonFile(const QString &path, QString *error)
{
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    if (error)
      *error = QStringLiteral("No se ha encontrado el archivo %1").arg(path);
    return std::nullopt;
  }
  if (info.size() > kLargestSeasonFile) {
    if (error)
      *error = QStringLiteral("El archivo %1 es demasiado grande para ser una temporada.").arg(path);
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QStringLiteral("No se puede abrir el archivo %1: %2").arg(path, file.errorString());
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  QString parseError;
  auto data = parseSeasonText(text::decodeDataFile(bytes), &parseError);
  if (!data && error)
    *error = parseError + QStringLiteral("\r\n") + path;
  return data;
}

void normaliseUnplayed(QStringList &records)
{
  for (QString &r : records) {
    if (r.contains(QStringLiteral("..")))
      r = QStringLiteral("....");
  }
}

QByteArray seasonFileBytes(const QStringList &records, const QString &calendar1, const QString &calendar2)
{
  QString content;
  content.reserve(records.size() * 9 + 2 * kCalendarLength + 8);
  for (const QString &r : records)
    content += text::quotedLine({r});
  content += text::quotedLine({fitCalendar(calendar1), fitCalendar(calendar2)});
  return text::encodeWindows1252(content);
}

QString writeSeasonFile(const QString &path, QStringList &records, const QString &calendar1,
                        const QString &calendar2)
{
  normaliseUnplayed(records);
  return text::writeFileAtomically(path, seasonFileBytes(records, calendar1, calendar2));
}

} // namespace season
