// The LibreOffice colour table reader on arbitrary bytes: a failure holds no colours and says why; what it reads
// writes back and reads again as the same colours and names (the writer escapes what XML cannot hold).
#include "engine/formats/OfficeColorTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const auto read = ParseSocData(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Ok()) {
    if (!read.Value.empty() || read.Status.Message().isEmpty()) std::abort();
    return 0;
  }
  // An entry takes at least 20 bytes (<a:color b:color="#000000"/>).
  if (read.Value.size() > size / 20 + 1) std::abort();
  const auto again = ParseSocData(EncodeSocData(read.Value));
  if (!again.Ok() || again.Value.size() != read.Value.size()) std::abort();
  for (std::size_t i = 0; i < read.Value.size(); ++i) {
    if (again.Value[i].GetRGB() != read.Value[i].GetRGB()) std::abort();
    if (QString::fromStdU16String(read.Value[i].Name()) ==
            XmlAttributeText(QString::fromStdU16String(read.Value[i].Name())) &&
        again.Value[i].Name() != read.Value[i].Name())
      std::abort();
  }
  return 0;
}
