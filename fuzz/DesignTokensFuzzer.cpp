// The Design Tokens reader on arbitrary bytes: it answers, and every colour it gives is an RGB colour.
#include "engine/formats/DesignTokensFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tintorium::TReadResult<tintorium::TColors> read =
      tintorium::ParseDesignTokens(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const tintorium::TColorObjectFx& color : read.Value) {
    if (color.GetColor() > 0xFFFFFF) std::abort();
  }
  return 0;
}
