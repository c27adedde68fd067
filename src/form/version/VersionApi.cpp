#include "form/version/VersionApi.h"

#include "form/version/ExecutableFile.h"
#include "form/version/VersionResource.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace version {

namespace {

constexpr char kMark[4] = {'V', 'T', 'C', 'A'};

// Where the mark stands after a version block of `length` bytes.
quint64 markOffset(quint64 length) { return align4(length); }

// Buffer size for a block: the block, the mark and size, and room for the
// narrow strings: a string at offset o of n UTF-16 units is written at
// 2 × o of that room and takes at most 3n + 1 bytes, which stays inside
// 2 × the block's length and never reaches the next string.
quint64 bufferSizeFor(quint64 length) { return markOffset(length) + 8 + 2 * length + 8; }

QString fileNameOf(const char *name) { return name ? QFile::decodeName(QByteArray(name)) : QString(); }

std::optional<QByteArray> resourceOf(const char *fileName)
{
  const QString path = fileNameOf(fileName);
  if (path.isEmpty())
    return std::nullopt;
  std::optional<QByteArray> block = versionResourceOfFile(path);
  if (block && bufferSizeFor(quint64(block->size())) > UINT32_MAX)
    return std::nullopt;
  return block;
}

struct LanguageName {
  uint32_t id;
  const char *name;
};

// The names a Spanish Windows gives, for the languages a version record of
// this part of the world is likely to carry.
const LanguageName kLanguages[] = {
    {0x0000, "Idioma neutral"},
    {0x0403, "Catalán (Catalán)"},
    {0x0407, "Alemán (Alemania)"},
    {0x0409, "Inglés (Estados Unidos)"},
    {0x040A, "Español (España, alfabetización tradicional)"},
    {0x040C, "Francés (Francia)"},
    {0x0410, "Italiano (Italia)"},
    {0x0416, "Portugués (Brasil)"},
    {0x042D, "Euskera (Euskera)"},
    {0x0456, "Gallego (Gallego)"},
    {0x0809, "Inglés (Reino Unido)"},
    {0x080A, "Español (México)"},
    {0x0816, "Portugués (Portugal)"},
    {0x0C0A, "Español (España, alfabetización internacional)"},
};

} // namespace

uint32_t GetFullPathNameA(const char *fileName, uint32_t bufferLength, char *buffer, char **filePart)
{
  const QString name = fileNameOf(fileName);
  if (name.isEmpty())
    return 0;
  const QByteArray full = QFile::encodeName(QFileInfo(name).absoluteFilePath());
  if (full.isEmpty() || quint64(full.size()) + 1 > UINT32_MAX)
    return 0;
  const uint32_t length = uint32_t(full.size());
  if (!buffer || length + 1 > bufferLength)
    return length + 1;
  std::memcpy(buffer, full.constData(), length);
  buffer[length] = '\0';
  if (filePart) {
    const qsizetype slash = full.lastIndexOf('/');
    *filePart = slash + 1 < full.size() ? buffer + slash + 1 : nullptr;
  }
  return length;
}

uint32_t GetFileVersionInfoSizeA(const char *fileName, uint32_t *handle)
{
  if (handle)
    *handle = 0;
  const std::optional<QByteArray> block = resourceOf(fileName);
  return block ? uint32_t(bufferSizeFor(quint64(block->size()))) : 0;
}

bool GetFileVersionInfoA(const char *fileName, uint32_t, uint32_t length, void *data)
{
  const std::optional<QByteArray> block = resourceOf(fileName);
  // The file may have changed since its size was asked: a buffer too small
  // for the whole layout is refused rather than filled in part.
  if (!block || !data || length < bufferSizeFor(quint64(block->size())))
    return false;
  auto *out = static_cast<unsigned char *>(data);
  std::memset(out, 0, length);
  std::memcpy(out, block->constData(), size_t(block->size()));
  const quint64 mark = markOffset(quint64(block->size()));
  std::memcpy(out + mark, kMark, 4);
  for (int i = 0; i < 4; ++i)
    out[mark + 4 + i] = static_cast<unsigned char>(length >> (8 * i));
  return true;
}

bool VerQueryValueA(const void *blockData, const char *subBlock, void **buffer, uint32_t *length)
{
  if (!blockData || !subBlock || !buffer || !length)
    return false;
  // The buffer's own layout says how far it may be read: the block's length
  // first, then, after it, the mark and the buffer's size.
  auto *base = static_cast<const unsigned char *>(blockData);
  const quint16 blockLength = quint16(base[0] | (base[1] << 8));
  const quint64 mark = markOffset(blockLength);
  if (std::memcmp(base + mark, kMark, 4) != 0)
    return false;
  const Bytes whole(base, Bytes(base + mark + 4, 4).u32(0).value_or(0));
  const Bytes block = whole.slice(0, blockLength);
  const std::optional<ValueLocation> value = findValue(block, QString::fromUtf8(subBlock));
  if (!value)
    return false;
  if (!value->text) {
    *buffer = const_cast<unsigned char *>(base + value->offset);
    *length = uint32_t(value->length);
    return true;
  }
  QString text;
  for (quint64 at = value->offset; at + 2 <= value->offset + value->length; at += 2) {
    const quint16 unit = block.u16(at).value_or(0);
    if (unit == 0)
      break;
    text += QChar(unit);
  }
  const QByteArray narrow = text.toUtf8();
  const quint64 place = mark + 8 + 2 * value->offset;
  if (!whole.holds(place, quint64(narrow.size()) + 1))
    return false;
  // The buffer belongs to the caller, who got it from GetFileVersionInfoA for
  // this use, as the system's version functions do.
  auto *out = const_cast<unsigned char *>(base + place);
  std::memcpy(out, narrow.constData(), size_t(narrow.size()));
  out[narrow.size()] = '\0';
  *buffer = out;
  *length = narrow.isEmpty() ? 0 : uint32_t(narrow.size()) + 1;
  return true;
}

uint32_t VerLanguageNameA(uint32_t language, char *buffer, uint32_t size)
{
  const char *name = "Idioma desconocido";
  for (const LanguageName &l : kLanguages)
    if (l.id == language)
      name = l.name;
  if (!buffer || size == 0)
    return 0;
  size_t n = std::min<size_t>(std::strlen(name), size - 1);
  // Cut on a character boundary: never half of a UTF-8 sequence.
  while (n > 0 && n < std::strlen(name) && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
    --n;
  std::memcpy(buffer, name, n);
  buffer[n] = '\0';
  return uint32_t(n);
}

} // namespace version
