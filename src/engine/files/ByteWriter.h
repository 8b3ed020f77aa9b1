#pragma once
// Appending little- and big-endian integers to a byte buffer.

#include <QByteArray>

#include <cstdint>

namespace tintorium::detail {

class TByteWriter {
 public:
  explicit TByteWriter(qsizetype reserve = 0) { bytes_.reserve(reserve); }

  void U8(std::uint8_t v) { bytes_.append(static_cast<char>(v)); }
  void U16BE(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v >> 8));
    U8(static_cast<std::uint8_t>(v));
  }
  void U32BE(std::uint32_t v) {
    U16BE(static_cast<std::uint16_t>(v >> 16));
    U16BE(static_cast<std::uint16_t>(v));
  }
  void U16LE(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32LE(std::uint32_t v) {
    U16LE(static_cast<std::uint16_t>(v));
    U16LE(static_cast<std::uint16_t>(v >> 16));
  }

  QByteArray Take() { return std::move(bytes_); }

 private:
  QByteArray bytes_;
};

}  // namespace tintorium::detail
