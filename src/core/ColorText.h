#pragma once
// Every text form of a colour, and the hexadecimal parser.

#include "ColorTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintorium {

class TColorObject;

/// The clipboard text kinds; any other value means the object's labelled value text.
enum TCopyTextKind : std::uint8_t { ctkHTML = 0, ctkDollarHex = 1, ctkDecimal = 2, ctkValues = 255 };

std::string ValuesText(const TRGBValues& v, bool labelled);   // "R:%d G:%d B:%d" / "%d,%d,%d"
std::string ValuesText(const THSBValues& v, bool labelled);   // "H:%d S:%d B:%d"
std::string ValuesText(const TCMYKValues& v, bool labelled);  // "C:%d M:%d Y:%d K:%d"
std::string ValuesText(const TLabValues& v, bool labelled);   // "L:%d a:%d b:%d"

std::string HexText(const TRGBValues& rgb);             // "FF00EE"
std::string DollarHexColorText(const TRGBValues& rgb);  // "$00EE00FF"
std::string VisualStudioColorText(const TRGBValues& rgb);  // "255,0,238"

/// 0-15 for a hexadecimal digit, 0 for anything else.
int HexDigitValue(char32_t c);
/// True when non-empty and every character is a hexadecimal digit ("#" is not accepted).
bool IsHexText(std::string_view text);
/// Removes the first "#", then reads RRGGBB; characters past the sixth are ignored and missing ones count as 0.
TRGBValues ParseHexColor(std::string_view text);

/// The one reading of a typed or pasted hexadecimal colour, for every hex field: surrounding spaces and one
/// leading "#" are dropped, then exactly six digits (RRGGBB) or three (RGB, each doubled) must remain, in either
/// case. Anything else, over-long text included, is refused (nullopt) rather than cut.
std::optional<TRGBValues> ReadHexColorText(std::string_view text);

/// A colour pasted or typed anywhere a colour is taken whole: ReadHexColorText's forms, the "$00BBGGRR" copy
/// form, or any one CSS colour (ParseCssColor: rgb(), hsl(), oklch(), names ...; alpha is ignored). Surrounding
/// spaces are allowed; anything else is refused (nullopt).
std::optional<TRGBValues> ReadColorText(std::string_view text);

/// The text the clipboard copy puts on the clipboard for `kind`.
std::string CopyColorText(const TColorObject& color, int kind, bool addHash);

}  // namespace tintorium
