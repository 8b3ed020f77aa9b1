#include "engine/formats/CodeExportWriters.h"

#include "engine/formats/CodeNames.h"

#include "core/ColorText.h"
#include "engine/files/SafeSave.h"
#include "engine/qtcolor/ShownColor.h"

#include <QSet>

namespace tintorium {
namespace {

QString Name(const TColorObjectFx& color) { return QString::fromStdU16String(color.Name()); }
QString Hex(const TColorObjectFx& color) { return QString::fromStdString(HexText(ShownRGB(color))); }

QString Written(const TColorObjectFx& color, TCodeNotation notation) {
  return QString::fromStdString(FormatCssColor(RGBValuesToColor(ShownRGB(color)), CssFormOf(notation)));
}

QString Slug(const QString& name) {
  QString slug = CodeSlug(name);
  if (!slug.isEmpty() && slug[0].isDigit()) slug.prepend(QStringLiteral("color-"));
  return slug;
}

}  // namespace

std::string_view CodeNotationName(TCodeNotation notation) {
  switch (notation) {
    case TCodeNotation::Hex: return "hex";
    case TCodeNotation::Rgb: return "rgb";
    case TCodeNotation::Oklch: return "oklch";
  }
  return "hex";
}

std::optional<TCodeNotation> CodeNotationFromName(std::string_view name) {
  const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  for (const TCodeNotation notation : CodeNotations) {
    if (wanted.compare(QLatin1String(CodeNotationName(notation)), Qt::CaseInsensitive) == 0) return notation;
  }
  return std::nullopt;
}

TCssForm CssFormOf(TCodeNotation notation) {
  switch (notation) {
    case TCodeNotation::Hex: return TCssForm::Hex;
    case TCodeNotation::Rgb: return TCssForm::Rgb;
    case TCodeNotation::Oklch: return TCssForm::Oklch;
  }
  return TCssForm::Hex;
}

QStringList CodeVariableNames(const TColors& colors) {
  QStringList names;
  QSet<QString> taken;
  for (const TColorObjectFx& color : colors) {
    QString slug = Slug(Name(color));
    // One pattern for every colour without a usable name, whether its hex text starts with a letter or a digit.
    if (slug.isEmpty()) slug = QStringLiteral("color-") + Hex(color).toLower();
    names.append(UniqueName(slug, taken, QStringLiteral("-")));
  }
  return names;
}

QStringList DesignTokenNames(const TColors& colors) {
  QStringList names;
  QSet<QString> taken;
  for (const TColorObjectFx& color : colors) {
    QString token = DesignTokenName(Name(color));
    if (token.isEmpty()) token = Hex(color);
    names.append(UniqueName(token, taken, QStringLiteral(" ")));
  }
  return names;
}

QByteArray CssVariablesText(const TColors& colors, TCodeNotation notation) {
  const QStringList names = CodeVariableNames(colors);
  QString text = QStringLiteral(":root {\n");
  for (std::size_t i = 0; i < colors.size(); ++i) {
    text += QStringLiteral("  --%1: %2;\n").arg(names[static_cast<qsizetype>(i)], Written(colors[i], notation));
  }
  text += QStringLiteral("}\n");
  return text.toUtf8();
}

QByteArray ScssVariablesText(const TColors& colors, TCodeNotation notation) {
  const QStringList names = CodeVariableNames(colors);
  QString text;
  for (std::size_t i = 0; i < colors.size(); ++i) {
    text += QStringLiteral("$%1: %2;\n").arg(names[static_cast<qsizetype>(i)], Written(colors[i], notation));
  }
  return text.toUtf8();
}

QByteArray DesignTokensText(const TColors& colors, TCodeNotation notation) {
  const QStringList names = DesignTokenNames(colors);
  QString text = QStringLiteral("{");
  for (std::size_t i = 0; i < colors.size(); ++i) {
    text += i == 0 ? QStringLiteral("\n") : QStringLiteral(",\n");
    text += QStringLiteral("  %1: {\n    \"$type\": \"color\",\n    \"$value\": %2\n  }")
                .arg(JsonStringLiteral(names[static_cast<qsizetype>(i)]), JsonStringLiteral(Written(colors[i], notation)));
  }
  text += QStringLiteral("\n}\n");
  return text.toUtf8();
}

TFileResult WriteCssVariablesFile(const QString& fileName, const TColors& colors, TCodeNotation notation) {
  return SaveFileAtomically(fileName, CssVariablesText(colors, notation));
}
TFileResult WriteScssFile(const QString& fileName, const TColors& colors, TCodeNotation notation) {
  return SaveFileAtomically(fileName, ScssVariablesText(colors, notation));
}
TFileResult WriteDesignTokensFile(const QString& fileName, const TColors& colors, TCodeNotation notation) {
  return SaveFileAtomically(fileName, DesignTokensText(colors, notation));
}

}  // namespace tintorium
