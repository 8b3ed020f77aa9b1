#include "LineBatch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tintorium::cli {
namespace {

constexpr std::size_t InputCapacity = std::size_t{1} << 20;
constexpr std::size_t OutputCapacity = std::size_t{1} << 20;

}  // namespace

bool IsBatchBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string QuotedForMessage(std::string_view text) {
  constexpr std::size_t Shown = 24;
  std::string quoted(text.substr(0, Shown));
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  if (text.size() > Shown) quoted += "...";
  return "'" + quoted + "'";
}

TLineBatch::TLineBatch(std::string_view command, std::size_t longestAnswer, const TCliIO& io)
    : command_(command), longestAnswer_(longestAnswer), io_(io), input_(InputCapacity), output_(OutputCapacity) {}

int TLineBatch::Run() {
  std::size_t start = 0, filled = 0;
  bool atEnd = false;
  for (;;) {
    const char* data = input_.data();
    const void* newline = std::memchr(data + start, '\n', filled - start);
    if (newline != nullptr) {
      const char* lineEnd = static_cast<const char*>(newline);
      if (!HandleLine(data + start, lineEnd)) return FailMalformed();
      if (!MakeRoom()) return FailWrite();
      start = static_cast<std::size_t>(lineEnd - data) + 1;
      continue;
    }
    if (atEnd) {
      // A last line without its newline still counts.
      if (start < filled && !HandleLine(data + start, data + filled)) return FailMalformed();
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
      if (std::ferror(io_.in)) return FailRead();
      atEnd = true;
    }
  }
  if (!FlushOutput()) return FailWrite();
  return ExitOk;
}

bool TLineBatch::Malformed(std::string why) {
  error_ = std::move(why);
  return false;
}

bool TLineBatch::HandleLine(const char* begin, const char* end) {
  ++lineNumber_;
  // A blank line answers with a blank line, so output line n still belongs to input line n.
  if (std::all_of(begin, end, IsBatchBlank)) {
    for (const char c : blankAnswer_) output_[outputUsed_++] = c;
    output_[outputUsed_++] = '\n';
    return true;
  }
  return AnswerLine(begin, end);
}

bool TLineBatch::MakeRoom() { return outputUsed_ + longestAnswer_ <= output_.size() || FlushOutput(); }

bool TLineBatch::FlushOutput() {
  const std::size_t written = std::fwrite(output_.data(), 1, outputUsed_, io_.out);
  const bool ok = written == outputUsed_;
  outputUsed_ = 0;
  return ok && std::fflush(io_.out) == 0;
}

int TLineBatch::FailMalformed() {
  // The lines before the bad one have been answered; they go out, nothing after them.
  if (!FlushOutput()) return FailWrite();
  std::fprintf(io_.err, "line %llu: %s\n", static_cast<unsigned long long>(lineNumber_), error_.c_str());
  return ExitUsage;
}

int TLineBatch::FailRead() {
  FlushOutput();
  std::fprintf(io_.err, "tintorium-cli %s: could not read the input\n", command_.c_str());
  return ExitFailure;
}

int TLineBatch::FailWrite() {
  std::fprintf(io_.err, "tintorium-cli %s: could not write the output\n", command_.c_str());
  return ExitFailure;
}

}  // namespace tintorium::cli
