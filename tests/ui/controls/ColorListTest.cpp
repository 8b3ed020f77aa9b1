// The colour list: item drawing checked on rendered pixels, hover reports, keys, drag offers and drops.
#include "core/Contrast.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ColorList.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

namespace tintorium {
namespace {

constexpr QRgb kBackground = qRgb(255, 255, 255);
constexpr QRgb kSelected = qRgb(220, 220, 220);
constexpr QRgb kShadow = qRgb(210, 210, 210);

TColorObject Rgb(int r, int g, int b) {
  TColorObject color;
  color.SetRGB({r, g, b});
  return color;
}

QImage DrawItem(TColorItemState state, bool compact, const TColorObject& color, const QString& name = "FF8000") {
  QImage image(300, TColorList::ItemHeight, QImage::Format_RGB32);
  image.fill(Qt::magenta);  // anything the item leaves unpainted shows
  QPainter painter(&image);
  DrawColorListItem(painter, image.rect(), state, name, color, compact, QColor(kBackground));
  return image;
}

/// Whether any pixel of `area` differs from `background`.
bool HasInk(const QImage& image, const QRect& area, QRgb background) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixel(x, y) != background) return true;
    }
  }
  return false;
}

/// The WCAG 2 contrast of the strongest pixel of the name (first text line) against `fill`.
double StrongestTextContrast(const QImage& image, QRgb fill) {
  double best = 1.0;
  for (int y = 4; y < 20; ++y) {
    for (int x = 45; x < 250; ++x) {
      const QRgb p = image.pixel(x, y);
      best = std::max(best, MeasureContrast(FromQRgb(p), FromQRgb(fill)).Ratio);
    }
  }
  return best;
}

TEST(ColorListDrawing, SwatchShadowAndBackgroundFollowTheGeometry) {
  const QImage image = DrawItem({}, false, Rgb(255, 128, 0));
  // With the item height 39 the swatch is the 33 x 33 square from (3, 3); the shadow shows one pixel
  // right of and below it.
  EXPECT_EQ(image.pixel(19, 19), qRgb(255, 128, 0));
  EXPECT_EQ(image.pixel(3, 19), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(35, 19), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(19, 35), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(36, 19), kShadow);
  EXPECT_EQ(image.pixel(19, 36), kShadow);
  EXPECT_EQ(image.pixel(37, 19), kBackground);
  EXPECT_EQ(image.pixel(2, 19), kBackground);
  // The whole item is painted: no pixel keeps what was under it.
  EXPECT_FALSE(HasInk(image, QRect(0, 0, 300, 1), kBackground));
  EXPECT_EQ(image.pixel(298, 20), kBackground);
}

TEST(ColorListDrawing, SelectedItemIsLightGreyAndFocusedItemHasADottedFrame) {
  const QImage selected = DrawItem({true, false}, false, Rgb(0, 0, 255));
  EXPECT_EQ(selected.pixel(298, 20), kSelected);
  EXPECT_EQ(selected.pixel(2, 19), kSelected);
  EXPECT_FALSE(HasInk(selected, QRect(0, 0, 300, 1), kSelected));

  const QImage focused = DrawItem({true, true}, false, Rgb(0, 0, 255));
  EXPECT_EQ(focused.pixel(298, 20), kSelected) << "the focused item still shows that it is selected";
  int black = 0;
  for (int x = 0; x < 300; ++x) black += focused.pixel(x, 0) == qRgb(0, 0, 0) ? 1 : 0;
  EXPECT_GT(black, 50);
  EXPECT_LT(black, 250) << "dotted, not solid";
}

