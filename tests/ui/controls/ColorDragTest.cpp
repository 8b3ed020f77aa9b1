// The colour drag convention: mime data for other programs, and what each target makes of each source.
#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorSwatch.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QMimeData>
#include <QWidget>

#include <memory>
#include <string>

namespace tintorium {
namespace {

using Kind = TColorDragKind;

constexpr TColor Orange = 0x0088FF;  // RGB (255, 136, 0)

std::u16string U16(const char* text) {
  const std::string s(text);
  return std::u16string(s.begin(), s.end());
}

TEST(ColorDragMime, CarriesColourAndHashText) {
  const std::unique_ptr<QMimeData> mime(ColorDrag::NewMimeData(Orange));
  EXPECT_TRUE(mime->hasFormat(QString::fromLatin1(ColorDrag::ColorMimeType)));
  EXPECT_EQ(qvariant_cast<QColor>(mime->colorData()), QColor(255, 136, 0));
  EXPECT_EQ(mime->text(), QStringLiteral("#FF8800"));
  EXPECT_EQ(ColorDrag::ColorFromMimeData(mime.get()), Orange);
}

struct TextCase {
  const char* text;
  std::optional<TColor> color;
};

class ColorDragText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ColorDragText, ReadsOnlyColourTexts) {
  QMimeData mime;
  mime.setText(QString::fromLatin1(GetParam().text));
  EXPECT_EQ(ColorDrag::ColorFromMimeData(&mime), GetParam().color) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ColorDragText,
                         ::testing::Values(TextCase{"#FF8800", Orange}, TextCase{"ff8800", Orange},
                                           TextCase{"  #ff8800\n", Orange}, TextCase{"#F80", Orange},
                                           TextCase{"F80", std::nullopt}, TextCase{"#FF88", std::nullopt},
                                           TextCase{"#FF88001", std::nullopt}, TextCase{"red", std::nullopt},
                                           TextCase{"#GG8800", std::nullopt}, TextCase{"", std::nullopt}));

TEST(ColorDragMime, NoMimeOrNoColourGivesNothing) {
  EXPECT_FALSE(ColorDrag::ColorFromMimeData(nullptr));
  QMimeData mime;
  mime.setData(QStringLiteral("application/octet-stream"), "abc");
  EXPECT_FALSE(ColorDrag::ColorFromMimeData(&mime));
}

TEST(ColorDragOfferFromDrop, ForeignWidgetAndColourSource) {
  QMimeData mime;
  mime.setText(QStringLiteral("#FF8800"));
  const std::optional<TColorDragOffer> foreign = ColorDrag::OfferFromDrop(nullptr, &mime);
  ASSERT_TRUE(foreign);
  EXPECT_EQ(foreign->kind, Kind::Foreign);
  EXPECT_EQ(foreign->color, Orange);

  // One of our widgets that is no colour source is refused, even with colour text in the drag.
  QWidget plain;
  EXPECT_FALSE(ColorDrag::OfferFromDrop(&plain, &mime));

  // A colour source answers for itself, whatever the mime data says.
  TColorSwatch swatch;
  swatch.SetBaseColor(0x00FF00);
  const std::optional<TColorDragOffer> own = ColorDrag::OfferFromDrop(&swatch, &mime);
  ASSERT_TRUE(own);
  EXPECT_EQ(own->kind, Kind::Swatch);
  EXPECT_EQ(own->color, 0x00FF00u);
}

// Which targets accept a kind while it is dragged over them.
struct AcceptCase {
  Kind kind;
  bool base, palette, mixer;
};

class ColorDragAccepts : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(ColorDragAccepts, ByKind) {
  const AcceptCase& c = GetParam();
  EXPECT_EQ(ColorDrag::BaseSwatchAccepts(c.kind), c.base);
  EXPECT_EQ(ColorDrag::PaletteListAccepts(c.kind), c.palette);
  EXPECT_EQ(ColorDrag::MixerCornerAccepts(c.kind), c.mixer);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ColorDragAccepts,
                         ::testing::Values(AcceptCase{Kind::Wheel, true, true, false},
                                           AcceptCase{Kind::Variation, true, true, false},
                                           AcceptCase{Kind::Mixer, true, false, false},
                                           AcceptCase{Kind::Swatch, false, true, true},
                                           AcceptCase{Kind::BaseSwatch, false, true, true},
                                           AcceptCase{Kind::List, true, true, true},
                                           AcceptCase{Kind::HistoryList, true, true, true},
                                           AcceptCase{Kind::LibTable, true, true, true},
                                           AcceptCase{Kind::Shape, true, true, true},
                                           AcceptCase{Kind::Foreign, true, true, true}));

TColorDragOffer Offer(Kind kind, TColor color, TColorModel model) { return {kind, color, model, std::nullopt}; }

TColorDragOffer ListOffer(Kind kind, const TColorObject& color, const char* name) {
  return {kind, color.GetColor(), color.Model(), TColorObjectFx(color, U16(name))};
}

TEST(ColorDragBaseSwatch, ToolColoursTakeTheirPageModel) {
  for (Kind kind : {Kind::Wheel, Kind::Variation, Kind::Mixer}) {
    const auto drop = ColorDrag::BaseSwatchDrop(Offer(kind, Orange, cmHSB));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->color.Model(), cmHSB);
    EXPECT_EQ(drop->color.GetColor(), Orange);
    EXPECT_FALSE(drop->fromHistory);
  }
  for (Kind kind : {Kind::LibTable, Kind::Shape, Kind::Foreign}) {
    const auto drop = ColorDrag::BaseSwatchDrop(Offer(kind, Orange, cmLAB));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->color.Model(), cmRGB) << "a library, shape or foreign colour is RGB";
    EXPECT_EQ(drop->color.GetRGB(), (TRGBValues{255, 136, 0}));
  }
}

