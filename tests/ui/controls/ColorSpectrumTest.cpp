// The colour table through the spectrum: geometry, picture, mouse and keys, and the OnChange rule.
#include "ui/controls/ColorSpectrum.h"
#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

std::unique_ptr<TColorSpectrum> MakeSpectrum(int size, QSize widget) {
  auto spectrum = std::make_unique<TColorSpectrum>();
  spectrum->resize(widget);
  spectrum->SetSize(size);
  TColorObject base;
  base.SetRGB({200, 30, 90});
  spectrum->SetCurrentColor(base);
  return spectrum;
}

QPoint CellCentre(const TColorSpectrum& s, int column, int row) {
  const TTableGeometry g = TColorTable::Geometry(s.size(), s.Size());
  return QPoint(g.left, g.top) + QPoint(column * g.cellSide + g.cellSide / 2, row * g.cellSide + g.cellSide / 2);
}

TEST(ColorTable, GeometryAndCellAt) {
  const TTableGeometry g = TColorTable::Geometry({300, 200}, 7);
  EXPECT_EQ(g, (TTableGeometry{28, 196, 52, 2}));
  const struct {
    QPoint point;
    QPoint cell;
  } cases[] = {
      {{52, 2}, {0, 0}},    {{79, 29}, {0, 0}},     {{80, 30}, {1, 1}},   {{299, 100}, {6, 3}},  // right of the grid
      {{0, 0}, {0, 0}},     {{-50, 500}, {0, 6}},   {{248, 198}, {6, 6}}, {{247, 197}, {6, 6}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TColorTable::CellAt(g, 7, c.point), c.cell) << c.point.x() << "," << c.point.y();
}

TEST(ColorSpectrum, DrawsEachCellInItsSquare) {
  auto spectrum = MakeSpectrum(101, {303, 303});
  QImage image(spectrum->size(), QImage::Format_RGB32);
  spectrum->render(&image);
  EXPECT_EQ(image.pixel(CellCentre(*spectrum, 50, 0)), qRgb(200, 127, 0));
  EXPECT_EQ(image.pixel(CellCentre(*spectrum, 100, 100)), qRgb(200, 255, 255));
  EXPECT_EQ(image.pixel(CellCentre(*spectrum, 0, 50)), qRgb(200, 0, 127));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "the selection frame around cell (0, 0)";
  EXPECT_EQ(spectrum->SelectedColor(), RGBValuesToColor({200, 0, 0}));
  EXPECT_TRUE(spectrum->IsOwnColor(RGBValuesToColor({200, 127, 0})));
  EXPECT_FALSE(spectrum->IsOwnColor(RGBValuesToColor({201, 127, 0})));
  EXPECT_EQ(spectrum->GetCell(101, 0), 0u);
}

TEST(ColorSpectrum, TypeChangeFiresOnChangeWithoutUserSelection) {
  auto spectrum = MakeSpectrum(11, {121, 121});
  spectrum->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(spectrum.get()));
  QSignalSpy changes(spectrum.get(), &TColorTable::OnChange);
  spectrum->SetModel(cmHSB);
  spectrum->SetActiveValue(2);
  spectrum->repaint();
  EXPECT_EQ(changes.count(), 1) << "one paint, one change";
  EXPECT_FALSE(spectrum->UserSelected());
  QImage image(spectrum->size(), QImage::Format_RGB32);
  spectrum->render(&image);
  // Saturation based: the right column (hue 360) looks like the left one (hue 0).
  EXPECT_EQ(image.pixel(CellCentre(*spectrum, 10, 5)), image.pixel(CellCentre(*spectrum, 0, 5)));
}

TEST(ColorSpectrum, ReleasePicksAndArrowKeysMoveClamped) {
  auto spectrum = MakeSpectrum(5, {100, 100});
  spectrum->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(spectrum.get()));
  QSignalSpy changes(spectrum.get(), &TColorTable::OnChange);
  spectrum->repaint();
  changes.clear();

  QTest::mouseClick(spectrum.get(), Qt::LeftButton, Qt::NoModifier, QPoint(99, CellCentre(*spectrum, 0, 2).y()));
  spectrum->repaint();
  EXPECT_EQ(spectrum->SelectedCell(), QPoint(4, 2)) << "right of the grid: the rightmost cell";
  EXPECT_TRUE(spectrum->UserSelected());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(spectrum->SelectedColor(), spectrum->GetCell(4, 2));
  EXPECT_EQ(spectrum->DropColor(), spectrum->GetCell(4, 2));

  // At the right edge Right keeps the selection but its release still fires.
  QTest::keyClick(spectrum.get(), Qt::Key_Right);
  spectrum->repaint();
  EXPECT_EQ(spectrum->SelectedCell(), QPoint(4, 2));
  EXPECT_EQ(changes.count(), 2);
  QTest::keyClick(spectrum.get(), Qt::Key_Up);
  spectrum->repaint();
  EXPECT_EQ(spectrum->SelectedCell(), QPoint(4, 1));
  EXPECT_EQ(changes.count(), 3);

  // A new colour clears the user pick; a size change keeps it and clamps the selection.
  spectrum->SetSize(3);
  spectrum->repaint();
  EXPECT_EQ(spectrum->SelectedCell(), QPoint(2, 1));
  EXPECT_TRUE(spectrum->UserSelected());
  spectrum->SetCurrentColor(TColorObject(0x00FF00, cmRGB));
  EXPECT_FALSE(spectrum->UserSelected());
}

}  // namespace
}  // namespace tintorium
