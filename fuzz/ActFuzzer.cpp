// The colour table reader on arbitrary bytes; the colours it keeps must write back byte for byte, the rest as black.
#include "engine/formats/SwatchFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto read = ParseActData(bytes);
  if (read.Ok() != (size >= 768)) std::abort();
  if (!read.Ok()) return 0;
  const qsizetype kept = 3 * read.Value.size();
  const QByteArray written = EncodeActData(ActColorObjects(read.Value));
  if (written.size() != 768 || written.first(kept) != bytes.first(kept)) std::abort();
  if (written.sliced(kept).count('\0') != 768 - kept) std::abort();
  return 0;
}
