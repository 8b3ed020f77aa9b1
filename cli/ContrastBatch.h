#pragma once
// `contrast --batch`: one "RRGGBB RRGGBB" pair per input line in, one "brightness colour pass ratio large small"
// line out, streamed through fixed buffers so that any amount of input runs in constant memory.

#include "CliCommand.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tintorium::cli {

class TContrastBatch {
 public:
  explicit TContrastBatch(const TCliIO& io);

  /// Measures until the end of the input; the exit status (0, 1 on a read or write failure, 2 on a malformed line).
  int Run();

 private:
  /// Parses and measures one line (without its newline); false with error_ set when it is malformed.
  bool MeasureLine(const char* begin, const char* end);
  /// Flushes when another line might not fit; false when the write fails.
  bool MakeRoom();
  bool FlushOutput();
  int FailMalformed();
  int FailWrite();

  TCliIO io_;
  std::vector<char> input_;
  std::vector<char> output_;
  std::size_t outputUsed_ = 0;
  std::uint64_t lineNumber_ = 0;
  std::string error_;
};

}  // namespace tintorium::cli
