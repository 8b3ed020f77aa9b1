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
#include "engine/formats/ContrastTable.h"
#include "ui/tools/ContrastMarks.h"
#include "ui/tools/ContrastMatrixView.h"
#include "ui/tools/ContrastPreview.h"
#include "ui/tools/PictureOpenDialog.h"
#include "ui/tools/ScaleCurves.h"
#include "ui/tools/ScaleGeometry.h"
#include "ui/tools/ScaleSwatchRow.h"
#include "ui/wizards/ImportWizard.h"
#include "ui/wizards/WizardPicture.h"
#include "ui/workspace/ColorBar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
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

/// Colour changes between neighbouring device pixels inside one widget pixel, along the rows of `image` (ratio 2
/// or more): a picture made at the widget's size and scaled up has none, one drawn at the device pixels has them
/// wherever an edge or a letter does not fall on the widget's grid.
int OffGridSteps(const QImage& image) {
  int steps = 0;
  const int step = int(image.devicePixelRatio());
  if (step < 2) return 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 1; x < image.width(); ++x) {
      if (x % step != 0 && image.pixel(x, y) != image.pixel(x - 1, y)) ++steps;
    }
  }
  return steps;
}

/// At ratio 2 or more, more than `least` OffGridSteps in `image`; at lower ratios nothing to tell.
::testing::AssertionResult DeviceDetail(const QImage& image, int least) {
  const int steps = OffGridSteps(image);
  if (image.devicePixelRatio() < 2 || steps > least) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << steps << " steps inside widget pixels, expected more than " << least;
}

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
  EXPECT_TRUE(DeviceDetail(image, 100));
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

// --- The base colour's channel sliders ------------------------------------------------------------------------

/// Presses and releases the left button at logical `point` (between widget pixels too), as a pointer on a dense
/// screen can.
void ClickAt(QWidget& widget, QPointF point) {
  const QPointF global = widget.mapToGlobal(point);
  QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
}

TEST(HighDensity, ChannelSliderGradientHasAColumnPerDevicePixelAndAPointerPicksTheColourUnderIt) {
  // Red from 0 to 255 over 120 widget pixels: at any of the ratios there are fewer device columns than values,
  // so every device column shows a value of its own and the red of a pixel names the value drawn there.
  TColorBar bar(cmRGB, 1);
  bar.resize(132, 22);
  Show(bar);
  const qreal r = ScreenRatio();
  const QRect area = ColorBarGeometry::GradientRect(bar.size());
  const QImage shown = bar.ShownGradient();
  EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), r);
  EXPECT_EQ(shown.height(), DeviceSize(area.size(), r).height());
  EXPECT_LE(std::abs(shown.width() - area.width() * r), 1.0) << "the rectangle's width in device pixels";
  for (int x = 1; x < shown.width(); ++x)
    ASSERT_GT(qRed(shown.pixel(x, 0)), qRed(shown.pixel(x - 1, 0))) << "device column " << x;
  EXPECT_LE(qRed(shown.pixel(0, 0)), 2) << "the first device column lies at most a pixel right of the start";
  EXPECT_GT(qRed(shown.pixel(shown.width() - 1, 0)), 250);

  // On the screen too, between the frame's sides, no device column repeats its neighbour.
  const QImage screen = bar.grab().toImage();
  const int y = int(5 * r);
  const int first = int(std::ceil((area.left() + 1) * r));
  const int last = int(std::floor(area.right() * r)) - 1;
  for (int x = first + 1; x <= last; ++x)
    ASSERT_GT(qRed(screen.pixel(x, y)), qRed(screen.pixel(x - 1, y))) << "screen column " << x;

  // A pointer on any device column picks the value drawn on that column.
  const int stepsPerPixel = int(std::ceil(r));
  for (int x = area.left() + 1; x < area.right(); ++x) {
    for (int k = 0; k < stepsPerPixel; ++k) {
      const qreal at = x + k / r;
      const int column = int(std::floor(at * r + 1e-6));
      ClickAt(bar, QPointF(at, 5));
      ASSERT_EQ(bar.Value1(), qRed(screen.pixel(column, y))) << "pointer at " << at;
    }
  }

  // Another channel changes the colours; the gradient on screen follows.
  bar.SetValue3(200);
  EXPECT_EQ(qBlue(bar.ShownGradient().pixel(0, 0)), 200);
  bar.resize(200, 22);
  EXPECT_LE(std::abs(bar.ShownGradient().width() - ColorBarGeometry::GradientRect(bar.size()).width() * r), 1.0);
}

