#include "interchange/ExportRules.h"

#include "interchange/ExportWriters.h"
#include "interchange/GimpPaletteFile.h"
#include "interchange/SwatchExchangeFile.h"
#include "interchange/SwatchFiles.h"

#include <QFileInfo>

namespace tintorium {
namespace {

TFileResult Write(TExportWriter writer, const QString& path, const TColors& colors,
                  const TSwatchImageOptions& imageOptions) {
  switch (writer) {
    case TExportWriter::Aco: return WriteAcoFile(path, colors);
    case TExportWriter::Act: return WriteActFile(path, colors);
    case TExportWriter::Gpl: return WriteGplFile(path, colors);
    case TExportWriter::Ase: return WriteAseFile(path, colors);
    case TExportWriter::Css: return WriteCssFile(path, colors);
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
  if (ext == u"htm" || ext == u"html" || ext == u"php") return TExportWriter::Html;
  if (SwatchImageFormatForExtension(ext)) return TExportWriter::SwatchImage;
  if (ext == u"xml") return TExportWriter::Xml;
  if (ext == u"txt") return TExportWriter::PainterText;
  return TExportWriter::None;
}

TExportResult ExportColors(const QString& path, const TColors& colors, const TSwatchImageOptions& imageOptions) {
  const TExportWriter writer = ExportWriterForPath(path);
  TExportResult result;
  result.Status = Write(writer, path, colors, imageOptions);
  if (writer == TExportWriter::None) {
    result.Outcome = TExportOutcome::NotWritten;
  } else if (!result.Status.Ok()) {
    result.Outcome = TExportOutcome::Failed;
  }
  return result;
}

}  // namespace tintorium
