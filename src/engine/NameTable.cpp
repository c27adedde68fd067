#include "engine/NameTable.h"

#include "text/SequentialFile.h"

#include <QFile>

namespace engine {

std::optional<NameTable> NameTable::parse(const QString &text, QString *error)
{
  NameTable table;
  const QStringList lines = text.split(u'\n');
  for (int n = 1; n <= lines.size(); ++n) {
    const QString line = lines[n - 1].trimmed();
    if (line.isEmpty() || line.startsWith(u'#'))
      continue;
    const int semicolon = line.lastIndexOf(u';');
    const QString club = line.left(semicolon).trimmed();
    const QString name = line.mid(semicolon + 1);
    // The season file holds every name between double quotes.
    if (semicolon > 0 && name.contains(u'"')) {
      if (error)
        *error = QStringLiteral("Tabla de nombres, línea %1: el nombre «%2» lleva comillas (\"), que el archivo de la "
                                "temporada no puede guardar.")
                     .arg(n)
                     .arg(name);
      return std::nullopt;
    }
    // The program's names are five characters, never a "-" (its lists separate names with it).
    const bool valid = semicolon > 0 && !club.isEmpty() && name.size() == 5 && !name.trimmed().isEmpty() &&
                       !name.contains(u'-') && text::firstOutsideWindows1252(name) < 0;
    if (!valid) {
      if (error)
        *error = QStringLiteral("Tabla de nombres, línea %1: «%2» debe ser «nombre del club;NOMBR», con un nombre de "
                                "cinco caracteres.")
                     .arg(n)
                     .arg(line);
      return std::nullopt;
    }
    table.names_.insert(club, name);
  }
  return table;
}

std::optional<NameTable> NameTable::read(const QString &path, QString *error)
{
  QString why;
  const std::optional<QByteArray> bytes = text::readFileCapped(path, &why);
  if (!bytes) {
    if (error)
      *error = QStringLiteral("Tabla de nombres: ") + why;
    return std::nullopt;
  }
  return parse(text::decodeDataFile(*bytes), error);
}

} // namespace engine
