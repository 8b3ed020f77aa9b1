#include "engine/formats/FormatRegistry.h"

#include "engine/formats/ColorListFiles.h"
#include "engine/formats/DesignTokensFile.h"
#include "engine/formats/ExportTemplate.h"
#include "engine/formats/ExportWriters.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/OfficeColorTable.h"
#include "engine/formats/ScaleExportWriters.h"
#include "engine/formats/ScribusSwatches.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace tintorium {
namespace {

template <typename T, typename Convert>
TReadResult<TColors> Converted(const TReadResult<T>& read, Convert convert) {
  if (!read.Ok()) return {{}, read.Status};
  return {convert(read.Value), {}};
}

// Readers: each colour named and in the model the file gives.
TReadResult<TColors> ReadAco(const QString& path) { return Converted(ReadAcoFile(path), AcoColorObjects); }
TReadResult<TColors> ReadAct(const QString& path) { return Converted(ReadActFile(path), ActColorObjects); }
TReadResult<TColors> ReadGpl(const QString& path) { return Converted(ReadGplFile(path), GplColorObjects); }
TReadResult<TColors> ReadAse(const QString& path) { return Converted(ReadAseFile(path), AseColorObjects); }

// Writers: each takes the part of the options its kind has.
TFileResult WriteAco(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteAcoFile(path, colors);
}
TFileResult WriteAct(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteActFile(path, colors);
}
TFileResult WriteGpl(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteGplFile(path, colors);
}
TFileResult WriteAse(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteAseFile(path, colors);
}
TFileResult WriteHtml(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteHtmlChart(path, colors);
}
TFileResult WriteCss(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteCssFile(path, colors);
}
TFileResult WriteCssVariables(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteCssVariablesFile(path, colors, options.Notation);
}
TFileResult WriteScss(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteScssFile(path, colors, options.Notation);
}
TFileResult WriteTokens(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteDesignTokensFile(path, colors, options.Notation);
}
TFileResult WriteScales(const QString& path, const TColors& colors, const TExportOptions& options,
                        TScaleExportForm form) {
  return WriteScaleExportFile(path, ScalesOfColors(colors, options.Scale), form, options.Notation);
}
TFileResult WriteScaleCss(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteScales(path, colors, options, TScaleExportForm::CssVariables);
}
TFileResult WriteScaleScss(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteScales(path, colors, options, TScaleExportForm::Scss);
}
TFileResult WriteScaleTokens(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteScales(path, colors, options, TScaleExportForm::DesignTokens);
}
TFileResult WriteScaleTheme(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteScales(path, colors, options, TScaleExportForm::Theme);
}
TFileResult WriteImage(const QString& path, const TColors& colors, const TExportOptions& options) {
  const auto format = SwatchImageFormatForExtension(QFileInfo(path).suffix());
  return WriteSwatchImage(path, colors, options.Image, format.value_or(TSwatchImageFormat::Png));
}
TFileResult WriteSoc(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteSocFile(path, colors);
}
TFileResult WriteScribus(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteScribusFile(path, colors);
}
TFileResult WriteHexList(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteHexListFile(path, colors);
}
TFileResult WritePaintNet(const QString& path, const TColors& colors, const TExportOptions&) {
  return WritePaintNetFile(path, colors);
}
TFileResult WriteXml(const QString& path, const TColors& colors, const TExportOptions&) {
  return WriteXmlFile(path, colors);
}
TFileResult WriteTemplate(const QString& path, const TColors& colors, const TExportOptions& options) {
  return WriteTemplateFile(path, options.TemplateFile, colors, options.PaletteName);
}
TFileResult WriteColorSet(const QString& path, const TColors& colors, const TExportOptions&) {
  return WritePainterColorSet(path, colors);
}

constexpr const char16_t* kTnp[] = {u"tnp"};
constexpr const char16_t* kAco[] = {u"aco"};
constexpr const char16_t* kAct[] = {u"act"};
constexpr const char16_t* kGpl[] = {u"gpl"};
constexpr const char16_t* kAse[] = {u"ase"};
constexpr const char16_t* kHtml[] = {u"html", u"htm", u"php"};
constexpr const char16_t* kHtmlTypes[] = {u"text/html", u"application/xhtml+xml"};
constexpr const char16_t* kCss[] = {u"css"};
constexpr const char16_t* kCssTypes[] = {u"text/css"};
constexpr const char16_t* kScss[] = {u"scss"};
constexpr const char16_t* kScssTypes[] = {u"text/x-scss"};
constexpr const char16_t* kTokens[] = {u"tokens.json"};
constexpr const char16_t* kTokensTypes[] = {u"application/design-tokens+json"};
constexpr const char16_t* kImage[] = {u"bmp", u"jpg", u"jpeg", u"png"};
constexpr const char16_t* kImageTypes[] = {u"image/png", u"image/jpeg", u"image/bmp", u"image/x-bmp",
                                           u"image/x-ms-bmp"};
constexpr const char16_t* kImageExports[] = {u"bmp", u"gif", u"jpg", u"jpeg", u"png"};
constexpr const char16_t* kGif[] = {u"gif"};
constexpr const char16_t* kGifTypes[] = {u"image/gif"};
constexpr const char16_t* kXml[] = {u"xml"};
constexpr const char16_t* kTxt[] = {u"txt"};
constexpr const char16_t* kSoc[] = {u"soc"};
constexpr const char16_t* kHex[] = {u"hex"};

// The wizard items keep the indexes of the original lists (language files key them as lstType<N>); the
// import list's item 3 is the web address, which is no file format (ImportTypes adds it).
const TFileFormat kFormats[] = {
    {.Name = "Tintorium Palette",
     .Extensions = kTnp,
     .Flags = fNative | fPalette | fListed,
     .Reads = ftColors | ftNames | ftModels | ftCmyk | ftLab,
     .Keeps = ftColors | ftNames | ftModels | ftCmyk | ftLab,
     .Read = ReadPaletteColors,
     .Write = WritePaletteColors,
     .FilterKey = sFilterPalette,
     .LibraryPlace = 3,
     .Fuzzer = "fuzz_palette_file"},
    {.Name = "Adobe Photoshop Color Palette",
     .Extensions = kAco,
     .Flags = fPalette | fListed,
     .Reads = ftColors | ftNames,
     .Keeps = ftColors | ftNames,
     .Read = ReadAco,
     .Import = TImportSource::Aco,
     .Write = WriteAco,
     .Export = TExportWriter::Aco,
     .ImportPlace = {0, "Adobe Photoshop Color Palette=ACO+Import colors from Color Palette files, created with "
                        "Adobe Photoshop~Color Palette (*.aco)|*.aco"},
     .ExportPlace = {0, "Adobe Photoshop Color Palette=ACO+Export colors to Color Palette files for Adobe "
                        "Photoshop~Color Palette (*.aco)|*.aco"},
     .FilterKey = sFilterAco,
     .LibraryPlace = 1,
     .Fuzzer = "fuzz_aco"},
    {.Name = "Adobe Color Table",
     .Extensions = kAct,
     .Flags = fPalette | fListed,
     .Reads = ftColors,
     .Keeps = ftColors,
     .Read = ReadAct,
     .Import = TImportSource::Act,
     .Write = WriteAct,
     .Export = TExportWriter::Act,
     .ImportPlace = {1, "Adobe Color Table=ACT+Import colors from Adobe Color Table~Color Table (*.act)|*.act"},
     .ExportPlace = {1, "Adobe Color Table=ACT+Export colors to Adobe Color Table~Color Table (*.act)|*.act"},
     .FilterKey = sFilterAct,
     .LibraryPlace = 2,
     .Fuzzer = "fuzz_act",
     .MaxColors = 256},
    {.Name = "GIMP Palette",
     .Extensions = kGpl,
     .Flags = fPalette | fListed,
     .Reads = ftColors | ftNames,
     .Keeps = ftColors | ftNames,
     .Read = ReadGpl,
     .Import = TImportSource::Gpl,
     .Write = WriteGpl,
     .Export = TExportWriter::Gpl,
     .ImportPlace = {5, "GIMP Palette=GPL+Import colors and their names from GIMP palette files~GIMP Palette "
                        "(*.gpl)|*.gpl"},
     .ExportPlace = {6, "GIMP Palette=GPL+Export colors and their names to a GIMP palette~GIMP Palette "
                        "(*.gpl)|*.gpl"},
     .FilterKey = sFilterGpl,
     .LibraryPlace = 4,
     .Fuzzer = "fuzz_gpl"},
    {.Name = "Adobe Swatch Exchange",
     .Extensions = kAse,
     .Flags = fPalette | fListed,
     .Reads = ftColors | ftNames | ftGroups | ftCmyk | ftLab,
     .Keeps = ftColors | ftNames,
     .Read = ReadAse,
     .Import = TImportSource::Ase,
     .Write = WriteAse,
     .Export = TExportWriter::Ase,
     .ImportPlace = {6, "Adobe Swatch Exchange=ASE+Import colors and their names from Adobe Swatch Exchange files~"
                        "Swatch Exchange (*.ase)|*.ase"},
     .ExportPlace = {7, "Adobe Swatch Exchange=ASE+Export colors and their names to an Adobe Swatch Exchange file~"
                        "Swatch Exchange (*.ase)|*.ase"},
     .FilterKey = sFilterAse,
     .LibraryPlace = 5,
     .Fuzzer = "fuzz_ase"},
    {.Name = "Web page",
     .Extensions = kHtml,
     .MediaTypes = kHtmlTypes,
     .Reads = ftColors,
     .Keeps = 0,
     .Import = TImportSource::WebText,
     .Write = WriteHtml,
     .Export = TExportWriter::Html,
     .ImportPlace = {2, "Web-page (HTML/CSS)=HTML,CSS+Import colors from local saved web-page~Web-page "
                        "(*.html;*htm;*.php;*.css)|*.html;*htm;*.php;*.css"},
     .ExportPlace = {3, "Web-page (HTML)=HTML+Export colors to HTML-document~Web-page (*.html;*htm;*.php)|"
                        "*.html;*htm;*.php"},
     .Fuzzer = "fuzz_web_scan"},
    {.Name = "CSS style sheet",
     .Extensions = kCss,
     .MediaTypes = kCssTypes,
     .Reads = ftColors,
     .Keeps = ftColors,
     .Import = TImportSource::WebText,
     .Write = WriteCss,
     .Export = TExportWriter::Css,
     .ExportPlace = {2, "Cascading Style Sheet=CSS+Export colors to css-file~CSS (*.css)|*.css"},
     .Fuzzer = "fuzz_css_scan"},
    {.Name = "CSS custom properties",
     .Extensions = kCss,
     .Flags = fWriteByChoice,
     .Write = WriteCssVariables,
     .Export = TExportWriter::CssVariables,
     .ExportPlace = {8, "CSS custom properties=CSS+Export colors as CSS custom properties (--name) for code~"
                        "CSS (*.css)|*.css"},
     .ExportOptions = TExportOptionsKind::CodeNotation},
    {.Name = "SCSS variables",
     .Extensions = kScss,
     .MediaTypes = kScssTypes,
     .Reads = ftColors | ftNames,
     .Keeps = ftColors,
     .Import = TImportSource::Scss,
     .Write = WriteScss,
     .Export = TExportWriter::Scss,
     .ImportPlace = {7, "SCSS variables=SCSS+Import colors from SCSS variables and style rules~SCSS "
                        "(*.scss)|*.scss"},
     .ExportPlace = {9, "SCSS variables=SCSS+Export colors as SCSS variables ($name)~SCSS (*.scss)|*.scss"},
     .ExportOptions = TExportOptionsKind::CodeNotation,
     .Fuzzer = "fuzz_css_scan"},
    {.Name = "W3C Design Tokens",
     .Extensions = kTokens,
     .MediaTypes = kTokensTypes,
     .Reads = ftColors | ftNames | ftGroups,
     .Keeps = ftColors | ftNames,
     .Read = ReadDesignTokensFile,
     .Import = TImportSource::DesignTokens,
     .Write = WriteTokens,
     .Export = TExportWriter::DesignTokens,
     .ImportPlace = {8, "W3C Design Tokens=JSON+Import the color tokens of a W3C Design Tokens file~"
                        "Design Tokens (*.tokens.json)|*.tokens.json"},
     .ExportPlace = {10, "W3C Design Tokens=JSON+Export colors as W3C Design Tokens~Design Tokens "
                         "(*.tokens.json)|*.tokens.json"},
     .ExportOptions = TExportOptionsKind::CodeNotation,
     .Fuzzer = "fuzz_design_tokens"},
    {.Name = "Image",
     .Extensions = kImage,
     .MediaTypes = kImageTypes,
     .Import = TImportSource::Image,
     .Write = WriteImage,
     .Export = TExportWriter::SwatchImage,
     .ImportPlace = {4, "Images=BMP,GIF,JPG,PNG+Import all colors, that will be found in image~Images "
                        "(*.bmp;*.gif;*.jpg;*.png)|*.bmp;*.gif;*.jpg;*.jpeg;*.png"},
     .ExportPlace = {4, "Images=BMP,GIF,JPG,PNG+Create an image with color swatches~Images "
                        "(*.bmp;*.gif;*.jpg;*.png)|*.bmp;*.gif;*.jpg;*.jpeg;*.png"},
     .ExportExtensions = kImageExports,
     .ExportOptions = TExportOptionsKind::SwatchImage},
    {.Name = "GIF image",
     .Extensions = kGif,
     .MediaTypes = kGifTypes,
     .Reads = ftColors,
     .Import = TImportSource::Gif,
     .Write = WriteImage,
     .Export = TExportWriter::SwatchImage,
     .Fuzzer = "fuzz_gif_palette"},
    {.Name = "XML color list",
     .Extensions = kXml,
     .Write = WriteXml,
     .Export = TExportWriter::Xml,
     .ExportPlace = {5, "XML files=XML+Export colors to xml-file~XML (*.xml)|*.xml"}},
    {.Name = "Color-set text",
     .Extensions = kTxt,
     .Write = WriteColorSet,
     .Export = TExportWriter::PainterText},
    {.Name = "LibreOffice color table",
     .Extensions = kSoc,
     .Flags = fPalette | fListed,
     .Reads = ftColors | ftNames,
     .Keeps = ftColors | ftNames,
     .Read = ReadSocFile,
     .Import = TImportSource::Palette,
     .Write = WriteSoc,
     .Export = TExportWriter::Soc,
     .ImportPlace = {9, "LibreOffice color table=SOC+Import colors and their names from LibreOffice color tables~"
                        "Color table (*.soc)|*.soc"},
     .ExportPlace = {11, "LibreOffice color table=SOC+Export colors and their names to a LibreOffice color table~"
                         "Color table (*.soc)|*.soc"},
     .FilterKey = sFilterSoc,
     .LibraryPlace = 6,
     .Fuzzer = "fuzz_soc"},
    {.Name = "Scribus swatches",
     .Extensions = kXml,
     .Flags = fPalette | fWriteByChoice | fListed,
     .Reads = ftColors | ftNames | ftCmyk,
     .Keeps = ftColors | ftNames,
     .Read = ReadScribusFile,
     .Import = TImportSource::Palette,
     .Write = WriteScribus,
     .Export = TExportWriter::Scribus,
     .ImportPlace = {10, "Scribus swatches=XML+Import colors and their names from Scribus swatch files~"
                         "Scribus swatches (*.xml)|*.xml"},
     .ExportPlace = {12, "Scribus swatches=XML+Export colors and their names to a Scribus swatch file~"
                         "Scribus swatches (*.xml)|*.xml"},
     .FilterKey = sFilterScribus,
     .LibraryPlace = 7,
     .Sniff = IsScribusSwatchData,
     .Fuzzer = "fuzz_scribus"},
    {.Name = "Hex color list",
     .Extensions = kHex,
     .Flags = fPalette | fListed,
     .Reads = ftColors,
     .Keeps = ftColors,
     .Read = ReadHexListFile,
     .Import = TImportSource::Palette,
     .Write = WriteHexList,
     .Export = TExportWriter::HexList,
     .ImportPlace = {11, "Hex color list=HEX+Import colors from a list of hexadecimal colors~Hex list (*.hex)|*.hex"},
     .ExportPlace = {13, "Hex color list=HEX+Export colors as a list of hexadecimal colors~Hex list (*.hex)|*.hex"},
     .FilterKey = sFilterHex,
     .LibraryPlace = 8,
     .Fuzzer = "fuzz_color_lists"},
    // Not fPalette: a .txt that cannot be looked into would open as one.
    {.Name = "Paint.NET palette",
     .Extensions = kTxt,
     .Flags = fWriteByChoice,
     .Reads = ftColors,
     .Keeps = ftColors,
     .Read = ReadPaintNetFile,
     .Import = TImportSource::Palette,
     .Write = WritePaintNet,
     .Export = TExportWriter::PaintNet,
     .ImportPlace = {12, "Paint.NET palette=TXT+Import colors from Paint.NET palette files~Paint.NET palette "
                         "(*.txt)|*.txt"},
     .ExportPlace = {14, "Paint.NET palette=TXT+Export colors to a Paint.NET palette (96 colors at most)~"
                         "Paint.NET palette (*.txt)|*.txt"},
     .Sniff = IsPaintNetData,
     .Fuzzer = "fuzz_color_lists",
     .MaxColors = 96},
    // Each colour becomes a tonal scale (TExportOptions::Scale); written only when the type is chosen.
    {.Name = "Tonal scales as CSS custom properties",
     .Extensions = kCss,
     .Flags = fWriteByChoice,
     .Write = WriteScaleCss,
     .Export = TExportWriter::ScaleCss,
     .ExportPlace = {15, "Tonal scales (CSS)=CSS+Export a 50-950 scale of each color as CSS custom properties "
                         "(--name-500)~CSS (*.css)|*.css"},
     .ExportOptions = TExportOptionsKind::CodeNotation},
    {.Name = "Tonal scales as SCSS variables",
     .Extensions = kScss,
     .Flags = fWriteByChoice,
     .Write = WriteScaleScss,
     .Export = TExportWriter::ScaleScss,
     .ExportPlace = {16, "Tonal scales (SCSS)=SCSS+Export a 50-950 scale of each color as SCSS variables "
                         "($name-500)~SCSS (*.scss)|*.scss"},
     .ExportOptions = TExportOptionsKind::CodeNotation},
    {.Name = "Tonal scales as Design Tokens",
     .Extensions = kTokens,
     .Flags = fWriteByChoice,
     .Write = WriteScaleTokens,
     .Export = TExportWriter::ScaleTokens,
     .ExportPlace = {17, "Tonal scales (Design Tokens)=JSON+Export a 50-950 scale of each color as a group of "
                         "W3C Design Tokens~Design Tokens (*.tokens.json)|*.tokens.json"},
     .ExportOptions = TExportOptionsKind::CodeNotation},
    {.Name = "Tonal scales as a CSS theme block",
     .Extensions = kCss,
     .Flags = fWriteByChoice,
     .Write = WriteScaleTheme,
     .Export = TExportWriter::ScaleTheme,
     .ExportPlace = {18, "Tonal scales (CSS theme)=CSS+Export a 50-950 scale of each color in a CSS framework's "
                         "@theme block (--color-name-500)~CSS (*.css)|*.css"},
     .ExportOptions = TExportOptionsKind::CodeNotation},
    // Any extension: the template file chosen (TExportOptions::TemplateFile) names it. The wizard lists the
    // templates found (TemplateLibrary.h) after its fixed types.
    {.Name = "Export template",
     .Extensions = {},
     .Flags = fWriteByChoice,
     .Write = WriteTemplate,
     .Export = TExportWriter::Template,
     .Fuzzer = "fuzz_export_template"},
};

bool EndsInExtension(const QString& fileName, const char16_t* extension) {
  const QStringView ext(extension);
  return fileName.size() > ext.size() && fileName.endsWith(ext, Qt::CaseInsensitive) &&
         fileName[fileName.size() - ext.size() - 1] == u'.';
}

bool Usable(const TFileFormat& format, TFormatUse use) {
  if (use == TFormatUse::Write) return format.CanWrite() && (format.Flags & fWriteByChoice) == 0;
  return format.CanRead();
}

// The first bytes sniffers look at; none when the file cannot be opened (missing, a folder).
std::optional<QByteArray> Head(const QString& path) {
  QFile file(path);
  if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.read(kSniffBytes);
}

std::vector<const TFileFormat*> Sorted(int TFileFormat::*place) {
  std::vector<const TFileFormat*> rows;
  for (const TFileFormat& format : kFormats)
    if (format.*place > 0) rows.push_back(&format);
  std::stable_sort(rows.begin(), rows.end(),
                   [place](const TFileFormat* a, const TFileFormat* b) { return a->*place < b->*place; });
  return rows;
}

}  // namespace