// --- The contrast table and the contrast analyser's preview -----------------------------------------------------

TEST(HighDensity, ContrastTableIsDrawnAtDevicePixelsAndADoubleClickOpensThePairUnderIt) {
  TContrastMatrixView view;
  view.resize(460, 320);
  view.SetTable(MakeContrastTable({{QStringLiteral("Ink"), RGBValuesToColor({20, 30, 60})},
                                   {QStringLiteral("Paper"), RGBValuesToColor({250, 245, 230})},
                                   {QStringLiteral("Signal"), RGBValuesToColor({200, 40, 40})}}));
  Show(view);
  const QImage& image = view.Rendering();
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  EXPECT_EQ(image.size(), DeviceSize(view.viewport()->size(), ScreenRatio()));
  EXPECT_TRUE(DeviceDetail(image, 200)) << "figures and names at device pixels";
  // Text colour "Paper" on background "Ink": the cell is filled with the background.
  const QPoint centre = view.CellCenter({1, 0});
  const QRect cell = ContrastCellRect(view.Layout(), {1, 0}, view.Offset());
  EXPECT_EQ(At(view.Rendering(), cell.bottomLeft() + QPoint(2, -2)), qRgb(20, 30, 60));
  QSignalSpy activated(&view, &TContrastMatrixView::PairActivated);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centre);
  ASSERT_EQ(activated.count(), 1);
  EXPECT_EQ(activated.first().value(0).toInt(), 1);
  EXPECT_EQ(activated.first().value(1).toInt(), 0);
}

TEST(HighDensity, ContrastPreviewLettersAreDrawnAtDevicePixels) {
  TContrastPreview preview("shViewBack", {{"lblSample", "Lorem ipsum", 15, true}});
  preview.resize(200, 60);
  preview.SetColors(clBlack, clWhite);
  Show(preview);
  const QImage image = preview.grab().toImage();
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  EXPECT_EQ(image.size(), DeviceSize(preview.size(), ScreenRatio()));
  EXPECT_TRUE(DeviceDetail(image, 40));
}

// --- The scales page ------------------------------------------------------------------------------------------

TTonalScale SampleScale() { return MakeTonalScale(RGBValuesToColor({40, 110, 190})); }

TEST(HighDensity, ScaleSwatchesAreDrawnAtDevicePixelsAndPointToTheirColour) {
  const TTonalScale scale = SampleScale();
  ASSERT_TRUE(scale.Ok());
  TScaleSwatchRow row;
  row.SetScale(scale.Swatches, {});
  row.resize(row.sizeHint());
  Show(row);
  const QImage image = row.ShownImage();
  ExpectCacheAtScreenDensity(image, row, row.size());
  EXPECT_TRUE(DeviceDetail(image, 200)) << "figures and names at device pixels";
  const int count = int(scale.Swatches.size());
  for (int i = 0; i < count; ++i) {
    const QRect rect = ScaleSwatchRect(row.size(), count, i);
    const QPoint block(rect.center().x(), rect.top() + 2);
    EXPECT_EQ(row.DisplayedColorAt(block), scale.Swatches[std::size_t(i)].Color) << i;
    QTest::mouseMove(&row, block);
    EXPECT_EQ(row.HoverColor(), scale.Swatches[std::size_t(i)].Color) << i;
  }
}

TEST(HighDensity, ScaleCurvesAreDrawnAtDevicePixelsAndAPressTakesTheAimUnderIt) {
  const TTonalScale scale = SampleScale();
  ASSERT_TRUE(scale.Ok());
  std::vector<double> aims;
  for (const TScaleSwatch& swatch : scale.Swatches) aims.push_back(swatch.AimLightness);
  TScaleCurves curves;
  curves.SetScale(scale.Swatches, aims);
  curves.resize(420, 300);
  Show(curves);
  const QImage image = curves.grab().toImage();
  EXPECT_DOUBLE_EQ(image.devicePixelRatio(), ScreenRatio());
  EXPECT_TRUE(DeviceDetail(image, 200)) << "curves and points at device pixels";
  for (int i : {0, int(aims.size()) / 2, int(aims.size()) - 1}) {
    const QPoint grip = curves.AimPoint(i).toPoint();
    QTest::mousePress(&curves, Qt::LeftButton, {}, grip);
    EXPECT_EQ(curves.DraggedStep(), i);
    QTest::mouseRelease(&curves, Qt::LeftButton, {}, grip);
  }
}

