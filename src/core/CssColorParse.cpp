#include "core/CssColorParse.h"

#include "core/ColorModels.h"
#include "core/CssCase.h"
#include "core/CssColorArguments.h"
#include "core/CssColorChannels.h"
#include "core/CssNamedColors.h"

#include <algorithm>
#include <charconv>

namespace tintorium {

namespace {

using detail::EqualsNoCase;
using detail::Lower;
using detail::MaxItems;
using detail::Quoted;
using detail::TArguments;
using detail::TChannels;
using detail::TComponent;
using detail::TItem;
using detail::TUnit;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c) || c == '-'; }

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
  detail::TCssChannelReader Channels{Error};

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
      srgb = Channels.RgbChannels(fn, ch);
    else if (EqualsNoCase(name, "hsl") || EqualsNoCase(name, "hsla"))
      srgb = Channels.HslChannels(fn, ch);
    else if (EqualsNoCase(name, "hwb"))
      srgb = Channels.HwbChannels(fn, ch);
    else
      srgb = Channels.LabLikeChannels(fn, Lowered(name), ch);
    return Channels.Finish(fn, srgb, ch);
  }

  static std::string Lowered(std::string_view name) {
    std::string text(name.substr(0, 16));
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
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
    return Channels.Finish(fn, Channels.ColorSpaceChannels(fn, space, ch), ch);
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
};

}  // namespace

std::optional<TCssColor> ParseCssColor(std::string_view text) {
  std::string error;
  return ParseCssColor(text, error);
}

std::optional<TCssColor> ParseCssColor(std::string_view text, std::string& error) {
  TCssColorReader reader(text, error);
  return reader.Read();
}

bool IsCssColorFunction(std::string_view name) {
  static constexpr std::string_view FunctionNames[] = {"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                                       "lab", "lch",  "oklab", "oklch", "color"};
  return std::any_of(std::begin(FunctionNames), std::end(FunctionNames),
                     [&](std::string_view f) { return EqualsNoCase(name, f); });
}

}  // namespace tintorium
