#include "form/version/ExecutableFile.h"

#include "form/version/VersionResource.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace version {

namespace {

constexpr quint32 kRtVersion = 16;
constexpr quint32 kHighBit = 0x80000000u;

// A version block must start with a readable root; it is cut to that root.
std::optional<QByteArray> versionBlockAt(Bytes data)
{
  const std::optional<quint64> length = versionBlockLength(data);
  if (!length)
    return std::nullopt;
  return QByteArray(reinterpret_cast<const char *>(data.data()), qsizetype(*length));
}

// ---- Windows PE ----

struct Section {
  quint32 virtualAddress = 0, virtualSize = 0, rawSize = 0, rawPointer = 0;
};

struct PeImage {
  Bytes file;
  QList<Section> sections;
  quint32 resourceRva = 0, resourceSize = 0;

  // The file bytes behind an address of the loaded image, at most `length` of them.
  Bytes atRva(quint32 rva, quint64 length) const
  {
    for (const Section &s : sections) {
      const quint64 span = std::max(s.virtualSize, s.rawSize);
      if (rva < s.virtualAddress || rva - s.virtualAddress >= span)
        continue;
      const quint64 into = rva - s.virtualAddress;
      if (into >= s.rawSize)
        return {};
      const quint64 available = std::min<quint64>(length, s.rawSize - into);
      const quint64 offset = quint64(s.rawPointer) + into;
      return file.slice(offset, std::min(available, file.holds(offset, 0) ? file.size() - offset : 0));
    }
    return {};
  }
};

std::optional<PeImage> readPe(Bytes file)
{
  if (file.u16(0) != quint16(0x5A4D)) // "MZ"
    return std::nullopt;
  const auto peOffset = file.u32(0x3C);
  if (!peOffset || file.u32(*peOffset) != quint32(0x00004550)) // "PE\0\0"
    return std::nullopt;
  const quint64 coff = quint64(*peOffset) + 4;
  const auto sectionCount = file.u16(coff + 2), optionalSize = file.u16(coff + 16);
  const quint64 optional = coff + 20;
  const auto magic = file.u16(optional);
  if (!sectionCount || !optionalSize || !magic)
    return std::nullopt;
  quint64 countAt = 0, directories = 0;
  if (*magic == 0x10B) // PE32
    countAt = optional + 92, directories = optional + 96;
  else if (*magic == 0x20B) // PE32+
    countAt = optional + 108, directories = optional + 112;
  else
    return std::nullopt;
  PeImage pe;
  pe.file = file;
  const auto directoryCount = file.u32(countAt);
  // The resource table is data directory 2; it must lie inside the optional header.
  if (directoryCount && *directoryCount > 2 && directories + 24 <= optional + *optionalSize) {
    pe.resourceRva = file.u32(directories + 16).value_or(0);
    pe.resourceSize = file.u32(directories + 20).value_or(0);
  }
  const quint64 table = optional + *optionalSize;
  for (quint32 i = 0; i < *sectionCount; ++i) {
    const quint64 at = table + 40 * quint64(i);
    if (!file.holds(at, 40))
      break;
    Section s;
    s.virtualSize = *file.u32(at + 8);
    s.virtualAddress = *file.u32(at + 12);
    s.rawSize = *file.u32(at + 16);
    s.rawPointer = *file.u32(at + 20);
    pe.sections.append(s);
    // An image without a resource directory entry may still name its ".rsrc" section.
    if (pe.resourceRva == 0 && std::memcmp(file.data() + at, ".rsrc\0\0\0", 8) == 0) {
      pe.resourceRva = s.virtualAddress;
      pe.resourceSize = std::max(s.virtualSize, s.rawSize);
    }
  }
  if (pe.resourceRva == 0 || pe.resourceSize == 0)
    return std::nullopt;
  return pe;
}

// The first entry of a resource directory that matches: with `id` set, the
// entry of that numeric id; otherwise the first entry. Returns its OffsetToData.
std::optional<quint32> directoryEntry(Bytes resources, quint32 directory, std::optional<quint32> id)
{
  const auto named = resources.u16(quint64(directory) + 12), ids = resources.u16(quint64(directory) + 14);
  if (!named || !ids)
    return std::nullopt;
  const quint32 count = quint32(*named) + *ids;
  for (quint32 i = 0; i < count; ++i) {
    const quint64 at = quint64(directory) + 16 + 8 * quint64(i);
    const auto name = resources.u32(at), offset = resources.u32(at + 4);
    if (!name || !offset)
      return std::nullopt;
    if (!id || (!(*name & kHighBit) && *name == *id))
      return offset;
  }
  return std::nullopt;
}

std::optional<QByteArray> versionResourceOfPe(const PeImage &pe)
{
  const Bytes resources = pe.atRva(pe.resourceRva, pe.resourceSize);
  // Three levels: type, name, language; the first two point at directories.
  const auto byType = directoryEntry(resources, 0, kRtVersion);
  if (!byType || !(*byType & kHighBit))
    return std::nullopt;
  const auto byName = directoryEntry(resources, *byType & ~kHighBit, std::nullopt);
  if (!byName || !(*byName & kHighBit))
    return std::nullopt;
  const auto byLanguage = directoryEntry(resources, *byName & ~kHighBit, std::nullopt);
  if (!byLanguage || (*byLanguage & kHighBit))
    return std::nullopt;
  // IMAGE_RESOURCE_DATA_ENTRY: the data's address in the image, then its size.
  const auto dataRva = resources.u32(*byLanguage), dataSize = resources.u32(quint64(*byLanguage) + 4);
  if (!dataRva || !dataSize)
    return std::nullopt;
  return versionBlockAt(pe.atRva(*dataRva, *dataSize));
}

// ---- ELF ----

std::optional<QByteArray> versionResourceOfElf(Bytes file)
{
  const auto elfClass = file.u8(4), encoding = file.u8(5);
  if (!elfClass || !encoding || (*elfClass != 1 && *elfClass != 2) || (*encoding != 1 && *encoding != 2))
    return std::nullopt;
  const bool wide = *elfClass == 2, big = *encoding == 2;
  auto word = [&](quint64 at) { return wide ? file.u64(at, big) : std::optional<quint64>(file.u32(at, big)); };
  const auto sectionTable = word(wide ? 0x28 : 0x20);
  const auto entrySize = file.u16(wide ? 0x3A : 0x2E, big), count = file.u16(wide ? 0x3C : 0x30, big),
             namesIndex = file.u16(wide ? 0x3E : 0x32, big);
  const quint64 minimumEntry = wide ? 0x40 : 0x28;
  if (!sectionTable || !entrySize || !count || !namesIndex || *entrySize < minimumEntry || *namesIndex >= *count)
    return std::nullopt;
  struct ElfSection {
    quint32 name = 0, type = 0;
    quint64 offset = 0, size = 0;
  };
  auto section = [&](quint32 i) -> std::optional<ElfSection> {
    const quint64 at = *sectionTable + quint64(i) * *entrySize;
    if (at < *sectionTable || !file.holds(at, minimumEntry))
      return std::nullopt;
    const auto offset = word(at + (wide ? 0x18 : 0x10)), size = word(at + (wide ? 0x20 : 0x14));
    return ElfSection{*file.u32(at, big), *file.u32(at + 4, big), *offset, *size};
  };
  const std::optional<ElfSection> names = section(*namesIndex);
  if (!names)
    return std::nullopt;
  const Bytes nameTable = file.slice(names->offset, names->size);
  const QByteArray wanted(kElfSectionName);
  for (quint32 i = 0; i < *count; ++i) {
    const std::optional<ElfSection> s = section(i);
    if (!s)
      return std::nullopt;
    constexpr quint32 kNoBits = 8; // a section that occupies no bytes of the file
    if (s->type == kNoBits || !nameTable.holds(s->name, quint64(wanted.size()) + 1))
      continue;
    if (std::memcmp(nameTable.data() + s->name, wanted.constData(), size_t(wanted.size()) + 1) == 0)
      return versionBlockAt(file.slice(s->offset, s->size));
  }
  return std::nullopt;
}

} // namespace

std::optional<QByteArray> versionResourceIn(Bytes file)
{
  if (file.u32(0) == quint32(0x464C457F)) // "\x7F" "ELF"
    return versionResourceOfElf(file);
  if (const std::optional<PeImage> pe = readPe(file))
    return versionResourceOfPe(*pe);
  return std::nullopt;
}

std::optional<QByteArray> versionResourceOfFile(const QString &path)
{
  if (!QFileInfo(path).isFile())
    return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
    return std::nullopt;
  // Executables are large; mapping them reads only the pages looked at.
  if (const uchar *mapped = file.map(0, file.size())) {
    std::optional<QByteArray> found = versionResourceIn(Bytes(mapped, quint64(file.size())));
    file.unmap(const_cast<uchar *>(mapped));
    return found;
  }
  const QByteArray all = file.readAll();
  return versionResourceIn(Bytes(reinterpret_cast<const uchar *>(all.constData()), quint64(all.size())));
}

} // namespace version
