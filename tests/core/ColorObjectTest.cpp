#include "core/ColorModels.h"
#include "core/ColorObject.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

TEST(ColorObjectTest, DefaultIsBlackInRGB) {
  const TColorObject black;
  const TColorObject fromZero(0, cmRGB);
  for (const TColorObject* o : {&black, &fromZero}) {
    EXPECT_EQ(o->Model(), cmRGB);
    EXPECT_EQ(o->GetRGB(), (TRGBValues{0, 0, 0}));
    EXPECT_EQ(o->GetHSB(), (THSBValues{0, 0, 0}));
    EXPECT_EQ(o->GetCMYK(), (TCMYKValues{0, 0, 0, 100}));
    EXPECT_EQ(o->GetLab(), (TLabValues{0, 0, 0}));
    EXPECT_EQ(o->GetColor(), 0u);
  }
}

TEST(ColorObjectTest, CreateFromRedInHSB) {
  const TColorObject red(0x0000FF, cmHSB);
  EXPECT_EQ(red.Model(), cmHSB);
  EXPECT_EQ(red.GetHSB(), (THSBValues{0, 100, 100}));
  EXPECT_EQ(red.GetRGB(), (TRGBValues{255, 0, 0}));
  EXPECT_EQ(red.GetCMYK(), (TCMYKValues{0, 100, 100, 0}));
  EXPECT_EQ(red.GetLab(), (TLabValues{54, 81, 70}));
  EXPECT_EQ(red.ValuesText(), "H:0 S:100 B:100");
  EXPECT_EQ(red.HexText(), "FF0000");
}

TEST(ColorObjectTest, SettersStoreExactlyAsGivenAndDeriveTheRest) {
  TColorObject o;
  o.SetHSB({400, 120, -5});
  EXPECT_EQ(o.GetHSB(), (THSBValues{400, 120, -5}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{0, 0, 0}));
  EXPECT_EQ(o.Model(), cmHSB);

  o.SetCMYK({0, 0, 0, 50});
  EXPECT_EQ(o.GetCMYK(), (TCMYKValues{0, 0, 0, 50}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{127, 127, 127}));
  EXPECT_EQ(o.GetHSB(), (THSBValues{0, 0, 50}));
  EXPECT_EQ(o.GetLab(), RGBToLab({127, 127, 127}));

  o.SetLab({54, 81, 70});
  EXPECT_EQ(o.GetLab(), (TLabValues{54, 81, 70}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{254, 0, 0}));
  EXPECT_EQ(o.ValuesText(), "L:54 a:81 b:70");

  o.SetRGB({300, -4, 17});  // stored unclamped
  EXPECT_EQ(o.GetRGB(), (TRGBValues{300, -4, 17}));
  EXPECT_EQ(o.GetColor(), RGBValuesToColor({300, -4, 17}));
}

// Each model's channel order, the unused fourth value and out-of-range values that must not be clamped.
TEST(ColorObjectTest, ChannelValuesGoToTheModelsSetterAndBack) {
  struct TCase {
    TColorModel model;
    TChannelValues values;
    TColorObject expected;
  };
  const auto made = [](auto set) {
    TColorObject o;
    set(o);
    return o;
  };
  const TCase cases[] = {
      {cmRGB, {300, 20, -1, 0}, made([](TColorObject& o) { o.SetRGB({300, 20, -1}); })},
      {cmHSB, {200, 50, 75, 0}, made([](TColorObject& o) { o.SetHSB({200, 50, 75}); })},
      {cmCMYK, {10, 20, 30, 40}, made([](TColorObject& o) { o.SetCMYK({10, 20, 30, 40}); })},
      {cmLAB, {60, -128, 127, 0}, made([](TColorObject& o) { o.SetLab({60, -128, 127}); })},
  };
  for (const TCase& c : cases) {
    TColorObject o(0x123456, cmRGB);
    SetChannelValues(o, c.model, c.values);
    EXPECT_EQ(o.Model(), c.model);
    EXPECT_TRUE(SameColor(o, c.expected)) << ColorModelNames[c.model];
    EXPECT_EQ(o.GetRGB(), c.expected.GetRGB()) << ColorModelNames[c.model];
    EXPECT_EQ(ChannelValuesOf(o, c.model), c.values) << ColorModelNames[c.model];
  }

  TColorObject kept(0x123456, cmHSB);
  SetChannelValues(kept, static_cast<TColorModel>(4), {1, 2, 3, 4});
  EXPECT_TRUE(SameColor(kept, TColorObject(0x123456, cmHSB)));
  EXPECT_EQ(ChannelValuesOf(kept, static_cast<TColorModel>(4)), (TChannelValues{0, 0, 0, 0}));
}

TEST(ColorObjectTest, ModelIsABareTag) {
  TColorObject o;
  o.SetRGB({200, 100, 50});
  EXPECT_EQ(o.GetHSB(), (THSBValues{20, 75, 78}));
  o.SetModel(cmHSB);
  EXPECT_EQ(o.GetColor(), RGBValuesToColor({199, 100, 50}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{200, 100, 50}));
  EXPECT_EQ(o.ValuesText(), "H:20 S:75 B:78");
}

