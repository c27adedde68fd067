#pragma once
// The version resource of an executable in the binary layout Windows uses
// (VS_VERSIONINFO): a tree of nodes, each "WORD wLength, WORD wValueLength,
// WORD wType, a UTF-16 key ended by a zero, padding to 32 bits, the value,
// padding, the children". The root's value is the fixed-information record
// VS_FIXEDFILEINFO; "StringFileInfo" holds one string table per translation
// and "VarFileInfo\Translation" the list of translations.
//
// The same code builds the record that our own executables carry and reads
// the record of any file, so the two can never disagree.

#include "form/version/Bytes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace version {

constexpr quint32 kFixedFileInfoSignature = 0xFEEF04BD;
constexpr int kFixedFileInfoSize = 52;

// VS_FIXEDFILEINFO, field by field in file order.
struct FixedFileInfo {
  quint32 signature = kFixedFileInfoSignature;
  quint32 strucVersion = 0x00010000;
  quint32 fileVersionMS = 0, fileVersionLS = 0;
  quint32 productVersionMS = 0, productVersionLS = 0;
  quint32 fileFlagsMask = 0x3F, fileFlags = 0;
  quint32 fileOS = 0, fileType = 0, fileSubtype = 0;
  quint32 fileDateMS = 0, fileDateLS = 0;

  QByteArray bytes() const;
  static FixedFileInfo fromBytes(Bytes bytes); // missing bytes read as 0
};

// Two 16-bit words in one 32-bit field, high word first as Windows writes versions.
constexpr quint32 words(quint16 high, quint16 low) { return (quint32(high) << 16) | low; }

struct VersionRecord {
  FixedFileInfo fixed;
  quint16 language = 0x0C0A; // Spanish (Spain, international sort)
  quint16 codePage = 0x04E4; // Windows-1252
  QList<std::pair<QString, QString>> strings; // name, value, in the order written
};

// The VS_VERSIONINFO block of a record.
QByteArray buildVersionResource(const VersionRecord &record);

// "0C0A04E4": the language then the code page, four upper-case hex digits each.
QString translationCode(quint16 language, quint16 codePage);

// Where a value of a version block lies: a sub-block path such as "\",
// "\VarFileInfo\Translation" or "\StringFileInfo\0C0A04E4\ProductVersion"
// (keys compared without regard to case). Offsets are from the block's start.
struct ValueLocation {
  quint64 offset = 0;
  quint64 length = 0; // bytes available for the value inside its node
  bool text = false;  // a UTF-16 string (wType 1) rather than binary data
};
std::optional<ValueLocation> findValue(Bytes block, const QString &subBlock);

// The length of a whole version block at the start of the bytes (its root's
// wLength), or nothing when the bytes do not begin with a readable root.
std::optional<quint64> versionBlockLength(Bytes bytes);

} // namespace version