TEST(ColorListDrawing, CompactAndNormalPlaceTheTextsDifferently) {
  const TColorObject color = Rgb(10, 20, 30);
  const QImage normal = DrawItem({}, false, color);
  const QImage compact = DrawItem({}, true, color);
  const QRect nameTop(45, 4, 150, 5);         // first rows of the name in normal drawing
  const QRect valuesLine(45, 27, 200, 7);     // the model and values line at the bottom
  const QRect modelTopRight(250, 3, 47, 6);   // the model name of compact drawing
  const QRect nameMiddle(45, 15, 150, 8);     // the centred name of compact drawing

  EXPECT_TRUE(HasInk(normal, nameTop, kBackground));
  EXPECT_TRUE(HasInk(normal, valuesLine, kBackground));
  EXPECT_FALSE(HasInk(normal, modelTopRight, kBackground));

  EXPECT_FALSE(HasInk(compact, nameTop, kBackground));
  EXPECT_FALSE(HasInk(compact, valuesLine, kBackground));
  EXPECT_TRUE(HasInk(compact, modelTopRight, kBackground));
  EXPECT_TRUE(HasInk(compact, nameMiddle, kBackground));
  // The swatch is the same in both.
  EXPECT_EQ(compact.pixel(19, 19), normal.pixel(19, 19));
}

TEST(ColorListDrawing, TextIsGrey) {
  const QImage image = DrawItem({}, false, Rgb(0, 0, 0), QStringLiteral("MMMMMMMM"));
  // The darkest text pixel is the text colour (anti-aliased edges are lighter, never darker).
  int darkest = 255;
  for (int y = 4; y < 20; ++y) {
    for (int x = 45; x < 250; ++x) darkest = std::min(darkest, qRed(image.pixel(x, y)));
  }
  EXPECT_EQ(darkest, 110);
}

TEST(ColorListDrawing, OnADarkListTheTextStaysReadable) {
  QImage image(300, TColorList::ItemHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  const QColor dark(0x1d, 0x1a, 0x2e);
  DrawColorListItem(painter, image.rect(), {}, QStringLiteral("MMMMMMMM"), Rgb(0, 0, 0), false, dark);
  int lightest = 0;
  for (int y = 4; y < 20; ++y) {
    for (int x = 45; x < 250; ++x) lightest = std::max(lightest, qGray(image.pixel(x, y)));
  }
  EXPECT_GE(lightest, 180);
  EXPECT_EQ(image.pixel(298, 20), dark.rgb());
  // A selected item stays in the dark theme: a lighter shade of the list, its text still readable on it.
  DrawColorListItem(painter, image.rect(), {true, false}, QStringLiteral("MMMMMMMM"), Rgb(0, 0, 0), false, dark);
  const QRgb fill = image.pixel(298, 20);
  EXPECT_GT(qGray(fill), qGray(dark.rgb()));
  EXPECT_LT(qGray(fill), 128);
  EXPECT_GE(StrongestTextContrast(image, fill), 4.5);
}

TEST(ColorListDrawing, SelectedTextReadsOnTheSelection) {
  const QImage image = DrawItem({true, false}, false, Rgb(0, 0, 0), QStringLiteral("MMMMMMMM"));
  EXPECT_EQ(image.pixel(298, 20), kSelected);
  EXPECT_GE(StrongestTextContrast(image, kSelected), 4.5);
}

TEST(ColorListDrawing, ALongNameStopsShortOfTheCompactModelName) {
  const QString longName(200, QLatin1Char('W'));
  const QImage compact = DrawItem({}, true, Rgb(1, 2, 3), longName);
  // Between the elided name and the model name stays a gap of background.
  const QImage shortModel = DrawItem({}, true, Rgb(1, 2, 3), QString());
  int modelLeft = 299;
  for (int x = 299; x > 40; --x) {
    if (HasInk(shortModel, QRect(x, 3, 1, 10), kBackground)) modelLeft = x;
  }
  EXPECT_FALSE(HasInk(compact, QRect(modelLeft - 4, 12, 3, 16), kBackground));
}

TEST(ColorListDrawing, AHugeNameDrawsLikeItsBeginning) {
  const QString huge = QString(300, QLatin1Char('W')) + QString(2'000'000, QLatin1Char('x'));
  EXPECT_EQ(DrawItem({}, false, Rgb(1, 2, 3), huge), DrawItem({}, false, Rgb(1, 2, 3), huge.left(400)));
  EXPECT_LT(ColorEntryToolTip(huge, Rgb(1, 2, 3)).size(), 1000);
}

class ColorListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddItem(QStringLiteral("Red"), Rgb(255, 0, 0));
    AddItem(QStringLiteral("Green"), Rgb(0, 255, 0));
    AddItem(QStringLiteral("Blue"), Rgb(0, 0, 255));
    list.setModel(&model);
    list.resize(260, 200);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }

  void AddItem(const QString& name, const TColorObject& color) {
    auto* item = new QStandardItem(name);
    item->setData(QVariant::fromValue(color), ColorObjectRole);
    model.appendRow(item);
  }

  QPoint RowCenter(int row) const { return list.visualRect(model.index(row, 0)).center(); }

  QStandardItemModel model;
  TColorList list;
};

