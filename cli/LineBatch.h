#pragma once
// The streaming of a `--batch` command: input lines in, one answer line out for each, through fixed buffers so
// that any amount of input runs in constant memory. A command supplies the answer to one line.

#include "CliCommand.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tintorium::cli {

/// Space and the other blanks a batch line may separate its words with (not the newline).
bool IsBatchBlank(char c);
/// The start of `text` in quotes for a message, control characters shown as '?' so they cannot garble it.
std::string QuotedForMessage(std::string_view text);

class TLineBatch {
 public:
  /// Answers every line until the end of the input; the exit status (0, 1 on a read or write failure, 2 on a
  /// malformed line, after the answers to the lines before it).
  int Run();

 protected:
  /// `command` names the command in failure messages; no answer line is longer than `longestAnswer`,
  /// its newline included.
  TLineBatch(std::string_view command, std::size_t longestAnswer, const TCliIO& io);
  virtual ~TLineBatch() = default;
  TLineBatch(const TLineBatch&) = delete;
  TLineBatch& operator=(const TLineBatch&) = delete;

  /// Writes the answer to one line that is not blank (without its newline) from AnswerStart() on and ends it with
  /// EndAnswer; or returns Malformed(why).
  virtual bool AnswerLine(const char* begin, const char* end) = 0;

  /// What a blank input line answers (before its newline): nothing, or "null" in JSON Lines.
  void SetBlankAnswer(std::string_view answer) { blankAnswer_ = answer; }
  char* AnswerStart() { return output_.data() + outputUsed_; }
  void EndAnswer(char* end) { outputUsed_ = static_cast<std::size_t>(end - output_.data()); }
  bool Malformed(std::string why);

 private:
  bool HandleLine(const char* begin, const char* end);
  /// Flushes when another answer might not fit; false when the write fails.
  bool MakeRoom();
  bool FlushOutput();
  int FailMalformed();
  int FailRead();
  int FailWrite();

  std::string command_;
  std::string_view blankAnswer_;
  std::size_t longestAnswer_;
  TCliIO io_;
  std::vector<char> input_;
  std::vector<char> output_;
  std::size_t outputUsed_ = 0;
  std::uint64_t lineNumber_ = 0;
  std::string error_;
};

}  // namespace tintorium::cli
