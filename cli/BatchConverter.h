#pragma once
// `convert --batch FROM TO`: one tuple of integers per input line in, one per output line out, streamed through
// fixed buffers so that any amount of input runs in constant memory.

#include "CliCommand.h"
#include "CliModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tintorium::cli {

class TBatchConverter {
 public:
  TBatchConverter(TCliModel from, TCliModel to, const TCliIO& io);

  /// Converts until the end of the input; the exit status (0, 1 on a read or write failure, 2 on a malformed line).
  int Run();

 private:
  /// Parses and converts one line (without its newline); false with error_ set when it is malformed.
  bool ConvertLine(const char* begin, const char* end);
  bool ParseValues(const char* begin, const char* end, std::int64_t* values);
  void AppendValues(const std::int64_t* values, int count);
  /// Flushes when another line might not fit; false when the write fails.
  bool MakeRoom();
  bool FlushOutput();
  int FailMalformed();
  int FailWrite();

  TCliModel from_;
  TCliModel to_;
  TCliIO io_;
  std::vector<char> input_;
  std::vector<char> output_;
  std::size_t outputUsed_ = 0;
  std::uint64_t lineNumber_ = 0;
  std::string error_;
};

}  // namespace tintorium::cli