TEST_F(ColorListTest, ItemsAre39PixelsHighAndAsWideAsTheList) {
  EXPECT_EQ(list.visualRect(model.index(0, 0)).height(), 39);
  EXPECT_EQ(list.visualRect(model.index(1, 0)).top(), 39);
  for (int i = 0; i < 20; ++i) AddItem(QString(80, QLatin1Char('W')), Rgb(i, i, i));  // long names, a scroll bar
  QApplication::processEvents();
  EXPECT_TRUE(list.verticalScrollBar()->isVisible());
  EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
  EXPECT_EQ(list.visualRect(model.index(0, 0)).width(), list.viewport()->width());
}

TEST_F(ColorListTest, CompactDrawRepaintsTheList) {
  const QImage before = list.viewport()->grab().toImage();
  list.SetCompactDraw(true);
  EXPECT_TRUE(list.CompactDraw());
  const QImage after = list.viewport()->grab().toImage();
  EXPECT_NE(before, after);
  list.setProperty("CompactDraw", false);
  EXPECT_EQ(list.viewport()->grab().toImage(), before);
}

TEST_F(ColorListTest, AnItemWithoutAColourDrawsNothing) {
  model.appendRow(new QStandardItem(QStringLiteral("no colour")));
  const QRect rect = list.visualRect(model.index(3, 0));
  const QImage image = list.viewport()->grab().toImage();
  const QRgb base = list.palette().color(QPalette::Base).rgb();
  EXPECT_FALSE(HasInk(image, rect.adjusted(0, 0, -1, -1), base));
  EXPECT_FALSE(list.ColorAt(3).has_value());
}

TEST_F(ColorListTest, HoverReportsTheItemUnderThePointerAndClearsOffItemsAndOnLeave) {
  QSignalSpy hover(&list, &TColorList::OnColorHover);
  QSignalSpy cleared(&list, &TColorList::OnColorHoverEnd);
  QTest::mouseMove(list.viewport(), RowCenter(1));
  ASSERT_EQ(hover.count(), 1);
  EXPECT_EQ(hover.at(0).at(0).value<TColor>(), FromQRgb(qRgb(0, 255, 0)));

  QTest::mouseMove(list.viewport(), QPoint(20, 3 * 39 + 20));  // below the last item
  EXPECT_EQ(cleared.count(), 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(list.viewport(), &leave);
  EXPECT_EQ(cleared.count(), 2);
}

TEST_F(ColorListTest, DoubleClickReturnAndDeleteAreReported) {
  QSignalSpy dbl(&list, &TColorList::OnDblClick);
  QSignalSpy ret(&list, &TColorList::OnReturnKey);
  QSignalSpy del(&list, &TColorList::OnDeleteKey);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, RowCenter(2));
  EXPECT_EQ(dbl.count(), 1);
  EXPECT_EQ(list.CurrentRow(), 2);
  QTest::keyClick(&list, Qt::Key_Return);
  QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(ret.count(), 2);
  EXPECT_EQ(del.count(), 1);
}