QStringList TFileFormat::ExtensionList() const {
  QStringList list;
  for (const char16_t* extension : Extensions) list.append(QString::fromUtf16(extension));
  return list;
}

QString TFileFormat::Patterns() const {
  QStringList patterns;
  for (const QString& extension : ExtensionList()) patterns.append(QStringLiteral("*.") + extension);
  return patterns.join(u' ');
}

std::span<const TFileFormat> FileFormats() { return kFormats; }

bool PathHasFormatExtension(const QString& path, const TFileFormat& format) {
  const QString fileName = QFileInfo(path).fileName();
  return std::any_of(format.Extensions.begin(), format.Extensions.end(),
                     [&fileName](const char16_t* extension) { return EndsInExtension(fileName, extension); });
}

const TFileFormat* FormatForPath(const QString& path, TFormatUse use) {
  std::optional<QByteArray> head;
  bool headRead = false;
  for (const TFileFormat& format : kFormats) {
    if (!Usable(format, use) || !PathHasFormatExtension(path, format)) continue;
    if (use == TFormatUse::Read && format.Sniff != nullptr) {
      if (!headRead) head = Head(path);
      headRead = true;
      if (head && !format.Sniff(*head)) continue;
    }
    return &format;
  }
  return nullptr;
}

const TFileFormat* FormatForMediaType(const QString& mediaType) {
  const QString key = mediaType.trimmed().toLower();
  for (const TFileFormat& format : kFormats) {
    if (!format.CanRead()) continue;
    for (const char16_t* type : format.MediaTypes)
      if (key == QStringView(type)) return &format;
  }
  return nullptr;
}

