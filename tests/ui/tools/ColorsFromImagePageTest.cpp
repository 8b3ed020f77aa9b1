// The "Colors from Image" page with a fixed random seed: loading, picks count changes, mixing, dragging a picker,
// re-fitting, the swatch row with its menu, and pictures that fail to load.
#include "ui/tools/ColorsFromImagePage.h"

#include "engine/files/FileResult.h"
#include "ui/language/FileFailure.h"

#include "ui/actions/MainActions.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/schemes/PickerGeometry.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/PickedColorList.h"
#include "ui/tools/PickerPanel.h"
#include "ui/tools/PictureOpenDialog.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace tintorium {
namespace {

constexpr int kBlue = 77;

void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

/// The RGB record of a colour object made from `color`, as text: what a tagged copy keeps whatever its model.
std::string Hex(TColor color) { return TColorObject(color, cmRGB).HexText(); }

/// The colour a pixel of the test picture has: red = x, green = y.
TColor PixelColor(QPoint p) { return TColor(p.x()) | (TColor(p.y()) << 8) | (TColor(kBlue) << 16); }

class ColorsFromImagePageTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QImage picture(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x, y, kBlue));
    ASSERT_TRUE(picture.save(PicturePath()));
    workspace_.SetPalette(&palette_);
    page_.resize(600, 500);
    page_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page_));
    page_.Random().seed(7);
    page_.UpdateActions(actions_);
  }

  QString PicturePath() const { return dir_.filePath(QStringLiteral("gradient.png")); }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  void Load() {
    ASSERT_TRUE(page_.LoadPicture(PicturePath()));
    Settle();
  }
  TPickerPanel& Panel() { return *page_.Panel(); }
  TPickedColorList& List() { return *page_.SwatchList(); }
  std::vector<QPoint> Spots() const { return page_.Pickers().Pickers(); }

  /// Every picker's swatch holds the picture pixel shown eight pixels into its ring, and the row shows the
  /// swatches in picker order.
  void ExpectSwatchesMatchPickers() {
    const TImagePickers& pickers = page_.Pickers();
    ASSERT_EQ(List().Count(), page_.PickCount());
    for (int i = 0; i < page_.PickCount(); ++i) {
      const QPoint sample = SamplePoint(Spots()[std::size_t(i)], pickers.FittedSize());
      const QPoint pixel = pickers.PicturePixels()[std::size_t(i)];
      // Shown no larger than it was read, each shown pixel stands for exactly one picture pixel.
      if (pickers.Picture().width() >= pickers.FittedSize().width()) {
        EXPECT_EQ(pickers.FittedPixelOf(pixel), sample) << "picker " << i;
      }
      EXPECT_EQ(List().Colors()[std::size_t(i)], FromPixel(pickers.Picture().pixel(pixel))) << "picker " << i;
    }
  }
  static TColor FromPixel(QRgb pixel) {
    return TColor(qRed(pixel)) | (TColor(qGreen(pixel)) << 8) | (TColor(qBlue(pixel)) << 16);
  }

  void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseMove(&widget, at);
    QTest::mouseClick(&widget, button, {}, at);
    Settle();
  }

  QTemporaryDir dir_;
  test::TScriptedDialogs dialogs_;
  TWorkspace workspace_;
  TPaletteDocument palette_;
  TMainActions actions_;
  TColorsFromImagePage page_{workspace_, actions_};
};

TEST_F(ColorsFromImagePageTest, NothingIsPlacedBeforeAPictureAndThePicksCountOnlyChangesTheBox) {
  EXPECT_EQ(page_.PickCount(), 0);
  EXPECT_EQ(page_.PicksBox()->currentText(), QStringLiteral("7"));
  EXPECT_EQ(page_.FileLabel()->text(), QStringLiteral("Filename: "));
  page_.PicksBox()->setCurrentIndex(3);
  page_.MixPickers();
  EXPECT_EQ(page_.PickCount(), 0);
  EXPECT_EQ(List().Count(), 0);
  Load();
  EXPECT_EQ(page_.PickCount(), 4) << "loading places as many pickers as the box shows";
}

