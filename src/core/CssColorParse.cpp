#include "CssColor.h"

#include "ColorModels.h"
#include "OkLab.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tintorium {

namespace {

constexpr TColor Rgb(std::uint32_t rrggbb) {
  return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}

constexpr std::array<TCssNamedColor, 148> NamedColors{{
    {"aliceblue", Rgb(0xF0F8FF)},
    {"antiquewhite", Rgb(0xFAEBD7)},
    {"aqua", Rgb(0x00FFFF)},
    {"aquamarine", Rgb(0x7FFFD4)},
    {"azure", Rgb(0xF0FFFF)},
    {"beige", Rgb(0xF5F5DC)},
    {"bisque", Rgb(0xFFE4C4)},
    {"black", Rgb(0x000000)},
    {"blanchedalmond", Rgb(0xFFEBCD)},
    {"blue", Rgb(0x0000FF)},
    {"blueviolet", Rgb(0x8A2BE2)},
    {"brown", Rgb(0xA52A2A)},
    {"burlywood", Rgb(0xDEB887)},
    {"cadetblue", Rgb(0x5F9EA0)},
    {"chartreuse", Rgb(0x7FFF00)},
    {"chocolate", Rgb(0xD2691E)},
    {"coral", Rgb(0xFF7F50)},
    {"cornflowerblue", Rgb(0x6495ED)},
    {"cornsilk", Rgb(0xFFF8DC)},
    {"crimson", Rgb(0xDC143C)},
    {"cyan", Rgb(0x00FFFF)},
    {"darkblue", Rgb(0x00008B)},
    {"darkcyan", Rgb(0x008B8B)},
    {"darkgoldenrod", Rgb(0xB8860B)},
    {"darkgray", Rgb(0xA9A9A9)},
    {"darkgreen", Rgb(0x006400)},
    {"darkgrey", Rgb(0xA9A9A9)},
    {"darkkhaki", Rgb(0xBDB76B)},
    {"darkmagenta", Rgb(0x8B008B)},
    {"darkolivegreen", Rgb(0x556B2F)},
    {"darkorange", Rgb(0xFF8C00)},
    {"darkorchid", Rgb(0x9932CC)},
    {"darkred", Rgb(0x8B0000)},
    {"darksalmon", Rgb(0xE9967A)},
    {"darkseagreen", Rgb(0x8FBC8F)},
    {"darkslateblue", Rgb(0x483D8B)},
    {"darkslategray", Rgb(0x2F4F4F)},
    {"darkslategrey", Rgb(0x2F4F4F)},
    {"darkturquoise", Rgb(0x00CED1)},
    {"darkviolet", Rgb(0x9400D3)},
    {"deeppink", Rgb(0xFF1493)},
    {"deepskyblue", Rgb(0x00BFFF)},
    {"dimgray", Rgb(0x696969)},
    {"dimgrey", Rgb(0x696969)},
    {"dodgerblue", Rgb(0x1E90FF)},
    {"firebrick", Rgb(0xB22222)},
    {"floralwhite", Rgb(0xFFFAF0)},
    {"forestgreen", Rgb(0x228B22)},
    {"fuchsia", Rgb(0xFF00FF)},
    {"gainsboro", Rgb(0xDCDCDC)},
    {"ghostwhite", Rgb(0xF8F8FF)},
    {"gold", Rgb(0xFFD700)},
    {"goldenrod", Rgb(0xDAA520)},
    {"gray", Rgb(0x808080)},
    {"green", Rgb(0x008000)},
    {"greenyellow", Rgb(0xADFF2F)},
    {"grey", Rgb(0x808080)},
    {"honeydew", Rgb(0xF0FFF0)},
    {"hotpink", Rgb(0xFF69B4)},
    {"indianred", Rgb(0xCD5C5C)},
    {"indigo", Rgb(0x4B0082)},
    {"ivory", Rgb(0xFFFFF0)},
    {"khaki", Rgb(0xF0E68C)},
    {"lavender", Rgb(0xE6E6FA)},
    {"lavenderblush", Rgb(0xFFF0F5)},
    {"lawngreen", Rgb(0x7CFC00)},
    {"lemonchiffon", Rgb(0xFFFACD)},
    {"lightblue", Rgb(0xADD8E6)},
    {"lightcoral", Rgb(0xF08080)},
    {"lightcyan", Rgb(0xE0FFFF)},
    {"lightgoldenrodyellow", Rgb(0xFAFAD2)},
    {"lightgray", Rgb(0xD3D3D3)},
    {"lightgreen", Rgb(0x90EE90)},
    {"lightgrey", Rgb(0xD3D3D3)},
    {"lightpink", Rgb(0xFFB6C1)},
    {"lightsalmon", Rgb(0xFFA07A)},
    {"lightseagreen", Rgb(0x20B2AA)},
    {"lightskyblue", Rgb(0x87CEFA)},
    {"lightslategray", Rgb(0x778899)},
    {"lightslategrey", Rgb(0x778899)},
    {"lightsteelblue", Rgb(0xB0C4DE)},
    {"lightyellow", Rgb(0xFFFFE0)},
    {"lime", Rgb(0x00FF00)},
    {"limegreen", Rgb(0x32CD32)},
    {"linen", Rgb(0xFAF0E6)},
    {"magenta", Rgb(0xFF00FF)},
    {"maroon", Rgb(0x800000)},
    {"mediumaquamarine", Rgb(0x66CDAA)},
    {"mediumblue", Rgb(0x0000CD)},
    {"mediumorchid", Rgb(0xBA55D3)},
    {"mediumpurple", Rgb(0x9370DB)},
    {"mediumseagreen", Rgb(0x3CB371)},
    {"mediumslateblue", Rgb(0x7B68EE)},
    {"mediumspringgreen", Rgb(0x00FA9A)},
    {"mediumturquoise", Rgb(0x48D1CC)},
    {"mediumvioletred", Rgb(0xC71585)},
    {"midnightblue", Rgb(0x191970)},
    {"mintcream", Rgb(0xF5FFFA)},
    {"mistyrose", Rgb(0xFFE4E1)},
    {"moccasin", Rgb(0xFFE4B5)},
    {"navajowhite", Rgb(0xFFDEAD)},
    {"navy", Rgb(0x000080)},
    {"oldlace", Rgb(0xFDF5E6)},
    {"olive", Rgb(0x808000)},
    {"olivedrab", Rgb(0x6B8E23)},
    {"orange", Rgb(0xFFA500)},
    {"orangered", Rgb(0xFF4500)},
    {"orchid", Rgb(0xDA70D6)},
    {"palegoldenrod", Rgb(0xEEE8AA)},
    {"palegreen", Rgb(0x98FB98)},
    {"paleturquoise", Rgb(0xAFEEEE)},
    {"palevioletred", Rgb(0xDB7093)},
    {"papayawhip", Rgb(0xFFEFD5)},
    {"peachpuff", Rgb(0xFFDAB9)},
    {"peru", Rgb(0xCD853F)},
    {"pink", Rgb(0xFFC0CB)},
    {"plum", Rgb(0xDDA0DD)},
    {"powderblue", Rgb(0xB0E0E6)},
    {"purple", Rgb(0x800080)},
    {"rebeccapurple", Rgb(0x663399)},
    {"red", Rgb(0xFF0000)},
    {"rosybrown", Rgb(0xBC8F8F)},
    {"royalblue", Rgb(0x4169E1)},
    {"saddlebrown", Rgb(0x8B4513)},
    {"salmon", Rgb(0xFA8072)},
    {"sandybrown", Rgb(0xF4A460)},
    {"seagreen", Rgb(0x2E8B57)},
    {"seashell", Rgb(0xFFF5EE)},
    {"sienna", Rgb(0xA0522D)},
    {"silver", Rgb(0xC0C0C0)},
    {"skyblue", Rgb(0x87CEEB)},
    {"slateblue", Rgb(0x6A5ACD)},
    {"slategray", Rgb(0x708090)},
    {"slategrey", Rgb(0x708090)},
    {"snow", Rgb(0xFFFAFA)},
    {"springgreen", Rgb(0x00FF7F)},
    {"steelblue", Rgb(0x4682B4)},
    {"tan", Rgb(0xD2B48C)},
    {"teal", Rgb(0x008080)},
    {"thistle", Rgb(0xD8BFD8)},
    {"tomato", Rgb(0xFF6347)},
    {"turquoise", Rgb(0x40E0D0)},
    {"violet", Rgb(0xEE82EE)},
    {"wheat", Rgb(0xF5DEB3)},
    {"white", Rgb(0xFFFFFF)},
    {"whitesmoke", Rgb(0xF5F5F5)},
    {"yellow", Rgb(0xFFFF00)},
    {"yellowgreen", Rgb(0x9ACD32)},
}};

constexpr std::array<std::string_view, CssFormCount> FormNames{"hex", "rgb",   "hsl",   "hwb",  "lab",
                                                                "lch", "oklab", "oklch", "named"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// `lower` is already lower case.
bool EqualsNoCase(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() &&
         std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) { return Lower(a) == b; });
}

