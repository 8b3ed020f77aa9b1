// The GIMP palette reader on arbitrary bytes; what it reads must write back and read again the same colours,
// and every name without control characters the same name.
#include "engine/formats/GimpPaletteFile.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const auto read = ParseGplData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Ok()) {
    if (!read.Value.Entries.empty() || read.Status.Message().isEmpty()) std::abort();
    return 0;
  }
  // A row takes at least six bytes ("0 0 0" and a line break, the last one without).
  if (read.Value.Entries.size() > size / 5) std::abort();
  const TColors colors = GplColorObjects(read.Value);
  const auto again = ParseGplData(EncodeGplData(colors, read.Value.Name, read.Value.Columns));
  if (!again.Ok() || again.Value.Entries.size() != colors.size()) std::abort();
  for (std::size_t i = 0; i < colors.size(); ++i) {
    if (again.Value.Entries[i].Rgb != colors[i].GetRGB()) std::abort();
    const QString name = QString::fromStdU16String(colors[i].Name());
    const bool plain = std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || c == u'\x7f'; });
    if (plain && again.Value.Entries[i].Name != name.trimmed()) std::abort();
  }
  return 0;
}
