// The "#" scanner on arbitrary bytes, against the description's copy-and-cut scan.
#include "engine/web/WebScan.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool Hex(unsigned char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

QStringList Reference(std::string text) {
  QStringList colors;
  for (auto p = text.find('#'); p != std::string::npos; p = text.find('#')) {
    const std::string six = text.substr(p + 1, 6);
    const std::string three = text.substr(p + 1, 3);
    text = text.substr(std::min(p + 4, text.size()));
    auto all = [](const std::string& s) {
      for (unsigned char c : s)
        if (!Hex(c)) return false;
      return true;
    };
    if (six.size() == 6 && all(six)) {
      colors.append(QString::fromLatin1(six.data(), 6));
    } else if (three.size() == 3 && all(three)) {
      colors.append(QString::fromLatin1(std::string{three[0], three[0], three[1], three[1], three[2], three[2]}));
    }
  }
  return colors;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const QStringList found = tintorium::ScanTextColorsInBytes(QByteArrayView(text.data(), text.size()));
  // Texts with a byte-order mark are decoded first; the plain 8-bit path must match the reference exactly.
  // The reference copies the text at every "#", so it only checks inputs it can finish quickly.
  const bool marked = text.rfind("\xEF\xBB\xBF", 0) == 0 || text.rfind("\xFF\xFE", 0) == 0 ||
                      text.rfind("\xFE\xFF", 0) == 0;
  if (!marked && size <= 65536 && found != Reference(text)) std::abort();
  for (const QString& color : found) {
    if (color.size() != 6) std::abort();
  }
  return 0;
}
