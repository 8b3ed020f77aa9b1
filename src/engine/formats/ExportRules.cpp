#include "engine/formats/ExportRules.h"

#include "engine/formats/DesignTokensFile.h"
#include "engine/formats/ExportWriters.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"

#include <QFileInfo>

namespace tintorium {
namespace {

TFileResult Write(TExportWriter writer, const QString& path, const TColors& colors, const TExportOptions& options) {
  const TSwatchImageOptions& imageOptions = options.Image;
  switch (writer) {
    case TExportWriter::Aco: return WriteAcoFile(path, colors);
    case TExportWriter::Act: return WriteActFile(path, colors);
    case TExportWriter::Gpl: return WriteGplFile(path, colors);
    case TExportWriter::Ase: return WriteAseFile(path, colors);
    case TExportWriter::Css: return WriteCssFile(path, colors);
    case TExportWriter::CssVariables: return WriteCssVariablesFile(path, colors, options.Notation);
    case TExportWriter::Scss: return WriteScssFile(path, colors, options.Notation);
    case TExportWriter::DesignTokens: return WriteDesignTokensFile(path, colors, options.Notation);
    case TExportWriter::Html: return WriteHtmlChart(path, colors);
    case TExportWriter::Xml: return WriteXmlFile(path, colors);
    case TExportWriter::PainterText: return WritePainterColorSet(path, colors);
    case TExportWriter::SwatchImage: {
      const auto format = SwatchImageFormatForExtension(QFileInfo(path).suffix());
      return WriteSwatchImage(path, colors, imageOptions, format.value_or(TSwatchImageFormat::Png));
    }
    case TExportWriter::None: break;
  }
  return TFileResult::Failure(QString::fromLatin1(kExportNoText), QString::fromLatin1(kExportNoKey));
}

constexpr const char16_t* kAco[] = {u"aco"};
constexpr const char16_t* kAct[] = {u"act"};
constexpr const char16_t* kCss[] = {u"css"};
constexpr const char16_t* kHtml[] = {u"html", u"htm", u"php"};
constexpr const char16_t* kImages[] = {u"bmp", u"gif", u"jpg", u"jpeg", u"png"};
constexpr const char16_t* kXml[] = {u"xml"};
constexpr const char16_t* kGpl[] = {u"gpl"};
constexpr const char16_t* kAse[] = {u"ase"};
constexpr const char16_t* kScss[] = {u"scss"};
constexpr const char16_t* kTokens[] = {u"tokens.json"};

constexpr TExportType kTypes[] = {
    {"Adobe Photoshop Color Palette=ACO+Export colors to Color Palette files for Adobe Photoshop~"
     "Color Palette (*.aco)|*.aco",
     TExportWriter::Aco, kAco},
    {"Adobe Color Table=ACT+Export colors to Adobe Color Table~Color Table (*.act)|*.act", TExportWriter::Act, kAct},
    {"Cascading Style Sheet=CSS+Export colors to css-file~CSS (*.css)|*.css", TExportWriter::Css, kCss},
    {"Web-page (HTML)=HTML+Export colors to HTML-document~Web-page (*.html;*htm;*.php)|*.html;*htm;*.php",
     TExportWriter::Html, kHtml},
    {"Images=BMP,GIF,JPG,PNG+Create an image with color swatches~Images (*.bmp;*.gif;*.jpg;*.png)|"
     "*.bmp;*.gif;*.jpg;*.jpeg;*.png",
     TExportWriter::SwatchImage, kImages, TExportOptionsKind::SwatchImage},
    {"XML files=XML+Export colors to xml-file~XML (*.xml)|*.xml", TExportWriter::Xml, kXml},
    {"GIMP Palette=GPL+Export colors and their names to a GIMP palette~GIMP Palette (*.gpl)|*.gpl",
     TExportWriter::Gpl, kGpl},
    {"Adobe Swatch Exchange=ASE+Export colors and their names to an Adobe Swatch Exchange file~"
     "Swatch Exchange (*.ase)|*.ase",
     TExportWriter::Ase, kAse},
    {"CSS custom properties=CSS+Export colors as CSS custom properties (--name) for code~CSS (*.css)|*.css",
     TExportWriter::CssVariables, kCss, TExportOptionsKind::CodeNotation},
    {"SCSS variables=SCSS+Export colors as SCSS variables ($name)~SCSS (*.scss)|*.scss", TExportWriter::Scss, kScss,
     TExportOptionsKind::CodeNotation},
    {"W3C Design Tokens=JSON+Export colors as W3C Design Tokens~Design Tokens (*.tokens.json)|*.tokens.json",
     TExportWriter::DesignTokens, kTokens, TExportOptionsKind::CodeNotation},
};

}  // namespace

std::span<const TExportType> ExportTypes() { return kTypes; }

QStringList ExportTypeExtensions(const TExportType& type) {
  QStringList extensions;
  for (const char16_t* extension : type.Extensions) extensions.append(QString::fromUtf16(extension));
  return extensions;
}

TExportWriter ExportWriterForPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == u"aco") return TExportWriter::Aco;
  if (ext == u"act") return TExportWriter::Act;
  if (ext == u"gpl") return TExportWriter::Gpl;
  if (ext == u"ase") return TExportWriter::Ase;
  if (ext == u"css") return TExportWriter::Css;
  if (ext == u"scss") return TExportWriter::Scss;
  if (IsDesignTokensPath(path)) return TExportWriter::DesignTokens;
  if (ext == u"htm" || ext == u"html" || ext == u"php") return TExportWriter::Html;
  if (SwatchImageFormatForExtension(ext)) return TExportWriter::SwatchImage;
  if (ext == u"xml") return TExportWriter::Xml;
  if (ext == u"txt") return TExportWriter::PainterText;
  return TExportWriter::None;
}

TExportWriter ExportWriterFor(const QString& path, const TExportOptions& options) {
  const TExportWriter writer = ExportWriterForPath(path);
  return writer == TExportWriter::Css && options.CssVariables ? TExportWriter::CssVariables : writer;
}

void ApplyExportType(const TExportType& type, TExportOptions& options) {
  options.CssVariables = type.Writer == TExportWriter::CssVariables;
}

TExportResult ExportColors(const QString& path, const TColors& colors, const TExportOptions& options) {
  const TExportWriter writer = ExportWriterFor(path, options);
  TExportResult result;
  result.Status = Write(writer, path, colors, options);
  if (writer == TExportWriter::None) {
    result.Outcome = TExportOutcome::NotWritten;
  } else if (!result.Status.Ok()) {
    result.Outcome = TExportOutcome::Failed;
  }
  return result;
}

}  // namespace tintorium
