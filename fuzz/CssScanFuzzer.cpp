// The all-notations scanner on arbitrary bytes, as a style sheet, an SCSS file and an HTML page: the text fed in
// blocks of any size must give exactly the colours of the whole, and no notation may exceed the function cap.
#include "engine/web/CssColorStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using tintorium::TCssColorMatch;

std::vector<TCssColorMatch> InBlocks(QByteArrayView bytes, tintorium::TCssSource source, qsizetype block) {
  std::vector<TCssColorMatch> found;
  tintorium::TCssColorStream stream([&found](const TCssColorMatch& match) { found.push_back(match); }, source);
  for (qsizetype at = 0; at < bytes.size(); at += block) stream.Feed(bytes.sliced(at, std::min(block, bytes.size() - at)));
  stream.Finish();
  return found;
}

bool Same(const std::vector<TCssColorMatch>& a, const std::vector<TCssColorMatch>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Color != b[i].Color || a[i].Notation != b[i].Notation || a[i].Property != b[i].Property) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the block size of the second scan.
  const qsizetype block = 1 + data[0] % 17;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  for (const auto source : {tintorium::TCssSource::StyleSheet, tintorium::TCssSource::Scss, tintorium::TCssSource::Html}) {
    const std::vector<TCssColorMatch> whole = tintorium::ScanCssColorsInBytes(bytes, source);
    for (const TCssColorMatch& match : whole) {
      if (match.Notation.empty() || match.Notation.size() > tintorium::TCssColorScanner::kMaxFunctionText) std::abort();
      if (match.Color > 0xFFFFFF) std::abort();
    }
    if (!Same(whole, InBlocks(bytes, source, block))) std::abort();
  }
  return 0;
}
