// The colour table reader on arbitrary bytes; what it reads must write back byte for byte.
#include "interchange/SwatchFiles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto read = ParseActData(bytes);
  if (read.Ok() != (size >= 768)) std::abort();
  if (!read.Ok()) return 0;
  if (EncodeActData(ActColorObjects(read.Value)) != bytes.first(768)) std::abort();
  return 0;
}
