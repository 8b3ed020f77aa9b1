#pragma once
// Builds one compact JSON document (no spaces, no line breaks) for --json output; commas and escapes are its job.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tintorium::cli {

class TJsonWriter {
 public:
  TJsonWriter& BeginObject();
  TJsonWriter& EndObject();
  TJsonWriter& BeginArray();
  TJsonWriter& EndArray();
  /// The key of the next member of the open object.
  TJsonWriter& Key(std::string_view key);
  /// UTF-8 text; control characters are escaped, a byte that is not part of well-formed UTF-8 becomes U+FFFD.
  TJsonWriter& String(std::string_view text);
  TJsonWriter& Integer(std::int64_t value);
  /// A finite number with up to `decimals` decimals (trailing zeros dropped); NaN and infinity become null.
  TJsonWriter& Number(double value, int decimals = 6);
  TJsonWriter& Bool(bool value);
  TJsonWriter& Null();
  /// Shorthand for Key(key) followed by the value.
  TJsonWriter& Member(std::string_view key, std::string_view text) { return Key(key).String(text); }
  TJsonWriter& Member(std::string_view key, const char* text) { return Key(key).String(text); }
  TJsonWriter& Member(std::string_view key, std::int64_t value) { return Key(key).Integer(value); }
  TJsonWriter& Member(std::string_view key, int value) { return Key(key).Integer(value); }
  TJsonWriter& Member(std::string_view key, bool value) { return Key(key).Bool(value); }

  const std::string& Text() const { return text_; }
  /// Writes the document and a newline; false when the write fails.
  bool WriteLine(std::FILE* to) const;

 private:
  void BeforeValue();

  std::string text_;
  // One entry per open object or array: true once it holds a member.
  std::vector<bool> filled_;
  bool afterKey_ = false;
};

}  // namespace tintorium::cli
