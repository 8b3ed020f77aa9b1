// Real drags into and out of the contrast analyser, through QDrag and the platform's drag and drop. The offscreen
// platform has no drag and drop, so this runs under a virtual X display (xvfb-run) and skips elsewhere.
// Drags out of the palette contrast window's cells: offscreen, a real press and move starts the drag (the platform
// ends it at once) and its data dropped on the palette adds the colour; under X the whole drag goes to the palette.
#include "ui/tools/ContrastAnalyzeForm.h"

#include "ui/controls/ColorDrag.h"
#include "ui/palette/PalettePanel.h"
#include "ui/tools/ContrastMatrixForm.h"
#include "ui/tools/ContrastMatrixView.h"
#include "ui/workspace/Workspace.h"

#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "engine/palette/PaletteDocument.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDrag>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

class ContrastRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    palette.AddPaletteColor(QStringLiteral("navy"), TColorObject(0x800000, cmRGB));  // (0, 0, 128)
    palette.AddPaletteColor(QStringLiteral("cream"), TColorObject(0xC8F0FF, cmRGB));  // (255, 240, 200)
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.SetTextColor(0x808080);
    form.UpdateContrast();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
  }

  template <typename T>
  T* Child(const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
  }

  /// Presses at `start` in `source` and drags to `target` in `targetWidget`. QDrag::exec runs its own event loop,
  /// so the moves and the release that end the drag are queued before the drag starts.
  void Drag(QWidget* source, QPoint start, QWidget* targetWidget, QPoint target) {
    const QPoint to = targetWidget->mapTo(&form, target);
    const QPoint from = source->mapTo(&form, start);
    const QPoint step = (to - from) / 3;
    QTimer::singleShot(150, &form, [=, this] { QTest::mouseMove(&form, from + step); });
    QTimer::singleShot(300, &form, [=, this] { QTest::mouseMove(&form, from + 2 * step); });
    QTimer::singleShot(450, &form, [=, this] { QTest::mouseMove(&form, to); });
    QTimer::singleShot(600, &form, [=, this] { QTest::mouseRelease(&form, Qt::LeftButton, {}, to); });
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(6, 6));
    QTest::mouseMove(source, start + QPoint(12, 12));
    QTest::qWait(900);
  }

  TPaletteDocument palette;
  TContrastAnalyzeForm form{&palette};
};

TEST_F(ContrastRealDrag, TheTextSwatchDroppedOnTheBackgroundGivesItsColour) {
  TColorSwatch* text = Child<TColorSwatch>("shText");
  TColorSwatch* back = Child<TColorSwatch>("shBack");
  ASSERT_TRUE(text && back);
  Drag(text, QPoint(20, 15), back, back->rect().center());
  EXPECT_EQ(form.BackColor(), TColor(0x808080));
  EXPECT_EQ(form.TextColor(), TColor(0x808080));
  EXPECT_EQ(form.Result().Ratio, 1.0);
}

TEST_F(ContrastRealDrag, AVariantDroppedOnTheTextSwatchBecomesTheTextColour) {
  TColorList* list = Child<TColorList>("clVars");
  TColorSwatch* text = Child<TColorSwatch>("shText");
  ASSERT_TRUE(list && text);
  form.SetTextColor(0xFFFFFF);
  form.UpdateContrast();
  ASSERT_EQ(list->Count(), 1);  // navy only: cream fails against white
  const QPoint item = list->visualRect(list->model()->index(0, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
  Drag(list->viewport(), item, text, text->rect().center());
  EXPECT_EQ(form.TextColor(), TColor(0x800000));
  EXPECT_EQ(form.Result(), MeasureContrast(0xFFFFFF, 0x800000));
}

// Remembers the drags started from a widget: a QDrag is made as the source's child.
class DragCatcher : public QObject {
 public:
  explicit DragCatcher(QObject* source) { source->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded) children.emplace_back(static_cast<QChildEvent*>(event)->child());
    return false;
  }
  /// The drags made and not yet deleted.
  std::vector<QDrag*> Drags() const {
    std::vector<QDrag*> drags;
    for (const QPointer<QObject>& child : children)
      if (auto* drag = qobject_cast<QDrag*>(child.data())) drags.push_back(drag);
    return drags;
  }
  std::vector<QPointer<QObject>> children;
};

class MatrixDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    palette.AddPaletteColor(QStringLiteral("ink"), TColorObject(0x402010, cmRGB));    // #102040
    palette.AddPaletteColor(QStringLiteral("paper"), TColorObject(0xE0F5FF, cmRGB));  // #FFF5E0
    palette.AddPaletteColor(QStringLiteral("rust"), TColorObject(0x1040B0, cmRGB));   // #B04010
    workspace.SetPalette(&palette);
    form = new TContrastMatrixForm(&palette);
    form->setWindowFlags(Qt::Widget);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(form, 1);
    layout->addWidget(palettePanel);
    window.resize(1100, 560);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    form->Refresh();
    QTest::qWait(50);
    ASSERT_EQ(form->View()->Table().Colors.size(), 3u);
  }

  QWidget* Port() const { return form->View()->viewport(); }
  QWidget* PaletteListPort() const { return palettePanel->PaletteList()->viewport(); }

  TPaletteDocument palette;
  TWorkspace workspace;
  QWidget window;
  TContrastMatrixForm* form = nullptr;
  TPalettePanel* palettePanel = new TPalettePanel(palette, workspace);
};

