#include "core/ColorModels.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

class SystemColorsTest : public testing::Test {
 protected:
  void TearDown() override { ResetSystemColors(); }
};

TEST_F(SystemColorsTest, ClassicDefaultsResolveBeforeConversion) {
  EXPECT_EQ(ColorToRGB(clBtnFace), RGBValuesToColor({212, 208, 200}));
  EXPECT_EQ(ColorToRGB(clWindow), RGBValuesToColor({255, 255, 255}));
  EXPECT_EQ(ColorToRGB(clInfoBk), RGBValuesToColor({255, 255, 225}));
  EXPECT_EQ(ColorToRGBValues(clHighlight), (TRGBValues{10, 36, 106}));
  EXPECT_EQ(ColorToHSB(clWindowText), (THSBValues{0, 0, 0}));
}

TEST_F(SystemColorsTest, OrdinaryAndSpecialValuesPassThrough) {
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
}

TEST_F(SystemColorsTest, TheTableIsReplaceable) {
  SetSystemColorValue(15, 0x00AABBCC);
  EXPECT_EQ(ColorToRGBValues(clBtnFace), (TRGBValues{0xCC, 0xBB, 0xAA}));
  // A value with a flag byte is stored as its RGB part.
  SetSystemColorValue(5, 0xFF010203);
  EXPECT_EQ(SystemColorValue(5), 0x010203u);
  ResetSystemColors();
  EXPECT_EQ(ColorToRGB(clBtnFace), RGBValuesToColor({212, 208, 200}));
}

TEST_F(SystemColorsTest, IndicesOutsideTheTableAreBlackAndIgnored) {
  EXPECT_EQ(SystemColorValue(-1), clBlack);
  EXPECT_EQ(SystemColorValue(SystemColorCount), clBlack);
  EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
  SetSystemColorValue(SystemColorCount, 0x123456);  // ignored
  SetSystemColorValue(-5, 0x123456);
  EXPECT_EQ(SystemColorValue(SystemColorCount), clBlack);
}

}  // namespace
}  // namespace tintorium
