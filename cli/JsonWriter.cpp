#include "JsonWriter.h"

#include <charconv>
#include <cmath>

namespace tintorium::cli {

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
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
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
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
  std::string_view number(buffer, static_cast<std::size_t>(end - buffer));
  if (number.find('.') != std::string_view::npos) {
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
