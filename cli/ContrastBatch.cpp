#include "ContrastBatch.h"

#include "SchemeArgs.h"
#include "core/Contrast.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintorium::cli {

namespace {

// The longest line out: "255 765 1 21.000000 1 1 -107.9" and the newline, with room to spare.
constexpr std::size_t LongestOutputLine = 48;
// The longest JSON line: the ten members with their longest values, with room to spare.
constexpr std::size_t LongestJsonLine = 320;

// The blank-separated words of a line, at most `max` + 1 of them (one more tells that there are too many).
std::vector<std::string_view> Words(const char* p, const char* end, std::size_t max) {
  std::vector<std::string_view> words;
  while (words.size() <= max) {
    while (p != end && IsBatchBlank(*p)) ++p;
    if (p == end) break;
    const char* word = p;
    while (p != end && !IsBatchBlank(*p)) ++p;
    words.emplace_back(word, static_cast<std::size_t>(p - word));
  }
  return words;
}

// One decimal; below the rounding step the sign is dropped so no line reads "-0.0".
char* AppendLc(char* to, double lc) {
  if (std::abs(lc) < 0.05) lc = 0;
  return std::to_chars(to, to + 24, lc, std::chars_format::fixed, 1).ptr;
}

char* AppendInt(char* to, int value) { return std::to_chars(to, to + 12, value).ptr; }

// Fixed notation with six decimals whatever the locale.
char* AppendRatio(char* to, double ratio) { return std::to_chars(to, to + 24, ratio, std::chars_format::fixed, 6).ptr; }

}  // namespace

TContrastBatch::TContrastBatch(const TCliIO& io, bool json)
    : TLineBatch("contrast", json ? LongestJsonLine : LongestOutputLine, io), json_(json) {
  if (json_) SetBlankAnswer("null");
}

std::string_view ContrastMarkName(int mark) {
  switch (static_cast<TContrastMark>(mark)) {
    case TContrastMark::Pass: return "pass";
    case TContrastMark::Partial: return "partial";
    case TContrastMark::Fail: break;
  }
  return "fail";
}

void WriteContrastMembers(TJsonWriter& json, TColor text, TColor back) {
  const TContrastResult r = MeasureContrast(back, text);
  json.Member("foreground", HexOf(text))
      .Member("background", HexOf(back))
      .Member("brightness_difference", r.BrightDiff)
      .Member("colour_difference", r.ColorDiff)
      .Member("wcag1", r.Pass)
      .Key("ratio")
      .Number(r.Ratio, 6)
      .Member("large_text", ContrastMarkName(static_cast<int>(LargeTextMark(r.Ratio))))
      .Member("small_text", ContrastMarkName(static_cast<int>(SmallTextMark(r.Ratio))));
  const double lc = ApcaContrast(text, back);
  json.Key("lc").Number(RoundedLc(lc), 1).Member("apca_level", ApcaLevelName(ApcaLevelOf(lc)));
}

double RoundedLc(double lc) {
  const double rounded = std::nearbyint(lc * 10) / 10;
  return rounded == 0 ? 0.0 : rounded;
}

bool TContrastBatch::AnswerLine(const char* begin, const char* end) {
  const std::vector<std::string_view> words = Words(begin, end, 2);
  if (words.size() != 2)
    return Malformed("expected two colours RRGGBB RRGGBB, found " + std::string(words.size() > 2 ? "more" : "one"));
  std::optional<TColor> colors[2];
  for (int i = 0; i < 2; ++i) {
    colors[i] = ParseColorArgument(words[static_cast<std::size_t>(i)]);
    if (!colors[i]) return Malformed(QuotedForMessage(words[static_cast<std::size_t>(i)]) + " is not a colour RRGGBB");
  }
  char* to = AnswerStart();
  if (json_) {
    TJsonWriter json;
    json.BeginObject();
    WriteContrastMembers(json, *colors[0], *colors[1]);
    json.EndObject();
    to = std::copy(json.Text().begin(), json.Text().end(), to);
    *to++ = '\n';
    EndAnswer(to);
    return true;
  }
  const TContrastResult r = MeasureContrast(*colors[0], *colors[1]);
  to = AppendInt(to, r.BrightDiff);
  *to++ = ' ';
  to = AppendInt(to, r.ColorDiff);
  *to++ = ' ';
  *to++ = r.Pass ? '1' : '0';
  *to++ = ' ';
  to = AppendRatio(to, r.Ratio);
  *to++ = ' ';
  to = AppendInt(to, static_cast<int>(LargeTextMark(r.Ratio)));
  *to++ = ' ';
  to = AppendInt(to, static_cast<int>(SmallTextMark(r.Ratio)));
  *to++ = ' ';
  to = AppendLc(to, ApcaContrast(*colors[0], *colors[1]));
  *to++ = '\n';
  EndAnswer(to);
  return true;
}

}  // namespace tintorium::cli
