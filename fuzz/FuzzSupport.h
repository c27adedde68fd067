#pragma once
// What the fuzz targets share: a scratch folder that lives as long as the
// process, and writing the input there as the file the program would read.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace fuzz {

inline QString scratchFolder()
{
  static QTemporaryDir dir;
  return dir.path() + QStringLiteral("/");
}

inline QString writeInput(const QString &name, const uint8_t *data, size_t size)
{
  const QString path = scratchFolder() + name;
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
  return path;
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
  return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
