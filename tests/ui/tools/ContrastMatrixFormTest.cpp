// The palette contrast window through its widgets: the grid rendered from a 12-colour palette, the filter and
// the colour-vision view chosen with the keyboard, a suggestion accepted from the cell menu and undone, a double
// click opening the analyser through the seam, the subset check boxes, live palette edits, too few colours,
// saving; and the grid's geometry as pure functions.
#include "ui/tools/ContrastMatrixForm.h"

#include "core/ColorObject.h"
#include "core/Contrast.h"
#include "core/ContrastFix.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/ContrastMatrixGeometry.h"
#include "ui/tools/ContrastMatrixView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

// Twelve colours: black, white, greys, saturated hues and two pastels.
const std::vector<std::pair<const char*, TColor>> kTwelve{
    {"Black", Rgb(0, 0, 0)},         {"White", Rgb(255, 255, 255)},  {"Grey", Rgb(0x77, 0x77, 0x77)},
    {"Red", Rgb(255, 0, 0)},         {"Green", Rgb(0, 128, 0)},      {"Blue", Rgb(0, 0, 255)},
    {"Yellow", Rgb(255, 255, 0)},    {"Navy", Rgb(0, 0, 128)},       {"Orange", Rgb(255, 128, 0)},
    {"Pink", Rgb(255, 192, 203)},    {"Mint", Rgb(189, 252, 201)},   {"Steel", Rgb(0x33, 0x66, 0x99)}};

class ContrastMatrixFormTest : public testing::Test {
 protected:
  void SetUp() override {
    // Grey is held in HSB: the replacement must still be the exact suggested colour.
    for (const auto& [name, color] : kTwelve)
      palette_.AddPaletteColor(QString::fromLatin1(name), TColorObject(color, color == Rgb(0x77, 0x77, 0x77) ? cmHSB : cmRGB));
    palette_.UndoStack().clear();
    form_ = std::make_unique<TContrastMatrixForm>(&palette_);
    form_->SetAnalyzerOpener([this](TColor text, TColor back) { opened_.emplace_back(text, back); });
    form_->resize(1000, 700);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  TContrastMatrixView& View() { return *form_->View(); }
  QWidget* Port() { return View().viewport(); }
  // The colour the cached rendering holds just inside the top left corner of a cell (the background fill).
  QRgb CellFill(int row, int column) {
    const QPoint center = View().CellCenter({row, column});
    const QRect rect = ContrastCellRect(View().Layout(), {row, column}, View().Offset());
    EXPECT_TRUE(rect.contains(center));
    return View().Rendering().pixel(rect.topLeft() + QPoint(3, 3));
  }
  void ChooseWithKeys(QComboBox* box, int index) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), index);
  }

  TPaletteDocument palette_;
  std::unique_ptr<TContrastMatrixForm> form_;
  std::vector<std::pair<TColor, TColor>> opened_;
};

TEST_F(ContrastMatrixFormTest, RendersEveryListedPairInItsColoursAndOnlyTheVisibleCells) {
  ASSERT_TRUE(form_->ShowsGrid());
  ASSERT_EQ(View().Table().Matrix.Size(), 12u);
  EXPECT_EQ(CellFill(0, 1), qRgb(255, 255, 255));  // black text on white
  EXPECT_EQ(CellFill(1, 0), qRgb(0, 0, 0));
  EXPECT_EQ(CellFill(3, 5), qRgb(0, 0, 255));      // red on blue: filled with the background
  // The diagonal is no pair: left in the view's base colour.
  EXPECT_EQ(CellFill(2, 2), View().palette().color(QPalette::Base).rgb());
  const TContrastGridSpan span = VisibleContrastCells(View().Layout(), Port()->size(), View().Offset());
  (void)View().Rendering();
  EXPECT_EQ(View().CellsPainted(), span.Cells());
  EXPECT_LT(View().CellsPainted(), 144);
  // The summary counts every ordered pair meeting each target, from the same figures.
  const auto& counts = View().Table().Matrix.PassCounts;
  EXPECT_NE(form_->Summary()->text().indexOf(QString::number(counts[0])), -1);
  EXPECT_NE(form_->Summary()->text().indexOf(QStringLiteral("132")), -1);
}

