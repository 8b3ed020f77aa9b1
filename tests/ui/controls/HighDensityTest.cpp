// Every custom control family drawn at the screen's pixel density: run by ctest at QT_SCALE_FACTOR 1, 1.25, 1.5
// and 2. Each control's cached picture has as many pixels as the screen shows (no scaled-up image), a thin line of
// it covers whole device pixels in exactly its colour (no blur), and a click at a point given in widget
// coordinates picks the colour drawn there.
#include "ui/actions/MainActions.h"
#include "ui/actions/ActionIcons.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorPickerButton.h"
#include "ui/controls/ColorPopup.h"
#include "ui/controls/ColorSpectrum.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/controls/ColorVariation.h"
#include "ui/controls/ColorWheel.h"
#include "ui/controls/LibTableGeometry.h"
#include "ui/controls/ThemeInk.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <set>

namespace tintorium {
namespace {

qreal ScreenRatio() { return qApp->devicePixelRatio(); }

/// The device pixel under logical `point` of a picture with a device pixel ratio: the centre of that pixel's area.
QRgb At(const QImage& image, QPointF point) {
  const qreal r = image.devicePixelRatio();
  return image.pixel(int((point.x() + 0.5) * r), int((point.y() + 0.5) * r)) | 0xFF000000u;
}

/// The device pixels along row `y` (logical) from logical x0 to x1, as colours.
std::vector<QRgb> Row(const QImage& image, int y, int x0, int x1) {
  const qreal r = image.devicePixelRatio();
  std::vector<QRgb> row;
  const int dy = int((y + 0.5) * r);
  for (int x = int(x0 * r); x < int(x1 * r); ++x) row.push_back(image.pixel(x, dy) | 0xFF000000u);
  return row;
}

/// The device pixels along column `x` (logical) from logical y0 to y1.
std::vector<QRgb> Column(const QImage& image, int x, int y0, int y1) {
  const qreal r = image.devicePixelRatio();
  std::vector<QRgb> column;
  const int dx = int((x + 0.5) * r);
  for (int y = int(y0 * r); y < int(y1 * r); ++y) column.push_back(image.pixel(dx, y) | 0xFF000000u);
  return column;
}

/// Pixels of `line` that are none of `allowed` (a smoothed, scaled-up picture has in-between colours at edges).
int Blended(const std::vector<QRgb>& line, std::initializer_list<QRgb> allowed) {
  const std::set<QRgb> colours(allowed);
  int blended = 0;
  for (QRgb c : line) blended += colours.count(c) == 0 ? 1 : 0;
  return blended;
}

/// The longest run of `colour` in `line`.
int LongestRun(const std::vector<QRgb>& line, QRgb colour) {
  int best = 0;
  int run = 0;
  for (QRgb c : line) {
    run = c == colour ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

/// Device pixels a line one widget pixel wide covers: at least one, and as many as the ratio rounds to.
std::pair<int, int> ThinLineWidths(qreal r) { return {int(std::floor(r)), int(std::ceil(r))}; }

void Show(QWidget& widget) {
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

void ExpectCacheAtScreenDensity(const QImage& image, const QWidget& widget, QSize logical) {
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  EXPECT_EQ(image.size(), DeviceSize(logical, widget.devicePixelRatioF()));
}

TEST(HighDensity, TheScreenHasTheRatioOfTheRun) {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  const qreal expected = factor.isEmpty() ? 1.0 : factor.toDouble();
  EXPECT_DOUBLE_EQ(ScreenRatio(), expected);
}

// --- The colour tables: mixer and spectrum ----------------------------------------------------------------------

TEST(HighDensity, MixerCellsAndSelectionFrameAreSharpAndClicksPickTheirCell) {
  TColorMixer mixer;
  mixer.resize(200, 200);
  mixer.SetSize(10);
  mixer.setFocusPolicy(Qt::NoFocus);  // no dotted focus line beside the frame
  Show(mixer);
  const QImage image = mixer.ShownImage();
  ExpectCacheAtScreenDensity(image, mixer, mixer.size());

  // The selection frame around cell (0, 0): its right side is one widget pixel of black between two cells.
  const QRect cell = mixer.CellRect({0, 0});
  const QRgb left = ToQRgb(mixer.GetCell(0, 0));
  const QRgb right = ToQRgb(mixer.GetCell(1, 0));
  const auto row = Row(image, cell.center().y(), cell.center().x(), cell.right() + cell.width() / 2);
  EXPECT_EQ(Blended(row, {left, right, qRgb(0, 0, 0)}), 0);
  const auto [thin, thick] = ThinLineWidths(image.devicePixelRatio());
  EXPECT_GE(LongestRun(row, qRgb(0, 0, 0)), thin);
  EXPECT_LE(LongestRun(row, qRgb(0, 0, 0)), thick);
  // Between two unselected cells the edge is a step from one colour to the next.
  const QRect lower = mixer.CellRect({3, 5});
  const auto step = Row(image, lower.center().y(), lower.center().x(), lower.center().x() + lower.width());
  EXPECT_EQ(Blended(step, {ToQRgb(mixer.GetCell(3, 5)), ToQRgb(mixer.GetCell(4, 5))}), 0);

  const QPoint target = mixer.CellRect({6, 3}).center();
  QTest::mouseClick(&mixer, Qt::LeftButton, {}, target);
  EXPECT_EQ(mixer.DropColor(), mixer.GetCell(6, 3));
  EXPECT_EQ(mixer.DisplayedColorAt(mixer.CellRect({2, 7}).center()), mixer.GetCell(2, 7));
}

TEST(HighDensity, SpectrumCellsOfThreePixelsStaySeparate) {
  TColorSpectrum spectrum;
  spectrum.resize(258, 258);
  spectrum.SetCurrentColor(TColorObject(RGBValuesToColor({200, 0, 0}), cmRGB));
  Show(spectrum);
  const QImage image = spectrum.ShownImage();
  ExpectCacheAtScreenDensity(image, spectrum, spectrum.size());
  const QRect a = spectrum.CellRect({40, 40});
  const auto row = Row(image, a.center().y(), a.left(), a.left() + 2 * a.width());
  EXPECT_EQ(Blended(row, {ToQRgb(spectrum.GetCell(40, 40)), ToQRgb(spectrum.GetCell(41, 40))}), 0);
  QTest::mouseClick(&spectrum, Qt::LeftButton, {}, spectrum.CellRect({50, 20}).center());
  EXPECT_EQ(spectrum.DropColor(), spectrum.GetCell(50, 20));
}

// --- The wheel ------------------------------------------------------------------------------------------------

TEST(HighDensity, WheelIsDrawnAtDevicePixelsAndAClickPicksTheSegment) {
  TColorWheel wheel;
  wheel.resize(240, 200);
  wheel.SetBaseColor(0x0000FF);
  Show(wheel);
  const QImage image = wheel.ShownImage();
  ExpectCacheAtScreenDensity(image, wheel, wheel.size());
  const TWheelGeometry g = wheel.Geometry();
  for (int i = 0; i < WheelSegmentCount; ++i) {
    const QPoint centre = g.display.topLeft() + WheelPoint(g, SegmentAngle(i) + 8, g.D / 3) / 3;
    EXPECT_EQ(At(image, centre), ToQRgb(wheel.SegmentColor(i))) << "segment " << i;
  }
  // Drawn at the screen's pixels, the ring's curved edges fall between widget pixels too: a picture made at the
  // widget's size and scaled up would change colour only at whole widget pixels.
  if (image.devicePixelRatio() >= 2) {
    int offGrid = 0;
    const int step = int(image.devicePixelRatio());
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 1; x < image.width(); ++x) {
        if (x % step != 0 && image.pixel(x, y) != image.pixel(x - 1, y)) ++offGrid;
      }
    }
    EXPECT_GT(offGrid, 100);
  }
  const QPoint target = g.display.topLeft() + WheelPoint(g, SegmentAngle(4) + 8, g.D / 3) / 3;
  const TColor expected = wheel.SegmentColor(4);
  QTest::mouseClick(&wheel, Qt::LeftButton, {}, target);
  EXPECT_EQ(wheel.BaseColor(), expected);
  EXPECT_TRUE(wheel.PickedByClick());
}

// --- Variation strips and swatches ----------------------------------------------------------------------------

TEST(HighDensity, VariationOutlinesAreOneWidgetPixelAndSwatchesPick) {
  TColorVariation strip;
  strip.resize(300, 64);
  strip.SetBaseColor(RGBValuesToColor({40, 120, 200}));
  strip.SetVariation(vtDark);
  Show(strip);
  const QImage image = strip.ShownImage();
  ExpectCacheAtScreenDensity(image, strip, strip.size());
  const auto rects = TColorVariation::SwatchRects(strip.size(), strip.Size());
  const QRect second = rects[2];
  const QRgb ink = strip.palette().color(QPalette::WindowText).rgb();
  const QRgb background = strip.palette().color(strip.backgroundRole()).rgb();
  // From inside swatch 2 up across its top outline into the background.
  const auto column = Column(image, second.center().x(), 0, second.center().y());
  EXPECT_EQ(Blended(column, {ToQRgb(strip.Swatches()[2]), ink, background}), 0);
  const auto [thin, thick] = ThinLineWidths(image.devicePixelRatio());
  EXPECT_GE(LongestRun(column, ink), thin);
  EXPECT_LE(LongestRun(column, ink), thick);
  for (std::size_t i = 0; i < rects.size(); ++i)
    EXPECT_EQ(strip.DisplayedColorAt(rects[i].center()), strip.Swatches()[i]) << i;
  QTest::mousePress(&strip, Qt::LeftButton, {}, rects[3].center());
  EXPECT_EQ(strip.HoverColor(), strip.Swatches()[3]);
  QTest::mouseRelease(&strip, Qt::LeftButton, {}, rects[3].center());
}

TEST(HighDensity, SwatchFrameIsSharpAndTheSwatchShowsItsColour) {
  QWidget parent;
  parent.resize(80, 60);
  auto* swatch = new TColorSwatch(&parent);
  swatch->setGeometry(10, 10, 40, 30);
  swatch->SetBaseColor(RGBValuesToColor({153, 102, 51}));
  Show(parent);
  const QImage image = swatch->ShownImage();
  ExpectCacheAtScreenDensity(image, *swatch, swatch->size());
  const auto column = Column(image, 20, 0, 15);
  EXPECT_EQ(Blended(column, {qRgb(153, 102, 51), qRgb(0, 0, 0)}), 0);
  const auto [thin, thick] = ThinLineWidths(image.devicePixelRatio());
  EXPECT_GE(LongestRun(column, qRgb(0, 0, 0)), thin);
  EXPECT_LE(LongestRun(column, qRgb(0, 0, 0)), thick);
  EXPECT_EQ(swatch->DisplayedColorAt({20, 15}), RGBValuesToColor({153, 102, 51}));
  QTest::mouseMove(swatch, {20, 15});
  EXPECT_EQ(swatch->HoverColor(), RGBValuesToColor({153, 102, 51}));
}

// --- The library swatch table ---------------------------------------------------------------------------------

TEST(HighDensity, LibraryTableGridLinesAreSharpAndAClickSelectsTheCell) {
  TColorLibTable table;
  table.resize(200, 120);
  table.SetCellStyle(csCorel);
  table.SetColors({"FF0000", "00FF00", "0000FF", "FFFF00", "00FFFF", "FF00FF", "808080", "000080"});
  Show(table);
  const QImage image = table.DisplayImage();
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  const QRect first = LibTableCellRect(0, table.TopIndex(), table.Columns(), table.CellSize());
  const auto row = Row(image, first.center().y(), first.center().x(), first.center().x() + first.width());
  EXPECT_EQ(Blended(row, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 0)}), 0);
  const auto [thin, thick] = ThinLineWidths(image.devicePixelRatio());
  EXPECT_GE(LongestRun(row, qRgb(0, 0, 0)), thin);
  EXPECT_LE(LongestRun(row, qRgb(0, 0, 0)), thick);
  const QRect third = LibTableCellRect(2, table.TopIndex(), table.Columns(), table.CellSize());
  QTest::mouseClick(&table, Qt::LeftButton, {}, third.center());
  EXPECT_EQ(table.SelectedCell(), 2);
  EXPECT_EQ(At(table.DisplayImage(), third.center()), qRgb(0, 0, 255));
}

// --- The picker button's popup --------------------------------------------------------------------------------

TEST(HighDensity, PickerPopupCellsAreSharpAndAClickChoosesTheirColour) {
  TColorPickerButton button;
  button.resize(60, 26);
  Show(button);
  button.SetDroppedDown(true);
  TColorPopup* popup = button.Popup();
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  const QImage image = popup->grab().toImage();
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  const QRect cell = popup->CellRect(9);
  const QRgb colour = ToQRgb(TColorPopup::CellColor(9));
  EXPECT_EQ(At(image, cell.center()), colour);
  // The grey frame around the colour is one widget pixel wide at any density.
  const auto row = Row(image, cell.center().y(), cell.center().x(), cell.right() + 1);
  EXPECT_EQ(Blended(row, {colour, qRgb(128, 128, 128), popup->palette().color(QPalette::Button).rgb()}), 0);
  QTest::mouseClick(popup, Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(button.SelectionColor(), TColorPopup::CellColor(9));
}

// --- Icons ----------------------------------------------------------------------------------------------------

TEST(HighDensity, ToolbarIconsAreDrawnAtTheScreensPixels) {
  TMainActions actions;
  SetActionIcons(actions);
  const QIcon icon = actions.actFileSave->icon();
  const QPixmap pixmap = icon.pixmap(QSize(16, 16), ScreenRatio());
  EXPECT_EQ(pixmap.size(), DeviceSize({16, 16}, ScreenRatio()));
  // Painted through QIcon::paint, as styles and delegates do, onto a dense surface: drawn at that density.
  QImage target = DeviceImage({16, 16}, ScreenRatio());
  target.fill(Qt::white);
  QImage once = target;
  {
    QPainter painter(&target);
    icon.paint(&painter, QRect(0, 0, 16, 16));
  }
  {
    QPainter painter(&once);
    painter.drawPixmap(QRect(0, 0, 16, 16), pixmap);
  }
  EXPECT_EQ(target, once);
}

}  // namespace
}  // namespace tintorium
