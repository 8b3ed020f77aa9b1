#include "engine/formats/ImportRules.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/web/CssColorStream.h"
#include "engine/formats/DesignTokensFile.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/images/ImagePalette.h"
#include "engine/formats/SwatchColors.h"
#include "engine/formats/SwatchFiles.h"
#include "engine/web/WebScan.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace tintorium {
namespace {

// The colours a source yields before filtering; Names is empty unless the source carries names.
struct TFoundColors {
  QStringList Hex;
  QStringList Names;
};

TReadResult<TFoundColors> FromAco(const QString& path) {
  TReadResult<TFoundColors> found;
  const TReadResult<TAcoColors> aco = ReadAcoFile(path);
  found.Status = aco.Status;
  if (!aco.Ok()) return found;
  for (const TColor color : aco.Value.Colors) {
    found.Value.Hex.append(QString::fromStdString(HexText(ColorToRGBValues(color))));
  }
  if (aco.Value.HasNames) found.Value.Names = aco.Value.Names;
  return found;
}

TReadResult<TFoundColors> FromTexts(const TReadResult<QStringList>& texts) {
  TReadResult<TFoundColors> found;
  found.Status = texts.Status;
  if (texts.Ok()) found.Value.Hex = texts.Value;
  return found;
}

// Formats that always carry names: an unnamed colour is already named by its hexadecimal text.
TReadResult<TFoundColors> FromNamedColors(const TReadResult<TColors>& colors) {
  TReadResult<TFoundColors> found;
  found.Status = colors.Status;
  for (const TColorObjectFx& color : colors.Value) {
    found.Value.Hex.append(QString::fromStdString(color.HexText()));
    found.Value.Names.append(QString::fromStdU16String(color.Name()));
  }
  return found;
}

// A custom property or an SCSS variable names its colour; any other property leaves the hexadecimal text.
QString CaptionOf(const TCssColorMatch& match, const QString& hex) {
  const QString property = QString::fromStdString(match.Property);
  if (property.startsWith(QStringLiteral("--")) && property.size() > 2) return property.mid(2);
  if (property.startsWith(u'$') && property.size() > 1) return property.mid(1);
  return hex;
}

TReadResult<TFoundColors> FromCssNotations(const QString& path) {
  TReadResult<TFoundColors> found;
  found.Status = ScanCssColorsFile(path, [&found](const TCssColorMatch& match) {
    const QString hex = QString::fromStdString(HexText(ColorToRGBValues(match.Color)));
    found.Value.Hex.append(hex);
    found.Value.Names.append(CaptionOf(match, hex));
  });
  if (!found.Ok()) found.Value = {};
  return found;
}

TReadResult<TFoundColors> ReadSource(const QString& path, TImportSource source, const TImportOptions& options) {
  switch (source) {
    case TImportSource::Aco: return FromAco(path);
    case TImportSource::Act: return FromTexts(ReadActFile(path));
    case TImportSource::Gpl:
    case TImportSource::Ase: return FromNamedColors(ReadSwatchColors(path));
    case TImportSource::Image: return FromTexts(ReadImagePalette(path));
    case TImportSource::Gif: return FromTexts(ReadGifPalette(path));
    case TImportSource::WebText:
      return options.AllNotations ? FromCssNotations(path) : FromTexts(ScanTextColorsFile(path));
    case TImportSource::Scss: return FromCssNotations(path);
    case TImportSource::DesignTokens: return FromNamedColors(ReadDesignTokensFile(path));
    case TImportSource::Palette: {
      const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
      if (format == nullptr || format->Read == nullptr) return {{}, TFileResult::CantOpen()};
      return FromNamedColors(format->Read(path));
    }
    case TImportSource::None: break;
  }
  return {};
}

bool IsGray(const QString& hex) {
  const TRGBValues rgb = ParseHexColor(hex.toStdString());
  return rgb.R == rgb.G && rgb.G == rgb.B;
}

// "#FFFFFF" and "#ffffff" are one colour: duplicates are found by value, not by how the source wrote them.
QList<TImportRow> FilteredRows(const TFoundColors& found, const TImportOptions& options) {
  QList<TImportRow> rows;
  QSet<TColor> listed;
  for (qsizetype i = 0; i < found.Hex.size(); ++i) {
    const QString& hex = found.Hex[i];
    if (options.NoGrays && IsGray(hex)) continue;
    const TColor value = RGBValuesToColor(ParseHexColor(hex.toStdString()));
    if (options.NoDuplicates && listed.contains(value)) continue;
    listed.insert(value);
    rows.append({i < found.Names.size() ? found.Names[i] : hex, hex});
  }
  return rows;
}

// The web address item is no file format: it keeps its place among the formats' items.
constexpr TImportType kAddressType{
    "Internet link=URL+Import colors from a web-page or image from internet website. This function needs "
    "internet connection~url|*.url",
    true};
constexpr int kAddressPlace = 3;

std::vector<TImportType> BuildTypes() {
  std::vector<std::pair<int, TImportType>> placed{{kAddressPlace, kAddressType}};
  for (const TFileFormat& format : FileFormats()) {
    if (format.ImportPlace.Index >= 0) placed.emplace_back(format.ImportPlace.Index, TImportType{format.ImportPlace.Item});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TImportType> types;
  for (const auto& [place, type] : placed) types.push_back(type);
  return types;
}

constexpr TImportOptionFlag kOptionFlags[] = {
    {"chkDontDuplicate", "Do not import duplicate colors", &TImportOptions::NoDuplicates},
    {"chkDontBlack", "Do not import black,white and gray colors", &TImportOptions::NoGrays},
    {"chkAllNotations", "All CSS color notations", &TImportOptions::AllNotations},
};

}  // namespace

TImportSource ImportSourceForPath(const QString& path) {
  const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
  return format != nullptr ? format->Import : TImportSource::None;
}

TImportSource ImportSourceForMediaType(const QString& mediaType) {
  const TFileFormat* format = FormatForMediaType(mediaType);
  return format != nullptr ? format->Import : TImportSource::None;
}

std::span<const TImportType> ImportTypes() {
  static const std::vector<TImportType> types = BuildTypes();
  return types;
}

std::span<const TImportOptionFlag> ImportOptionFlags() { return kOptionFlags; }

TReadResult<QList<TImportRow>> ImportColorRows(const QString& pathOrAddress, const TImportOptions& options,
                                               const TFetchOptions& fetch) {
  TReadResult<QList<TImportRow>> result;
  if (IsWebAddress(pathOrAddress)) {
    const TUrlDownload download = FetchUrl(pathOrAddress, fetch);
    if (!download.Ok()) {
      result.Status = download.Status();
      return result;
    }
    // "page.php?id=3" or a bare host names no reader: the server said what it sent.
    TImportSource source = ImportSourceForPath(download.FileName());
    if (source == TImportSource::None) source = ImportSourceForMediaType(download.ContentType());
    return ImportFileRows(download.FileName(), options, source);
  }
  return ImportFileRows(pathOrAddress, options);
}

TReadResult<QList<TImportRow>> ImportFileRows(const QString& path, const TImportOptions& options,
                                              TImportSource source) {
  TReadResult<QList<TImportRow>> result;
  if (source == TImportSource::None) source = ImportSourceForPath(path);
  const TReadResult<TFoundColors> found = ReadSource(path, source, options);
  result.Status = found.Status;
  if (found.Ok()) result.Value = FilteredRows(found.Value, options);
  return result;
}

}  // namespace tintorium
