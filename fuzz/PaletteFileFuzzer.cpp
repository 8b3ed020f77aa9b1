// The .tnp reader on arbitrary bytes; whatever it reads must write back and read again the same.
#include "engine/palette/PaletteFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  TPaletteEntries entries;
  const TFileResult result =
      ParsePaletteData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), entries);
  if (entries.size() > size / 13) std::abort();
  if (!result) return 0;
  TPaletteEntries again;
  if (!ParsePaletteData(EncodePaletteData(entries), again) || again.size() != entries.size()) std::abort();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (again[i].Name != entries[i].Name || again[i].Color.Model() != entries[i].Color.Model()) std::abort();
  }
  return 0;
}
