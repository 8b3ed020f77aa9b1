#include "ContrastBatch.h"

#include "SchemeArgs.h"
#include "core/Contrast.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>

namespace tintorium::cli {

namespace {

constexpr std::size_t InputCapacity = std::size_t{1} << 20;
constexpr std::size_t OutputCapacity = std::size_t{1} << 20;
// The longest line out: "255 765 1 21.000000 1 1" and the newline, with room to spare.
constexpr std::size_t LongestOutputLine = 48;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string Quoted(std::string_view text) {
  constexpr std::size_t Shown = 24;
  std::string quoted(text.substr(0, Shown));
  // Control characters would end or garble the message line.
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  if (text.size() > Shown) quoted += "...";
  return "'" + quoted + "'";
}

// The blank-separated words of a line, at most `max` + 1 of them (one more tells that there are too many).
std::vector<std::string_view> Words(const char* p, const char* end, std::size_t max) {
  std::vector<std::string_view> words;
  while (words.size() <= max) {
    while (p != end && IsBlank(*p)) ++p;
    if (p == end) break;
    const char* word = p;
    while (p != end && !IsBlank(*p)) ++p;
    words.emplace_back(word, static_cast<std::size_t>(p - word));
  }
  return words;
}

char* AppendInt(char* to, int value) { return std::to_chars(to, to + 12, value).ptr; }

// Fixed notation with six decimals whatever the locale.
char* AppendRatio(char* to, double ratio) { return std::to_chars(to, to + 24, ratio, std::chars_format::fixed, 6).ptr; }

}  // namespace

TContrastBatch::TContrastBatch(const TCliIO& io) : io_(io), input_(InputCapacity), output_(OutputCapacity) {}

int TContrastBatch::Run() {
  std::size_t start = 0, filled = 0;
  bool atEnd = false;
  for (;;) {
    const char* data = input_.data();
    const void* newline = std::memchr(data + start, '\n', filled - start);
    if (newline != nullptr) {
      const char* lineEnd = static_cast<const char*>(newline);
      if (!MeasureLine(data + start, lineEnd)) return FailMalformed();
      if (!MakeRoom()) return FailWrite();
      start = static_cast<std::size_t>(lineEnd - data) + 1;
      continue;
    }
    if (atEnd) {
      // A last line without its newline still counts.
      if (start < filled && !MeasureLine(data + start, data + filled)) return FailMalformed();
      break;
    }
    std::memmove(input_.data(), data + start, filled - start);
    filled -= start;
    start = 0;
    if (filled == input_.size()) {
      ++lineNumber_;
      error_ = "line too long (more than " + std::to_string(input_.size()) + " characters)";
      return FailMalformed();
    }
    const std::size_t got = std::fread(input_.data() + filled, 1, input_.size() - filled, io_.in);
    filled += got;
    if (got == 0) {
      if (std::ferror(io_.in)) {
        FlushOutput();
        std::fputs("tintorium-cli contrast: could not read the input\n", io_.err);
        return ExitFailure;
      }
      atEnd = true;
    }
  }
  if (!FlushOutput()) return FailWrite();
  return ExitOk;
}

bool TContrastBatch::MeasureLine(const char* begin, const char* end) {
  ++lineNumber_;
  // A blank line answers with a blank line, so output line n still belongs to input line n.
  if (std::all_of(begin, end, IsBlank)) {
    output_[outputUsed_++] = '\n';
    return true;
  }
  const std::vector<std::string_view> words = Words(begin, end, 2);
  if (words.size() != 2) {
    error_ = "expected two colours RRGGBB RRGGBB, found " + std::string(words.size() > 2 ? "more" : "one");
    return false;
  }
  std::optional<TColor> colors[2];
  for (int i = 0; i < 2; ++i) {
    colors[i] = ParseColorArgument(words[static_cast<std::size_t>(i)]);
    if (!colors[i]) {
      error_ = Quoted(words[static_cast<std::size_t>(i)]) + " is not a colour RRGGBB";
      return false;
    }
  }
  const TContrastResult r = MeasureContrast(*colors[0], *colors[1]);
  char* to = output_.data() + outputUsed_;
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
  *to++ = '\n';
  outputUsed_ = static_cast<std::size_t>(to - output_.data());
  return true;
}

bool TContrastBatch::MakeRoom() { return outputUsed_ + LongestOutputLine <= output_.size() || FlushOutput(); }

bool TContrastBatch::FlushOutput() {
  const std::size_t written = std::fwrite(output_.data(), 1, outputUsed_, io_.out);
  const bool ok = written == outputUsed_;
  outputUsed_ = 0;
  return ok && std::fflush(io_.out) == 0;
}

int TContrastBatch::FailMalformed() {
  // The lines before the bad one have been measured; they go out, nothing after them.
  if (!FlushOutput()) return FailWrite();
  std::fprintf(io_.err, "line %llu: %s\n", static_cast<unsigned long long>(lineNumber_), error_.c_str());
  return ExitUsage;
}

int TContrastBatch::FailWrite() {
  std::fputs("tintorium-cli contrast: could not write the output\n", io_.err);
  return ExitFailure;
}

}  // namespace tintorium::cli