TEST_F(ColorsFromImagePageTest, LoadingPlacesSevenPickersOnThePictureEachReadingItsPixel) {
  Load();
  EXPECT_EQ(page_.FileLabel()->text(), QStringLiteral("Filename: ") + PicturePath());
  EXPECT_EQ(page_.Pickers().FittedSize(), QSize(200, 150)) << "a picture that fits is not enlarged";
  ASSERT_EQ(page_.PickCount(), 7);
  ASSERT_EQ(List().Count(), 7);
  EXPECT_EQ(List().Selected(), -1);
  for (int i = 0; i < 7; ++i) {
    const QPoint spot = Spots()[std::size_t(i)];
    EXPECT_TRUE(QRect(0, 0, 200, 150).contains(spot)) << i;
    EXPECT_EQ(List().Colors()[std::size_t(i)],
              PixelColor({std::min(spot.x() + 8, 199), std::min(spot.y() + 8, 149)}))
        << i;
    EXPECT_EQ(Panel().PenOf(i), TPickerPanel::NewPickerPen);
  }
  // The same seed places the same pickers.
  const std::vector<QPoint> first = Spots();
  page_.Random().seed(7);
  Load();
  EXPECT_EQ(Spots(), first);
}

TEST_F(ColorsFromImagePageTest, FromSevenToThreeToFivePicksKeepsTheFirstPickersAndAddsNewOnes) {
  Load();
  const std::vector<QPoint> seven = Spots();
  const std::vector<TColor> colours = List().Colors();
  page_.PicksBox()->setCurrentIndex(2);
  Settle();
  ASSERT_EQ(page_.PickCount(), 3);
  EXPECT_EQ(Spots(), std::vector<QPoint>(seven.begin(), seven.begin() + 3));
  EXPECT_EQ(List().Colors(), std::vector<TColor>(colours.begin(), colours.begin() + 3));
  page_.PicksBox()->setCurrentIndex(4);
  Settle();
  ASSERT_EQ(page_.PickCount(), 5);
  const std::vector<QPoint> five = Spots();
  EXPECT_EQ(std::vector<QPoint>(five.begin(), five.begin() + 3), std::vector<QPoint>(seven.begin(), seven.begin() + 3));
  for (int i = 3; i < 5; ++i) {
    const QPoint spot = Spots()[std::size_t(i)];
    EXPECT_TRUE(QRect(0, 0, 200, 150).contains(spot));
    EXPECT_EQ(List().Colors()[std::size_t(i)], PixelColor({std::min(spot.x() + 8, 199), std::min(spot.y() + 8, 149)}));
  }
}

TEST_F(ColorsFromImagePageTest, MixingMovesEveryPickerAwayFromTheRightAndBottomEdges) {
  Load();
  for (int round = 0; round < 20; ++round) {
    actions_.actCFIRandomPick->trigger();
    for (const QPoint& spot : Spots()) EXPECT_TRUE(QRect(0, 0, 200 - 15, 150 - 15).contains(spot));
    for (int i = 0; i < 7; ++i) {
      const QPoint spot = Spots()[std::size_t(i)];
      EXPECT_EQ(List().Colors()[std::size_t(i)], PixelColor(spot + QPoint(8, 8)));
    }
  }
  EXPECT_EQ(List().Selected(), 6) << "re-sampling leaves the last picker's swatch selected";
}

TEST_F(ColorsFromImagePageTest, ADraggedPickerStopsWithItsCentreOnTheTopRow) {
  Load();
  page_.PicksBox()->setCurrentIndex(0);
  Settle();
  ASSERT_EQ(page_.PickCount(), 1);
  const QPoint start = Spots()[0];
  const QPoint centre = start + QPoint(7, 7);
  QTest::mousePress(&Panel(), Qt::LeftButton, {}, centre);
  EXPECT_EQ(Panel().DraggedPicker(), 0);
  EXPECT_EQ(Panel().PenOf(0), TPickerPanel::PlainPen);
  QTest::mouseMove(&Panel(), centre + QPoint(10, -30));
  QTest::mouseMove(&Panel(), centre + QPoint(12, -120));
  const int left = std::min(start.x() + 12, 200 - 7);
  EXPECT_EQ(Spots()[0], QPoint(left, -7));
  EXPECT_EQ(List().Colors()[0], PixelColor({std::min(left + 8, 199), 1}));
  EXPECT_EQ(List().Selected(), 0);
  QTest::mouseRelease(&Panel(), Qt::LeftButton, {}, centre + QPoint(12, -120));
  EXPECT_EQ(Panel().DraggedPicker(), -1);
  QTest::mouseMove(&Panel(), centre + QPoint(40, 40));
  EXPECT_EQ(Spots()[0], QPoint(left, -7)) << "moves without the button held drag nothing";
}

