#include "form/version/FileVersionInfo.h"

#include "text/TextRules.h"
#include "form/version/VersionApi.h"
#include "form/version/VersionResource.h"

#include <QFile>
#include <cstring>

namespace version {

namespace {

quint16 high(quint32 v) { return quint16(v >> 16); }
quint16 low(quint32 v) { return quint16(v & 0xFFFF); }

// 1.02.0345 from the words 1, 2, 0, 345; 1.02.1207 from 1, 2, 12, 7.
QString versionText(quint32 ms, quint32 ls)
{
  QString s = QString::number(high(ms)) + u'.' + text::fmt(low(ms), QStringLiteral("00")) + u'.';
  if (high(ls) == 0)
    return s + text::fmt(low(ls), QStringLiteral("0000"));
  return s + text::fmt(high(ls), QStringLiteral("00")) + text::fmt(low(ls), QStringLiteral("00"));
}

QString hexByte(quint8 b) { return QStringLiteral("%1").arg(b, 2, 16, QChar(u'0')).toUpper(); }

} // namespace

QString CFileVersionInfo::textUpToZero(const void *pointer, quint32 length)
{
  if (!pointer)
    return QString();
  const char *s = static_cast<const char *>(pointer);
  const void *zero = std::memchr(s, 0, length);
  return QString::fromUtf8(s, zero ? static_cast<const char *>(zero) - s : qsizetype(length));
}

QByteArray CFileVersionInfo::copyBytes(const void *pointer, quint32 length)
{
  return pointer ? QByteArray(static_cast<const char *>(pointer), qsizetype(length)) : QByteArray();
}

void CFileVersionInfo::setFullPath(const QString &path)
{
  const QByteArray name = QFile::encodeName(path);
  QByteArray buffer(260, '\0');
  uint32_t n = GetFullPathNameA(name.constData(), uint32_t(buffer.size()), buffer.data(), nullptr);
  // A longer path is not cut to the buffer: it is asked for again with the room it needs.
  if (n > uint32_t(buffer.size())) {
    buffer = QByteArray(qsizetype(n), '\0');
    n = GetFullPathNameA(name.constData(), n, buffer.data(), nullptr);
  }
  if (n == 0 || n >= uint32_t(buffer.size()))
    return;
  fullPath_ = QFile::decodeName(buffer.left(qsizetype(n)));
  refresh();
}

void CFileVersionInfo::refresh()
{
  const QByteArray name = QFile::encodeName(fullPath_);
  uint32_t handle = 0;
  const uint32_t size = GetFileVersionInfoSizeA(name.constData(), &handle);
  if (size == 0) {
    available_ = false;
    return;
  }
  QByteArray buffer(qsizetype(size), '\0');
  if (!GetFileVersionInfoA(name.constData(), handle, size, buffer.data())) {
    available_ = false; // the file changed between the two reads
    return;
  }
  available_ = true;
  buffer_ = std::move(buffer);

  void *value = nullptr;
  uint32_t length = 0;
  QByteArray fixedBytes(kFixedFileInfoSize, '\0');
  if (VerQueryValueA(buffer_.data(), "\\", &value, &length))
    fixedBytes = copyBytes(value, std::min<uint32_t>(length, kFixedFileInfoSize));
  const FixedFileInfo fixed =
      FixedFileInfo::fromBytes(Bytes(reinterpret_cast<const uchar *>(fixedBytes.constData()), quint64(fixedBytes.size())));

  structVersion_ = QString::number(high(fixed.strucVersion)) + u'.' + QString::number(low(fixed.strucVersion));
  fileVersion_ = versionText(fixed.fileVersionMS, fixed.fileVersionLS);
  productVersion_ = versionText(fixed.productVersionMS, fixed.productVersionLS);

  const char *flagNames[] = {"Debug ", "PreRel ", "Patched ", "Private ", "Info ", "Special "};
  QString flags;
  for (int bit = 0; bit < 6; ++bit)
    if (fixed.fileFlags & (1u << bit))
      flags += QLatin1String(flagNames[bit]);
  fileFlags_ = flags.trimmed();

  switch (fixed.fileOS) {
  case words(1, 1): fileOS_ = QStringLiteral("DOS-Win16"); break;
  case words(1, 4): fileOS_ = QStringLiteral("DOS-Win32"); break;
  case words(2, 2): fileOS_ = QStringLiteral("OS/2-16 PM-16"); break;
  case words(3, 3): fileOS_ = QStringLiteral("OS/2-16 PM-32"); break;
  case words(4, 4): fileOS_ = QStringLiteral("NT-Win32"); break;
  default: fileOS_ = QStringLiteral("Unknown"); break;
  }

  static const char *const drivers[] = {"Printer drv", "Keyboard drv", "Language drv", "Display drv", "Mouse drv",
                                        "Network drv", "System drv",  "Installable",  "Sound drv",   "Comm drv"};
  static const char *const fonts[] = {"Raster Font", "Vector Font", "TrueType Font"};
  switch (fixed.fileType) {
  case 1: fileType_ = QStringLiteral("Application"); break;
  case 2: fileType_ = QStringLiteral("DLL"); break;
  case 3:
    fileType_ = QStringLiteral("Driver");
    if (fixed.fileSubtype >= 1 && fixed.fileSubtype <= 10)
      fileSubtype_ = QLatin1String(drivers[fixed.fileSubtype - 1]);
    break;
  case 4:
    fileType_ = QStringLiteral("Font");
    if (fixed.fileSubtype >= 1 && fixed.fileSubtype <= 3)
      fileSubtype_ = QLatin1String(fonts[fixed.fileSubtype - 1]);
    break;
  case 5: fileType_ = QStringLiteral("VxD"); break;
  case 7: fileType_ = QStringLiteral("Lib"); break;
  default: fileType_ = QStringLiteral("Unknown"); break;
  }

  translationCode_.clear();
  if (!VerQueryValueA(buffer_.data(), "\\VarFileInfo\\Translation", &value, &length) || length == 0)
    return;
  const QByteArray t = copyBytes(value, std::min<uint32_t>(length, 4)).leftJustified(4, '\0');
  // The language then the code page, each a little-endian word.
  translationCode_ = hexByte(quint8(t[1])) + hexByte(quint8(t[0])) + hexByte(quint8(t[3])) + hexByte(quint8(t[2]));
  QByteArray name256(256, '\0');
  VerLanguageNameA(translationCode_.left(4).toUInt(nullptr, 16), name256.data(), uint32_t(name256.size()));
  languageName_ = textUpToZero(name256.constData(), uint32_t(name256.size()));
  const QByteArray path = (QStringLiteral("\\StringFileInfo\\") + translationCode_ + QStringLiteral("\\ProductVersion")).toUtf8();
  if (VerQueryValueA(buffer_.data(), path.constData(), &value, &length) && length != 0)
    productVersionText_ = textUpToZero(value, length);
}

QString CFileVersionInfo::StringFileInfo(const QString &name) const
{
  if (!available_ || translationCode_.isEmpty())
    return QString();
  const QByteArray path = (QStringLiteral("\\StringFileInfo\\") + translationCode_ + u'\\' + name).toUtf8();
  void *value = nullptr;
  uint32_t length = 0;
  // The query writes its narrow copy into the buffer it reads: a copy of our own.
  QByteArray buffer = buffer_;
  if (!VerQueryValueA(buffer.data(), path.constData(), &value, &length) || length == 0)
    return QString();
  return textUpToZero(value, length);
}

QString versionLabel(const QString &programFile)
{
  CFileVersionInfo info;
  info.setFullPath(programFile);
  return QStringLiteral("Ver.: ") + info.ProductVersionText();
}

} // namespace version
