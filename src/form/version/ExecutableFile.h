#pragma once
// Finds the version resource inside an executable file: in a Windows PE
// executable, the resource of type RT_VERSION (16) in its resource section;
// in an ELF executable (ours), the section ".vaticor_version" that the build
// fills with the same structure. Every offset read from the file is checked,
// so a truncated or damaged file only means "no version resource".

#include "form/version/Bytes.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace version {

// The name of the ELF section that carries our version record.
inline constexpr char kElfSectionName[] = ".vaticor_version";

// The version block found in the bytes of an executable, cut to its root's
// length; nothing when there is none or it cannot be read.
std::optional<QByteArray> versionResourceIn(Bytes file);
// The same for a file on disk.
std::optional<QByteArray> versionResourceOfFile(const QString &path);

} // namespace version