TEST(ColorDragBaseSwatch, ListEntriesKeepTheirOwnModelAndOnlyHistoryIsFromHistory) {
  TColorObject lab;
  lab.SetLab({50, 20, -30});
  const auto palette = ColorDrag::BaseSwatchDrop(ListOffer(Kind::List, lab, "mine"));
  ASSERT_TRUE(palette);
  EXPECT_TRUE(SameColor(palette->color, lab));
  EXPECT_FALSE(palette->fromHistory);
  const auto history = ColorDrag::BaseSwatchDrop(ListOffer(Kind::HistoryList, lab, "old"));
  ASSERT_TRUE(history);
  EXPECT_TRUE(history->fromHistory);
  // A list without a selection offers nothing: the drop does nothing.
  EXPECT_FALSE(ColorDrag::BaseSwatchDrop(Offer(Kind::List, clNone, cmRGB)));
  EXPECT_FALSE(ColorDrag::BaseSwatchDrop(Offer(Kind::Swatch, Orange, cmRGB)));
  EXPECT_FALSE(ColorDrag::BaseSwatchDrop(ListOffer(Kind::BaseSwatch, lab, "")));
}

TEST(ColorDragPaletteList, NewEntries) {
  const auto wheel = ColorDrag::PaletteListDrop(Offer(Kind::Wheel, Orange, cmCMYK));
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->Model(), cmCMYK);
  EXPECT_EQ(wheel->GetColor(), TColorObject(Orange, cmCMYK).GetColor());
  EXPECT_EQ(wheel->Name(), U16(wheel->HexText().c_str())) << "named by the new object's own hexadecimal text";

  for (Kind kind : {Kind::Swatch, Kind::LibTable, Kind::Shape, Kind::Foreign}) {
    const auto entry = ColorDrag::PaletteListDrop(Offer(kind, Orange, cmHSB));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Model(), cmRGB);
    EXPECT_EQ(entry->Name(), U16("FF8800"));
  }

  // The base swatch gives the base colour object itself: its own model and values.
  TColorObject base;
  base.SetHSB({30, 100, 100});
  const auto fromBase = ColorDrag::PaletteListDrop(ListOffer(Kind::BaseSwatch, base, "ignored"));
  ASSERT_TRUE(fromBase);
  EXPECT_TRUE(SameColor(*fromBase, base));
  EXPECT_EQ(fromBase->Name(), U16(base.HexText().c_str()));

  // A list entry arrives as an exact copy with the item's text.
  const auto fromList = ColorDrag::PaletteListDrop(ListOffer(Kind::HistoryList, base, "Sunset"));
  ASSERT_TRUE(fromList);
  EXPECT_TRUE(SameColor(*fromList, base));
  EXPECT_EQ(fromList->Name(), U16("Sunset"));

  EXPECT_FALSE(ColorDrag::PaletteListDrop(Offer(Kind::Mixer, Orange, cmRGB)));
  EXPECT_FALSE(ColorDrag::PaletteListDrop(Offer(Kind::List, clNone, cmRGB)));
}

TEST(ColorDragMixerCorner, TakesPlainColours) {
  TColorObject base;
  base.SetRGB({1, 2, 3});
  EXPECT_EQ(ColorDrag::MixerCornerDrop(ListOffer(Kind::BaseSwatch, base, "")), base.GetColor());
  EXPECT_EQ(ColorDrag::MixerCornerDrop(ListOffer(Kind::List, base, "x")), base.GetColor());
  EXPECT_EQ(ColorDrag::MixerCornerDrop(Offer(Kind::LibTable, Orange, cmRGB)), Orange);
  EXPECT_FALSE(ColorDrag::MixerCornerDrop(Offer(Kind::Wheel, Orange, cmRGB)));
  EXPECT_FALSE(ColorDrag::MixerCornerDrop(Offer(Kind::List, clNone, cmRGB)));
}

}  // namespace
}  // namespace tintorium
