// Reads one CSS colour text per line and writes what the core makes of it, for the comparison with an
// independent CSS Color 4 implementation (tests/js/css_color_test.mjs):
//   OK <alpha> <form>\t<form>... in the order of CssForms, or ERR <message>.
#include "core/CssColor.h"

#include <cstdio>
#include <iostream>
#include <string>

int main() {
  using namespace tintorium;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::string error;
    const auto color = ParseCssColor(line, error);
    if (!color) {
      std::printf("ERR %s\n", error.c_str());
      continue;
    }
    std::printf("OK %.17g", color->Alpha);
    for (std::size_t i = 0; i < CssForms.size(); ++i)
      std::printf("%c%s", i == 0 ? ' ' : '\t', FormatCssColor(color->Color, CssForms[i]).c_str());
    std::printf("\n");
  }
  return 0;
}
