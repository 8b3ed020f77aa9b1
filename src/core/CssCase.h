#pragma once
// Letter case in CSS keywords, names and units: ASCII only, as CSS compares them.

#include <algorithm>
#include <string_view>

namespace tintorium::detail {

/// A to Z lowered; every other byte unchanged.
inline char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/// True when `text` equals `lower` in any letter case; `lower` is already lower case.
inline bool EqualsNoCase(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() &&
         std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) { return Lower(a) == b; });
}

}  // namespace tintorium::detail