TEST_F(ContrastMatrixFormTest, FilterBlanksThePairsThatMissTheTargetAndKeepsTheCounts) {
  const QString before = form_->Summary()->text();
  // Grey #777777 on white is 4.478: AA large but not AA.
  EXPECT_EQ(CellFill(2, 1), qRgb(255, 255, 255));
  ChooseWithKeys(form_->FilterBox(), 1);  // AA
  ASSERT_EQ(form_->ChosenFilter(), TContrastTarget::AA);
  EXPECT_EQ(CellFill(2, 1), View().palette().color(QPalette::Base).rgb());
  EXPECT_EQ(CellFill(0, 1), qRgb(255, 255, 255));
  EXPECT_EQ(form_->Summary()->text(), before);
  ChooseWithKeys(form_->FilterBox(), 3);  // AA large
  EXPECT_EQ(CellFill(2, 1), qRgb(255, 255, 255));
  ChooseWithKeys(form_->FilterBox(), 6);  // APCA Lc 90: black on white, Lc 106
  EXPECT_EQ(CellFill(0, 1), qRgb(255, 255, 255));
  EXPECT_EQ(CellFill(2, 1), View().palette().color(QPalette::Base).rgb());
}

TEST_F(ContrastMatrixFormTest, ViewAsRerendersCellsAndFiguresAsSeen) {
  const double normal = View().Table().Matrix.Cell(3, 4).Ratio;  // red on green
  ChooseWithKeys(form_->ViewBox(), 7);  // achromatopsia
  ASSERT_TRUE(form_->ChosenView().has_value());
  EXPECT_EQ(form_->ChosenView()->Kind, TVisionKind::Achromatopsia);
  const QRgb red = CellFill(4, 3);  // green text on red background, now grey
  EXPECT_EQ(qRed(red), qGreen(red));
  EXPECT_EQ(qGreen(red), qBlue(red));
  const TColor seenRed = SimulateVision(Rgb(255, 0, 0), TVisionKind::Achromatopsia);
  const TColor seenGreen = SimulateVision(Rgb(0, 128, 0), TVisionKind::Achromatopsia);
  EXPECT_DOUBLE_EQ(View().Table().Matrix.Cell(3, 4).Ratio, MeasureContrast(seenRed, seenGreen).Ratio);
  EXPECT_NE(View().Table().Matrix.Cell(3, 4).Ratio, normal);
  ChooseWithKeys(form_->ViewBox(), 0);
  EXPECT_EQ(CellFill(4, 3), qRgb(255, 0, 0));
}

// The severity grades the anomalous kinds (0 is normal vision); the dichromacies and achromatopsia have none.
TEST_F(ContrastMatrixFormTest, SeverityGradesTheAnomalousKindsOnly) {
  QDoubleSpinBox* severity = form_->SeverityBox();
  ASSERT_NE(severity, nullptr);
  EXPECT_FALSE(severity->isEnabled()) << "normal vision";
  const double normal = View().Table().Matrix.Cell(3, 4).Ratio;  // red on green
  ChooseWithKeys(form_->ViewBox(), 2);  // deuteranomaly
  EXPECT_TRUE(severity->isEnabled());
  const double full = View().Table().Matrix.Cell(3, 4).Ratio;
  severity->setValue(0.4);
  ASSERT_EQ(form_->ChosenView(), (TVisionView{TVisionKind::Deuteranomaly, 0.4}));
  const TColor seenRed = SimulateVision(Rgb(255, 0, 0), TVisionView{TVisionKind::Deuteranomaly, 0.4});
  const TColor seenGreen = SimulateVision(Rgb(0, 128, 0), TVisionView{TVisionKind::Deuteranomaly, 0.4});
  EXPECT_DOUBLE_EQ(View().Table().Matrix.Cell(3, 4).Ratio, MeasureContrast(seenRed, seenGreen).Ratio);
  EXPECT_NE(View().Table().Matrix.Cell(3, 4).Ratio, full);
  severity->setValue(0.0);
  EXPECT_DOUBLE_EQ(View().Table().Matrix.Cell(3, 4).Ratio, normal);
  ChooseWithKeys(form_->ViewBox(), 5);  // deuteranopia
  EXPECT_FALSE(severity->isEnabled());
  EXPECT_EQ(form_->ChosenView(), (TVisionView{TVisionKind::Deuteranopia, 1.0}));
}