int CompareNoCase(std::string_view text, std::string_view lower) {
  const std::size_t n = std::min(text.size(), lower.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char a = Lower(text[i]);
    if (a != lower[i]) return a < lower[i] ? -1 : 1;
  }
  return text.size() == lower.size() ? 0 : (text.size() < lower.size() ? -1 : 1);
}

// ---- Writing --------------------------------------------------------------------------------------------------

// Fixed decimals with trailing zeros dropped, and never "-0".
std::string Number(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

// Hue of a colour whose printed chroma is zero: powerless, written as 0.
double PrintedHue(double chroma, int chromaDecimals, double hue) {
  const std::string printed = Number(chroma, chromaDecimals);
  const double h = printed == "0" ? 0.0 : hue;
  return Number(h, 2) == "360" ? 0.0 : h;
}

struct THsl {
  double H, S, L;  // degrees, 0-1, 0-1
};

THsl SrgbToHsl(const TColor3& c) {
  const double max = std::max({c.X, c.Y, c.Z}), min = std::min({c.X, c.Y, c.Z});
  const double d = max - min;
  const double l = (max + min) / 2;
  double h = 0, s = 0;
  if (d > 0) {
    s = (l == 0 || l == 1) ? 0 : (max - l) / std::min(l, 1 - l);
    if (max == c.X)
      h = (c.Y - c.Z) / d + (c.Y < c.Z ? 6 : 0);
    else if (max == c.Y)
      h = (c.Z - c.X) / d + 2;
    else
      h = (c.X - c.Y) / d + 4;
    h *= 60;
  }
  return {h, s, l};
}

std::string HexForm(TColor color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
  return buffer;
}

std::string HslForm(const TColor3& c) {
  const THsl hsl = SrgbToHsl(c);
  return "hsl(" + Number(PrintedHue(hsl.S * 100, 2, hsl.H), 2) + " " + Number(hsl.S * 100, 2) + "% " +
         Number(hsl.L * 100, 2) + "%)";
}

std::string HwbForm(const TColor3& c) {
  const double max = std::max({c.X, c.Y, c.Z}), min = std::min({c.X, c.Y, c.Z});
  const double hue = SrgbToHsl(c).H;
  return "hwb(" + Number(PrintedHue((max - min) * 100, 2, hue), 2) + " " + Number(min * 100, 2) + "% " +
         Number((1 - max) * 100, 2) + "%)";
}

std::string LabForm(const TCssLab& lab) {
  return "lab(" + Number(lab.L, 2) + " " + Number(lab.a, 2) + " " + Number(lab.b, 2) + ")";
}

std::string LchForm(const TCssLab& lab) {
  const TCssLch lch = CssLabToCssLch(lab);
  return "lch(" + Number(lch.L, 2) + " " + Number(lch.C, 2) + " " + Number(PrintedHue(lch.C, 2, lch.h), 2) + ")";
}

std::string OklabForm(const TOkLab& lab) {
  return "oklab(" + Number(lab.L, 5) + " " + Number(lab.a, 5) + " " + Number(lab.b, 5) + ")";
}

std::string OklchForm(const TOkLab& lab) {
  const TOkLch lch = OkLabToOkLch(lab);
  return "oklch(" + Number(lch.L, 5) + " " + Number(lch.C, 5) + " " + Number(PrintedHue(lch.C, 5, lch.h), 2) + ")";
}

// ---- Reading --------------------------------------------------------------------------------------------------

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c) || c == '-'; }