// --- Pictures made before their widget is on a screen -----------------------------------------------------------

TEST(HighDensity, WizardPicturesMarksAndDrawnIconsAreMadeAtTheScreensPixels) {
  EXPECT_DOUBLE_EQ(PictureRatio(), ScreenRatio());
  for (const TWizardKind kind : {TWizardKind::Import, TWizardKind::Export}) {
    const QPixmap picture = WizardPicture(kind, PictureRatio());
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), ScreenRatio());
    EXPECT_EQ(picture.size(), DeviceSize({112, 340}, ScreenRatio()));
    EXPECT_TRUE(DeviceDetail(picture.toImage(), 50));
  }
  TImportForm wizard;
  const auto* image = wizard.findChild<QLabel*>(QStringLiteral("imgWizard"));
  ASSERT_NE(image, nullptr);
  EXPECT_DOUBLE_EQ(image->pixmap().devicePixelRatio(), ScreenRatio());
  EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), QSize(112, 340)) << "shown at its logical size";

  for (const TContrastMark mark : {TContrastMark::Fail, TContrastMark::Pass, TContrastMark::Partial}) {
    const QImage drawn = ContrastMarkImage(mark, PictureRatio());
    EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), ScreenRatio());
    EXPECT_EQ(drawn.size(), DeviceSize({ContrastMarkSize, ContrastMarkSize}, ScreenRatio()));
  }

  // The status bar's and a drag's swatch: a frame of whole device pixels, one widget pixel wide, corners included.
  const QImage framed = FramedSwatchPixmap({16, 16}, PictureRatio(), Qt::red, Qt::black).toImage();
  EXPECT_EQ(framed.size(), DeviceSize({16, 16}, ScreenRatio()));
  const int line = std::max(1, int(std::lround(ScreenRatio())));
  for (const QPoint corner : {QPoint(0, 0), QPoint(framed.width() - 1, framed.height() - 1)})
    EXPECT_EQ(framed.pixel(corner) | 0xFF000000u, qRgb(0, 0, 0));
  const std::vector<QRgb> across = Row(framed, 8, 0, 16);
  EXPECT_EQ(Blended(across, {qRgb(255, 0, 0), qRgb(0, 0, 0)}), 0);
  EXPECT_EQ(LongestRun(across, qRgb(0, 0, 0)), line);

  // A drawn icon has a picture of each screen's own pixels: painted on a dense surface it is not scaled.
  const QIcon icon = DrawnIcon({16, 16}, [](QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  });
  const QPixmap pixmap = icon.pixmap(QSize(16, 16), ScreenRatio());
  EXPECT_EQ(pixmap.size(), DeviceSize({16, 16}, ScreenRatio()));
}

TEST(HighDensity, PicturePreviewHasTheScreensPixelsAtTheSizeItHadAtScaleOne) {
  QTemporaryDir dir;
  QImage large(600, 400, QImage::Format_RGB32);
  for (int y = 0; y < large.height(); ++y)
    for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, qRgb(x * 255 / 599, y * 255 / 399, (x ^ y) & 0xFF));
  ASSERT_TRUE(large.save(dir.filePath(QStringLiteral("large.png"))));
  QImage small(40, 30, QImage::Format_RGB32);
  small.fill(qRgb(10, 200, 90));
  ASSERT_TRUE(small.save(dir.filePath(QStringLiteral("small.png"))));

  TPictureOpenDialog dialog(nullptr, QStringLiteral("Open"), dir.path());
  const int side = TPictureOpenDialog::PreviewSide - 4;
  dialog.ShowPreview(dir.filePath(QStringLiteral("large.png")));
  QPixmap shown = dialog.Preview()->pixmap();
  EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ScreenRatio());
  EXPECT_NEAR(shown.deviceIndependentSize().width(), side, 0.5);
  EXPECT_NEAR(shown.deviceIndependentSize().height(), side * 2.0 / 3, 1.0);
  EXPECT_EQ(shown.width(), DeviceSize(QSize(side, 1), ScreenRatio()).width()) << "a pixel per device pixel";
  // A picture smaller than the preview keeps its size on the label, as at scale 1.
  dialog.ShowPreview(dir.filePath(QStringLiteral("small.png")));
  shown = dialog.Preview()->pixmap();
  EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(40, 30));
}

}  // namespace
}  // namespace tintorium
