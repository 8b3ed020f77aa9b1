#include "engine/formats/ExportRules.h"

#include "engine/formats/FormatRegistry.h"

#include <algorithm>
#include <vector>

namespace tintorium {
namespace {

TFileResult Write(TExportWriter writer, const QString& path, const TColors& colors, const TExportOptions& options) {
  const TFileFormat* format = FormatForExportWriter(writer);
  if (format == nullptr || format->Write == nullptr) {
    return TFileResult::Failure(QString::fromLatin1(kExportNoText), QString::fromLatin1(kExportNoKey));
  }
  return format->Write(path, colors, options);
}

std::vector<TExportType> BuildTypes() {
  std::vector<std::pair<int, TExportType>> placed;
  for (const TFileFormat& format : FileFormats()) {
    if (format.ExportPlace.Index < 0) continue;
    const auto extensions = format.ExportExtensions.empty() ? format.Extensions : format.ExportExtensions;
    placed.emplace_back(format.ExportPlace.Index,
                        TExportType{format.ExportPlace.Item, format.Export, extensions, format.ExportOptions});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TExportType> types;
  for (const auto& [place, type] : placed) types.push_back(type);
  return types;
}

}  // namespace

std::span<const TExportType> ExportTypes() {
  static const std::vector<TExportType> types = BuildTypes();
  return types;
}

QStringList ExportTypeExtensions(const TExportType& type) {
  QStringList extensions;
  for (const char16_t* extension : type.Extensions) extensions.append(QString::fromUtf16(extension));
  return extensions;
}

TExportWriter ExportWriterForPath(const QString& path) {
  const TFileFormat* format = FormatForPath(path, TFormatUse::Write);
  return format != nullptr ? format->Export : TExportWriter::None;
}

TExportWriter ExportWriterFor(const QString& path, const TExportOptions& options) {
  if (!options.TemplateFile.isEmpty()) return TExportWriter::Template;
  if (const TFileFormat* chosen = FormatForExportWriter(options.Chosen);
      chosen != nullptr && PathHasFormatExtension(path, *chosen)) {
    return options.Chosen;
  }
  const TExportWriter writer = ExportWriterForPath(path);
  return writer == TExportWriter::Css && options.CssVariables ? TExportWriter::CssVariables : writer;
}

void ApplyExportType(const TExportType& type, TExportOptions& options) {
  options.CssVariables = type.Writer == TExportWriter::CssVariables;
  const TFileFormat* format = FormatForExportWriter(type.Writer);
  options.Chosen = format != nullptr && (format->Flags & fWriteByChoice) != 0 ? type.Writer : TExportWriter::None;
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
