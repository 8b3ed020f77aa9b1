#include "interchange/ImportRules.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "interchange/CssColorStream.h"
#include "interchange/DesignTokensFile.h"
#include "interchange/ImagePalette.h"
#include "interchange/SwatchColors.h"
#include "interchange/SwatchFiles.h"
#include "interchange/WebScan.h"

#include <QFileInfo>
#include <QSet>

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

TReadResult<TFoundColors> ReadSource(const QString& path, const TImportOptions& options) {
  switch (ImportSourceForPath(path)) {
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
    case TImportSource::None: break;
  }
  return {};
}

bool IsGray(const QString& hex) {
  const TRGBValues rgb = ParseHexColor(hex.toStdString());
  return rgb.R == rgb.G && rgb.G == rgb.B;
}

QList<TImportRow> FilteredRows(const TFoundColors& found, const TImportOptions& options) {
  QList<TImportRow> rows;
  QSet<QString> listed;
  for (qsizetype i = 0; i < found.Hex.size(); ++i) {
    const QString& hex = found.Hex[i];
    if (options.NoGrays && IsGray(hex)) continue;
    if (options.NoDuplicates && listed.contains(hex)) continue;
    listed.insert(hex);
    rows.append({i < found.Names.size() ? found.Names[i] : hex, hex});
  }
  return rows;
}

}  // namespace

TImportSource ImportSourceForPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (IsDesignTokensPath(path)) return TImportSource::DesignTokens;
  if (ext == u"scss") return TImportSource::Scss;
  if (ext == u"aco") return TImportSource::Aco;
  if (ext == u"act") return TImportSource::Act;
  if (ext == u"gpl") return TImportSource::Gpl;
  if (ext == u"ase") return TImportSource::Ase;
  if (ext == u"bmp" || ext == u"jpg" || ext == u"jpeg" || ext == u"png") return TImportSource::Image;
  if (ext == u"gif") return TImportSource::Gif;
  if (ext == u"css" || ext == u"htm" || ext == u"html" || ext == u"php") return TImportSource::WebText;
  return TImportSource::None;
}

TReadResult<QList<TImportRow>> ImportColorRows(const QString& pathOrAddress, const TImportOptions& options,
                                               const TFetchOptions& fetch) {
  TReadResult<QList<TImportRow>> result;
  if (pathOrAddress.contains(QStringLiteral("http://"))) {
    const TUrlDownload download = FetchUrl(pathOrAddress, fetch);
    if (!download.Ok()) {
      result.Status = download.Status();
      return result;
    }
    return ImportFileRows(download.FileName(), options);
  }
  return ImportFileRows(pathOrAddress, options);
}

TReadResult<QList<TImportRow>> ImportFileRows(const QString& path, const TImportOptions& options) {
  TReadResult<QList<TImportRow>> result;
  const TReadResult<TFoundColors> found = ReadSource(path, options);
  result.Status = found.Status;
  if (found.Ok()) result.Value = FilteredRows(found.Value, options);
  return result;
}

}  // namespace tintorium
