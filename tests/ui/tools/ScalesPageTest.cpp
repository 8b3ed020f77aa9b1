// The Scales page with a workspace and a palette, driven by real mouse events: following the base colour,
// dragging a ring on the lightness curve, adding the scale to the palette as one undo step, marking a target
// that cannot be met, its settings, its texts in both language files and its colours from the theme.
#include "core/ColorModels.h"
#include "core/TonalScale.h"
#include "engine/formats/ScaleExportWriters.h"
#include "engine/language/LanguageFile.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/language/LanguageApplier.h"
#include "ui/tools/ScaleCurves.h"
#include "ui/tools/ScaleGeometry.h"
#include "ui/tools/ScaleSwatchRow.h"
#include "ui/tools/ScalesPage.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

namespace tintorium {
namespace {

constexpr TColor kBlue = 0xF6823B;  // #3B82F6

// --- Geometry -----------------------------------------------------------------------------------------------

TEST(ScaleGeometryTest, ColumnsTileTheWidthAndMapBack) {
  for (const int width : {1, 10, 11, 97, 640, 1001}) {
    for (const int count : {1, 3, 11, 13}) {
      int next = 0;
      for (int i = 0; i < count; ++i) {
        const QRect column = ScaleColumnRect(width, count, i);
        if (width < count && column.width() == 0) continue;
        EXPECT_EQ(column.left(), next) << width << " " << count << " " << i;
        next = column.left() + column.width();
        for (const int x : {column.left(), column.left() + column.width() - 1})
          EXPECT_EQ(ScaleColumnAt(width, count, x), i) << width << " " << count << " x " << x;
      }
      EXPECT_EQ(next, width) << width << " " << count;
      EXPECT_EQ(ScaleColumnAt(width, count, -1), -1);
      EXPECT_EQ(ScaleColumnAt(width, count, width), -1);
    }
  }
  EXPECT_EQ(ScaleColumnAt(100, 0, 5), -1);
  EXPECT_TRUE(ScaleColumnRect(100, 11, 11).isEmpty());
}

TEST(ScaleGeometryTest, SwatchGapsAndPlotValuesRoundTrip) {
  const QSize size(110, 40);
  EXPECT_EQ(ScaleSwatchAt(size, 11, QPoint(0, 10)), -1);  // the gap before the first swatch
  EXPECT_EQ(ScaleSwatchAt(size, 11, QPoint(5, 10)), 0);
  EXPECT_EQ(ScaleSwatchAt(size, 11, QPoint(105, 10)), 10);
  EXPECT_EQ(ScaleSwatchAt(size, 11, QPoint(5, 40)), -1);
  const QRect frame = ScalePlotRect(QSize(300, 300), TScalePlot::Lightness, 0);
  ASSERT_FALSE(frame.isEmpty());
  for (const TScalePlot plot : {TScalePlot::Lightness, TScalePlot::Chroma, TScalePlot::Hue}) {
    const QRect f = ScalePlotRect(QSize(300, 300), plot, 0);
    for (const double share : {0.0, 0.25, 0.5, 1.0}) {
      const double value = share * ScalePlotMax(plot);
      const QPointF point = ScaleCurvePoint(300, f, plot, 5, 2, value);
      EXPECT_NEAR(ScalePlotValueAt(f, plot, point.y()), value, 1e-9);
      EXPECT_TRUE(QRectF(f).adjusted(-0.5, -0.5, 0.5, 0.5).contains(point));
    }
  }
  // Values beyond the axis stay on it.
  EXPECT_EQ(ScaleCurvePoint(300, frame, TScalePlot::Lightness, 5, 2, 2.0).y(), frame.top());
  const std::vector<double> values{0.9, 0.5, 0.1};
  const QPointF middle = ScaleCurvePoint(300, frame, TScalePlot::Lightness, 3, 1, 0.5);
  EXPECT_EQ(ScaleCurvePointAt(300, frame, TScalePlot::Lightness, values, middle + QPointF(3, -3)), 1);
  EXPECT_EQ(ScaleCurvePointAt(300, frame, TScalePlot::Lightness, values, middle + QPointF(20, 0)), -1);
}

// --- The page -----------------------------------------------------------------------------------------------

class ScalesPageTest : public testing::Test {
 protected:
  ScalesPageTest() { workspace_.SetPalette(&palette_); }