// Pickers are held on picture pixels: shrinking and growing the panel moves the rings with the picture and never
// changes a picked colour.
TEST_F(ColorsFromImagePageTest, ResizingThePanelKeepsEveryPickerOnItsPicturePixel) {
  Load();
  page_.PicksBox()->setCurrentIndex(MaxPickCount - 1);
  Settle();
  const std::vector<QPoint> pixels = page_.Pickers().PicturePixels();
  const std::vector<TColor> colours = List().Colors();
  for (std::size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(colours[i], PixelColor(pixels[i])) << i;
  for (const QSize size : {QSize(600, 230), QSize(330, 160), QSize(600, 500)}) {
    page_.resize(size);
    Settle();
    const QSize fitted = page_.Pickers().FittedSize();
    EXPECT_EQ(page_.Pickers().PicturePixels(), pixels) << size.width() << "x" << size.height();
    EXPECT_EQ(List().Colors(), colours) << "the picks never change by themselves";
    for (int i = 0; i < MaxPickCount; ++i) {
      const QPoint shown = page_.Pickers().FittedPixelOf(pixels[std::size_t(i)]);
      EXPECT_EQ(Spots()[std::size_t(i)] + QPoint(8, 8), shown) << "the ring sits over its pixel, picker " << i;
      EXPECT_TRUE(QRect(QPoint(0, 0), fitted).contains(shown));
    }
  }
  ASSERT_EQ(page_.Pickers().FittedSize(), QSize(200, 150));
  ExpectSwatchesMatchPickers();
}

TEST_F(ColorsFromImagePageTest, ClickingASwatchHighlightsItsPickerYellowAndTheOthersWhite) {
  Load();
  page_.PicksBox()->setCurrentIndex(2);
  Settle();
  Click(List(), SwatchRect(1, List().width()).center());
  EXPECT_EQ(List().Selected(), 1);
  const QImage shown = Panel().Render();
  for (int i = 0; i < 3; ++i) {
    const QColor pen = i == 1 ? TPickerPanel::HighlightPen : TPickerPanel::PlainPen;
    EXPECT_EQ(Panel().PenOf(i), pen);
  }
  // The ring's left edge, halfway down, in the panel as drawn (a picker lying on top may cover it).
  const QPoint ring = Spots()[1] + QPoint(1, 7);
  if (PickerAt(Spots(), ring) == 1) {
    EXPECT_EQ(shown.pixel(ring), TPickerPanel::HighlightPen.rgb());
  }
  const QImage row = List().Render();
  EXPECT_EQ(row.pixel(SwatchRect(1, List().width()).topLeft()), qRgb(26, 140, 255)) << "the selected swatch's ground";
  EXPECT_EQ(row.pixel(SwatchRect(1, List().width()).topLeft() + QPoint(1, 1)), qRgb(0, 0, 0));
  EXPECT_EQ(FromPixel(row.pixel(SwatchRect(1, List().width()).center())), List().Colors()[1]);
  EXPECT_EQ(row.pixel(SwatchRect(0, List().width()).topLeft()), List().palette().color(QPalette::Base).rgb());

  // The arrow keys move along the row and highlight as a click does; the ends hold.
  List().setFocus();
  QTest::keyClick(&List(), Qt::Key_Right);
  EXPECT_EQ(List().Selected(), 2);
  EXPECT_EQ(Panel().PenOf(2), TPickerPanel::HighlightPen);
  EXPECT_EQ(Panel().PenOf(1), TPickerPanel::PlainPen);
  QTest::keyClick(&List(), Qt::Key_Right);
  EXPECT_EQ(List().Selected(), 2);
  QTest::keyClick(&List(), Qt::Key_Home);
  EXPECT_EQ(List().Selected(), 0);
  EXPECT_EQ(Panel().PenOf(0), TPickerPanel::HighlightPen);
}

TEST_F(ColorsFromImagePageTest, TheSwatchMenuActsOnTheSelectionInTheResultSpace) {
  Load();
  page_.UpdateActions(actions_);
  EXPECT_FALSE(actions_.actCFICurrentSetBase->isEnabled());
  EXPECT_FALSE(actions_.actCFICurrentAdd->isEnabled());
  EXPECT_TRUE(actions_.actCFIAddAll->isEnabled());
  actions_.actCFICurrentAdd->trigger();
  EXPECT_EQ(palette_.Count(), 0);

  page_.ModelBox()->setCurrentIndex(cmHSB);
  Click(List(), SwatchRect(2, List().width()).center());
  // A right press opens the menu without changing the selection.
  Click(List(), SwatchRect(5, List().width()).center(), Qt::RightButton);
  EXPECT_TRUE(page_.SwatchMenu()->isVisible());
  page_.SwatchMenu()->hide();
  EXPECT_EQ(List().Selected(), 2);
  page_.UpdateActions(actions_);
  ASSERT_TRUE(actions_.actCFICurrentSetBase->isEnabled());

  const TColor chosen = List().Colors()[2];
  actions_.actCFICurrentSetBase->trigger();
  EXPECT_EQ(workspace_.BaseColor().HexText(), Hex(chosen)) << "the sampled object, tagged: no round trip";
  EXPECT_EQ(workspace_.BaseColor().Model(), cmHSB);
  actions_.actCFICurrentAdd->trigger();
  ASSERT_EQ(palette_.Count(), 1);
  EXPECT_EQ(palette_.Entries()[0].Color.HexText(), Hex(chosen));
  EXPECT_EQ(palette_.Entries()[0].Color.Model(), cmHSB);
  EXPECT_EQ(palette_.Entries()[0].Name, QString::fromStdString(TColorObject(chosen, cmRGB).HexText()));

  page_.ModelBox()->setCurrentIndex(cmLAB);
  actions_.actCFIAddAll->trigger();
  ASSERT_EQ(palette_.Count(), 8);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(palette_.Entries()[std::size_t(i + 1)].Color.HexText(), Hex(List().Colors()[std::size_t(i)]));
    EXPECT_EQ(palette_.Entries()[std::size_t(i + 1)].Color.Model(), cmLAB);
  }

  // A double click is "Set as Base".
  workspace_.AssignBaseColor(TColorObject(0, cmRGB), nullptr);
  QTest::mouseDClick(&List(), Qt::LeftButton, {}, SwatchRect(4, List().width()).center());
  EXPECT_EQ(workspace_.BaseColor().HexText(), Hex(List().Colors()[4]));
  EXPECT_EQ(workspace_.BaseColor().Model(), cmLAB);
}