const TFileFormat* FormatForExportWriter(TExportWriter writer) {
  if (writer == TExportWriter::None) return nullptr;
  for (const TFileFormat& format : kFormats)
    if (format.Export == writer) return &format;
  return nullptr;
}

const TFileFormat& NativePaletteFormat() {
  const auto* native = std::find_if(std::begin(kFormats), std::end(kFormats),
                                    [](const TFileFormat& format) { return (format.Flags & fNative) != 0; });
  return *native;
}

const TFileFormat* PaletteFormatForPath(const QString& path) {
  const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
  return format != nullptr && format->Read != nullptr && (format->Flags & fPalette) != 0 ? format : nullptr;
}

std::vector<const TFileFormat*> PaletteFormats() {
  std::vector<const TFileFormat*> rows;
  for (const TFileFormat& format : kFormats)
    if ((format.Flags & fListed) != 0) rows.push_back(&format);
  return rows;
}

std::vector<const TFileFormat*> LibraryFormats() { return Sorted(&TFileFormat::LibraryPlace); }

QString FormatsFilter(TMessageKey all, const std::vector<const TFileFormat*>& formats) {
  QStringList patterns;
  QStringList filters;
  for (const TFileFormat* format : formats) {
    patterns.append(format->Patterns());
    filters.append(FilterText(format->FilterKey, format->Patterns()));
  }
  filters.prepend(FilterText(all, patterns.join(u' ')));
  return filters.join(QStringLiteral(";;"));
}

QString FormatTraitsText(std::uint16_t traits) {
  static constexpr std::pair<TFormatTrait, const char*> kNames[] = {
      {ftColors, "colors"}, {ftNames, "names"}, {ftGroups, "groups"}, {ftModels, "models"},
      {ftCmyk, "CMYK"},     {ftLab, "Lab"},     {ftAlpha, "alpha"}};
  QStringList names;
  for (const auto& [trait, name] : kNames)
    if ((traits & trait) != 0) names.append(QLatin1String(name));
  return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

QStringList FormatTableLines() {
  QStringList lines;
  for (const TFileFormat& format : kFormats) {
    const QString access = QLatin1String(format.CanRead() ? "r" : "-") + QLatin1String(format.CanWrite() ? "w" : "-");
    lines.append(QStringLiteral("%1\t%2\t%3\treads: %4\tkeeps: %5")
                     .arg(QLatin1String(format.Name), format.ExtensionList().join(u' '), access,
                          FormatTraitsText(format.Reads), FormatTraitsText(format.Keeps)));
  }
  return lines;
}

}  // namespace tintorium
