// The print window driven through its own widgets, headless: what it shows, how it scales and pages, and what
// it prints through Qt Print Support (read back from the PDF it writes).
#include "ui/actions/MainActions.h"
#include "app/MainWindow.h"
#include "ui/controls/ColorWheel.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/print/PdfProbe.h"
#include "ui/print/PrintForm.h"
#include "ui/print/PrintPreview.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/ColorWheelPage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QWheelEvent>

#include <memory>

namespace tintorium::test {
namespace {

TPaletteEntries Entries(int count) {
  TPaletteEntries entries;
  for (int i = 0; i < count; ++i) {
    TColorObject color;
    color.SetRGB({(i * 53) % 256, (i * 97 + 40) % 256, (i * 29 + 200) % 256});
    entries.push_back({QStringLiteral("Colour %1").arg(i + 1), color});
  }
  return entries;
}

class PrintFormTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    store_ = std::make_unique<QSettings>(folder_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    sources_.Wheel = WheelSegments(0x0080FF, wsRGB);
    sources_.History = Entries(2);
    for (TPaletteEntry& entry : sources_.History) entry.Name.replace(QStringLiteral("Colour"), QStringLiteral("Old"));
  }

  // A shown window on A4 paper with `cards` palette colours, as the command opens it.
  std::unique_ptr<TPrintForm> Open(int cards) {
    sources_.Palette = Entries(cards);
    auto form = std::make_unique<TPrintForm>([this] { return sources_; }, *store_, QStringLiteral("Options/Toolbars"));
    form->Printer().setPageSize(QPageSize(QPageSize::A4));
    form->Printer().setPageOrientation(QPageLayout::Portrait);
    form->RefreshPageSetup();
    form->BuildPrintDocument(pcPalette);
    form->resize(900, 700);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
  }

