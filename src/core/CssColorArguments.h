#pragma once
// A colour function's arguments as the parser reads them, before their meaning is known.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tintorium::detail {

/// What followed a number: nothing, "%", an angle unit; None is the keyword `none`.
enum class TUnit { Number, Percent, Deg, Rad, Grad, Turn, None };

/// One value as written; `Text` points into the parsed text, for error messages.
struct TComponent {
  double Value = 0;
  TUnit Unit = TUnit::Number;
  std::string_view Text;
};

/// The list between the parentheses in order: values, commas and slashes.
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

/// The parts of a function's arguments once the syntax is checked.
struct TChannels {
  std::array<TComponent, 3> C{};
  std::optional<TComponent> Alpha;
  bool Legacy = false;
};

/// `text` in single quotes for an error message, cut after 32 characters with "...".
inline std::string Quoted(std::string_view text) {
  constexpr std::size_t Shown = 32;
  if (text.size() <= Shown) return "'" + std::string(text) + "'";
  return "'" + std::string(text.substr(0, Shown)) + "...'";
}

}  // namespace tintorium::detail