TEST_F(ContrastMatrixFormTest, SuggestionReplacesTheTextColourInOneStepThatUndoes) {
  // Grey on white fails AA; the cell menu offers the nearest grey that passes.
  const QPoint point = View().CellCenter({2, 1});
  QContextMenuEvent event(QContextMenuEvent::Mouse, point, Port()->mapToGlobal(point));
  QApplication::sendEvent(Port(), &event);
  auto* menu = form_->findChild<QMenu*>(QStringLiteral("pmCell"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  auto* replace = form_->findChild<QAction*>(QStringLiteral("actMatrixReplace"));
  ASSERT_TRUE(replace && replace->isEnabled());
  const TColor grey = palette_.Entry(2).Color.GetColor();
  const std::optional<TContrastFix> fix = SuggestContrastFix(grey, Rgb(255, 255, 255), TContrastTarget::AA);
  ASSERT_TRUE(fix);
  menu->hide();
  replace->trigger();
  EXPECT_EQ(palette_.UndoStack().count(), 1);
  EXPECT_EQ(palette_.Entry(2).Color.GetColor(), fix->Color);
  EXPECT_EQ(palette_.Entry(2).Name, QStringLiteral("Grey"));
  QApplication::processEvents();
  EXPECT_TRUE(View().Table().Matrix.Cell(2, 1).Meets(TContrastTarget::AA));
  palette_.UndoStack().undo();
  QApplication::processEvents();
  EXPECT_EQ(palette_.Entry(2).Color.GetColor(), grey);
  EXPECT_EQ(palette_.Entry(2).Color.Model(), cmHSB);
  EXPECT_FALSE(View().Table().Matrix.Cell(2, 1).Meets(TContrastTarget::AA));
}

TEST_F(ContrastMatrixFormTest, SuggestionCanBeAddedOrSaysWhenNoColourOfTheHueMeetsTheTarget) {
  ChooseWithKeys(form_->FilterBox(), 2);  // AAA
  ASSERT_EQ(form_->SuggestionTarget(), TContrastTarget::AAA);
  // Red on #777777: even black and white stay under 7 : 1 there.
  ASSERT_FALSE(SuggestContrastFix(Rgb(255, 0, 0), Rgb(0x77, 0x77, 0x77), TContrastTarget::AAA));
  form_->CellMenu(3, 2);
  auto* replace = form_->findChild<QAction*>(QStringLiteral("actMatrixReplace"));
  auto* add = form_->findChild<QAction*>(QStringLiteral("actMatrixAddFix"));
  EXPECT_FALSE(replace->isEnabled());
  EXPECT_FALSE(add->isEnabled());
  auto* suggest = form_->findChild<QMenu*>(QStringLiteral("miMatrixSuggest"));
  ASSERT_NE(suggest, nullptr);
  EXPECT_TRUE(suggest->actions().front()->text().contains(QStringLiteral("No colour of this hue")))
      << suggest->actions().front()->text().toStdString();
  // Grey on white at AA: added as a new entry named by its hex text, the grey itself kept.
  ChooseWithKeys(form_->FilterBox(), 0);  // all pairs: suggestions for AA
  form_->CellMenu(2, 1);
  ASSERT_TRUE(add->isEnabled());
  add->trigger();
  ASSERT_EQ(palette_.Count(), 13);
  const TColor grey = palette_.Entry(2).Color.GetColor();
  const std::optional<TContrastFix> fix = SuggestContrastFix(grey, Rgb(255, 255, 255), TContrastTarget::AA);
  ASSERT_TRUE(fix);
  EXPECT_EQ(palette_.Entry(12).Color.GetColor(), fix->Color);
  EXPECT_EQ(palette_.Entry(12).Name, QString::fromStdString(TColorObject(fix->Color, cmRGB).HexText()));
  EXPECT_EQ(palette_.Entry(2).Color.GetColor(), grey);
  QApplication::processEvents();
  EXPECT_EQ(View().Table().Matrix.Size(), 13u);
}

TEST_F(ContrastMatrixFormTest, DoubleClickOpensTheAnalyserOnThePair) {
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, View().CellCenter({3, 1}));
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], std::make_pair(Rgb(255, 0, 0), Rgb(255, 255, 255)));
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, View().CellCenter({4, 4}));  // the diagonal: no pair
  QTest::mouseDClick(Port(), Qt::LeftButton, {}, QPoint(4, 4));               // the corner
  EXPECT_EQ(opened_.size(), 1u);
  EXPECT_NE(View().PairText({3, 1}).indexOf(QStringLiteral("Red (#FF0000)")), -1);
}

