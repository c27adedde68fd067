#pragma once
// The version-information functions of Windows that the file version record
// calls, provided on this platform with the same contracts. The "A" functions
// take and give narrow texts; here the narrow encoding is the system's, UTF-8,
// for file names and texts alike.
//
// GetFileVersionInfoA lays its buffer out as: the version block, then (on a
// 32-bit boundary) a mark and the buffer's size, then room where
// VerQueryValueA writes the narrow copy of each string asked for, at a place
// fixed by the string's own offset. GetFileVersionInfoSizeA counts that room.

#include <cstdint>

namespace version {

// The absolute form of a file name. Returns its length without the ending
// zero when it fits in the buffer; otherwise the size of buffer it needs
// (zero included) and the buffer is untouched; 0 when it cannot be resolved.
uint32_t GetFullPathNameA(const char *fileName, uint32_t bufferLength, char *buffer, char **filePart);

// The size of buffer GetFileVersionInfoA needs for the file; 0 when the file
// has no readable version resource. *handle is set to 0.
uint32_t GetFileVersionInfoSizeA(const char *fileName, uint32_t *handle);

// Reads the version resource into data (length bytes, as the size above said).
bool GetFileVersionInfoA(const char *fileName, uint32_t handle, uint32_t length, void *data);

// A value of a buffer filled by GetFileVersionInfoA: "\" gives the fixed
// record (52 bytes), "\VarFileInfo\Translation" the translations (4 bytes
// each), "\StringFileInfo\<code>\<name>" a zero-terminated narrow string
// whose length in bytes, zero included, comes back (0 for an empty string).
bool VerQueryValueA(const void *block, const char *subBlock, void **buffer, uint32_t *length);

// The name of a language identifier, as a Spanish system names it, copied
// into the buffer (cut to fit, always zero-terminated). Returns the number of
// bytes copied without the zero.
uint32_t VerLanguageNameA(uint32_t language, char *buffer, uint32_t size);

} // namespace version
