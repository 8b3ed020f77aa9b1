// The export template parser and renderer on arbitrary text, and the GIMP palette merge that saves in place:
// a refused template says where (inside the text) and renders nothing; an accepted one renders a small palette
// within its limit; merging any palette bytes with colours gives a GIMP palette that reads back as them.
#include "engine/formats/ExportTemplate.h"
#include "engine/formats/GimpPaletteFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tintorium;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString text = QString::fromUtf8(bytes);
  TTemplateError error;
  const TExportTemplate parsed = TExportTemplate::Parse(text, &error);
  TColors colors;
  for (int i = 0; i < 3; ++i) {
    TColorObject color;
    color.SetRGB({i * 100, 255 - i, 7});
    colors.emplace_back(color, i == 1 ? std::u16string() : std::u16string(u"N\"<&>'\n") + char16_t(u'0' + i));
  }
  if (!parsed.IsValid()) {
    if (error.Text.isEmpty() || error.Line < 1 || error.Line > text.count(u'\n') + 1 || error.Column < 1) std::abort();
    if (parsed.Render(colors, {}).has_value()) std::abort();
  } else {
    constexpr qsizetype kLimit = 1 << 20;
    const auto rendered = parsed.Render(colors, QStringLiteral("P"), kLimit);
    if (rendered && rendered->size() > kLimit) std::abort();
  }
  if (ParseGplData(bytes).Ok()) {
    const QByteArray merged = MergeGplData(bytes, colors, QStringLiteral("P"));
    const auto again = ParseGplData(merged);
    if (!again.Ok() || again.Value.Entries.size() != colors.size()) std::abort();
    for (std::size_t i = 0; i < colors.size(); ++i)
      if (again.Value.Entries[i].Rgb != colors[i].GetRGB()) std::abort();
  }
  return 0;
}
