// Real drags into and out of the contrast analyser, through QDrag and the platform's drag and drop. The offscreen
// platform has no drag and drop, so this runs under a virtual X display (xvfb-run) and skips elsewhere.
#include "ui/tools/ContrastAnalyzeForm.h"

#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "engine/palette/PaletteDocument.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QGuiApplication>
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

}  // namespace
}  // namespace tintorium
