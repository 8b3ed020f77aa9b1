// The CSS colour parser on arbitrary text: it answers a colour or a message, and every form it writes of a colour
// reads back as that colour.
#include "core/CssColor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto parsed = ParseCssColor(text, error);
  if (!parsed) {
    if (error.empty() || error.size() > 300) std::abort();
    return 0;
  }
  if (!(parsed->Alpha >= 0 && parsed->Alpha <= 1) || (parsed->Color >> 24) != 0) std::abort();
  for (const TCssForm form : CssForms) {
    const std::string written = FormatCssColor(parsed->Color, form);
    if (written.empty()) {
      if (form != TCssForm::Named) std::abort();
      continue;
    }
    const auto again = ParseCssColor(written);
    if (!again || again->Color != parsed->Color) std::abort();
  }
  return 0;
}
