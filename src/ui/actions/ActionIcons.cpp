#include "ui/actions/ActionIcons.h"

#include "ui/actions/MainActions.h"

#include <QAction>
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace tintorium {
namespace {

// Every picture is drawn on a 32 x 32 grid.
using TPainterFn = std::function<void(QPainter&)>;

// The line colour of the pictures being drawn: dark on light themes, light on dark ones.
QColor kInk(52, 58, 64);
const QColor kPaper(250, 250, 250);

QPixmap Render(const TPainterFn& paint, int size, bool disabled) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(size / 32.0, size / 32.0);
  paint(p);
  p.end();
  if (!disabled) return pixmap;
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = qGray(line[x]) / 2 + 100;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
    }
  }
  return QPixmap::fromImage(image);
}

// Draws a picture when a size is first asked for, not when the icon is made: most sizes and the disabled look of
// most commands are never shown, and a start would otherwise draw them all (twice when the theme sets the ink).
class TDrawnIconEngine final : public QIconEngine {
 public:
  TDrawnIconEngine(TPainterFn paint, QColor ink, QList<int> sizes)
      : paint_(std::move(paint)), ink_(std::move(ink)), sizes_(std::move(sizes)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const int side = std::min(rect.width(), rect.height());
    // Drawn at the target's device pixels: a picture made at the logical size would be blurred when scaled up.
    const qreal ratio = painter->device() ? std::max<qreal>(painter->device()->devicePixelRatioF(), 1.0) : 1.0;
    QPixmap drawn = pixmap(QSize(int(std::ceil(side * ratio)), int(std::ceil(side * ratio))), mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(QRectF(rect.topLeft(), QSizeF(side, side)), drawn, QRectF(drawn.rect()));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const int side = std::max(1, std::min(size.width(), size.height()));
    const bool disabled = mode == QIcon::Disabled;
    const quint64 key = (quint64(side) << 1) | (disabled ? 1 : 0);
    if (auto found = cache_.constFind(key); found != cache_.cend()) return *found;
    const QColor ink = kInk;
    kInk = ink_;  // the pictures read the ink the icon was made with, whatever the theme since
    QPixmap drawn = Render(paint_, side, disabled);
    kInk = ink;
    cache_.insert(key, drawn);
    return drawn;
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return QSize(side, side);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int side : sizes_) sizes << QSize(side, side);
    return sizes;
  }

  QIconEngine* clone() const override { return new TDrawnIconEngine(paint_, ink_, sizes_); }
  QString key() const override { return QStringLiteral("TDrawnIconEngine"); }

 private:
  TPainterFn paint_;
  QColor ink_;
  QList<int> sizes_;
  QHash<quint64, QPixmap> cache_;
};

QIcon MakeIcon(const TPainterFn& paint) { return QIcon(new TDrawnIconEngine(paint, kInk, {16, 20, 24, 32, 48})); }

QPen Ink(double width = 2.0) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Page(QPainter& p) {
  QPainterPath path;
  path.moveTo(7, 3);
  path.lineTo(20, 3);
  path.lineTo(26, 9);
  path.lineTo(26, 29);
  path.lineTo(7, 29);
  path.closeSubpath();
  p.setPen(Ink(1.6));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(20, 3), QPointF(20, 9));
  p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void Swatches(QPainter& p, double x, double y, double cell) {
  const QColor colors[] = {QColor(230, 57, 70), QColor(244, 162, 97), QColor(42, 157, 143), QColor(69, 123, 157)};
  for (int i = 0; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(colors[i]);
    p.drawRoundedRect(QRectF(x + (i % 2) * (cell + 1), y + (i / 2) * (cell + 1), cell, cell), 1.5, 1.5);
  }
}

// The colours import fills in and export sends out: swatches in a frame, bottom left.
void FramedSwatches(QPainter& p) {
  Swatches(p, 3, 17, 5.5);
  p.setPen(Ink(1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2, 15, 14, 14));
}

// The palette entry a command acts on, top left; the command's own mark goes bottom right.
void EntryChip(QPainter& p, const QColor& fill) {
  p.setPen(Ink(1.6));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 3, 3);
}

