#include "core/CssNamedColors.h"

#include "core/CssColorFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

TEST(CssColorTest, NamedColourTable) {
  const auto names = CssNamedColors();
  EXPECT_EQ(names.size(), 148u);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(),
                             [](const auto& a, const auto& b) { return a.Name < b.Name; }));
  for (const auto& entry : names) {
    EXPECT_TRUE(IsCssColorName(entry.Name));
    EXPECT_EQ(CssColorByName(entry.Name), entry.Color);
    // Of aliases, the first in alphabetical order is the one written.
    const auto written = CssColorName(entry.Color);
    ASSERT_TRUE(written);
    EXPECT_LE(*written, entry.Name);
    EXPECT_EQ(CssColorByName(*written), entry.Color);
  }
  std::set<TColor> distinct;
  for (const auto& entry : names) distinct.insert(entry.Color);
  EXPECT_EQ(distinct.size(), 148u - 9u);  // nine aliases: aqua/cyan, fuchsia/magenta and seven grey/gray pairs
  for (const char* alias : {"cyan", "magenta", "grey", "darkgrey", "darkslategrey", "dimgrey", "lightgrey",
                            "lightslategrey", "slategrey"}) {
    const auto color = CssColorByName(alias);
    ASSERT_TRUE(color) << alias;
    EXPECT_NE(FormatCssColor(*color, TCssForm::Named), alias);
  }
  EXPECT_TRUE(IsCssColorName("LightGoldenRodYellow"));
  for (const char* word : {"transparent", "currentcolor", "", "re", "redd", "red ", "grey1"})
    EXPECT_FALSE(IsCssColorName(word)) << word;
  EXPECT_EQ(FormatCssColor(Rgb(1, 2, 3), TCssForm::Named), "");
}

}  // namespace
}  // namespace tintorium
