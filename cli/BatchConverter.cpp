#include "BatchConverter.h"

#include <string>
#include <string_view>

namespace tintorium::cli {

namespace {

// The longest line out: four values of at most 11 characters, their spaces and the newline.
constexpr std::size_t LongestOutputLine = 64;

std::string Quoted(const char* begin, const char* end) {
  return QuotedForMessage(std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

char* AppendInteger(char* to, std::int64_t value) {
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  if (value < 0) *to++ = '-';
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (n > 0) *to++ = digits[--n];
  return to;
}

}  // namespace

TBatchConverter::TBatchConverter(TCliModel from, TCliModel to, const TCliIO& io, bool json)
    : TLineBatch("convert", LongestOutputLine, io), from_(from), to_(to), json_(json) {
  if (json_) SetBlankAnswer("null");
}

bool TBatchConverter::AnswerLine(const char* begin, const char* end) {
  std::int64_t values[4] = {};
  if (!ParseValues(begin, end, values)) return false;
  std::int64_t result[4] = {};
  const int count = ConvertValues(from_, values, to_, result);
  AppendValues(result, count);
  return true;
}

bool TBatchConverter::ParseValues(const char* p, const char* end, std::int64_t* values) {
  const TCliModelInfo& model = CliModelInfo(from_);
  int count = 0;
  for (;;) {
    while (p != end && IsBatchBlank(*p)) ++p;
    if (p == end) break;
    const char* token = p;
    while (p != end && !IsBatchBlank(*p)) ++p;
    if (count == model.arity)
      return Malformed("too many values (" + std::string(model.name) + " takes " + std::to_string(model.arity) + ")");
    std::int64_t value = 0;
    if (!ParseCliInteger(token, p, value)) return Malformed(Quoted(token, p) + " is not an integer");
    if (!InChannelRange(from_, count, value)) {
      const TCliChannel& channel = model.channels[static_cast<std::size_t>(count)];
      return Malformed(Quoted(token, p) + " is out of range for " + std::string(channel.name) + " (" +
                       std::to_string(channel.low) + " to " + std::to_string(channel.high) + ")");
    }
    values[count++] = value;
  }
  if (count < model.arity) {
    return Malformed("expected " + std::to_string(model.arity) + (model.arity == 1 ? " integer" : " integers") +
                     " for " + std::string(model.name) + ", found " + std::to_string(count));
  }
  return true;
}

void TBatchConverter::AppendValues(const std::int64_t* values, int count) {
  char* to = AnswerStart();
  if (json_) *to++ = '[';
  for (int i = 0; i < count; ++i) {
    if (i > 0) *to++ = json_ ? ',' : ' ';
    to = AppendInteger(to, values[i]);
  }
  if (json_) *to++ = ']';
  *to++ = '\n';
  EndAnswer(to);
}

}  // namespace tintorium::cli