// A mark of two bold strokes beside the entry: the plus of adding, the cross of deleting.
void EntryMark(QPainter& p, const QColor& color, const QLineF& first, const QLineF& second) {
  p.setPen(QPen(color, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(first);
  p.drawLine(second);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  QPolygonF head{to + u * 3, to - u * 6 + n * 6, to - u * 6 - n * 6};
  p.setBrush(color);
  p.setPen(QPen(color, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(head);
}

void Drop(QPainter& p, const QColor& fill) {
  QPainterPath drop;
  drop.moveTo(16, 3);
  drop.cubicTo(16, 3, 6, 15, 6, 20);
  drop.cubicTo(6, 26, 11, 29, 16, 29);
  drop.cubicTo(21, 29, 26, 26, 26, 20);
  drop.cubicTo(26, 15, 16, 3, 16, 3);
  p.setPen(Ink(1.6));
  p.setBrush(fill);
  p.drawPath(drop);
}

void Sign(QPainter& p, bool plus, QPointF at) {
  p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
  if (plus) p.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));
}

void WebGrid(QPainter& p, int steps) {
  const double cell = 26.0 / steps;
  for (int r = 0; r < steps; ++r)
    for (int c = 0; c < steps; ++c) {
      const int level = 255 * (r * steps + c) / (steps * steps - 1);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor::fromHsv((r * 97 + c * 53) % 360, 200, 120 + level / 2));
      p.drawRect(QRectF(3 + c * cell, 3 + r * cell, cell - 0.6, cell - 0.6));
    }
}

const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>>& Pictures() {
  static const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>> pictures{
      {&TMainActions::actFileNew, [](QPainter& p) { Page(p); Swatches(p, 10, 13, 6); }},
      {&TMainActions::actFileOpen,
       [](QPainter& p) {
         p.setPen(Ink(1.6));
         p.setBrush(QColor(246, 200, 95));
         QPainterPath back;
         back.moveTo(3, 8); back.lineTo(12, 8); back.lineTo(14, 11); back.lineTo(27, 11); back.lineTo(27, 26);
         back.lineTo(3, 26); back.closeSubpath();
         p.drawPath(back);
         p.setBrush(QColor(252, 222, 140));
         QPainterPath front;
         front.moveTo(3, 26); front.lineTo(8, 15); front.lineTo(30, 15); front.lineTo(26, 26); front.closeSubpath();
         p.drawPath(front);
       }},
      {&TMainActions::actFileSave,
       [](QPainter& p) {
         p.setPen(Ink(1.6));
         p.setBrush(QColor(69, 123, 157));
         p.drawRoundedRect(QRectF(4, 4, 24, 24), 2.5, 2.5);
         p.setBrush(kPaper);
         p.drawRect(QRectF(9, 4, 14, 9));
         p.setBrush(QColor(220, 226, 232));
         p.drawRect(QRectF(8, 18, 16, 10));
       }},
      {&TMainActions::actFilePrint,
       [](QPainter& p) {
         p.setPen(Ink(1.6));
         p.setBrush(kPaper);
         p.drawRect(QRectF(9, 3, 14, 10));
         p.setBrush(QColor(160, 170, 180));
         p.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
         p.setBrush(kPaper);
         p.drawRect(QRectF(9, 19, 14, 10));
         Swatches(p, 11, 21, 3.2);
       }},
      {&TMainActions::actEditUndo, [](QPainter& p) { Arrow(p, QPointF(26, 16), QPointF(9, 16), kInk); }},
      {&TMainActions::actEditRedo, [](QPainter& p) { Arrow(p, QPointF(6, 16), QPointF(23, 16), kInk); }},
      {&TMainActions::actImportColors,
       [](QPainter& p) {
         FramedSwatches(p);
         Arrow(p, QPointF(28, 4), QPointF(15, 15), QColor(42, 157, 143));
       }},
      {&TMainActions::actExportColors,
       [](QPainter& p) {
         FramedSwatches(p);
         Arrow(p, QPointF(14, 16), QPointF(26, 5), QColor(230, 57, 70));
       }},
      {&TMainActions::actToolsScreenPick,
       [](QPainter& p) {
         p.setPen(Ink(1.8));
         p.setBrush(QColor(255, 255, 255, 180));
         p.drawEllipse(QPointF(13, 13), 9, 9);
         p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(20, 20), QPointF(28, 28));
         p.setPen(QPen(QColor(230, 57, 70), 1.6));
         p.drawLine(QPointF(13, 8), QPointF(13, 18));
         p.drawLine(QPointF(8, 13), QPointF(18, 13));
       }},
      {&TMainActions::actToolsContrastTest,
       [](QPainter& p) {
         p.setPen(Ink(1.6));
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(16, 16), 12, 12);
         p.setBrush(QColor(30, 30, 30));
         p.drawPie(QRectF(4, 4, 24, 24), 90 * 16, 180 * 16);
       }},
      {&TMainActions::actToolsContrastMatrix,
       [](QPainter& p) {
         p.setPen(Ink(1.2));
         const QColor fills[4] = {Qt::white, QColor(30, 30, 30), QColor(30, 30, 30), Qt::white};
         for (int i = 0; i < 4; ++i) {
           p.setBrush(fills[i]);
           p.drawRect(QRectF(4 + (i % 2) * 12, 4 + (i / 2) * 12, 12, 12));
         }
       }},
      {&TMainActions::actToolsOptions,
       [](QPainter& p) {
         for (int i = 0; i < 3; ++i) {
           const double y = 7 + i * 9;
           p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
           p.drawLine(QPointF(4, y), QPointF(28, y));
           p.setBrush(QColor::fromHsv(i * 120, 180, 230));
           p.setPen(Ink(1.6));
           p.drawEllipse(QPointF(i == 1 ? 20 : (i == 0 ? 10 : 14), y), 3.5, 3.5);
         }
       }},
      {&TMainActions::actHelpHelp,
       [](QPainter& p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(69, 123, 157));
         p.drawEllipse(QPointF(16, 16), 13, 13);
         QFont font(QStringLiteral("DejaVu Sans"));
         font.setPixelSize(20);
         font.setBold(true);
         p.setFont(font);
         p.setPen(Qt::white);
         p.drawText(QRectF(0, 1, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
       }},
      {&TMainActions::actEditRandomize,
       [](QPainter& p) {
         p.setPen(Ink(1.6));
         p.setBrush(kPaper);
         p.drawRoundedRect(QRectF(4, 4, 24, 24), 5, 5);
         const QColor dots[] = {QColor(230, 57, 70), QColor(42, 157, 143), QColor(244, 162, 97),
                                QColor(69, 123, 157), QColor(131, 56, 236)};
         const QPointF at[] = {{10, 10}, {22, 10}, {16, 16}, {10, 22}, {22, 22}};
         p.setPen(Qt::NoPen);
         for (int i = 0; i < 5; ++i) {
           p.setBrush(dots[i]);
           p.drawEllipse(at[i], 2.6, 2.6);
         }
       }},
      {&TMainActions::actEditMakeWebsafe, [](QPainter& p) { WebGrid(p, 3); }},
      {&TMainActions::actEditMakeWebsmart, [](QPainter& p) { WebGrid(p, 4); }},
      {&TMainActions::actEditMakeGrayscale,
       [](QPainter& p) {
         QLinearGradient grey(4, 0, 28, 0);
         grey.setColorAt(0, Qt::white);
         grey.setColorAt(1, Qt::black);
         p.setPen(Ink(1.6));
         p.setBrush(grey);
         p.drawRoundedRect(QRectF(4, 6, 24, 20), 2.5, 2.5);
       }},
      {&TMainActions::actEditLighten,
       [](QPainter& p) {
         p.setPen(QPen(QColor(230, 160, 20), 2, Qt::SolidLine, Qt::RoundCap));
         for (int i = 0; i < 8; ++i) {
           const double a = i * std::numbers::pi / 4;
           p.drawLine(QPointF(16 + 9 * std::cos(a), 16 + 9 * std::sin(a)),
                      QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a)));
         }
         p.setBrush(QColor(255, 209, 70));
         p.drawEllipse(QPointF(16, 16), 6, 6);
       }},
      {&TMainActions::actEditDarken,
       [](QPainter& p) {
         QPainterPath moon;
         moon.addEllipse(QPointF(16, 16), 12, 12);
         QPainterPath bite;
         bite.addEllipse(QPointF(23, 11), 10, 10);
         p.setPen(Ink(1.6));
         p.setBrush(QColor(70, 80, 110));
         p.drawPath(moon.subtracted(bite));
       }},
      {&TMainActions::actEditSaturate, [](QPainter& p) { Drop(p, QColor(230, 30, 60)); Sign(p, true, {16, 20}); }},
      {&TMainActions::actEditDesaturate, [](QPainter& p) { Drop(p, QColor(214, 170, 178)); Sign(p, false, {16, 20}); }},
      {&TMainActions::actPaletteAddBaseColor,
       [](QPainter& p) {
         EntryChip(p, QColor(232, 253, 0));
         EntryMark(p, QColor(42, 157, 143), QLineF(24, 17, 24, 29), QLineF(18, 23, 30, 23));
       }},
      {&TMainActions::actPaletteEditColor,
       [](QPainter& p) {
         EntryChip(p, QColor(69, 123, 157));
         p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(15, 27), QPointF(28, 14));
         p.setPen(QPen(QColor(244, 162, 97), 2.4, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(16, 26), QPointF(27, 15));
       }},
      {&TMainActions::actPaletteDeleteColor,
       [](QPainter& p) {
         EntryChip(p, QColor(244, 162, 97));
         EntryMark(p, QColor(200, 30, 40), QLineF(18, 18, 28, 28), QLineF(28, 18, 18, 28));
       }},
      {&TMainActions::actPaletteSortColor,
       [](QPainter& p) {
         for (int i = 0; i < 4; ++i) {
           p.setPen(Qt::NoPen);
           p.setBrush(QColor::fromHsv(200, 160, 250 - i * 50));
           p.drawRoundedRect(QRectF(3, 4 + i * 6.5, 8 + i * 4.5, 5), 1.5, 1.5);
         }
         Arrow(p, QPointF(26, 4), QPointF(26, 25), kInk);
       }},
  };
  return pictures;
}

