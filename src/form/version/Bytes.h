#pragma once
// Bounds-checked reading of binary files: every read past the end gives
// nothing rather than touching memory outside the bytes, so a truncated or
// damaged executable can never make the program read out of bounds.

#include <QtGlobal>
#include <cstdint>
#include <optional>

namespace version {

class Bytes {
public:
  Bytes() = default;
  Bytes(const uchar *data, quint64 size) : data_(data), size_(data ? size : 0) {}

  quint64 size() const { return size_; }
  const uchar *data() const { return data_; }
  // True when [offset, offset + length) lies inside the bytes.
  bool holds(quint64 offset, quint64 length) const { return offset <= size_ && length <= size_ - offset; }
  // The bytes [offset, offset + length), or an empty view when they do not lie inside.
  Bytes slice(quint64 offset, quint64 length) const
  {
    return holds(offset, length) ? Bytes(data_ + offset, length) : Bytes();
  }

  std::optional<quint8> u8(quint64 at) const
  {
    if (!holds(at, 1))
      return std::nullopt;
    return data_[at];
  }
  std::optional<quint16> u16(quint64 at, bool bigEndian = false) const { return read<quint16>(at, 2, bigEndian); }
  std::optional<quint32> u32(quint64 at, bool bigEndian = false) const { return read<quint32>(at, 4, bigEndian); }
  std::optional<quint64> u64(quint64 at, bool bigEndian = false) const { return read<quint64>(at, 8, bigEndian); }

private:
  template <typename T> std::optional<T> read(quint64 at, int width, bool bigEndian) const
  {
    if (!holds(at, width))
      return std::nullopt;
    T value = 0;
    for (int i = 0; i < width; ++i) {
      const int shift = bigEndian ? 8 * (width - 1 - i) : 8 * i;
      value |= T(data_[at + i]) << shift;
    }
    return value;
  }

  const uchar *data_ = nullptr;
  quint64 size_ = 0;
};

// Offsets inside a version resource are aligned on 32 bits.
constexpr quint64 align4(quint64 offset) { return (offset + 3) & ~quint64(3); }

} // namespace version
