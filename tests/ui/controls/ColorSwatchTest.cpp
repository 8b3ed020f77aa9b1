// The swatch control: its picture, its own colour under the pointer, its drag offer and drops on it.
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ColorSwatch.h"

#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace tintorium {
namespace {

TEST(ColorSwatch, DrawsRoundedFrameAroundBaseColour) {
  QWidget parent;
  parent.setStyleSheet(QString());
  TColorSwatch swatch(&parent);
  swatch.resize(40, 30);
  EXPECT_EQ(swatch.BaseColor(), 255u) << "a new swatch is red";
  swatch.SetBaseColor(0x336699);  // RGB (153, 102, 51)
  QImage image(swatch.size(), QImage::Format_RGB32);
  swatch.render(&image);
  EXPECT_EQ(image.pixel(20, 15), qRgb(153, 102, 51));
  EXPECT_EQ(image.pixel(20, 0), qRgb(0, 0, 0)) << "top edge of the frame";
  EXPECT_EQ(image.pixel(39, 15), qRgb(0, 0, 0)) << "right edge of the frame";
  EXPECT_EQ(image.pixel(20, 29), qRgb(0, 0, 0)) << "bottom edge of the frame";
  EXPECT_NE(image.pixel(0, 0), qRgb(153, 102, 51)) << "corner outside the rounding";
  EXPECT_NE(image.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(ColorSwatch, HoverColourIsOwnOnlyInsideTheFrame) {
  TColorSwatch swatch;
  swatch.resize(40, 30);
  swatch.SetBaseColor(0x336699);
  swatch.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&swatch));
  QSignalSpy moves(&swatch, &TCommonColorControl::OnMouseMove);
  QTest::mouseMove(&swatch, QPoint(20, 15));
  ASSERT_GE(moves.count(), 1);
  EXPECT_EQ(swatch.HoverColor(), 0x336699u);
  EXPECT_EQ(swatch.GetHoverColor(), std::optional<TColor>(0x336699u));
  QTest::mouseMove(&swatch, QPoint(20, 0));
  EXPECT_EQ(swatch.HoverColor(), clBlack);
  EXPECT_FALSE(swatch.GetHoverColor()) << "the frame is not the swatch's colour";
}

TEST(ColorSwatch, OffersBaseColourOrItsObject) {
  TColorSwatch swatch;
  swatch.SetBaseColor(0x0000FF);
  TColorDragOffer offer = swatch.ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::Swatch);
  EXPECT_EQ(offer.color, 0x0000FFu);
  EXPECT_FALSE(offer.object);

  TColorObject base;
  base.SetCMYK({10, 20, 30, 40});
  swatch.SetDragObject([&base] { return base; });
  offer = swatch.ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::BaseSwatch);
  ASSERT_TRUE(offer.object);
  EXPECT_TRUE(SameColor(*offer.object, base));
}

TEST(ColorSwatch, DropFromAnotherProgramReachesTheTarget) {
  TColorSwatch swatch;
  swatch.resize(40, 30);
  std::optional<TColorDragOffer> dropped;
  swatch.SetColorDropTarget([](const TColorDragOffer& offer) { return offer.kind == TColorDragKind::Foreign; },
                            [&dropped](const TColorDragOffer& offer) { dropped = offer; });
  EXPECT_TRUE(swatch.acceptDrops());

  // Qt delivers a drop to the widget that accepted the drag's entry.
  QMimeData mime;
  mime.setColorData(QColor(10, 20, 30));
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&swatch, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&swatch, &drop);
  ASSERT_TRUE(dropped);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(dropped->color, RGBValuesToColor({10, 20, 30}));

  // A text that is no colour is refused while it is dragged over the swatch.
  QMimeData words;
  words.setText(QStringLiteral("hello"));
  QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &words, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&swatch, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST(ColorSwatch, ClickWithoutDrag) {
  TColorSwatch swatch;
  swatch.resize(40, 30);
  swatch.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&swatch));
  QSignalSpy clicks(&swatch, &TColorSwatch::OnClick);
  QTest::mouseClick(&swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(&swatch, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace tintorium
