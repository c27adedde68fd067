#include "text/SequentialFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <QStringDecoder>

namespace text {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes it leaves undefined,
// which are kept as the C1 control of the same value.
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
  QString out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
      out += QChar(kHigh[b - 0x80]);
    else
      out += QChar(static_cast<char16_t>(b));
  }
  return out;
}

namespace {

std::optional<char> windows1252Byte(char16_t u)
{
  // Below 0x80, Latin-1, and the five C1 controls that stand for the
  // undefined bytes, so that a file read and written again keeps every byte.
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0))
    return static_cast<char>(u);
  for (int k = 0; k < 32; ++k)
    if (kHigh[k] == u)
      return static_cast<char>(0x80 + k);
  return std::nullopt;
}

} // namespace

int firstOutsideWindows1252(const QString &s)
{
  for (int i = 0; i < s.size(); ++i)
    if (!windows1252Byte(s[i].unicode()))
      return i;
  return -1;
}

QByteArray encodeWindows1252(const QString &s)
{
  QByteArray out;
  out.reserve(s.size());
  for (int i = 0; i < s.size(); ++i) {
    if (const std::optional<char> byte = windows1252Byte(s[i].unicode())) {
      out += *byte;
      continue;
    }
    // One '?' for a character outside the BMP, not one per surrogate.
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
      ++i;
    out += '?';
  }
  return out;
}

QString decodeDataFile(const QByteArray &bytes)
{
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(bytes);
  if (utf8.hasError())
    decoded = decodeWindows1252(bytes);
  else if (decoded.startsWith(QChar(0xFEFF)))
    decoded.remove(0, 1);
  return decoded.normalized(QString::NormalizationForm_C);
}

void SequentialReader::skipDelimiter()
{
  if (pos_ >= data_.size())
    return;
  const QChar c = data_[pos_];
  if (c == u',') {
    ++pos_;
  } else if (c == u'\r') {
    ++pos_;
    ++line_;
    if (pos_ < data_.size() && data_[pos_] == u'\n')
      ++pos_;
  } else if (c == u'\n') {
    ++pos_;
    ++line_;
  }
}

bool SequentialReader::onlyBlanksLeft() const
{
  for (int i = pos_; i < data_.size(); ++i)
    if (!data_[i].isSpace())
      return false;
  return true;
}

std::optional<QString> SequentialReader::next()
{
  const int n = data_.size();
  while (pos_ < n && (data_[pos_] == u' ' || data_[pos_] == u'\t'))
    ++pos_;
  if (pos_ >= n)
    return std::nullopt;
  valueLine_ = line_;
  blankLine_ = false;
  unterminated_ = false;
  QString value;
  if (data_[pos_] == u'"') {
    const int close = data_.indexOf(u'"', pos_ + 1);
    const int end = close < 0 ? n : close;
    unterminated_ = close < 0;
    value = data_.mid(pos_ + 1, end - pos_ - 1);
    line_ += static_cast<int>(value.count(u'\n'));
    pos_ = close < 0 ? n : close + 1;
    // Anything between the closing quote and the delimiter is not part of the value.
    while (pos_ < n && data_[pos_] != u',' && data_[pos_] != u'\r' && data_[pos_] != u'\n')
      ++pos_;
  } else {
    const int start = pos_;
    blankLine_ = (start == 0 || data_[start - 1] == u'\n' || data_[start - 1] == u'\r') &&
                 (data_[start] == u'\r' || data_[start] == u'\n');
    while (pos_ < n && data_[pos_] != u',' && data_[pos_] != u'\r' && data_[pos_] != u'\n')
      ++pos_;
    value = data_.mid(start, pos_ - start);
    while (value.endsWith(u' ') || value.endsWith(u'\t'))
      value.chop(1);
  }
  skipDelimiter();
  return value;
}

QString quotedLine(const QStringList &values)
{
  QString line;
  for (int i = 0; i < values.size(); ++i) {
    if (i > 0)
      line += u',';
    line += u'"' + values[i] + u'"';
  }
  return line + QStringLiteral("\r\n");
}

std::optional<QByteArray> readFileCapped(const QString &path, QString *error)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QStringLiteral("No se puede abrir %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
  }
  QByteArray bytes = file.read(kMaxInputBytes + 1);
  if (bytes.size() > kMaxInputBytes) {
    if (error)
      *error = QStringLiteral("%1 pasa de %2 MB: no es un archivo de resultados.")
                   .arg(QDir::toNativeSeparators(path))
                   .arg(kMaxInputBytes / (1024 * 1024));
    return std::nullopt;
  }
  return bytes;
}

namespace {

// Why a write failed, in the user's words: the common reasons of a desktop,
// whatever language the system's own messages come in.
QString writeFailure(int error, const QString &fallback)
{
  switch (error) {
  case ENOSPC: return QStringLiteral("no queda espacio en el disco");
  case EFBIG: return QStringLiteral("el archivo supera el tamaño que el sistema permite");
#ifdef EDQUOT
  case EDQUOT: return QStringLiteral("se ha superado la cuota de disco del usuario");
#endif
  case EACCES:
  case EPERM: return QStringLiteral("no hay permiso para escribir en esa carpeta");
  case EROFS: return QStringLiteral("la carpeta es de sólo lectura");
  case EIO: return QStringLiteral("error de lectura o escritura del disco");
  case ENOENT: return QStringLiteral("la carpeta no existe");
  case EISDIR: return QStringLiteral("hay una carpeta con ese nombre");
  default: break;
  }
  if (!fallback.isEmpty() && fallback != QStringLiteral("Unknown error"))
    return fallback;
  return error ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("no se pudo escribir todo");
}

} // namespace

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
  const QString name = QDir::toNativeSeparators(path);
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly))
    return QStringLiteral("No se puede escribir el archivo %1: %2").arg(name, writeFailure(errno, file.errorString()));
  // Every step is checked before the rename: commit() alone would put a file
  // cut short by a full disk or a size limit in place of the good one.
  errno = 0;
  bool ok = file.write(bytes) == bytes.size() && file.flush();
  int error = errno;
  if (ok && ::fsync(file.handle()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    const QString why = writeFailure(error, file.errorString());
    file.cancelWriting();
    file.commit(); // with writing cancelled, only removes the temporary file
    return QStringLiteral("Error al escribir el archivo %1: %2").arg(name, why);
  }
  errno = 0;
  if (!file.commit())
    return QStringLiteral("Error al guardar el archivo %1: %2").arg(name, writeFailure(errno, file.errorString()));
  return QString();
}

} // namespace text
