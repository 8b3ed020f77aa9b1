#pragma once
// `convert --batch FROM TO`: one tuple of integers per input line in, one per output line out, streamed through
// fixed buffers so that any amount of input runs in constant memory.

#include "CliCommand.h"
#include "CliModel.h"
#include "LineBatch.h"

#include <cstdint>

namespace tintorium::cli {

class TBatchConverter final : public TLineBatch {
 public:
  /// `json`: each answer a JSON array of integers, a blank line answered with null (JSON Lines).
  TBatchConverter(TCliModel from, TCliModel to, const TCliIO& io, bool json = false);

 private:
  bool AnswerLine(const char* begin, const char* end) override;
  bool ParseValues(const char* begin, const char* end, std::int64_t* values);
  void AppendValues(const std::int64_t* values, int count);

  TCliModel from_;
  TCliModel to_;
  bool json_ = false;
};

}  // namespace tintorium::cli