TEST_F(ColorsFromImagePageTest, APictureThatFailsToLoadShowsTheMessageAndKeepsThePage) {
  Load();
  const std::vector<QPoint> spots = Spots();
  const std::vector<TColor> colours = List().Colors();
  const QImage shown = page_.Pickers().Fitted();

  // Header only, claiming 60,000 by 60,000 pixels: refused before a pixel is decoded.
  QByteArray huge("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\xea\x60\0\0\xea\x60\x08\x02\0\0\0\0\0\0\0", 33);
  const QString cases[] = {
      Write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 cut short", 15)),
      Write("notes.txt", QByteArray("hello")),
      Write("huge.png", huge),
      dir_.filePath(QStringLiteral("missing.bmp")),
  };
  for (const QString& path : cases) {
    dialogs_.messages.clear();
    EXPECT_FALSE(page_.LoadPicture(path));
    ASSERT_EQ(dialogs_.messages.size(), 1u) << path.toStdString();
    EXPECT_EQ(dialogs_.messages[0].text, ReadFailureText(path, TFileResult::CantOpen()));
    EXPECT_EQ(dialogs_.messages[0].flags, mfError);
    EXPECT_EQ(page_.FileLabel()->text(), QStringLiteral("Filename: "));
    EXPECT_EQ(Spots(), spots);
    EXPECT_EQ(List().Colors(), colours);
    EXPECT_EQ(page_.Pickers().Fitted(), shown);
  }
  // A picture larger than the image reader may allocate fails the same way.
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(0 + 1);
  QImage big(800, 400, QImage::Format_RGB32);
  big.fill(Qt::darkCyan);
  ASSERT_TRUE(big.save(dir_.filePath(QStringLiteral("big.bmp"))));
  dialogs_.messages.clear();
  EXPECT_FALSE(page_.LoadPicture(dir_.filePath(QStringLiteral("big.bmp"))));
  QImageReader::setAllocationLimit(limit);
  EXPECT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(List().Colors(), colours);
  // The page goes on working on the picture it had.
  page_.PicksBox()->setCurrentIndex(1);
  EXPECT_EQ(page_.PickCount(), 2);
}