TEST(ColorObjectTest, GetColorConvertsTheAuthoritativeRecord) {
  TColorObject o;
  o.SetCMYK({0, 0, 0, 50});
  EXPECT_EQ(o.GetColor(), RGBValuesToColor({127, 127, 127}));
  o.SetLab({50, 0, 0});
  EXPECT_EQ(o.GetColor(), RGBValuesToColor({119, 119, 119}));
}

TEST(ColorObjectTest, SetColorDerivesFromTheRecordNotTheColor) {
  TColorObject o;
  o.SetColor(RGBValuesToColor({128, 128, 128}), cmCMYK);
  EXPECT_EQ(o.Model(), cmCMYK);
  EXPECT_EQ(o.GetCMYK(), (TCMYKValues{0, 0, 0, 50}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{127, 127, 127}));
  o.SetColor(0xFF00000F /* button face */, cmRGB);
  EXPECT_EQ(o.GetRGB(), (TRGBValues{212, 208, 200}));
}

TEST(ColorObjectTest, ConvertToMakesAModelAuthoritative) {
  TColorObject o;
  o.SetRGB({128, 128, 128});
  const TColorObject before(o);
  o.ConvertTo(cmRGB);
  EXPECT_TRUE(SameColor(o, before));
  EXPECT_EQ(o.GetHSB(), before.GetHSB());
  EXPECT_EQ(o.GetCMYK(), before.GetCMYK());
  EXPECT_EQ(o.GetLab(), before.GetLab());

  o.ConvertTo(cmCMYK);
  EXPECT_EQ(o.Model(), cmCMYK);
  EXPECT_EQ(o.GetCMYK(), (TCMYKValues{0, 0, 0, 50}));
  EXPECT_EQ(o.GetRGB(), (TRGBValues{127, 127, 127}));
}

TEST(ColorObjectTest, RecomputeAndConvertToOutsideTheModelsOnlySetTheTag) {
  TColorObject o;
  o.SetRGB({1, 2, 3});
  const auto hsb = o.GetHSB();
  o.Recompute(static_cast<TColorModel>(9));
  EXPECT_EQ(o.Model(), 9);
  EXPECT_EQ(o.GetRGB(), (TRGBValues{1, 2, 3}));
  EXPECT_EQ(o.GetHSB(), hsb);
  EXPECT_EQ(o.GetColor(), RGBValuesToColor({1, 2, 3}));
  EXPECT_EQ(o.ValuesText(), "R:1 G:2 B:3");
}

TEST(ColorObjectTest, AssignAndCopiesCopyWithoutRecomputing) {
  TColorObject source;
  source.SetRGB({200, 100, 50});
  source.SetModel(cmHSB);
  TColorObject target;
  target.Assign(source);
  EXPECT_EQ(target.Model(), cmHSB);
  EXPECT_EQ(target.GetRGB(), (TRGBValues{200, 100, 50}));
  EXPECT_EQ(target.GetHSB(), (THSBValues{20, 75, 78}));
  const TColorObject copy(source);
  EXPECT_EQ(copy.GetRGB(), source.GetRGB());
  EXPECT_EQ(copy.Model(), cmHSB);
}

TEST(ColorObjectTest, ColorObjectFxCarriesAName) {
  TColorObject red(0x0000FF, cmRGB);
  TColorObjectFx named(red, u"Red");
  EXPECT_EQ(named.Name(), u"Red");
  EXPECT_EQ(named.GetRGB(), (TRGBValues{255, 0, 0}));
  named.SetName(u"Rot");
  EXPECT_EQ(named.Name(), u"Rot");
  TColors list{named, TColorObjectFx(0x00FF00, cmHSB)};
  EXPECT_EQ(list[1].GetHSB(), (THSBValues{120, 100, 100}));
  EXPECT_TRUE(list[1].Name().empty());
}

TEST(ColorObjectTest, SameColorComparesOnlyTheAuthoritativeRecord) {
  TColorObject rgb(0x336699, cmRGB);
  TColorObject hsb(0x336699, cmHSB);
  EXPECT_FALSE(SameColor(rgb, hsb));

  TColorObject a, b;
  a.SetHSB({200, 0, 40});  // RGB (102, 102, 102)
  a.SetModel(cmRGB);
  b.SetRGB({102, 102, 102});
  ASSERT_NE(a.GetHSB(), b.GetHSB());  // the other records differ
  EXPECT_TRUE(SameColor(a, b));

  TColorObject c1, c2;
  c1.SetCMYK({0, 0, 0, 100});
  c2.SetCMYK({60, 60, 60, 40});  // same RGB, different CMYK
  EXPECT_FALSE(SameColor(c1, c2));
  c2.SetCMYK({0, 0, 0, 100});
  EXPECT_TRUE(SameColor(c1, c2));

  TColorObject l1, l2;
  l1.SetLab({50, 1, 0});
  l2.SetLab({50, 0, 0});
  EXPECT_FALSE(SameColor(l1, l2));
}

}  // namespace
}  // namespace tintorium
