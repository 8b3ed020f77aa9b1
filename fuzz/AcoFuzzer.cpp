// The swatch file reader on arbitrary bytes; what it reads must write back and read again the same colours.
#include "core/ColorModels.h"
#include "engine/formats/SwatchFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const auto read = ParseAcoData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Ok()) {
    if (!read.Value.Colors.empty()) std::abort();
    return 0;
  }
  const TAcoColors& swatches = read.Value;
  if (swatches.HasNames && static_cast<std::size_t>(swatches.Names.size()) != swatches.Colors.size()) std::abort();
  const auto bytes = EncodeAcoData(AcoColorObjects(swatches));
  if (!bytes.Ok()) std::abort();
  const auto again = ParseAcoData(bytes.Value);
  if (!again.Ok() || again.Value.Colors != swatches.Colors) std::abort();
  return 0;
}
