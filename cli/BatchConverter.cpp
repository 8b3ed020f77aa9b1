#include "BatchConverter.h"

#include <algorithm>
#include <cstring>

namespace tintorium::cli {

namespace {

constexpr std::size_t InputCapacity = std::size_t{1} << 20;
constexpr std::size_t OutputCapacity = std::size_t{1} << 20;
// The longest line out: four values of at most 11 characters, their spaces and the newline.
constexpr std::size_t LongestOutputLine = 64;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string Quoted(const char* begin, const char* end) {
  constexpr std::size_t Shown = 24;
  const auto length = static_cast<std::size_t>(end - begin);
  std::string text(begin, std::min(length, Shown));
  if (length > Shown) text += "...";
  return "'" + text + "'";
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

TBatchConverter::TBatchConverter(TCliModel from, TCliModel to, const TCliIO& io)
    : from_(from), to_(to), io_(io), input_(InputCapacity), output_(OutputCapacity) {}

int TBatchConverter::Run() {
  std::size_t start = 0, filled = 0;
  bool atEnd = false;
  for (;;) {
    const char* data = input_.data();
    const void* newline = std::memchr(data + start, '\n', filled - start);
    if (newline != nullptr) {
      const char* lineEnd = static_cast<const char*>(newline);
      if (!ConvertLine(data + start, lineEnd)) return FailMalformed();
      if (!MakeRoom()) return FailWrite();
      start = static_cast<std::size_t>(lineEnd - data) + 1;
      continue;
    }
    if (atEnd) {
      // A last line without its newline still counts.
      if (start < filled && !ConvertLine(data + start, data + filled)) return FailMalformed();
      break;
    }
    // Keep the partial line, then read more behind it.
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
        std::fputs("tintorium-cli convert: could not read the input\n", io_.err);
        return ExitFailure;
      }
      atEnd = true;
    }
  }
  if (!FlushOutput()) return FailWrite();
  return ExitOk;
}

bool TBatchConverter::ConvertLine(const char* begin, const char* end) {
  ++lineNumber_;
  // A blank line answers with a blank line, so output line n still belongs to input line n.
  if (std::all_of(begin, end, IsBlank)) {
    output_[outputUsed_++] = '\n';
    return true;
  }
  std::int64_t values[4] = {};
  if (!ParseValues(begin, end, values)) return false;
  std::int64_t result[4] = {};
  const int count = ConvertValues(from_, values, to_, result);
  AppendValues(result, count);
  return true;
}

bool TBatchConverter::MakeRoom() { return outputUsed_ + LongestOutputLine <= output_.size() || FlushOutput(); }

bool TBatchConverter::ParseValues(const char* p, const char* end, std::int64_t* values) {
  const TCliModelInfo& model = CliModelInfo(from_);
  int count = 0;
  for (;;) {
    while (p != end && IsBlank(*p)) ++p;
    if (p == end) break;
    const char* token = p;
    while (p != end && !IsBlank(*p)) ++p;
    if (count == model.arity) {
      error_ = "too many values (" + std::string(model.name) + " takes " + std::to_string(model.arity) + ")";
      return false;
    }
    std::int64_t value = 0;
    if (!ParseCliInteger(token, p, value)) {
      error_ = Quoted(token, p) + " is not an integer";
      return false;
    }
    if (!InChannelRange(from_, count, value)) {
      const TCliChannel& channel = model.channels[static_cast<std::size_t>(count)];
      error_ = Quoted(token, p) + " is out of range for " + std::string(channel.name) + " (" +
               std::to_string(channel.low) + " to " + std::to_string(channel.high) + ")";
      return false;
    }
    values[count++] = value;
  }
  if (count < model.arity) {
    error_ = "expected " + std::to_string(model.arity) + (model.arity == 1 ? " integer" : " integers") +
             " for " + std::string(model.name) + ", found " + std::to_string(count);
    return false;
  }
  return true;
}

void TBatchConverter::AppendValues(const std::int64_t* values, int count) {
  char* to = output_.data() + outputUsed_;
  for (int i = 0; i < count; ++i) {
    if (i > 0) *to++ = ' ';
    to = AppendInteger(to, values[i]);
  }
  *to++ = '\n';
  outputUsed_ = static_cast<std::size_t>(to - output_.data());
}

bool TBatchConverter::FlushOutput() {
  const std::size_t written = std::fwrite(output_.data(), 1, outputUsed_, io_.out);
  const bool ok = written == outputUsed_;
  outputUsed_ = 0;
  return ok && std::fflush(io_.out) == 0;
}

int TBatchConverter::FailMalformed() {
  // The lines before the bad one have been converted; they go out, nothing after them.
  if (!FlushOutput()) return FailWrite();
  std::fprintf(io_.err, "line %llu: %s\n", static_cast<unsigned long long>(lineNumber_), error_.c_str());
  return ExitUsage;
}

int TBatchConverter::FailWrite() {
  std::fputs("tintorium-cli convert: could not write the output\n", io_.err);
  return ExitFailure;
}

}  // namespace tintorium::cli
