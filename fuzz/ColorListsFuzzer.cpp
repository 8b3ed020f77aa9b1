// The .hex list and Paint.NET palette readers on arbitrary bytes: a failure holds no colours and says why; what
// they read writes back and reads again as the same colours; the Paint.NET sniffer accepts what it writes.
#include "engine/formats/ColorListFiles.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  struct {
    TReadResult<TColors> (*parse)(QByteArrayView);
    QByteArray (*encode)(const TColors&);
  } const readers[] = {{ParseHexListData, EncodeHexListData}, {ParsePaintNetData, EncodePaintNetData}};
  for (const auto& reader : readers) {
    const auto read = reader.parse(bytes);
    if (!read.Ok()) {
      if (!read.Value.empty() || read.Status.Message().isEmpty()) std::abort();
      continue;
    }
    if (read.Value.size() > size / 6) std::abort();
    const QByteArray written = reader.encode(read.Value);
    const auto again = reader.parse(written);
    if (!again.Ok() || again.Value.size() != read.Value.size()) std::abort();
    for (std::size_t i = 0; i < read.Value.size(); ++i)
      if (again.Value[i].GetRGB() != read.Value[i].GetRGB()) std::abort();
    if (reader.parse == ParsePaintNetData && !read.Value.empty() && !IsPaintNetData(written.first(std::min<qsizetype>(written.size(), 4096))))
      std::abort();
  }
  return 0;
}