enum class TUnit { Number, Percent, Deg, Rad, Grad, Turn, None };

struct TComponent {
  double Value = 0;
  TUnit Unit = TUnit::Number;
  std::string_view Text;
};

enum class TItem { Value, Comma, Slash };

// Room for the longest valid list (four values, three commas) and a little more, so a long list is refused
// without storing it.
constexpr int MaxItems = 10;

struct TArguments {
  std::array<TItem, MaxItems> Items{};
  std::array<TComponent, MaxItems> Values{};
  int ItemCount = 0;
  int ValueCount = 0;
};

// The parts of a function's arguments once the syntax is checked.
struct TChannels {
  std::array<TComponent, 3> C{};
  std::optional<TComponent> Alpha;
  bool Legacy = false;
};

std::string Quoted(std::string_view text) {
  constexpr std::size_t Shown = 32;
  if (text.size() <= Shown) return "'" + std::string(text) + "'";
  return "'" + std::string(text.substr(0, Shown)) + "...'";
}

// The power of ten of an unsigned decimal number ("123.4e5" gives 8, "0.001" gives -2), for numbers too large or
// too small for a double: those below 1 are zero to us, the others cannot be meant.
long long DecimalMagnitude(std::string_view number) {
  std::size_t i = 0;
  long long magnitude = 0;
  while (i < number.size() && number[i] == '0') ++i;
  while (i < number.size() && IsDigit(number[i])) ++i, ++magnitude;
  if (i < number.size() && number[i] == '.') {
    ++i;
    if (magnitude == 0) {
      while (i < number.size() && number[i] == '0') ++i, --magnitude;
    }
    while (i < number.size() && IsDigit(number[i])) ++i;
  }
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    long long exponent = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

double WrapHue(double degrees) {
  double h = std::fmod(degrees, 360.0);
  if (h < 0) h += 360;
  return h;
}

TColor3 HslToSrgb(double hue, double s, double l) {
  const auto f = [&](double n) {
    const double k = std::fmod(n + hue / 30, 12.0);
    const double a = s * std::min(l, 1 - l);
    return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
  };
  return {f(0), f(8), f(4)};
}

TColor3 HwbToSrgb(double hue, double w, double b) {
  if (w + b >= 1) {
    const double grey = w / (w + b);
    return {grey, grey, grey};
  }
  const TColor3 pure = HslToSrgb(hue, 1, 0.5);
  const auto mix = [&](double c) { return c * (1 - w - b) + w; };
  return {mix(pure.X), mix(pure.Y), mix(pure.Z)};
}

TColor3 XyzD65ToMappedSrgb(const TColor3& xyz) { return MapIntoSrgb(XyzD65ToSrgb(xyz)); }

class TCssColorReader {
 public:
  TCssColorReader(std::string_view text, std::string& error) : Text(text), Error(error) {}

  std::optional<TCssColor> Read() {
    if (!SkipSpace()) return std::nullopt;
    if (AtEnd()) return Fail("empty text: no colour");
    std::optional<TCssColor> color;
    const char c = Text[Pos];
    if (c == '#')
      color = ReadHash();
    else if (IsNameStart(c))
      color = ReadNameOrFunction();
    else
      return Fail("a colour starts with '#', a name or a function, not " + Quoted(Text.substr(Pos, 1)));
    if (!color || !SkipSpace()) return std::nullopt;
    if (!AtEnd()) return Fail("unexpected text after the colour: " + Quoted(Text.substr(Pos)));
    return color;
  }

 private:
  std::string_view Text;
  std::string& Error;
  std::size_t Pos = 0;

  bool AtEnd() const { return Pos >= Text.size(); }

  std::nullopt_t Fail(std::string message) {
    Error = std::move(message);
    return std::nullopt;
  }
  bool FailFalse(std::string message) {
    Error = std::move(message);
    return false;
  }

  // Whitespace and comments; false (with the error) on a comment that never closes.
  bool SkipSpace() {
    while (!AtEnd()) {
      if (IsSpace(Text[Pos])) {
        ++Pos;
      } else if (Text.substr(Pos, 2) == "/*") {
        const std::size_t end = Text.find("*/", Pos + 2);
        if (end == std::string_view::npos) return FailFalse("a comment is not closed with '*/'");
        Pos = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  std::string_view ReadName() {
    const std::size_t start = Pos;
    while (!AtEnd() && IsNameChar(Text[Pos])) ++Pos;
    return Text.substr(start, Pos - start);
  }

  std::optional<TCssColor> ReadHash() {
    const std::size_t start = Pos++;
    while (!AtEnd() && IsNameChar(Text[Pos])) ++Pos;
    const std::string_view digits = Text.substr(start + 1, Pos - start - 1);
    const bool allHex = std::all_of(digits.begin(), digits.end(), [](char ch) {
      return IsDigit(ch) || (Lower(ch) >= 'a' && Lower(ch) <= 'f');
    });
    const std::size_t n = digits.size();
    if (!allHex || (n != 3 && n != 4 && n != 6 && n != 8))
      return Fail(Quoted(Text.substr(start, Pos - start)) + " is not a colour: '#' takes 3, 4, 6 or 8 hexadecimal digits");
    const auto digit = [&](std::size_t i) { return HexDigitOf(digits[i]); };
    const bool shortForm = n <= 4;
    const auto channel = [&](int index) {
      if (shortForm) return digit(static_cast<std::size_t>(index)) * 17;
      return digit(static_cast<std::size_t>(index) * 2) * 16 + digit(static_cast<std::size_t>(index) * 2 + 1);
    };
    TCssColor color;
    color.Color = RGBValuesToColor({channel(0), channel(1), channel(2)});
    if (n == 4 || n == 8) color.Alpha = channel(3) / 255.0;
    return color;
  }

  static int HexDigitOf(char c) {
    if (IsDigit(c)) return c - '0';
    return Lower(c) - 'a' + 10;
  }

  std::optional<TCssColor> ReadNameOrFunction() {
    const std::string_view name = ReadName();
    if (!AtEnd() && Text[Pos] == '(') {
      ++Pos;
      return ReadFunction(name);
    }
    if (EqualsNoCase(name, "transparent")) return TCssColor{clBlack, 0.0};
    if (const auto color = CssColorByName(name)) return TCssColor{*color, 1.0};
    return Fail(Quoted(name) + " is not a CSS colour name");
  }

  std::optional<TCssColor> ReadFunction(std::string_view name) {
    const std::string fn = Lowered(name) + "()";
    if (!IsCssColorFunction(name)) return Fail(Quoted(std::string(name) + "()") + " is not a CSS colour function");
    if (EqualsNoCase(name, "color")) return ReadColorFunction();
    TArguments args;
    if (!ReadArguments(fn, args)) return std::nullopt;
    const bool legacyAllowed = EqualsNoCase(name, "rgb") || EqualsNoCase(name, "rgba") ||
                               EqualsNoCase(name, "hsl") || EqualsNoCase(name, "hsla");
    TChannels ch;
    if (!SplitChannels(fn, args, legacyAllowed, ch)) return std::nullopt;
    std::optional<TColor3> srgb;
    if (EqualsNoCase(name, "rgb") || EqualsNoCase(name, "rgba"))
      srgb = RgbChannels(fn, ch);
    else if (EqualsNoCase(name, "hsl") || EqualsNoCase(name, "hsla"))
      srgb = HslChannels(fn, ch);
    else if (EqualsNoCase(name, "hwb"))
      srgb = HwbChannels(fn, ch);
    else
      srgb = LabLikeChannels(fn, Lowered(name), ch);
    return Finish(fn, srgb, ch);
  }

  static std::string Lowered(std::string_view name) {
    std::string text(name.substr(0, 16));
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
  }

  std::optional<TCssColor> Finish(const std::string& fn, const std::optional<TColor3>& srgb, const TChannels& ch) {
    if (!srgb) return std::nullopt;
    TCssColor color;
    color.Color = SrgbToColor(*srgb);
    if (ch.Alpha) {
      const auto alpha = Scaled(fn, *ch.Alpha, "alpha", 1.0, 1.0);
      if (!alpha) return std::nullopt;
      color.Alpha = std::clamp(*alpha, 0.0, 1.0);
    }
    return color;
  }

  std::optional<TCssColor> ReadColorFunction() {
    const std::string fn = "color()";
    if (!SkipSpace()) return std::nullopt;
    if (AtEnd() || !IsNameStart(Text[Pos])) return Fail("color() needs a colour space first, e.g. color(srgb 1 0 0)");
    const std::string_view space = ReadName();
    TArguments args;
    if (!ReadArguments(fn, args)) return std::nullopt;
    TChannels ch;
    if (!SplitChannels(fn, args, false, ch)) return std::nullopt;
    TColor3 v;
    for (int i = 0; i < 3; ++i) {
      const auto value = Scaled(fn, ch.C[static_cast<std::size_t>(i)], "channel", 1.0, 1.0);
      if (!value) return std::nullopt;
      (i == 0 ? v.X : i == 1 ? v.Y : v.Z) = *value;
    }
    std::optional<TColor3> srgb;
    if (EqualsNoCase(space, "srgb"))
      srgb = MapIntoSrgb(v);
    else if (EqualsNoCase(space, "srgb-linear"))
      srgb = MapIntoSrgb({LinearToSrgb(v.X), LinearToSrgb(v.Y), LinearToSrgb(v.Z)});
    else if (EqualsNoCase(space, "display-p3"))
      srgb = MapIntoSrgb(DisplayP3ToSrgb(v));
    else if (EqualsNoCase(space, "xyz") || EqualsNoCase(space, "xyz-d65"))
      srgb = XyzD65ToMappedSrgb(v);
    else if (EqualsNoCase(space, "xyz-d50"))
      srgb = XyzD65ToMappedSrgb(XyzD50ToD65(v));
    else
      return Fail("color() space " + Quoted(space) +
                  " is not supported (use srgb, srgb-linear, display-p3, xyz, xyz-d50 or xyz-d65)");
    return Finish(fn, srgb, ch);
  }

  // Reads up to and including ')'.
  bool ReadArguments(const std::string& fn, TArguments& args) {
    for (;;) {
      if (!SkipSpace()) return false;
      if (AtEnd()) return FailFalse(fn + " is missing its closing ')'");
      const char c = Text[Pos];
      if (c == ')') {
        ++Pos;
        return true;
      }
      if (args.ItemCount == MaxItems) return FailFalse(fn + " has too many values");
      if (c == ',' || c == '/') {
        ++Pos;
        args.Items[static_cast<std::size_t>(args.ItemCount++)] = c == ',' ? TItem::Comma : TItem::Slash;
        continue;
      }
      TComponent component;
      if (!ReadComponent(fn, component)) return false;
      args.Values[static_cast<std::size_t>(args.ValueCount++)] = component;
      args.Items[static_cast<std::size_t>(args.ItemCount++)] = TItem::Value;
    }
  }

  bool StartsNumber() const {
    const auto at = [&](std::size_t i) { return Pos + i < Text.size() ? Text[Pos + i] : '\0'; };
    std::size_t i = (at(0) == '+' || at(0) == '-') ? 1 : 0;
    return IsDigit(at(i)) || (at(i) == '.' && IsDigit(at(i + 1)));
  }

  bool ReadComponent(const std::string& fn, TComponent& component) {
    const std::size_t start = Pos;
    if (!StartsNumber()) {
      if (IsNameStart(Text[Pos]) || Text[Pos] == '-') {
        const std::string_view word = ReadName();
        if (EqualsNoCase(word, "none")) {
          component = {0, TUnit::None, word};
          return true;
        }
        if (!AtEnd() && Text[Pos] == '(')
          return FailFalse(Quoted(std::string(word) + "()") + " inside " + fn + " is not supported");
        return FailFalse(Quoted(word) + " in " + fn + " is not a number");
      }
      return FailFalse("unexpected " + Quoted(Text.substr(Pos, 1)) + " in " + fn);
    }
    const bool negative = Text[Pos] == '-';
    if (Text[Pos] == '+' || Text[Pos] == '-') ++Pos;
    const std::size_t numberStart = Pos;
    while (!AtEnd() && IsDigit(Text[Pos])) ++Pos;
    if (!AtEnd() && Text[Pos] == '.' && Pos + 1 < Text.size() && IsDigit(Text[Pos + 1])) {
      ++Pos;
      while (!AtEnd() && IsDigit(Text[Pos])) ++Pos;
    }
    if (!AtEnd() && (Text[Pos] == 'e' || Text[Pos] == 'E')) {
      std::size_t e = Pos + 1;
      if (e < Text.size() && (Text[e] == '+' || Text[e] == '-')) ++e;
      if (e < Text.size() && IsDigit(Text[e])) {
        Pos = e;
        while (!AtEnd() && IsDigit(Text[Pos])) ++Pos;
      }
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(Text.data() + numberStart, Text.data() + Pos, value);
    const std::size_t numberEnd = Pos;
    TUnit unit = TUnit::Number;
    if (!AtEnd() && Text[Pos] == '%') {
      ++Pos;
      unit = TUnit::Percent;
    } else if (!AtEnd() && IsNameStart(Text[Pos])) {
      const std::string_view name = ReadName();
      if (EqualsNoCase(name, "deg"))
        unit = TUnit::Deg;
      else if (EqualsNoCase(name, "rad"))
        unit = TUnit::Rad;
      else if (EqualsNoCase(name, "grad"))
        unit = TUnit::Grad;
      else if (EqualsNoCase(name, "turn"))
        unit = TUnit::Turn;
      else
        return FailFalse(Quoted(Text.substr(start, Pos - start)) + " in " + fn +
                         " has an unknown unit (use %, deg, rad, grad or turn)");
    }
    component.Text = Text.substr(start, Pos - start);
    if (ec == std::errc::result_out_of_range) {
      // A value too small for a double is zero; one too large cannot be meant.
      if (DecimalMagnitude(Text.substr(numberStart, numberEnd - numberStart)) >= 0)
        return FailFalse(Quoted(component.Text) + " in " + fn + " is out of range");
      value = 0;
    } else if (ec != std::errc() || end != Text.data() + numberEnd) {
      return FailFalse(Quoted(component.Text) + " in " + fn + " is not a number");
    }
    component.Value = negative ? -value : value;
    component.Unit = unit;
    return true;
  }

  // Checks the comma or space syntax and splits the values into three channels and the alpha.
  bool SplitChannels(const std::string& fn, const TArguments& args, bool legacyAllowed, TChannels& ch) {
    int commas = 0, slashes = 0;
    for (int i = 0; i < args.ItemCount; ++i) {
      const TItem item = args.Items[static_cast<std::size_t>(i)];
      commas += item == TItem::Comma;
      slashes += item == TItem::Slash;
    }
    const int n = args.ValueCount;
    if (commas > 0) {
      if (slashes > 0) return FailFalse(fn + " mixes comma and space syntax ('/' with commas)");
      for (int i = 0; i < args.ItemCount; ++i) {
        const bool wantValue = i % 2 == 0;
        if ((args.Items[static_cast<std::size_t>(i)] == TItem::Value) != wantValue)
          return FailFalse(wantValue ? fn + " has a misplaced comma" : fn + " mixes comma and space syntax");
      }
      if (args.ItemCount % 2 == 0) return FailFalse(fn + " ends with a comma");
      if (!legacyAllowed) return FailFalse(fn + " takes no commas: separate its values with spaces");
      if (n != 3 && n != 4) return FailFalse(fn + " takes 3 values and an optional alpha, " + std::to_string(n) + " given");
      for (int i = 0; i < n; ++i)
        if (args.Values[static_cast<std::size_t>(i)].Unit == TUnit::None)
          return FailFalse(fn + " with commas does not take 'none'");
      ch.Legacy = true;
    } else {
      if (slashes > 1) return FailFalse(fn + " has more than one '/'");
      int before = n;
      if (slashes == 1) {
        int slashAt = 0;
        while (args.Items[static_cast<std::size_t>(slashAt)] != TItem::Slash) ++slashAt;
        before = slashAt;
        if (args.ItemCount - slashAt - 1 != 1) return FailFalse(fn + " takes one alpha value after '/'");
      }
      if (before != 3) return FailFalse(fn + " takes 3 values, " + std::to_string(before) + " given");
    }
    for (std::size_t i = 0; i < 3; ++i) ch.C[i] = args.Values[i];
    if (n == 4) ch.Alpha = args.Values[3];
    return true;
  }

  // A number, a percentage scaled so that 100% is `percentFull`, or none (0); angles refused.
  std::optional<double> Scaled(const std::string& fn, const TComponent& c, std::string_view what, double numberScale,
                               double percentFull) {
    switch (c.Unit) {
      case TUnit::None:
        return 0.0;
      case TUnit::Number:
        return c.Value * numberScale;
      case TUnit::Percent:
        return c.Value / 100 * percentFull;
      default:
        return Fail(Quoted(c.Text) + " in " + fn + " is not valid for " + std::string(what));
    }
  }

  std::optional<double> Hue(const std::string& fn, const TComponent& c) {
    switch (c.Unit) {
      case TUnit::None:
        return 0.0;
      case TUnit::Number:
      case TUnit::Deg:
        return WrapHue(c.Value);
      case TUnit::Rad:
        return WrapHue(c.Value * 180 / 3.14159265358979323846);
      case TUnit::Grad:
        return WrapHue(c.Value * 0.9);
      case TUnit::Turn:
        return WrapHue(c.Value * 360);
      default:
        return Fail(Quoted(c.Text) + " in " + fn + " is not a hue (a number or an angle)");
    }
  }

  std::optional<TColor3> RgbChannels(const std::string& fn, const TChannels& ch) {
    if (ch.Legacy) {
      const bool percent = ch.C[0].Unit == TUnit::Percent;
      for (const TComponent& c : ch.C)
        if ((c.Unit == TUnit::Percent) != percent)
          return Fail(fn + " with commas takes all numbers or all percentages");
    }
    TColor3 v;
    for (std::size_t i = 0; i < 3; ++i) {
      const auto value = Scaled(fn, ch.C[i], "a channel", 1.0 / 255, 1.0);
      if (!value) return std::nullopt;
      (i == 0 ? v.X : i == 1 ? v.Y : v.Z) = std::clamp(*value, 0.0, 1.0);
    }
    return v;
  }

  std::optional<TColor3> HslChannels(const std::string& fn, const TChannels& ch) {
    const auto h = Hue(fn, ch.C[0]);
    if (!h) return std::nullopt;
    if (ch.Legacy && (ch.C[1].Unit != TUnit::Percent || ch.C[2].Unit != TUnit::Percent))
      return Fail(fn + " with commas takes saturation and lightness as percentages");
    const auto s = Scaled(fn, ch.C[1], "saturation", 0.01, 1.0);
    if (!s) return std::nullopt;
    const auto l = Scaled(fn, ch.C[2], "lightness", 0.01, 1.0);
    if (!l) return std::nullopt;
    return HslToSrgb(*h, std::clamp(*s, 0.0, 1.0), std::clamp(*l, 0.0, 1.0));
  }

  std::optional<TColor3> HwbChannels(const std::string& fn, const TChannels& ch) {
    const auto h = Hue(fn, ch.C[0]);
    if (!h) return std::nullopt;
    const auto w = Scaled(fn, ch.C[1], "whiteness", 0.01, 1.0);
    if (!w) return std::nullopt;
    const auto b = Scaled(fn, ch.C[2], "blackness", 0.01, 1.0);
    if (!b) return std::nullopt;
    return HwbToSrgb(*h, std::clamp(*w, 0.0, 1.0), std::clamp(*b, 0.0, 1.0));
  }

  // lab(), lch(), oklab(), oklch(): percentages as CSS Color 4 scales them; lightness clamped, chroma at least 0.
  std::optional<TColor3> LabLikeChannels(const std::string& fn, const std::string& name, const TChannels& ch) {
    const bool ok = name.starts_with("ok");
    const bool polar = name.ends_with("lch");
    const double lFull = ok ? 1.0 : 100.0;
    const auto L = Scaled(fn, ch.C[0], "lightness", 1.0, lFull);
    if (!L) return std::nullopt;
    const double lightness = std::clamp(*L, 0.0, lFull);
    // Past these sizes the result no longer changes; the bound keeps the cubes finite.
    const double limit = ok ? 1e4 : 1e6;
    if (polar) {
      const auto C = Scaled(fn, ch.C[1], "chroma", 1.0, ok ? 0.4 : 150.0);
      if (!C) return std::nullopt;
      const auto h = Hue(fn, ch.C[2]);
      if (!h) return std::nullopt;
      const double chroma = std::clamp(*C, 0.0, limit);
      if (ok) return GamutMapToSrgb({lightness, chroma, *h});
      return MappedFromCssLab(CssLchToCssLab({lightness, chroma, *h}));
    }
    const double abFull = ok ? 0.4 : 125.0;
    const auto a = Scaled(fn, ch.C[1], "a", 1.0, abFull);
    if (!a) return std::nullopt;
    const auto b = Scaled(fn, ch.C[2], "b", 1.0, abFull);
    if (!b) return std::nullopt;
    const double av = std::clamp(*a, -limit, limit), bv = std::clamp(*b, -limit, limit);
    if (ok) return MapIntoSrgb(OkLabToSrgb({lightness, av, bv}));
    return MappedFromCssLab({lightness, av, bv});
  }

  static TColor3 MappedFromCssLab(const TCssLab& lab) { return XyzD65ToMappedSrgb(XyzD50ToD65(CssLabToXyzD50(lab))); }
};

}  // namespace

std::string_view CssFormName(TCssForm form) {
  const auto index = static_cast<std::size_t>(form);
  return index < FormNames.size() ? FormNames[index] : std::string_view{};
}

std::optional<TCssForm> CssFormFromName(std::string_view name) {
  for (std::size_t i = 0; i < FormNames.size(); ++i)
    if (EqualsNoCase(name, FormNames[i])) return static_cast<TCssForm>(i);
  return std::nullopt;
}

std::optional<TCssColor> ParseCssColor(std::string_view text) {
  std::string error;
  return ParseCssColor(text, error);
}

std::optional<TCssColor> ParseCssColor(std::string_view text, std::string& error) {
  TCssColorReader reader(text, error);
  return reader.Read();
}

std::string FormatCssColor(TColor color, TCssForm form) {
  const TColor rgb = RGBValuesToColor(ColorToRGBValues(color));
  const TColor3 srgb = ColorToSrgb(rgb);
  switch (form) {
    case TCssForm::Hex:
      return HexForm(rgb);
    case TCssForm::Rgb:
      return "rgb(" + std::to_string(RedOf(rgb)) + " " + std::to_string(GreenOf(rgb)) + " " +
             std::to_string(BlueOf(rgb)) + ")";
    case TCssForm::Hsl:
      return HslForm(srgb);
    case TCssForm::Hwb:
      return HwbForm(srgb);
    case TCssForm::Lab:
      return LabForm(SrgbToCssLab(srgb));
    case TCssForm::Lch:
      return LchForm(SrgbToCssLab(srgb));
    case TCssForm::Oklab:
      return OklabForm(SrgbToOkLab(srgb));
    case TCssForm::Oklch:
      return OklchForm(SrgbToOkLab(srgb));
    case TCssForm::Named: {
      const auto name = CssColorName(rgb);
      return name ? std::string(*name) : std::string();
    }
  }
  return {};
}

std::span<const TCssNamedColor> CssNamedColors() { return NamedColors; }

std::optional<TColor> CssColorByName(std::string_view word) {
  const auto it = std::lower_bound(NamedColors.begin(), NamedColors.end(), word,
                                   [](const TCssNamedColor& entry, std::string_view w) {
                                     return CompareNoCase(w, entry.Name) > 0;
                                   });
  if (it == NamedColors.end() || !EqualsNoCase(word, it->Name)) return std::nullopt;
  return it->Color;
}

bool IsCssColorFunction(std::string_view name) {
  static constexpr std::string_view FunctionNames[] = {"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                                       "lab", "lch",  "oklab", "oklch", "color"};
  return std::any_of(std::begin(FunctionNames), std::end(FunctionNames),
                     [&](std::string_view f) { return EqualsNoCase(name, f); });
}

bool IsCssColorName(std::string_view word) { return CssColorByName(word).has_value(); }

std::optional<std::string_view> CssColorName(TColor color) {
  // The table is alphabetical, so the first match is the first alias.
  for (const TCssNamedColor& entry : NamedColors)
    if (entry.Color == color) return entry.Name;
  return std::nullopt;
}

}  // namespace tintorium