TEST_F(ColorsFromImagePageTest, LoadImageAsksForAPictureWithAPreviewAndACancelChangesNothing) {
  QString filter;
  dialogs_.onExec = [&](QDialog& dialog) {
    filter = static_cast<QFileDialog&>(dialog).nameFilters().join(QStringLiteral(";;"));
    return int(QDialog::Rejected);
  };
  actions_.actCFIOpen->trigger();
  EXPECT_TRUE(filter.startsWith(QStringLiteral("All (*.gif *.jpg *.jpeg *.bmp *.ico *.png")));
  EXPECT_EQ(page_.PickCount(), 0);
  EXPECT_TRUE(dialogs_.messages.empty());

  bool previewed = false;
  dialogs_.onExec = [&](QDialog& dialog) {
    auto& chooser = static_cast<TPictureOpenDialog&>(dialog);
    chooser.ShowPreview(PicturePath());
    previewed = !chooser.Preview()->pixmap().isNull();
    chooser.ShowPreview(dir_.filePath(QStringLiteral("none.png")));
    EXPECT_TRUE(chooser.Preview()->pixmap().isNull());
    chooser.selectFile(PicturePath());
    return int(QDialog::Accepted);
  };
  actions_.actCFIOpen->trigger();
  EXPECT_TRUE(previewed);
  EXPECT_EQ(page_.PickCount(), 7);
  EXPECT_EQ(page_.FileLabel()->text(), QStringLiteral("Filename: ") + PicturePath());
}

TEST_F(ColorsFromImagePageTest, ACameraPictureLoadsUprightAndGivesSevenSwatches) {
  // 4000 by 3000 pixels as a camera stores them, tagged to be turned a quarter clockwise: left half warm.
  QImage pixels(4000, 3000, QImage::Format_RGB32);
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x)
      pixels.setPixel(x, y, x < 2000 ? qRgb(220, 60 + y % 50, 20) : qRgb(20, 80 + x % 60, 200));
  QImageWriter writer(dir_.filePath(QStringLiteral("DSC_0001.JPG")), "jpeg");
  writer.setQuality(85);
  writer.setTransformation(QImageIOHandler::TransformationRotate90);
  ASSERT_TRUE(writer.write(pixels));

  ASSERT_TRUE(page_.LoadPicture(dir_.filePath(QStringLiteral("DSC_0001.JPG"))));
  Settle();
  EXPECT_EQ(page_.Pickers().NaturalSize(), QSize(3000, 4000));
  const QSize fitted = page_.Pickers().FittedSize();
  EXPECT_LT(fitted.width(), fitted.height()) << "shown upright";
  EXPECT_LE(fitted.height(), Panel().height() - 1);
  EXPECT_EQ(page_.PickCount(), 7);
  EXPECT_EQ(List().Count(), 7);
  ExpectSwatchesMatchPickers();
  const QImage& shown = page_.Pickers().Fitted();
  EXPECT_GT(qRed(shown.pixel(fitted.width() / 2, 3)), 180) << "the warm half is on top";
  EXPECT_GT(qBlue(shown.pixel(fitted.width() / 2, fitted.height() - 4)), 150);
}

TEST_F(ColorsFromImagePageTest, APictureFileDroppedOnThePanelIsLoaded) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(PicturePath())});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&Panel(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&Panel(), &drop);
  EXPECT_EQ(page_.PickCount(), 0) << "loaded once the drop is over";
  Settle();
  EXPECT_EQ(page_.PickCount(), 7);

  QMimeData text;
  text.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("notes.txt")))});
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, {});
  refused.setAccepted(false);
  QApplication::sendEvent(&Panel(), &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(ColorsFromImagePageTest, TheFileNameLineFollowsTheOption) {
  EXPECT_TRUE(page_.ShowsFileName());
  page_.SetShowFileName(false);
  EXPECT_FALSE(page_.ShowsFileName());
  EXPECT_FALSE(page_.findChild<QFrame*>(QStringLiteral("pnlCFIFile"))->isVisible());
  page_.SetShowFileName(true);
  EXPECT_TRUE(page_.findChild<QFrame*>(QStringLiteral("pnlCFIFile"))->isVisible());
}

TEST_F(ColorsFromImagePageTest, TheSwatchRowOffersItsSelectionAsANamedListEntry) {
  Load();
  EXPECT_FALSE(List().ColorDragOffer().object) << "nothing is offered without a selection";
  Click(List(), SwatchRect(3, List().width()).center());
  const TColorDragOffer offer = List().ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::List);
  ASSERT_TRUE(offer.object);
  EXPECT_EQ(offer.object->GetColor(), List().Colors()[3]);
  EXPECT_EQ(offer.object->Model(), cmRGB) << "the Result space does not apply to drops";
  EXPECT_EQ(QString::fromStdU16String(offer.object->Name()), QString::fromStdString(offer.object->HexText()));
}

}  // namespace
}  // namespace tintorium