  void SetBase(TColor color) {
    workspace_.BaseColor().SetColor(color, cmRGB);
    workspace_.BaseColorChanged(nullptr, cmRGB, true, false);
  }

  std::unique_ptr<TScalesPage> ShownPage() {
    auto page = std::make_unique<TScalesPage>(workspace_);
    page->resize(900, 720);
    page->show();
    page->ShowTool(true);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    return page;
  }

  TPaletteDocument palette_;
  TWorkspace workspace_;
};

TEST_F(ScalesPageTest, FollowsTheBaseColourOnceShownAndKeepsItAtItsStep) {
  SetBase(kBlue);
  TScalesPage page(workspace_);
  EXPECT_TRUE(page.Shown().empty()) << "nothing is computed before the page is first shown";
  page.ShowTool(true);
  ASSERT_EQ(page.Shown().size(), 11u);
  EXPECT_EQ(page.Shown()[5].Color, kBlue);
  EXPECT_EQ(page.Shown()[5].Pin, TStepPin::Base);
  EXPECT_EQ(page.SwatchRow()->Swatches().size(), 11u);
  SetBase(0x2D8A16);
  ASSERT_EQ(page.Shown().size(), 11u);
  bool kept = false;
  for (const TScaleSwatch& s : page.Shown()) kept = kept || s.Color == 0x2D8A16;
  EXPECT_TRUE(kept);
  EXPECT_EQ(page.Curves()->Swatches().size(), 11u);
  // Tones: eleven steps 0 ... 100.
  page.StepsBox()->setCurrentIndex(1);
  ASSERT_EQ(page.Shown().size(), 11u);
  EXPECT_EQ(page.Shown().front().Name, "0");
  EXPECT_EQ(page.Shown().front().Color, clBlack);
}

TEST_F(ScalesPageTest, DraggingARingMovesThatTargetAndItsSwatch) {
  SetBase(kBlue);
  auto page = ShownPage();
  TScaleCurves* curves = page->Curves();
  ASSERT_EQ(curves->Aims().size(), 11u);
  const std::vector<TScaleSwatch> before = page->Shown();
  const int step = 2;  // 200, away from the base
  const QPoint grip = curves->AimPoint(step).toPoint();
  // Darker, half way to the next step's ring.
  const QPoint to(grip.x(), (grip.y() + curves->AimPoint(step + 1).toPoint().y()) / 2);
  ASSERT_GT(to.y(), grip.y() + 4);
  QTest::mousePress(curves, Qt::LeftButton, {}, grip);
  EXPECT_EQ(curves->DraggedStep(), step);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), curves->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(curves, &move);
  QTest::mouseRelease(curves, Qt::LeftButton, {}, to);
  EXPECT_EQ(curves->DraggedStep(), -1);

  const double aimed = ScalePlotValueAt(curves->PlotRect(TScalePlot::Lightness), TScalePlot::Lightness, to.y());
  const std::vector<TScaleSwatch>& after = page->Shown();
  ASSERT_EQ(after.size(), 11u);
  EXPECT_FALSE(page->TargetsEdit()->text().isEmpty());
  EXPECT_NEAR(after[step].Target, aimed, 0.0006);
  EXPECT_LT(after[step].Target, before[step].Target);
  EXPECT_NE(after[step].Color, before[step].Color);
  // The swatch is an 8-bit colour: on this hue it lands up to about 0.012 from a lightness target between 0.80
  // and 0.90 (the command line's scale over that range), so the drag's own pixel decides nothing finer.
  EXPECT_NEAR(after[step].Lch.L, aimed, 0.012);
  EXPECT_EQ(page->SwatchRow()->Swatches()[step].Color, after[step].Color);
  for (const int other : {0, 4, 8}) EXPECT_NEAR(after[other].Target, before[other].Target, 0.0005) << other;

