#pragma once
// `contrast --batch`: one "RRGGBB RRGGBB" pair per input line in, one "brightness colour pass ratio large small"
// line out, streamed through fixed buffers so that any amount of input runs in constant memory.

#include "LineBatch.h"

namespace tintorium::cli {

class TContrastBatch final : public TLineBatch {
 public:
  explicit TContrastBatch(const TCliIO& io);

 private:
  bool AnswerLine(const char* begin, const char* end) override;
};

}  // namespace tintorium::cli
