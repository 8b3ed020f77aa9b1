#include "JsonWriter.h"

#include <charconv>
#include <cmath>

namespace tintorium::cli {
namespace {

// The length of the well-formed UTF-8 sequence `text` starts with (a byte of 0x80 or more), or 0 when it is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto at = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
  const unsigned lead = at(0);
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xbf;  // the range of the second byte
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (at(i) < 0x80 || at(i) > 0xbf) return 0;
  return length;
}

}  // namespace

void TJsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!filled_.empty()) {
    if (filled_.back()) text_ += ',';
    filled_.back() = true;
  }
}

TJsonWriter& TJsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  filled_.push_back(false);
  return *this;
}

TJsonWriter& TJsonWriter::EndObject() {
  text_ += '}';
  filled_.pop_back();
  return *this;
}

TJsonWriter& TJsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  filled_.push_back(false);
  return *this;
}

TJsonWriter& TJsonWriter::EndArray() {
  text_ += ']';
  filled_.pop_back();
  return *this;
}

TJsonWriter& TJsonWriter::Key(std::string_view key) {
  String(key);
  text_ += ':';
  afterKey_ = true;
  return *this;
}

TJsonWriter& TJsonWriter::String(std::string_view text) {
  BeforeValue();
  text_ += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const std::size_t length = Utf8SequenceLength(text.substr(i));
      if (length == 0) {
        text_ += "\uFFFD";  // not UTF-8: a JSON reader would reject the whole document
        ++i;
      } else {
        text_.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    ++i;
    const char c = static_cast<char>(byte);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (c == '\n') {
      text_ += "\\n";
    } else if (c == '\t') {
      text_ += "\\t";
    } else if (c == '\r') {
      text_ += "\\r";
    } else if (byte < 0x20 || byte == 0x7f) {
      static constexpr char Digits[] = "0123456789abcdef";
      text_ += "\\u00";
      text_ += Digits[byte >> 4];
      text_ += Digits[byte & 15];
    } else {
      text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

TJsonWriter& TJsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  char buffer[24];
  text_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
  return *this;
}

TJsonWriter& TJsonWriter::Number(double value, int decimals) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  // A value too large for fixed notation in the buffer: the shortest exact form ("1e+300"), valid JSON too.
  if (error != std::errc()) end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  std::string_view number(buffer, static_cast<std::size_t>(end - buffer));
  if (number.find('.') != std::string_view::npos && number.find('e') == std::string_view::npos) {
    while (number.back() == '0') number.remove_suffix(1);
    if (number.back() == '.') number.remove_suffix(1);
  }
  if (number == "-0") number = "0";
  text_ += number;
  return *this;
}

TJsonWriter& TJsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
  return *this;
}

TJsonWriter& TJsonWriter::Null() {
  BeforeValue();
  text_ += "null";
  return *this;
}

bool TJsonWriter::WriteLine(std::FILE* to) const {
  return std::fwrite(text_.data(), 1, text_.size(), to) == text_.size() && std::fputc('\n', to) != EOF;
}

}  // namespace tintorium::cli
