// A real drag from the swatch row of "Colors from Image" onto the palette, through QDrag and the platform's drag
// and drop. The offscreen platform has none, so this runs under a virtual X display and skips elsewhere.
#include "ui/tools/ColorsFromImagePage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "engine/schemes/PickerGeometry.h"
#include "ui/tools/PickedColorList.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

class SwatchRowRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    workspace.SetPalette(&document);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(page, 2);
    layout->addWidget(palettePanel, 1);
    window.resize(900, 460);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QImage picture(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x, 255 - y, 90));
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("p.png"))));
    page->Random().seed(3);
    page->ModelBox()->setCurrentIndex(cmCMYK);  // drops keep the swatch's own RGB model
    ASSERT_TRUE(page->LoadPicture(dir.filePath(QStringLiteral("p.png"))));
    QTest::qWait(50);
  }

  /// Presses on swatch `index` and drags it to `target` in `targetWidget`; the moves and the release that end
  /// the drag are queued before QDrag::exec starts its own event loop.
  void Drag(int index, QWidget* targetWidget, QPoint target) {
    TPickedColorList* row = page->SwatchList();
    const QPoint start = SwatchRect(index, row->width()).center();
    const QPoint to = targetWidget->mapTo(&window, target);
    const QPoint from = row->mapTo(&window, start);
    const QPoint step = (to - from) / 3;
    QTimer::singleShot(150, &window, [=, this] { QTest::mouseMove(&window, from + step); });
    QTimer::singleShot(300, &window, [=, this] { QTest::mouseMove(&window, from + 2 * step); });
    QTimer::singleShot(450, &window, [=, this] { QTest::mouseMove(&window, to); });
    QTimer::singleShot(600, &window, [=, this] { QTest::mouseRelease(&window, Qt::LeftButton, {}, to); });
    QTest::mousePress(row, Qt::LeftButton, {}, start);
    QTest::mouseMove(row, start + QPoint(6, -4));
    QTest::mouseMove(row, start + QPoint(12, -8));
    QTest::qWait(900);
  }

  QTemporaryDir dir;
  TWorkspace workspace;
  TPaletteDocument document;
  TMainActions actions;
  QWidget window;
  TColorsFromImagePage* page = new TColorsFromImagePage(workspace, actions);
  TPalettePanel* palettePanel = new TPalettePanel(document, workspace);
};

TEST_F(SwatchRowRealDrag, ASwatchDroppedOnThePaletteIsAddedAsItsRgbObjectByItsHexName) {
  const TColor colour = page->SwatchList()->Colors()[4];
  QWidget* list = palettePanel->PaletteList()->viewport();
  Drag(4, list, list->rect().center());
  ASSERT_EQ(document.Count(), 1);
  EXPECT_EQ(document.Entries()[0].Color.GetColor(), colour);
  EXPECT_EQ(document.Entries()[0].Color.Model(), cmRGB);
  EXPECT_EQ(document.Entries()[0].Name, QString::fromStdString(TColorObject(colour, cmRGB).HexText()));
  EXPECT_EQ(page->SwatchList()->Selected(), 4);
}

}  // namespace
}  // namespace tintorium