TEST_F(ContrastMatrixFormTest, CheckBoxesChooseTheSubsetAndTooFewShowAPlainMessage) {
  QListWidget* list = form_->ColorList();
  ASSERT_EQ(list->count(), 12);
  for (int row = 2; row < 12; ++row) list->item(row)->setCheckState(Qt::Unchecked);
  QApplication::processEvents();
  ASSERT_EQ(View().Table().Matrix.Size(), 2u);
  EXPECT_EQ(form_->PaletteIndexOf(1), 1);
  // Space on the current item toggles its box like a click.
  list->setFocus();
  list->setCurrentRow(1);
  QTest::keyClick(list->viewport(), Qt::Key_Space);
  QApplication::processEvents();
  EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(form_->ShowsGrid());
  EXPECT_TRUE(form_->EmptyMessage()->isVisible());
  EXPECT_FALSE(form_->EmptyMessage()->text().isEmpty());
}

TEST_F(ContrastMatrixFormTest, FollowsPaletteEditsLive) {
  palette_.AddPaletteColor(QStringLiteral("Late"), TColorObject(Rgb(10, 20, 30), cmRGB));
  QApplication::processEvents();
  EXPECT_EQ(View().Table().Matrix.Size(), 13u);
  EXPECT_EQ(form_->ColorList()->count(), 13);
  palette_.DeletePaletteColors({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  QApplication::processEvents();
  EXPECT_FALSE(form_->ShowsGrid());
  palette_.UndoStack().undo();
  QApplication::processEvents();
  EXPECT_TRUE(form_->ShowsGrid());
  EXPECT_EQ(View().Table().Matrix.Size(), 13u);
}

TEST(ContrastMatrixEmptyTest, NoOrOneColourShowsAMessageAndNoGrid) {
  TPaletteDocument palette;
  TContrastMatrixForm none(&palette);
  none.show();
  EXPECT_FALSE(none.ShowsGrid());
  palette.AddPaletteColor(QStringLiteral("Only"), TColorObject(Rgb(1, 2, 3), cmRGB));
  none.Refresh();
  EXPECT_FALSE(none.ShowsGrid());
  EXPECT_FALSE(none.EmptyMessage()->text().isEmpty());
  EXPECT_TRUE(none.Summary()->text().isEmpty());
}

TEST_F(ContrastMatrixFormTest, SavesTheTableInTheChosenFormat) {
  QTemporaryDir dir;
  test::TScriptedDialogs dialogs;
  const struct {
    const char* name;
    const char* start;
  } cases[] = {{"t.csv", "text,background,"}, {"t.md", "| Text | Background |"}, {"t.html", "<!DOCTYPE html>"}};
  for (const auto& c : cases) {
    dialogs.savePaths.push_back(dir.filePath(QString::fromLatin1(c.name)));
    form_->SaveTable();
    QFile file(dir.filePath(QString::fromLatin1(c.name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.name;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ContrastMatrixFormTest, FiguresOnScreenTakeTheLanguagesDecimalSignAndSavedTablesKeepThePoint) {
  QTemporaryDir dir;
  test::TScriptedDialogs dialogs;
  const QStringList names{QStringLiteral("t.csv"), QStringLiteral("t.md"), QStringLiteral("t.html"), QStringLiteral("t.json")};
  const auto save = [&](const QString& prefix) {
    QList<QByteArray> saved;
    for (const QString& name : names) {
      dialogs.savePaths.push_back(dir.filePath(prefix + name));
      form_->SaveTable();
      QFile file(dir.filePath(prefix + name));
      EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
      saved << file.readAll();
    }
    return saved;
  };
  const TContrastCell cell{4.478, -71.14, 0};
  EXPECT_EQ(ContrastCellTexts(cell, {}), std::make_pair(QStringLiteral("4.47 AA large"), QStringLiteral("Lc -71.1")));
  const QString englishTip = View().PairText({2, 1});
  const QList<QByteArray> english = save(QStringLiteral("en-"));
  EXPECT_EQ(form_->SeverityBox()->text(), QStringLiteral("1.0"));

  SetLanguageLocale(QStringLiteral("de"));
  QEvent changed(QEvent::LanguageChange);
  QApplication::sendEvent(form_.get(), &changed);
  EXPECT_EQ(ContrastCellTexts(cell, {}), std::make_pair(QStringLiteral("4,47 AA large"), QStringLiteral("Lc -71,1")));
  EXPECT_EQ(form_->SeverityBox()->text(), QStringLiteral("1,0"));
  // Grey on white: the tooltip's ratio and Lc in German notation, the rest as before.
  const QString tip = View().PairText({2, 1});
  EXPECT_EQ(tip, QString(englishTip).replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")), QStringLiteral("\\1,\\2")));
  EXPECT_NE(tip, englishTip);
  // The cell menu's suggestion: its distance, ratio and Lc.
  const QPoint point = View().CellCenter({2, 1});
  QContextMenuEvent event(QContextMenuEvent::Mouse, point, Port()->mapToGlobal(point));
  QApplication::sendEvent(Port(), &event);
  auto* menu = form_->findChild<QMenu*>(QStringLiteral("pmCell"));
  ASSERT_NE(menu, nullptr);
  menu->hide();
  auto* suggest = form_->findChild<QMenu*>(QStringLiteral("miMatrixSuggest"));
  ASSERT_TRUE(suggest != nullptr && !suggest->actions().isEmpty());
  const QString suggestion = suggest->actions().first()->text();  // the suggestion itself
  EXPECT_TRUE(QRegularExpression(QStringLiteral("\\d,\\d")).match(suggestion).hasMatch()) << suggestion.toStdString();
  EXPECT_FALSE(QRegularExpression(QStringLiteral("\\d\\.\\d")).match(suggestion).hasMatch()) << suggestion.toStdString();

  EXPECT_EQ(save(QStringLiteral("de-")), english) << "saved tables are for machines";
  EXPECT_TRUE(dialogs.messages.empty());
  ResetMessages();
}

TEST(ContrastMatrixGeometryTest, CellsAndHitsAgreeAndOnlyVisibleCellsAreCounted) {
  TContrastGridLayout layout;
  layout.Cell = QSize(80, 50);
  layout.RowHeader = 100;
  layout.ColumnHeader = 30;
  layout.Count = 256;
  for (const QPoint offset : {QPoint(0, 0), QPoint(37, 0), QPoint(800, 1234)}) {
    for (const TContrastGridCell cell : {TContrastGridCell{0, 0}, TContrastGridCell{3, 7}, TContrastGridCell{30, 20},
                                         TContrastGridCell{255, 255}}) {
      const QRect rect = ContrastCellRect(layout, cell, offset);
      if (rect.left() < layout.RowHeader || rect.top() < layout.ColumnHeader) {
        // Scrolled under a header: the header is hit there, not the cell.
        EXPECT_NE(ContrastCellAt(layout, rect.topLeft(), offset), cell);
        continue;
      }
      EXPECT_EQ(ContrastCellAt(layout, rect.center(), offset), cell);
      EXPECT_EQ(ContrastCellAt(layout, rect.topLeft(), offset), cell);
      EXPECT_EQ(ContrastCellAt(layout, rect.bottomRight(), offset), cell);
    }
  }
  EXPECT_FALSE(ContrastCellAt(layout, QPoint(99, 200), {}));  // the row headers
  EXPECT_FALSE(ContrastCellAt(layout, QPoint(200, 29), {}));  // the column headers
  EXPECT_FALSE(ContrastCellAt(layout, QPoint(100 + 256 * 80, 40), {}));
  const TContrastGridSpan span = VisibleContrastCells(layout, QSize(500, 330), QPoint(40, 0));
  EXPECT_EQ(span.FirstColumn, 0);
  EXPECT_EQ(span.LastColumn, 5);  // x 40 .. 439 of the cells
  EXPECT_EQ(span.FirstRow, 0);
  EXPECT_EQ(span.LastRow, 5);     // y 0 .. 299
  EXPECT_EQ(span.Cells(), 36);
  layout.Count = 0;
  EXPECT_EQ(VisibleContrastCells(layout, QSize(500, 330), {}).Cells(), 0);
  EXPECT_FALSE(ContrastCellAt(layout, QPoint(150, 60), {}));
}

TEST(ContrastMatrixCellTest, PaintsTheBackgroundTheGlyphAndReadableFigures) {
  QImage image(90, 60, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  const TContrastCell cell{4.478, 71.1, 0};
  PaintContrastCell(painter, image.rect(), Rgb(0x77, 0x77, 0x77), Rgb(255, 255, 255), cell, {});
  painter.end();
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
  bool glyph = false, figures = false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      glyph |= image.pixel(x, y) == qRgb(0x77, 0x77, 0x77);
      figures |= image.pixel(x, y) == qRgb(0, 0, 0);
    }
  EXPECT_TRUE(glyph);
  EXPECT_TRUE(figures);
  EXPECT_EQ(ContrastBadgeText(4.4999, {}), QStringLiteral("AA large"));
  EXPECT_EQ(ContrastBadgeText(4.5, {}), QStringLiteral("AA"));
  EXPECT_EQ(ContrastBadgeText(2.99, {QStringLiteral("L"), QStringLiteral("F")}), QStringLiteral("F"));
}

}  // namespace
}  // namespace tintorium