  static void Click(TPrintForm& form, QAction* action) {
    QWidget* button = form.PrintBar()->widgetForAction(action);
    ASSERT_NE(button, nullptr) << action->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Prints to a PDF file through the print dialog, as a user choosing "Print to File" does.
  QString PrintToPdf(TPrintForm& form, const std::function<void(QPrintDialog&)>& choose = {}) {
    const QString pdf = folder_.filePath(QStringLiteral("printed.pdf"));
    dialogs_.onExec = [&](QDialog& dialog) {
      auto* print = qobject_cast<QPrintDialog*>(&dialog);
      EXPECT_NE(print, nullptr);
      if (!print) return int(QDialog::Rejected);
      print->printer()->setOutputFormat(QPrinter::PdfFormat);
      print->printer()->setOutputFileName(pdf);
      seenRangeEnabled_ = print->testOption(QAbstractPrintDialog::PrintPageRange);
      seenRange_ = {print->minPage(), print->maxPage(), print->fromPage(), print->toPage()};
      if (choose) choose(*print);
      return int(QDialog::Accepted);
    };
    Click(form, form.PrintAction());
    return pdf;
  }

  QTemporaryDir folder_;
  std::unique_ptr<QSettings> store_;
  TScriptedDialogs dialogs_;
  TPrintSources sources_;
  bool seenRangeEnabled_ = false;
  std::array<int, 4> seenRange_{};
};

QStringList CardNames(const TPrintForm& form) {
  QStringList names;
  for (const TPrintCard& card : form.Preview()->Cards()) names << card.Name;
  return names;
}

TEST_F(PrintFormTest, OpensWithThePaletteOnAWholePageInView) {
  const auto form = Open(5);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Print"));
  EXPECT_TRUE(form->PaletteBox()->isChecked());
  EXPECT_FALSE(form->HistoryBox()->isChecked());
  EXPECT_FALSE(form->WheelBox()->isChecked());
  EXPECT_EQ(form->ScaleBox()->currentText(), QStringLiteral("Full Page"));
  EXPECT_EQ(form->PageCountText(), QStringLiteral("1 page"));
  EXPECT_EQ(form->Preview()->Layout().CardsPerLine(), 3);
  const QRect page = form->Preview()->PageRect(0);
  EXPECT_TRUE(form->Preview()->viewport()->rect().contains(page));
  EXPECT_NEAR(double(page.height()) / page.width(), 297.0 / 210.0, 0.01);
}

TEST_F(PrintFormTest, TickedBoxesRebuildTheCardsFromTheSourcesAsTheyAreThen) {
  const auto form = Open(5);
  QTest::mouseClick(form->WheelBox(), Qt::LeftButton);
  QStringList expected{"Colour 1", "Colour 2", "Colour 3", "Colour 4", "Colour 5"};
  for (int i = 1; i <= 12; ++i) expected << QStringLiteral("Color Wheel #%1").arg(i);
  EXPECT_EQ(CardNames(*form), expected);
  EXPECT_EQ(form->Preview()->Cards()[5].Color.GetColor(), sources_.Wheel[0]);

  sources_.Palette = Entries(1);  // the palette changed behind the window: the next click shows it
  QTest::mouseClick(form->HistoryBox(), Qt::LeftButton);
  expected = QStringList{"Colour 1", "Old 1", "Old 2"} + expected.mid(5);
  EXPECT_EQ(CardNames(*form), expected);
  EXPECT_EQ(form->PageCountText(), QStringLiteral("1 page"));

  for (QCheckBox* box : {form->PaletteBox(), form->HistoryBox(), form->WheelBox()})
    QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(CardNames(*form).isEmpty());
  EXPECT_EQ(form->PageCountText(), QStringLiteral("0 pages"));
}

TEST_F(PrintFormTest, ScaleBoxSetsFixedScalesAndTheFittingModes) {
  const auto form = Open(5);
  TPrintPreview* preview = form->Preview();
  const QSizeF real = QSizeF(preview->Layout().Geometry().Page) * (preview->logicalDpiX() / double(preview->Layout().Geometry().Dpi));
  form->ScaleBox()->setFocus();
  struct TStep {
    Qt::Key key;
    int presses;
    QString shown;
    TPreviewScale mode;
  };
  const TStep steps[] = {
      {Qt::Key_Down, 4, QStringLiteral("75%"), TPreviewScale::Percent},
      {Qt::Key_Up, 3, QStringLiteral("Page Width"), TPreviewScale::PageWidth},
      {Qt::Key_Down, 5, QStringLiteral("25%"), TPreviewScale::Percent},
      {Qt::Key_Home, 1, QStringLiteral("Full Page"), TPreviewScale::FullPage},
  };
  for (const TStep& step : steps) {
    for (int i = 0; i < step.presses; ++i) QTest::keyClick(form->ScaleBox(), step.key);
    EXPECT_EQ(form->ScaleBox()->currentText(), step.shown);
    EXPECT_EQ(preview->ScaleMode(), step.mode) << step.shown.toStdString();
    const QRect page = preview->PageRect(0);
    const int viewWidth = preview->viewport()->width();
    if (step.mode == TPreviewScale::Percent) {
      const double percent = step.shown.chopped(1).toDouble();
      EXPECT_EQ(preview->ZoomPercent(), int(percent));
      EXPECT_NEAR(page.width(), real.width() * percent / 100, 1.0);
    } else if (step.mode == TPreviewScale::PageWidth) {
      EXPECT_NEAR(page.width(), viewWidth - 2 * TPrintPreview::kGap, 1.0);
    } else {
      EXPECT_TRUE(preview->viewport()->rect().contains(page));
    }
  }
  // Ctrl and the mouse wheel zoom in steps of ten percent; the box names the scale when it has an item for it.
  QTest::keyClick(form->ScaleBox(), Qt::Key_End);  // 25%
  QWidget* view = preview->viewport();
  const auto ctrlWheel = [&](int notch) {
    QWheelEvent wheel(QPointF(view->rect().center()), view->mapToGlobal(QPointF(view->rect().center())), QPoint(),
                      QPoint(0, notch), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
  };
  ctrlWheel(120);
  EXPECT_EQ(preview->ZoomPercent(), 35);
  EXPECT_EQ(form->ScaleBox()->currentIndex(), -1);
  ctrlWheel(-120);
  EXPECT_EQ(preview->ZoomPercent(), 25);
  EXPECT_EQ(form->ScaleBox()->currentText(), QStringLiteral("25%"));
  QTest::keyClick(form->ScaleBox(), Qt::Key_Home);
  QTest::keyClick(form->ScaleBox(), Qt::Key_Down);
  // A window made larger keeps the chosen fit.
  form->resize(1100, 800);
  QApplication::processEvents();
  EXPECT_EQ(form->ScaleBox()->currentText(), QStringLiteral("Page Width"));
  EXPECT_NEAR(preview->PageRect(0).width(), preview->viewport()->width() - 2 * TPrintPreview::kGap, 1.0);
}

TEST_F(PrintFormTest, PageButtonsMoveThroughThePagesAndTheScrollHintNamesThePage) {
  const auto form = Open(100);  // three A4 pages
  form->ScaleBox()->setFocus();
  for (int i = 0; i < 3; ++i) QTest::keyClick(form->ScaleBox(), Qt::Key_Down);  // 100%
  ASSERT_EQ(form->Preview()->PageCount(), 3);
  const std::pair<QAction*, int> steps[] = {{form->NextAction(), 1}, {form->LastAction(), 2},
                                            {form->PrevAction(), 1}, {form->FirstAction(), 0},
                                            {form->PrevAction(), 0}};
  for (const auto& [action, page] : steps) {
    Click(*form, action);
    EXPECT_EQ(form->Preview()->CurrentPage(), page) << action->objectName().toStdString();
    EXPECT_LE(std::abs(form->Preview()->PageRect(page).left() - TPrintPreview::kGap), 1);
  }
  // Dragging the scroll bar to the middle page names it in the hint.
  QScrollBar* bar = form->Preview()->horizontalScrollBar();
  bar->setSliderDown(true);
  bar->setValue(form->Preview()->PageRect(1).left() - form->Preview()->PageRect(0).left());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Page 2"));
  bar->setSliderDown(false);
  Click(*form, form->LastAction());
  EXPECT_EQ(form->Preview()->ScrollHintText(), QStringLiteral("Page 3"));

  // Whole pages in view: the mouse wheel leafs through them.
  QTest::keyClick(form->ScaleBox(), Qt::Key_Home);
  Click(*form, form->FirstAction());
  ASSERT_EQ(form->Preview()->verticalScrollBar()->maximum(), 0);
  const int before = form->Preview()->horizontalScrollBar()->value();
  QWidget* view = form->Preview()->viewport();
  QWheelEvent down(QPointF(view->rect().center()), view->mapToGlobal(QPointF(view->rect().center())), QPoint(),
                   QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &down);
  EXPECT_GT(form->Preview()->horizontalScrollBar()->value(), before);
}

TEST_F(PrintFormTest, ViewOptionsHidesThePanelAndViewBorderTheMarginLines) {
  const auto form = Open(2);
  EXPECT_TRUE(form->ViewOptionsAction()->isChecked());
  Click(*form, form->ViewOptionsAction());
  EXPECT_TRUE(form->OptionsDock()->isHidden());
  EXPECT_FALSE(form->ViewOptionsAction()->isChecked());
  Click(*form, form->ViewOptionsAction());
  EXPECT_FALSE(form->OptionsDock()->isHidden());
  EXPECT_TRUE(form->ViewOptionsAction()->isChecked());

  // The left margin line, below the cards, is drawn only while View border is on.
  TPrintPreview* preview = form->Preview();
  const auto marginInk = [&] {
    const QImage shown = preview->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect page = preview->PageRect(0);
    const double scale = double(page.width()) / preview->Layout().Geometry().Page.width();
    const int x = page.left() + int(preview->Layout().Geometry().Content.left() * scale);
    int ink = 0;
    for (int y = page.top() + page.height() / 2; y < page.top() + page.height() * 3 / 4; ++y)
      for (int dx = -1; dx <= 1; ++dx) ink += shown.pixel(x + dx, y) != qRgb(255, 255, 255);
    return ink;
  };
  EXPECT_TRUE(form->ViewBorderAction()->isChecked());
  EXPECT_GT(marginInk(), 0);
  Click(*form, form->ViewBorderAction());
  EXPECT_FALSE(preview->ShowsMargins());
  EXPECT_FALSE(form->ViewBorderAction()->isChecked());
  EXPECT_EQ(marginInk(), 0);
}

TEST_F(PrintFormTest, PrintWritesEveryPageWithEachSwatchAtItsPlace) {
  const auto form = Open(45);  // two A4 pages
  const QString pdf = PrintToPdf(*form);
  EXPECT_TRUE(seenRangeEnabled_);
  EXPECT_EQ(seenRange_, (std::array<int, 4>{1, 2, 1, 2}));
  ASSERT_EQ(PdfPageCount(pdf), 2);
  const TPrintLayout& layout = form->Preview()->Layout();
  EXPECT_EQ(layout.Geometry().Dpi, form->Printer().resolution());
  for (int page = 1; page <= 2; ++page) {
    const QImage image = RenderPdfPage(pdf, page, 72);
    ASSERT_FALSE(image.isNull());
    for (int card = layout.FirstCardOf(page - 1); card < layout.EndCardOf(page - 1); ++card) {
      const QRgb expected = ToQRgb(form->Preview()->Cards()[std::size_t(card)].Color.GetColor());
      EXPECT_TRUE(Near(image.pixel(SwatchCentre(layout, card, 72)), expected)) << "card " << card;
    }
  }
  EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(PrintFormTest, PrintTakesThePageRangeAndCopiesChosenInTheDialog) {
  const auto form = Open(45);
  const QString pdf = PrintToPdf(*form, [](QPrintDialog& dialog) {
    dialog.printer()->setPrintRange(QPrinter::PageRange);
    dialog.printer()->setFromTo(2, 2);
    dialog.printer()->setCopyCount(2);
  });
  ASSERT_EQ(PdfPageCount(pdf), 2);  // page two, twice
  const TPrintLayout& layout = form->Preview()->Layout();
  const QImage image = RenderPdfPage(pdf, 2, 72);
  const QRgb card39 = ToQRgb(form->Preview()->Cards()[39].Color.GetColor());
  EXPECT_TRUE(Near(image.pixel(SwatchCentre(layout, 39, 72)), card39));
}

TEST_F(PrintFormTest, AnEmptyDocumentOffersNoPageRangeAndAFailedPrintIsReported) {
  const auto form = Open(0);
  EXPECT_EQ(form->PageCountText(), QStringLiteral("0 pages"));
  PrintToPdf(*form);
  EXPECT_FALSE(seenRangeEnabled_);

  form->BuildPrintDocument(pcColorWheel);
  dialogs_.onExec = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    print->printer()->setOutputFormat(QPrinter::PdfFormat);
    print->printer()->setOutputFileName(folder_.filePath(QStringLiteral("no/such/folder/x.pdf")));
    return int(QDialog::Accepted);
  };
  Click(*form, form->PrintAction());
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, QStringLiteral("The scheme could not be printed."));
  EXPECT_EQ(dialogs_.messages[0].flags, int(mfError));
  EXPECT_TRUE(form->isVisible());
}

TEST_F(PrintFormTest, PrintSetupLaysTheCardsOutOnTheChosenSheet) {
  const auto form = Open(30);
  dialogs_.onExec = [](QDialog& dialog) {
    auto* setup = qobject_cast<QPageSetupDialog*>(&dialog);
    EXPECT_NE(setup, nullptr);
    if (!setup) return int(QDialog::Rejected);
    setup->printer()->setPageSize(QPageSize(QPageSize::Letter));
    setup->printer()->setPageOrientation(QPageLayout::Landscape);
    return int(QDialog::Accepted);
  };
  Click(*form, form->PrintSetupAction());
  const TPrintPageGeometry& geometry = form->Preview()->Layout().Geometry();
  const int dpi = geometry.Dpi;
  EXPECT_EQ(geometry.Page, QSize(11 * dpi, int(8.5 * dpi)));
  EXPECT_EQ(form->Preview()->Layout().CardsPerLine(), 4);  // 10 printable inches hold four 2.19-inch cards
  EXPECT_EQ(form->PageCountText(), QStringLiteral("1 page"));
}

TEST_F(PrintFormTest, ToolbarAndPanelLayoutIsKeptForTheNextWindow) {
  {
    const auto form = Open(1);
    Click(*form, form->ViewOptionsAction());
  }
  const auto again = Open(1);
  EXPECT_TRUE(again->OptionsDock()->isHidden());
  EXPECT_FALSE(again->ViewOptionsAction()->isChecked());
  EXPECT_TRUE(store_->contains(QStringLiteral("Options/Toolbars/PrintForm")));
}

TEST_F(PrintFormTest, FilePrintOpensTheWindowOnThePaletteAndTheWheelOfTheWheelPage) {
  TMainWindow window(*store_, {QStringLiteral("-"), QStringLiteral("-")});
  window.Palette().AddPaletteColor(QStringLiteral("Sky"), TColorObject(0xFFCC66, cmRGB));
  window.UpdateActions();
  ASSERT_TRUE(window.Actions().actFilePrint->isEnabled());
  int opened = 0;
  dialogs_.onExec = [&](QDialog& dialog) {
    auto* form = qobject_cast<TPrintForm*>(&dialog);
    EXPECT_NE(form, nullptr);
    if (!form) return int(QDialog::Rejected);
    ++opened;
    EXPECT_EQ(CardNames(*form), QStringList{"Sky"});
    QTest::mouseClick(form->WheelBox(), Qt::LeftButton);
    const auto* page = qobject_cast<TColorWheelPage*>(window.ToolPage(0));
    for (int i = 0; i < 12; ++i)
      EXPECT_EQ(form->Preview()->Cards()[std::size_t(i) + 1].Color.GetColor(), page->Wheel()->SegmentColor(i));
    return int(QDialog::Rejected);
  };
  window.Actions().actFilePrint->trigger();
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace tintorium::test
