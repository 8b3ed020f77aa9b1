// The GIF colour table reader on arbitrary bytes: at most 256 six-digit texts, nothing claimed is allocated.
#include "engine/images/ImagePalette.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const QRegularExpression hex(QStringLiteral("^[0-9A-F]{6}$"));
  const auto read =
      tintorium::ParseGifPalette(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read.Ok() && !read.Value.isEmpty()) std::abort();
  if (read.Value.size() > 256) std::abort();
  for (const QString& color : read.Value) {
    if (!hex.match(color).hasMatch()) std::abort();
  }
  return 0;
}
