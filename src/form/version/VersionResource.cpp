#include "form/version/VersionResource.h"

#include <QStringList>

namespace version {

namespace {

constexpr quint16 kBinary = 0;
constexpr quint16 kText = 1;
constexpr quint64 kHeader = 6; // wLength, wValueLength, wType

void putU16(QByteArray &out, quint16 v)
{
  out.append(char(v & 0xFF));
  out.append(char(v >> 8));
}

void putU32(QByteArray &out, quint32 v)
{
  putU16(out, quint16(v & 0xFFFF));
  putU16(out, quint16(v >> 16));
}

void pad4(QByteArray &out)
{
  while (out.size() % 4 != 0)
    out.append('\0');
}

void putUtf16z(QByteArray &out, const QString &s)
{
  for (QChar c : s)
    putU16(out, c.unicode());
  putU16(out, 0);
}

// One node; children are placed on 32-bit boundaries, and wLength covers the
// node up to the end of its last child (no trailing padding).
QByteArray node(const QString &key, quint16 type, quint16 valueLength, const QByteArray &value,
                const QList<QByteArray> &children = {})
{
  QByteArray out;
  putU16(out, 0); // wLength, set below
  putU16(out, valueLength);
  putU16(out, type);
  putUtf16z(out, key);
  pad4(out);
  out += value;
  for (const QByteArray &child : children) {
    pad4(out);
    out += child;
  }
  const quint16 length = quint16(out.size());
  out[0] = char(length & 0xFF);
  out[1] = char(length >> 8);
  return out;
}

QByteArray stringNode(const QString &name, const QString &value)
{
  QByteArray utf16;
  putUtf16z(utf16, value);
  return node(name, kText, quint16(value.size() + 1), utf16);
}

struct Node {
  quint64 start = 0, end = 0;
  quint16 type = 0;
  QString key;
  quint64 valueStart = 0, valueBytes = 0;
  quint64 childrenStart = 0;
};

// The node at `at`, which must end by `limit`; nothing when it is damaged.
std::optional<Node> readNode(Bytes block, quint64 at, quint64 limit)
{
  const auto length = block.u16(at), valueLength = block.u16(at + 2), type = block.u16(at + 4);
  if (!length || !valueLength || !type || *length < kHeader || at + *length > limit)
    return std::nullopt;
  Node n;
  n.start = at;
  n.end = at + *length;
  n.type = *type;
  quint64 p = at + kHeader;
  for (;;) {
    const auto c = block.u16(p);
    if (!c || p + 2 > n.end)
      return std::nullopt; // a key that never ends inside its node
    p += 2;
    if (*c == 0)
      break;
    n.key += QChar(*c);
  }
  n.valueStart = std::min(align4(p), n.end);
  // Strings count their value in characters, binary values in bytes.
  const quint64 wanted = n.type == kText ? 2 * quint64(*valueLength) : *valueLength;
  n.valueBytes = std::min(wanted, n.end - n.valueStart);
  n.childrenStart = std::min(align4(n.valueStart + n.valueBytes), n.end);
  return n;
}

std::optional<Node> childNamed(Bytes block, const Node &parent, const QString &key)
{
  quint64 at = parent.childrenStart;
  while (at + kHeader <= parent.end) {
    const std::optional<Node> child = readNode(block, at, parent.end);
    if (!child)
      return std::nullopt;
    if (child->key.compare(key, Qt::CaseInsensitive) == 0)
      return child;
    at = align4(child->end);
  }
  return std::nullopt;
}

} // namespace

QByteArray FixedFileInfo::bytes() const
{
  QByteArray out;
  for (quint32 v : {signature, strucVersion, fileVersionMS, fileVersionLS, productVersionMS, productVersionLS,
                    fileFlagsMask, fileFlags, fileOS, fileType, fileSubtype, fileDateMS, fileDateLS})
    putU32(out, v);
  return out;
}

FixedFileInfo FixedFileInfo::fromBytes(Bytes b)
{
  quint32 v[13];
  for (int i = 0; i < 13; ++i)
    v[i] = b.u32(4 * i).value_or(0);
  return {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12]};
}

QString translationCode(quint16 language, quint16 codePage)
{
  return QStringLiteral("%1%2").arg(language, 4, 16, QChar(u'0')).arg(codePage, 4, 16, QChar(u'0')).toUpper();
}

QByteArray buildVersionResource(const VersionRecord &record)
{
  QList<QByteArray> strings;
  for (const auto &[name, value] : record.strings)
    strings.append(stringNode(name, value));
  const QByteArray table = node(translationCode(record.language, record.codePage), kText, 0, {}, strings);
  QByteArray translation;
  putU16(translation, record.language);
  putU16(translation, record.codePage);
  const QByteArray var = node(QStringLiteral("Translation"), kBinary, 4, translation);
  return node(QStringLiteral("VS_VERSION_INFO"), kBinary, kFixedFileInfoSize, record.fixed.bytes(),
              {node(QStringLiteral("StringFileInfo"), kText, 0, {}, {table}),
               node(QStringLiteral("VarFileInfo"), kText, 0, {}, {var})});
}

std::optional<quint64> versionBlockLength(Bytes bytes)
{
  const std::optional<Node> root = readNode(bytes, 0, bytes.size());
  if (!root)
    return std::nullopt;
  return root->end;
}

std::optional<ValueLocation> findValue(Bytes block, const QString &subBlock)
{
  std::optional<Node> current = readNode(block, 0, block.size());
  for (const QString &key : subBlock.split(u'\\', Qt::SkipEmptyParts)) {
    if (!current)
      return std::nullopt;
    current = childNamed(block, *current, key);
  }
  if (!current)
    return std::nullopt;
  return ValueLocation{current->valueStart, current->valueBytes, current->type == kText};
}

} // namespace version