TEST(ColorListKeys, EnterReachesTheDialogWhenNobodyListensToTheList) {
  QDialog dialog;
  auto* list = new TColorList(&dialog);
  QStandardItemModel model;
  auto* item = new QStandardItem(QStringLiteral("A"));
  item->setData(QVariant::fromValue(Rgb(1, 2, 3)), ColorObjectRole);
  model.appendRow(item);
  list->setModel(&model);
  auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ColorListTest, DragOfferIsACopyOfTheCurrentItemWithItsText) {
  list.SetCurrentRow(-1);
  TColorDragOffer none = list.ColorDragOffer();
  EXPECT_EQ(none.kind, TColorDragKind::List);
  EXPECT_EQ(none.color, clNone);
  EXPECT_FALSE(none.object.has_value());

  TColorObject hsb;
  hsb.SetHSB({200, 50, 60});
  AddItem(QStringLiteral("Sky"), hsb);
  list.SetCurrentRow(3);
  list.SetDragKind(TColorDragKind::HistoryList);
  const TColorDragOffer offer = list.ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::HistoryList);
  ASSERT_TRUE(offer.object.has_value());
  EXPECT_EQ(offer.object->Name(), u"Sky");
  EXPECT_EQ(offer.object->Model(), cmHSB);
  EXPECT_EQ(offer.object->GetHSB(), (THSBValues{200, 50, 60}));
  EXPECT_EQ(offer.color, hsb.GetColor());
}

TEST_F(ColorListTest, DropsInsertAtTheRowUnderThePointOrAtTheEnd) {
  QMimeData mime;
  mime.setText(QStringLiteral("#336699"));
  EXPECT_FALSE(list.DropColor(nullptr, &mime, RowCenter(1))) << "not a drop target yet";

  std::vector<std::pair<int, TColor>> drops;
  list.SetColorDropTarget([](const QObject*, const TColorDragOffer&) { return true; },
                          [&](const QObject*, const TColorDragOffer& offer, int row) {
                            drops.emplace_back(row, offer.color);
                          });
  EXPECT_TRUE(list.DropColor(nullptr, &mime, RowCenter(1)));
  EXPECT_TRUE(list.DropColor(nullptr, &mime, QPoint(10, 0)));
  EXPECT_TRUE(list.DropColor(nullptr, &mime, QPoint(10, 190)));  // below the last item
  ASSERT_EQ(drops.size(), 3u);
  EXPECT_EQ(drops[0].first, 1);
  EXPECT_EQ(drops[1].first, 0);
  EXPECT_EQ(drops[2].first, 3);
  EXPECT_EQ(drops[0].second, FromQRgb(qRgb(0x33, 0x66, 0x99)));

  QMimeData junk;
  junk.setText(QStringLiteral("not a colour"));
  EXPECT_FALSE(list.DropColor(nullptr, &junk, RowCenter(1)));
  EXPECT_EQ(drops.size(), 3u);
}

TEST_F(ColorListTest, ALineShowsWhereADraggedColourWouldGo) {
  list.SetColorDropTarget([](const QObject*, const TColorDragOffer&) { return true; },
                          [](const QObject*, const TColorDragOffer&, int) {});
  QMimeData mime;
  mime.setText(QStringLiteral("#336699"));
  const QRgb highlight = list.palette().color(QPalette::Highlight).rgb();
  const int lineY = list.visualRect(model.index(1, 0)).top();
  auto lineShown = [&] { return list.viewport()->grab().toImage().pixel(150, lineY) == highlight; };
  EXPECT_FALSE(lineShown());

  QDragEnterEvent enter(RowCenter(1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list.viewport(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  EXPECT_TRUE(lineShown());

  QDragLeaveEvent leave;
  QApplication::sendEvent(list.viewport(), &leave);
  EXPECT_FALSE(lineShown());
}

}  // namespace
}  // namespace tintorium
