// The swatch exchange reader on arbitrary bytes; what it reads must write back and read again the same RGB
// colours with the same names.
#include "engine/formats/SwatchExchangeFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const auto read = ParseAseData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Ok()) {
    if (!read.Value.empty() || read.Status.Message().isEmpty()) std::abort();
    return 0;
  }
  // A colour block takes at least eighteen bytes.
  if (read.Value.size() > size / 18) std::abort();
  const TColors colors = AseColorObjects(read.Value);
  const auto again = ParseAseData(EncodeAseData(colors));
  if (!again.Ok() || again.Value.size() != colors.size()) std::abort();
  const TColors back = AseColorObjects(again.Value);
  for (std::size_t i = 0; i < colors.size(); ++i) {
    if (back[i].GetRGB() != colors[i].GetRGB() || again.Value[i].Model != TAseModel::RGB) std::abort();
    // Names longer than the length word holds are cut; all others come back whole.
    if (colors[i].Name().size() <= 65533 && back[i].Name() != colors[i].Name()) std::abort();
  }
  return 0;
}
