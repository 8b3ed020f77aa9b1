#pragma once
// `contrast --batch`: one "RRGGBB RRGGBB" pair per input line in, one "brightness colour pass ratio large small"
// line out, streamed through fixed buffers so that any amount of input runs in constant memory.

#include "JsonWriter.h"
#include "LineBatch.h"
#include "core/ColorTypes.h"

namespace tintorium::cli {

class TContrastBatch final : public TLineBatch {
 public:
  /// `json`: each answer the object ContrastJson writes, a blank line answered with null (JSON Lines).
  explicit TContrastBatch(const TCliIO& io, bool json = false);

 private:
  bool AnswerLine(const char* begin, const char* end) override;

  bool json_ = false;
};

/// The measurement of `text` on `back` as members of the open JSON object: "foreground", "background" (RRGGBB),
/// "brightness_difference" (0-255), "colour_difference" (0-765), "wcag1" (bool), "ratio" (1-21, six decimals),
/// "large_text" and "small_text" ("pass", "partial" or "fail"), "lc" (APCA Lc of the text on the background, one
/// decimal) and "apca_level" (its readability level in words).
void WriteContrastMembers(TJsonWriter& json, TColor text, TColor back);

/// An APCA Lc rounded to one decimal, half to even, never -0.
double RoundedLc(double lc);

/// "pass", "partial" or "fail".
std::string_view ContrastMarkName(int mark);

}  // namespace tintorium::cli
