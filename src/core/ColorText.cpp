#include "ColorText.h"

#include "ColorModels.h"
#include "ColorObject.h"
#include "CssColorParse.h"

#include <array>
#include <cstdio>

namespace tintorium {

namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  std::array<char, 96> buffer{};
  const int n = std::snprintf(buffer.data(), buffer.size(), format, args...);
  return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

void AppendHexByte(std::string& out, std::int32_t value) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  const unsigned byte = static_cast<unsigned>(value) & 0xFF;
  out += Digits[byte >> 4];
  out += Digits[byte & 0xF];
}

// One character of UTF-8 text; a malformed byte counts as one character of its own.
char32_t NextCharacter(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int extra = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
  if (extra == 0) {
    ++pos;
    return lead;
  }
  if (extra < 0 || pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return U'\uFFFD';
  }
  char32_t c = lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const auto cont = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((cont & 0xC0) != 0x80) {
      ++pos;
      return U'\uFFFD';
    }
    c = (c << 6) | (cont & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return c;
}

}  // namespace

std::string ValuesText(const TRGBValues& v, bool labelled) {
  return Format(labelled ? "R:%d G:%d B:%d" : "%d,%d,%d", v.R, v.G, v.B);
}

std::string ValuesText(const THSBValues& v, bool labelled) {
  return Format(labelled ? "H:%d S:%d B:%d" : "%d,%d,%d", v.H, v.S, v.B);
}

std::string ValuesText(const TCMYKValues& v, bool labelled) {
  return Format(labelled ? "C:%d M:%d Y:%d K:%d" : "%d,%d,%d,%d", v.C, v.M, v.Y, v.K);
}

std::string ValuesText(const TLabValues& v, bool labelled) {
  return Format(labelled ? "L:%d a:%d b:%d" : "%d,%d,%d", v.L, v.a, v.b);
}

std::string HexText(const TRGBValues& rgb) {
  std::string out;
  out.reserve(6);
  AppendHexByte(out, rgb.R);
  AppendHexByte(out, rgb.G);
  AppendHexByte(out, rgb.B);
  return out;
}

std::string DollarHexColorText(const TRGBValues& rgb) {
  std::string out = "$00";
  AppendHexByte(out, rgb.B);
  AppendHexByte(out, rgb.G);
  AppendHexByte(out, rgb.R);
  return out;
}

std::string VisualStudioColorText(const TRGBValues& rgb) { return ValuesText(rgb, false); }

int HexDigitValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return 0;
}

bool IsHexText(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!digit) return false;
  }
  return true;
}

TRGBValues ParseHexColor(std::string_view text) {
  std::string stripped(text);
  if (const auto hash = stripped.find('#'); hash != std::string::npos) stripped.erase(hash, 1);
  std::array<int, 6> digits{};
  std::size_t pos = 0;
  for (int& digit : digits) {
    if (pos >= stripped.size()) break;
    digit = HexDigitValue(NextCharacter(stripped, pos));
  }
  return {16 * digits[0] + digits[1], 16 * digits[2] + digits[3], 16 * digits[4] + digits[5]};
}

std::optional<TRGBValues> ReadHexColorText(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if ((text.size() != 3 && text.size() != 6) || !IsHexText(text)) return std::nullopt;
  if (text.size() == 3) return ParseHexColor(std::string{text[0], text[0], text[1], text[1], text[2], text[2]});
  return ParseHexColor(text);
}

std::optional<TRGBValues> ReadColorText(std::string_view text) {
  if (const std::optional<TRGBValues> hex = ReadHexColorText(text)) return hex;
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  // "$00BBGGRR": the copy form of Delphi-style code.
  if (text.size() == 9 && text.front() == '$' && IsHexText(text.substr(1)) && text.substr(1, 2) == "00") {
    const TRGBValues bgr = ParseHexColor(text.substr(3));
    return TRGBValues{bgr.B, bgr.G, bgr.R};
  }
  if (const std::optional<TCssColor> css = ParseCssColor(text)) return ColorToRGBValues(css->Color);
  return std::nullopt;
}

std::string CopyColorText(const TColorObject& color, int kind, bool addHash) {
  switch (kind) {
    case ctkHTML: {
      std::string text = addHash ? "#" : "";
      text += HexText(color.GetRGB());
      return text;
    }
    case ctkDollarHex: return DollarHexColorText(color.GetRGB());
    case ctkDecimal: return VisualStudioColorText(color.GetRGB());
    default: return color.ValuesText();
  }
}

}  // namespace tintorium
