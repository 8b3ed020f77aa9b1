#pragma once
// Bounds-checked reading of little- and big-endian integers from bytes in memory. Every read first checks
// that the bytes are there, so a reader never trusts a length or count it has not seen the bytes for.

#include <QByteArrayView>

#include <cstdint>

namespace tintorium::detail {

class TByteReader {
 public:
  explicit TByteReader(QByteArrayView data) : data_(data) {}

  qsizetype Remaining() const { return data_.size() - pos_; }
  bool Has(std::uint64_t count) const { return count <= static_cast<std::uint64_t>(Remaining()); }
  /// The next `count` bytes, or nullptr (position unchanged) when fewer remain.
  const unsigned char* Take(std::uint64_t count) {
    if (!Has(count)) return nullptr;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data_.data()) + pos_;
    pos_ += static_cast<qsizetype>(count);
    return bytes;
  }
  bool Skip(std::uint64_t count) { return Take(count) != nullptr; }

  bool ReadU8(std::uint8_t& value) {
    const unsigned char* b = Take(1);
    if (b) value = b[0];
    return b;
  }
  bool ReadU16BE(std::uint16_t& value) {
    const unsigned char* b = Take(2);
    if (b) value = static_cast<std::uint16_t>((b[0] << 8) | b[1]);
    return b;
  }
  bool ReadU32BE(std::uint32_t& value) {
    const unsigned char* b = Take(4);
    if (b) value = (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
    return b;
  }
  bool ReadI16LE(std::int16_t& value) {
    const unsigned char* b = Take(2);
    if (b) value = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
    return b;
  }
  bool ReadI32LE(std::int32_t& value) {
    const unsigned char* b = Take(4);
    if (b) {
      value = static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                        (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
    }
    return b;
  }

 private:
  QByteArrayView data_;
  qsizetype pos_ = 0;
};

}  // namespace tintorium::detail
