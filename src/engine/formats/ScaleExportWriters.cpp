#include "engine/formats/ScaleExportWriters.h"

#include "engine/formats/CodeNames.h"

#include "core/ColorText.h"
#include "core/CssColorFormat.h"
#include "engine/files/SafeSave.h"
#include "engine/qtcolor/ShownColor.h"

#include <QSet>

namespace tintorium {
namespace {

QString Written(TColor color, TCodeNotation notation) {
  return QString::fromStdString(FormatCssColor(color, CssFormOf(notation)));
}

QString StepText(std::string_view step) { return QString::fromUtf8(step.data(), qsizetype(step.size())); }

// The scales that are written, each with its (unique) name in the form's spelling.
struct TWritten {
  const TNamedScale* Scale;
  QString Name;
};

std::vector<TWritten> WrittenScales(std::span<const TNamedScale> scales, bool tokens) {
  std::vector<TWritten> written;
  QSet<QString> taken;
  for (const TNamedScale& scale : scales) {
    if (!scale.Scale.Ok()) continue;
    QString name = tokens ? DesignTokenName(scale.Name) : ScaleColorName(scale.Name, {});
    if (name.isEmpty()) name = QStringLiteral("scale");
    written.push_back({&scale, UniqueName(name, taken, tokens ? QStringLiteral(" ") : QStringLiteral("-"))});
  }
  return written;
}

QString JoinedName(const QString& scale, const std::string& step) {
  const QString stepSlug = CodeSlug(StepText(step));
  return stepSlug.isEmpty() ? scale : scale + u'-' + stepSlug;
}

QString DeclarationsText(const std::vector<TWritten>& scales, TCodeNotation notation, const QString& open,
                         const QString& line) {
  QString text = open;
  for (const TWritten& scale : scales) {
    for (const TScaleSwatch& swatch : scale.Scale->Scale.Swatches)
      text += line.arg(JoinedName(scale.Name, swatch.Name), Written(swatch.Color, notation));
  }
  return text;
}

QString TokensText(const std::vector<TWritten>& scales, TCodeNotation notation) {
  QString text = QStringLiteral("{");
  bool firstScale = true;
  for (const TWritten& scale : scales) {
    text += firstScale ? QStringLiteral("\n") : QStringLiteral(",\n");
    firstScale = false;
    text += QStringLiteral("  %1: {").arg(JsonStringLiteral(scale.Name));
    QSet<QString> taken;
    bool firstStep = true;
    for (const TScaleSwatch& swatch : scale.Scale->Scale.Swatches) {
      QString step = DesignTokenName(StepText(swatch.Name));
      if (step.isEmpty()) step = QStringLiteral("step");
      text += firstStep ? QStringLiteral("\n") : QStringLiteral(",\n");
      firstStep = false;
      text += QStringLiteral("    %1: {\n      \"$type\": \"color\",\n      \"$value\": %2\n    }")
                  .arg(JsonStringLiteral(UniqueName(step, taken, QStringLiteral(" "))),
                       JsonStringLiteral(Written(swatch.Color, notation)));
    }
    text += QStringLiteral("\n  }");
  }
  text += QStringLiteral("\n}\n");
  return text;
}

}  // namespace

std::string_view ScaleExportFormName(TScaleExportForm form) {
  switch (form) {
    case TScaleExportForm::CssVariables: return "css";
    case TScaleExportForm::Scss: return "scss";
    case TScaleExportForm::DesignTokens: return "tokens";
    case TScaleExportForm::Theme: return "theme";
  }
  return "css";
}

std::optional<TScaleExportForm> ScaleExportFormFromName(std::string_view name) {
  for (const TScaleExportForm form : ScaleExportForms)
    if (ScaleExportFormName(form) == name) return form;
  return std::nullopt;
}

QString ScaleColorName(const QString& scale, std::string_view step) {
  QString name = CodeSlug(scale);
  if (name.isEmpty()) name = QStringLiteral("scale");
  if (name[0].isDigit()) name.prepend(QStringLiteral("color-"));
  const QString stepSlug = CodeSlug(StepText(step));
  return stepSlug.isEmpty() ? name : name + u'-' + stepSlug;
}

QByteArray ScaleExportText(std::span<const TNamedScale> scales, TScaleExportForm form, TCodeNotation notation) {
  const std::vector<TWritten> written = WrittenScales(scales, form == TScaleExportForm::DesignTokens);
  switch (form) {
    case TScaleExportForm::CssVariables:
      return (DeclarationsText(written, notation, QStringLiteral(":root {\n"), QStringLiteral("  --%1: %2;\n")) +
              QStringLiteral("}\n"))
          .toUtf8();
    case TScaleExportForm::Scss:
      return DeclarationsText(written, notation, {}, QStringLiteral("$%1: %2;\n")).toUtf8();
    case TScaleExportForm::DesignTokens: return TokensText(written, notation).toUtf8();
    case TScaleExportForm::Theme:
      return (DeclarationsText(written, notation, QStringLiteral("@theme {\n"),
                               QStringLiteral("  --color-%1: %2;\n")) +
              QStringLiteral("}\n"))
          .toUtf8();
  }
  return {};
}

TFileResult WriteScaleExportFile(const QString& fileName, std::span<const TNamedScale> scales, TScaleExportForm form,
                                 TCodeNotation notation) {
  return SaveFileAtomically(fileName, ScaleExportText(scales, form, notation));
}

std::vector<TNamedScale> ScalesOfColors(const TColors& colors, const TScaleOptions& options) {
  std::vector<TColor> bases;
  bases.reserve(colors.size());
  for (const TColorObjectFx& color : colors) bases.push_back(RGBValuesToColor(ShownRGB(color)));
  std::vector<TTonalScale> made = MakeTonalScales(bases, options);
  std::vector<TNamedScale> scales;
  scales.reserve(made.size());
  for (std::size_t i = 0; i < made.size(); ++i) {
    QString name = QString::fromStdU16String(colors[i].Name()).trimmed();
    if (name.isEmpty()) name = QString::fromStdString(HexText(ShownRGB(colors[i])));
    scales.push_back({name, std::move(made[i])});
  }
  return scales;
}

}  // namespace tintorium
