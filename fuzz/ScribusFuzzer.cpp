// The Scribus swatch reader on arbitrary bytes: a failure holds no colours and says why; what it reads writes
// back (as RGB) and reads again as the same RGB colours.
#include "engine/formats/ScribusSwatches.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto read = ParseScribusData(bytes);
  if (!read.Ok()) {
    if (!read.Value.empty() || read.Status.Message().isEmpty()) std::abort();
    return 0;
  }
  if (!IsScribusSwatchData(bytes.first(std::min<qsizetype>(bytes.size(), 4096))) && bytes.size() <= 4096) std::abort();
  // An entry takes at least 16 bytes (<COLOR RGB="#000000"/>).
  if (read.Value.size() > size / 16 + 1) std::abort();
  const auto again = ParseScribusData(EncodeScribusData(read.Value, QStringLiteral("fuzz")));
  if (!again.Ok() || again.Value.size() != read.Value.size()) std::abort();
  for (std::size_t i = 0; i < read.Value.size(); ++i)
    if (again.Value[i].GetRGB() != read.Value[i].GetRGB()) std::abort();
  return 0;
}