// --- Palette undo and redo: a curved arrow over a palette's rows (kept apart from the pictures above) ------

void PaletteRows(QPainter& p) {
  const QColor rows[] = {QColor(230, 57, 70), QColor(244, 162, 97), QColor(42, 157, 143)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(rows[i]);
    p.drawRoundedRect(QRectF(4, 17 + i * 4.5, 7, 3.6), 1, 1);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 18.8 + i * 4.5), QPointF(27, 18.8 + i * 4.5));
  }
}

/// Half a turn over the rows, the head on the left for undo and on the right for redo.
void TurnArrow(QPainter& p, bool back) {
  p.save();
  if (!back) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath turn;
  turn.moveTo(8, 9);
  turn.cubicTo(13, 2, 25, 2, 27, 9);
  turn.cubicTo(28, 12, 26, 14, 24, 15);
  p.setPen(QPen(QColor(69, 123, 157), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(turn);
  p.setPen(QPen(QColor(69, 123, 157), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(69, 123, 157));
  p.drawPolygon(QPolygonF{QPointF(3.5, 12), QPointF(7, 3.5), QPointF(12.5, 10.5)});
  p.restore();
}

const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>>& PaletteUndoPictures() {
  static const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>> pictures{
      {&TMainActions::actPaletteUndo, [](QPainter& p) { PaletteRows(p); TurnArrow(p, true); }},
      {&TMainActions::actPaletteRedo, [](QPainter& p) { PaletteRows(p); TurnArrow(p, false); }},
  };
  return pictures;
}

// The library actions: a book of swatches, with a downward arrow (load) or an open folder (open).
void SwatchBook(QPainter& p) {
  p.setPen(Ink(1.6));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(3, 4, 18, 24), 2, 2);
  Swatches(p, 6, 8, 5.5);
  Swatches(p, 6, 17.5, 5.5);
}

const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>>& LibraryPictures() {
  static const std::vector<std::pair<QAction* TMainActions::*, TPainterFn>> pictures{
      {&TMainActions::actLibLoad,
       [](QPainter& p) {
         SwatchBook(p);
         Arrow(p, QPointF(26, 4), QPointF(26, 22), QColor(42, 157, 143));
       }},
      {&TMainActions::actLibOpen,
       [](QPainter& p) {
         SwatchBook(p);
         p.setPen(Ink(1.4));
         p.setBrush(QColor(246, 200, 95));
         QPainterPath folder;
         folder.moveTo(14, 17); folder.lineTo(19, 17); folder.lineTo(21, 19); folder.lineTo(30, 19);
         folder.lineTo(30, 29); folder.lineTo(14, 29); folder.closeSubpath();
         p.drawPath(folder);
       }},
  };
  return pictures;
}

void HueRing(QPainter& p) {
  const QRectF outer(1, 1, 30, 30);
  const QRectF inner(10, 10, 12, 12);
  for (int i = 0; i < 12; ++i) {
    const double start = 90 - i * 30 - 15;
    QPainterPath segment;
    segment.arcMoveTo(outer, start);
    segment.arcTo(outer, start, 30);
    segment.arcTo(inner, start + 30, -30);
    segment.closeSubpath();
    p.setPen(QPen(Qt::white, 0.6));
    p.setBrush(QColor::fromHsv((360 - i * 30) % 360, 210, 240));
    p.drawPath(segment);
  }
  p.setPen(QPen(QColor(52, 58, 64), 0.75));
  p.setBrush(QColor(232, 253, 0));
  p.drawEllipse(QPointF(16, 16), 4.25, 4.25);
}

}  // namespace

QIcon ApplicationIcon() {
  return QIcon(new TDrawnIconEngine(HueRing, kInk, {16, 24, 32, 48, 64, 128, 256}));
}

void SetActionIcons(TMainActions& actions, bool dark) {
  kInk = dark ? QColor(222, 226, 230) : QColor(52, 58, 64);
  for (const auto& [member, paint] : Pictures()) (actions.*member)->setIcon(MakeIcon(paint));
  for (const auto& [member, paint] : PaletteUndoPictures()) (actions.*member)->setIcon(MakeIcon(paint));
  for (const auto& [member, paint] : LibraryPictures()) (actions.*member)->setIcon(MakeIcon(paint));
}

}  // namespace tintorium