  // Dragged past a neighbour, the ring stops short of it: the targets keep their order.
  const QPoint far = curves->AimPoint(step).toPoint() + QPoint(0, 400);
  QTest::mousePress(curves, Qt::LeftButton, {}, curves->AimPoint(step).toPoint());
  QMouseEvent farMove(QEvent::MouseMove, QPointF(far), curves->mapToGlobal(QPointF(far)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(curves, &farMove);
  QTest::mouseRelease(curves, Qt::LeftButton, {}, far);
  EXPECT_TRUE(page->Scale().Ok()) << page->ErrorsLabel()->text().toStdString();
  EXPECT_GT(page->Shown()[step].Target, page->Shown()[step + 1].Target);
}

TEST_F(ScalesPageTest, AddScaleToPaletteIsOneUndoStepNamedAfterTheSteps) {
  SetBase(kBlue);
  auto page = ShownPage();
  page->findChild<QLineEdit*>(QStringLiteral("edtScaleName"))->setText(QStringLiteral("Brand"));
  const int steps = palette_.UndoStack().count();
  QTest::mouseClick(page->AddButton(), Qt::LeftButton);
  ASSERT_EQ(palette_.Count(), 11);
  EXPECT_EQ(palette_.UndoStack().count(), steps + 1);
  EXPECT_EQ(palette_.Entry(0).Name, QStringLiteral("brand-50"));
  EXPECT_EQ(palette_.Entry(5).Name, QStringLiteral("brand-500"));
  EXPECT_EQ(palette_.Entry(5).Color.GetColor(), kBlue);
  EXPECT_EQ(palette_.Entry(10).Name, QStringLiteral("brand-950"));
  palette_.UndoStack().undo();
  EXPECT_EQ(palette_.Count(), 0);
}

TEST_F(ScalesPageTest, ATargetThatCannotBeMetMarksItsStepAndTheRestStays) {
  SetBase(kBlue);
  auto page = ShownPage();
  page->StepsBox()->setCurrentIndex(2);
  page->findChild<QLineEdit*>(QStringLiteral("edtScaleSteps"))->setText(QStringLiteral("100, 500, 900"));
  page->ModeBox()->setCurrentIndex(1);
  page->findChild<QLineEdit*>(QStringLiteral("edtScaleBackground"))->setText(QStringLiteral("#777777"));
  page->TargetsEdit()->setText(QStringLiteral("1.2, 2, 21"));
  EXPECT_FALSE(page->Scale().Ok());
  ASSERT_EQ(page->Shown().size(), 3u) << "the defaults are shown meanwhile";
  EXPECT_TRUE(page->SwatchRow()->IsMarked(2));
  EXPECT_FALSE(page->SwatchRow()->IsMarked(0));
  EXPECT_TRUE(page->ErrorsLabel()->isVisible());
  EXPECT_TRUE(page->ErrorsLabel()->text().contains(QStringLiteral("900")));
  EXPECT_TRUE(page->AddButton()->isEnabled());
  // Words that are no numbers are said too, and nothing fails.
  page->TargetsEdit()->setText(QStringLiteral("1.2, x, 9"));
  EXPECT_FALSE(page->ErrorsLabel()->text().isEmpty());
  EXPECT_EQ(page->Shown().size(), 3u);
  page->TargetsEdit()->setText(QStringLiteral("1.2, 2, 3"));
  EXPECT_TRUE(page->Scale().Ok());
  EXPECT_FALSE(page->ErrorsLabel()->isVisible());
  EXPECT_GE(page->Shown()[2].BackgroundRatio, 3.0);
}

TEST_F(ScalesPageTest, ExportTextIsTheEngineWritersOfTheShownScale) {
  SetBase(kBlue);
  auto page = ShownPage();
  const QByteArray theme = page->ExportText(TScaleExportForm::Theme);
  EXPECT_TRUE(theme.startsWith("@theme {\n  --color-primary-50: #"));
  EXPECT_TRUE(theme.contains("--color-primary-500: #3b82f6;"));
  palette_.AddPaletteColor(QStringLiteral("Accent"), TColorObject(0x3A0FDB, cmRGB));
  palette_.AddPaletteColor(QStringLiteral("Neutral"), TColorObject(0x808080, cmRGB));
  page->findChild<QCheckBox*>(QStringLiteral("chkScalePalette"))->setChecked(true);
  const QByteArray css = page->ExportText(TScaleExportForm::CssVariables);
  EXPECT_TRUE(css.contains("--accent-500:")) << css.constData();
  EXPECT_TRUE(css.contains("--neutral-950:")) << css.constData();
  EXPECT_FALSE(css.contains("--primary-")) << css.constData();
}

TEST_F(ScalesPageTest, FiguresUnderTheSwatchesTakeTheLanguagesDecimalSignAndExportsKeepThePoint) {
  SetBase(kBlue);
  auto page = ShownPage();
  std::vector<QByteArray> english;
  for (const TScaleExportForm form : ScaleExportForms) english.push_back(page->ExportText(form));
  const TScaleSwatch& swatch = page->SwatchRow()->Swatches().at(5);
  const auto [white, black] = ScaleSwatchFigures(swatch);
  EXPECT_TRUE(white.contains(u'.') && !white.contains(u',')) << white.toStdString();

  SetLanguageLocale(QStringLiteral("de"));
  QEvent changed(QEvent::LanguageChange);
  QApplication::sendEvent(page.get(), &changed);
  const auto [weiss, schwarz] = ScaleSwatchFigures(swatch);
  EXPECT_EQ(weiss, QString(white).replace(u'.', u','));
  EXPECT_EQ(schwarz, QString(black).replace(u'.', u','));
  EXPECT_TRUE(weiss.contains(u',')) << "the ratio has two decimals";
  for (std::size_t i = 0; i < ScaleExportForms.size(); ++i)
    EXPECT_EQ(page->ExportText(ScaleExportForms[i]), english[i]) << "exports are for machines: " << i;
  ResetMessages();
}

TEST_F(ScalesPageTest, SettingsComeBackAsGiven) {
  SetBase(kBlue);
  TScalesPage page(workspace_);
  TScalesPageSettings s;
  s.Steps = 2;
  s.CustomSteps = QStringLiteral("100, 500, 900");
  s.Mode = 1;
  s.Measure = 1;
  s.Targets = QStringLiteral("20, 60, 95");
  s.Background = 0xEEEEEE;
  s.HueShift = -15;
  s.Name = QStringLiteral("accent");
  s.Notation = 2;
  page.RestoreSettings(s);
  EXPECT_EQ(page.CurrentSettings(), s);
  page.ShowTool(true);
  EXPECT_TRUE(page.Scale().Ok());
  EXPECT_EQ(page.CurrentSettings(), s);
}

// Stored settings give the export wizard the options the page would show for them, hand-edited ones included:
// the wizard reads them without a page.
TEST_F(ScalesPageTest, StoredSettingsGiveTheOptionsThePageShows) {
  const auto settings = [](int steps, const char* custom, int mode, int measure, const char* targets, int background,
                           int hueShift) {
    TScalesPageSettings s;
    s.Steps = steps;
    s.CustomSteps = QString::fromLatin1(custom);
    s.Mode = mode;
    s.Measure = measure;
    s.Targets = QString::fromLatin1(targets);
    s.Background = background;
    s.HueShift = hueShift;
    return s;
  };
  const TScalesPageSettings cases[] = {
      TScalesPageSettings{},
      settings(1, "", 0, 0, "0.95, 0.9", 0xFFFFFF, 30),
      settings(2, "a, b, c", 1, 1, "20, 60, 95", 0x202020, -15),
      settings(2, "100,, 900", 1, 0, "1.5; 4.5", 0xFF00EEEE, 0),  // a list that does not read: the defaults
      settings(7, "", 9, -4, "nan, 2", -1, 999),                  // out of range: clamped as the controls clamp
      settings(-1, "", -1, 5, "", 0x123456, -999),
  };
  TScalesPage page(workspace_);
  for (const TScalesPageSettings& s : cases) {
    SCOPED_TRACE(s.Steps * 100 + s.Mode);
    page.RestoreSettings(s);
    const TScaleOptions shown = page.Options();
    const TScaleOptions stored = ScaleOptionsOf(s);
    EXPECT_EQ(stored.Steps, shown.Steps);
    EXPECT_EQ(stored.Numbering, shown.Numbering);
    EXPECT_EQ(stored.Mode, shown.Mode);
    EXPECT_EQ(stored.Measure, shown.Measure);
    EXPECT_EQ(stored.Targets, shown.Targets);
    EXPECT_EQ(stored.Background, shown.Background);
    EXPECT_EQ(stored.HueShift, shown.HueShift);
  }
  EXPECT_EQ(ScaleOptionsOf(settings(1, "", 1, 1, "-20, 30", 0xABCDEF, 45)).Targets, (std::vector<double>{-20, 30}));
  EXPECT_EQ(ScaleOptionsOf(settings(0, "", 1, 1, "", 0x7FABCDEF, 0)).Background, TColor(0xABCDEF));
}

// Every text of the page has its key in both language files, English with the built-in text.
TEST_F(ScalesPageTest, BothLanguageFilesNameEveryText) {
  TScalesPage page(workspace_);
  const QString folder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language")) + u'/';
  const auto english = TLanguageFile::Load(folder + QStringLiteral("english.lng"));
  const auto german = TLanguageFile::Load(folder + QStringLiteral("deutsch.lng"));
  ASSERT_TRUE(english && german);
  QMap<QString, QString> en, de;
  for (const TLanguageEntry& e : english->Section(QStringLiteral("MainForm"))) en.insert(e.key.toCaseFolded(), e.value);
  for (const TLanguageEntry& e : german->Section(QStringLiteral("MainForm"))) de.insert(e.key.toCaseFolded(), e.value);
  int checked = 0;
  for (const TLanguageEntry& e : CollectLanguageEntries(&page)) {
    if (e.value.isEmpty() || e.key == QLatin1String("Caption")) continue;
    ++checked;
    EXPECT_EQ(en.value(e.key.toCaseFolded()), e.value) << e.key.toStdString();
    EXPECT_FALSE(de.value(e.key.toCaseFolded()).isEmpty()) << e.key.toStdString();
  }
  EXPECT_GT(checked, 20);
  ApplyLanguageSection(&page, *german, QStringLiteral("MainForm"));
  EXPECT_EQ(page.AddButton()->text(), QStringLiteral("Skala zur Palette hinzufügen"));
}

// The swatch row and the curves take their ground and text from the palette: a dark theme gives dark ground.
TEST_F(ScalesPageTest, DrawsOnTheThemesColours) {
  SetBase(kBlue);
  TScalesPage page(workspace_);
  page.ShowTool(true);
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(30, 30, 40));
  dark.setColor(QPalette::Base, QColor(20, 20, 25));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  page.setPalette(dark);
  page.resize(900, 720);
  TScaleSwatchRow* row = page.SwatchRow();
  row->resize(880, row->sizeHint().height());
  QImage image(row->size(), QImage::Format_RGB32);
  row->render(&image);
  const QRect swatch = ScaleSwatchRect(row->size(), 11, 3);
  EXPECT_EQ(image.pixel(0, row->height() - 1), QColor(30, 30, 40).rgb()) << "the gap shows the window";
  EXPECT_EQ(image.pixel(swatch.center().x(), 2), ToQRgb(page.Shown()[3].Color)) << "the block shows the colour";
  EXPECT_EQ(image.pixel(swatch.left() + 1, row->height() - 2), QColor(30, 30, 40).rgb()) << "texts on the window";
  TScaleCurves* curves = page.Curves();
  curves->resize(880, 300);
  QImage plot(curves->size(), QImage::Format_RGB32);
  curves->render(&plot);
  EXPECT_EQ(plot.pixel(curves->width() - 2, curves->height() - 2), QColor(20, 20, 25).rgb());
}

}  // namespace
}  // namespace tintorium
