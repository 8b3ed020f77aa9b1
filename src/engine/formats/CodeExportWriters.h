#pragma once
// Palettes handed to code: CSS custom properties, SCSS variables and W3C Design Tokens (JSON), each colour in a
// chosen CSS notation. Lines end in LF, as code files do; files are UTF-8, written through a temporary file.

#include "core/ColorObject.h"
#include "core/CssColor.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tintorium {

/// How a colour is written: "#ff8000", "rgb(255 128 0)" or "oklch(0.7357 0.1668 53.34)" (FormatCssColor).
enum class TCodeNotation : std::uint8_t { Hex, Rgb, Oklch };
inline constexpr std::array<TCodeNotation, 3> CodeNotations{TCodeNotation::Hex, TCodeNotation::Rgb,
                                                            TCodeNotation::Oklch};
/// "hex", "rgb", "oklch".
std::string_view CodeNotationName(TCodeNotation notation);
/// The notation of that name in any letter case, or nothing.
std::optional<TCodeNotation> CodeNotationFromName(std::string_view name);
TCssForm CssFormOf(TCodeNotation notation);

/// The variable names of `colors`, one each, in order: the colour's name in lower case with each run of other
/// characters than letters and digits made one "-" ("Sea & Sky" gives sea-sky), "color-" in front of a leading
/// digit, "color-" and the hexadecimal text ("color-ff0000") for a name without letters or digits, and "-2", "-3" ... after a name already given. Valid as a
/// custom property after "--" and as an SCSS variable after "$".
QStringList CodeVariableNames(const TColors& colors);
/// The token names of `colors`: the colour's name as it is, without a leading "$" and with "{", "}" and "."
/// (which Design Tokens reserve) made "-", the hexadecimal text for an empty name, " 2", " 3" ... after a name
/// already given.
QStringList DesignTokenNames(const TColors& colors);

/// ":root {", "  --name: colour;" per colour, "}".
QByteArray CssVariablesText(const TColors& colors, TCodeNotation notation);
/// "$name: colour;" per colour.
QByteArray ScssVariablesText(const TColors& colors, TCodeNotation notation);
/// A JSON object with one token per colour: "name": {"$type": "color", "$value": "colour"}, in list order.
QByteArray DesignTokensText(const TColors& colors, TCodeNotation notation);

TFileResult WriteCssVariablesFile(const QString& fileName, const TColors& colors, TCodeNotation notation);
TFileResult WriteScssFile(const QString& fileName, const TColors& colors, TCodeNotation notation);
TFileResult WriteDesignTokensFile(const QString& fileName, const TColors& colors, TCodeNotation notation);

}  // namespace tintorium
