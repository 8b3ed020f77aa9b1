// The variation strip: its picture, hit testing by displayed colour, the right press and the drag source.
#include "ui/controls/ColorVariation.h"
#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

constexpr TColor kRed = 0x0000FF;

std::unique_ptr<TColorVariation> MakeStrip(TVariationType type, int size, QSize widget = {400, 53}) {
  auto strip = std::make_unique<TColorVariation>();
  QPalette white = strip->palette();
  white.setColor(strip->backgroundRole(), Qt::white);
  strip->setPalette(white);
  strip->resize(widget);
  strip->SetVariation(type);
  strip->SetSize(size);
  strip->SetBaseColor(kRed);
  return strip;
}

QImage Rendered(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image);
  return image;
}

void SendMove(QWidget& widget, QPoint pos, Qt::MouseButtons buttons) {
  QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

TEST(ColorVariation, DrawsEverySwatchWhereTheGeometrySaysOnWhite) {
  for (const int size : {1, 2, 8, 48}) {
    auto strip = MakeStrip(vtDark, size);
    const QImage image = Rendered(*strip);
    const std::vector<QRect> rects = TColorVariation::SwatchRects(strip->size(), size);
    ASSERT_EQ(rects.size(), std::size_t(size));
    for (int i = 0; i < size; ++i) {
      const QRect r = rects[std::size_t(i)];
      EXPECT_EQ(image.pixel(r.center()), ToQRgb(strip->Swatches()[std::size_t(i)])) << size << " swatch " << i;
      EXPECT_EQ(image.pixel(r.topLeft()), qRgb(0, 0, 0)) << size << " outline of " << i;
      EXPECT_EQ(image.pixel(r.bottomRight()), qRgb(0, 0, 0)) << size << " outline of " << i;
    }
    EXPECT_EQ(image.pixel(strip->width() - 2, 1), qRgb(255, 255, 255)) << "background";
    EXPECT_EQ(image.pixel(strip->width() - 4, strip->height() / 2), qRgb(0, 0, 0)) << "the middle line";
  }
}

TEST(ColorVariation, SwatchSideFollowsWidthAndHeight) {
  EXPECT_EQ(TColorVariation::SwatchSide({256, 64}, 5), 47);   // min(250 / 5, 61) - 3
  EXPECT_EQ(TColorVariation::SwatchSide({406, 53}, 8), 47);   // min(50, 50) - 3
  EXPECT_EQ(TColorVariation::SwatchSide({1000, 53}, 2), 47);  // the height limits
  EXPECT_EQ(TColorVariation::SwatchSide({400, 53}, 0), 0);
}

TEST(ColorVariation, SwatchColorClampsItsIndexAndEmptyStripHasNone) {
  auto strip = MakeStrip(vtDark, 3);
  EXPECT_EQ(strip->SwatchColor(-4), strip->Swatches().front());
  EXPECT_EQ(strip->SwatchColor(99), strip->Swatches().back());
  strip->SetSize(0);
  EXPECT_FALSE(strip->SwatchColor(0));
  EXPECT_EQ(Rendered(*strip).pixel(strip->width() / 2, 1), qRgb(255, 255, 255));
}

TEST(ColorVariation, HoverOverSwatchIsOwnColourOverBackgroundIsNot) {
  auto strip = MakeStrip(vtDesaturate, 6);
  strip->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
  const std::vector<QRect> rects = TColorVariation::SwatchRects(strip->size(), 6);
  QSignalSpy moves(strip.get(), &TCommonColorControl::OnMouseMove);
  SendMove(*strip, rects[4].center(), Qt::NoButton);
  EXPECT_EQ(strip->GetHoverColor(), strip->Swatches()[4]);
  SendMove(*strip, QPoint(strip->width() - 2, 2), Qt::NoButton);
  EXPECT_EQ(strip->HoverColor(), 0xFFFFFFu);
  EXPECT_FALSE(strip->GetHoverColor()) << "white is no swatch of this strip";
  EXPECT_EQ(moves.count(), 2);
  // With white among the swatches the background counts as one of them.
  strip->SetBaseColor(0xFFFFFF);
  SendMove(*strip, QPoint(strip->width() - 2, 2), Qt::NoButton);
  EXPECT_EQ(strip->GetHoverColor(), 0xFFFFFFu);
}

TEST(ColorVariation, HeldMoveOverSwatchOffersItForDragging) {
  auto strip = MakeStrip(vtCool, 8);
  strip->SetResultModel(cmHSB);
  strip->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
  const std::vector<QRect> rects = TColorVariation::SwatchRects(strip->size(), 8);
  // A move without the button held starts nothing.
  SendMove(*strip, rects[3].center(), Qt::NoButton);
  EXPECT_EQ(strip->DropColor(), clNone);
  // Over the frame the colour is no own colour: still nothing.
  SendMove(*strip, rects[3].topLeft(), Qt::LeftButton);
  EXPECT_EQ(strip->DropColor(), clNone);
  // Offscreen there is no drag and drop, so QDrag::exec returns at once; the offer is what a target reads.
  SendMove(*strip, rects[3].center(), Qt::LeftButton);
  EXPECT_EQ(strip->DropColor(), strip->Swatches()[3]);
  const TColorDragOffer offer = strip->ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::Variation);
  EXPECT_EQ(offer.color, strip->Swatches()[3]);
  EXPECT_EQ(offer.model, cmHSB);
  const auto drop = ColorDrag::BaseSwatchDrop(offer);
  ASSERT_TRUE(drop);
  EXPECT_EQ(drop->color.Model(), cmHSB);
  EXPECT_EQ(drop->color.GetColor(), strip->Swatches()[3]);
  EXPECT_FALSE(ColorDrag::MixerCornerAccepts(offer.kind));
}

TEST(ColorVariation, PressReportsItsButton) {
  auto strip = MakeStrip(vtWarm, 4);
  strip->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(strip.get()));
  QSignalSpy downs(strip.get(), &TColorVariation::OnMouseDown);
  QTest::mousePress(strip.get(), Qt::RightButton, Qt::NoModifier, QPoint(10, 20));
  ASSERT_EQ(downs.count(), 1);
  EXPECT_EQ(downs[0][0].value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(downs[0][1].toPoint(), QPoint(10, 20));
}

}  // namespace
}  // namespace tintorium
