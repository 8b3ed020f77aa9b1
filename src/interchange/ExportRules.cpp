#include "interchange/ExportRules.h"

#include "interchange/DesignTokensFile.h"
#include "interchange/ExportWriters.h"
#include "interchange/GimpPaletteFile.h"
#include "interchange/SwatchExchangeFile.h"
#include "interchange/SwatchFiles.h"

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

}  // namespace

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

TExportResult ExportColors(const QString& path, const TColors& colors, const TSwatchImageOptions& imageOptions) {
  TExportOptions options;
  options.Image = imageOptions;
  return ExportColors(path, colors, options);
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
