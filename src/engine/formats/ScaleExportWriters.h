#pragma once
// Tonal scales handed to code: one variable or token per step, named after the scale and the step
// ("primary-500"), in CSS custom properties, SCSS variables, W3C Design Tokens (a group per scale) or a CSS
// framework's theme block ("@theme { --color-primary-500: ...; }"), each colour in a chosen CSS notation.
// Lines end in LF; files are UTF-8, written through a temporary file.

#include "core/ColorObject.h"
#include "core/TonalScale.h"
#include "engine/files/FileResult.h"
#include "engine/formats/CodeExportWriters.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tintorium {

/// A scale and the name its variables are made from.
struct TNamedScale {
  QString Name;  // any text; an empty name becomes "scale"
  TTonalScale Scale;
};

/// What a scale export writes.
enum class TScaleExportForm : std::uint8_t {
  CssVariables = 0,  // ":root {", "  --primary-500: colour;", "}"
  Scss,              // "$primary-500: colour;"
  DesignTokens,      // {"primary": {"500": {"$type": "color", "$value": "colour"}}}
  Theme,             // "@theme {", "  --color-primary-500: colour;", "}"
};
inline constexpr std::array<TScaleExportForm, 4> ScaleExportForms{
    TScaleExportForm::CssVariables, TScaleExportForm::Scss, TScaleExportForm::DesignTokens, TScaleExportForm::Theme};
/// "css", "scss", "tokens", "theme".
std::string_view ScaleExportFormName(TScaleExportForm form);
/// The form of that name (exact, lower case), or nothing.
std::optional<TScaleExportForm> ScaleExportFormFromName(std::string_view name);

/// The variable name of step `step` of scale `scale`: both in lower case with each run of other characters than
/// letters and digits made one "-", joined by "-" ("Brand Blue", "500" gives brand-blue-500); "color-" in front
/// of a leading digit, "scale" for an empty scale name. Valid after "--" and after "$".
QString ScaleColorName(const QString& scale, std::string_view step);

/// The export of `scales` in order; a scale with errors is left out, and a scale name already given gets "-2",
/// "-3" ... (" 2", " 3" ... in tokens, whose group names are the names as given, without a leading "$" and with
/// "{", "}" and "." made "-").
QByteArray ScaleExportText(std::span<const TNamedScale> scales, TScaleExportForm form, TCodeNotation notation);
TFileResult WriteScaleExportFile(const QString& fileName, std::span<const TNamedScale> scales, TScaleExportForm form,
                                 TCodeNotation notation);

/// A scale for each of `colors` (their shown RGB), lined up by MakeTonalScales with `options`, named after the
/// colour (its hexadecimal text when it has no name).
std::vector<TNamedScale> ScalesOfColors(const TColors& colors, const TScaleOptions& options);

}  // namespace tintorium