TEST_F(MatrixDrag, APressAndMoveOnACellStartsADragOfItsTextColourThatThePaletteTakes) {
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) GTEST_SKIP() << "the X run drags for real";
  DragCatcher catcher(form->View());
  const QPoint start = form->View()->CellCenter({2, 1});  // rust text on paper
  QTest::mousePress(Port(), Qt::LeftButton, {}, start);
  QTest::mouseMove(Port(), start + QPoint(1, 0));
  EXPECT_TRUE(catcher.Drags().empty()) << "within the drag distance";
  QTest::mouseMove(Port(), start + QPoint(QApplication::startDragDistance() + 2, 0));
  const std::vector<QDrag*> drags = catcher.Drags();
  ASSERT_EQ(drags.size(), 1u);
  const std::optional<TColor> carried = ColorDrag::ColorFromMimeData(drags[0]->mimeData());
  ASSERT_TRUE(carried.has_value());
  EXPECT_EQ(*carried, TColor(0x1040B0));
  EXPECT_EQ(drags[0]->mimeData()->text(), QStringLiteral("#B04010"));
  QTest::mouseRelease(Port(), Qt::LeftButton, {}, start + QPoint(QApplication::startDragDistance() + 2, 0));

  // What the drag carries, dropped on the palette list.
  QMimeData* data = ColorDrag::NewMimeData(*carried);
  const QPoint at = PaletteListPort()->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, {});
  QApplication::sendEvent(PaletteListPort(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, {});
  QApplication::sendEvent(PaletteListPort(), &drop);
  delete data;
  ASSERT_EQ(palette.Count(), 4);
  EXPECT_EQ(palette.Entry(3).Color.GetColor(), TColor(0x1040B0));
}

TEST_F(MatrixDrag, ACellDraggedOntoThePaletteAddsItsTextColour) {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
  const QPoint start = form->View()->CellCenter({0, 1});  // ink text on paper
  const QPoint from = Port()->mapTo(&window, start);
  const QPoint to = PaletteListPort()->mapTo(&window, PaletteListPort()->rect().center());
  const QPoint step = (to - from) / 3;
  QTimer::singleShot(150, &window, [=, this] { QTest::mouseMove(&window, from + step); });
  QTimer::singleShot(300, &window, [=, this] { QTest::mouseMove(&window, from + 2 * step); });
  QTimer::singleShot(450, &window, [=, this] { QTest::mouseMove(&window, to); });
  QTimer::singleShot(600, &window, [=, this] { QTest::mouseRelease(&window, Qt::LeftButton, {}, to); });
  QTest::mousePress(Port(), Qt::LeftButton, {}, start);
  QTest::mouseMove(Port(), start + QPoint(QApplication::startDragDistance() + 2, 0));
  QTest::qWait(900);
  ASSERT_EQ(palette.Count(), 4);
  EXPECT_EQ(palette.Entry(3).Color.GetColor(), TColor(0x402010));
}

}  // namespace
}  // namespace tintorium
