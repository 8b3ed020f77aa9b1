#include "ui/controls/LibTableCells.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QPainter>

namespace tintorium {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kTeal(0, 128, 128);


/// A box by its edges, right and bottom exclusive.
struct TBox {
  int L, T, R, B;
  TBox Shrunk(int by) const { return {L + by, T + by, R - by, B - by}; }
};

TBox BoxOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

void Fill(QPainter& p, const TBox& b, const QColor& color) {
  if (b.R > b.L && b.B > b.T) p.fillRect(QRect(b.L, b.T, b.R - b.L, b.B - b.T), color);
}
void HLine(QPainter& p, int x1, int x2, int y, const QColor& color) { Fill(p, {x1, y, x2, y + 1}, color); }
void VLine(QPainter& p, int x, int y1, int y2, const QColor& color) { Fill(p, {x, y1, x + 1, y2}, color); }

void Frame(QPainter& p, const TBox& b, const QColor& color) {
  if (b.R <= b.L || b.B <= b.T) return;
  HLine(p, b.L, b.R, b.T, color);
  HLine(p, b.L, b.R, b.B - 1, color);
  VLine(p, b.L, b.T, b.B, color);
  VLine(p, b.R - 1, b.T, b.B, color);
}

/// One ring of a 3D edge: light on the top and left, dark on the bottom and right.
void Edge(QPainter& p, const TBox& b, const QColor& topLeft, const QColor& bottomRight) {
  if (b.R <= b.L || b.B <= b.T) return;
  HLine(p, b.L, b.R - 1, b.T, topLeft);
  VLine(p, b.L, b.T, b.B - 1, topLeft);
  HLine(p, b.L, b.R, b.B - 1, bottomRight);
  VLine(p, b.R - 1, b.T, b.B, bottomRight);
}

QColor System(TColor color, const TLibCellContext& context) { return ThemedColor(color, context.palette); }

void RaisedInner(QPainter& p, const TBox& b, const TLibCellContext& c) {
  Edge(p, b, System(clBtnHighlight, c), System(clBtnShadow, c));
}
void SunkenOuter(QPainter& p, const TBox& b, const TLibCellContext& c) {
  Edge(p, b, System(clBtnShadow, c), System(clBtnHighlight, c));
}
void RaisedEdge(QPainter& p, const TBox& b, const TLibCellContext& c) {
  Edge(p, b, System(cl3DLight, c), System(cl3DDkShadow, c));
  RaisedInner(p, b.Shrunk(1), c);
}

void Line(QPainter& p, int x1, int y1, int x2, int y2, const QPen& pen) {
  p.setPen(pen);
  p.drawLine(x1, y1, x2, y2);
}

void CorelGrid(QPainter& p, const TBox& c, bool last, int clientWidth) {
  const QColor black(Qt::black);
  VLine(p, c.L, c.T, c.B - 1, black);
  HLine(p, c.L, c.R, c.B - 1, black);
  if (c.T == 0) HLine(p, c.L, c.R, 0, black);
  if (c.R == clientWidth)
    VLine(p, c.R - 1, c.T, c.B - 1, black);
  else if (last)
    VLine(p, c.R, c.T, c.B, black);
}

void DrawTransparent(QPainter& p, TBox P, TColorCellState state, const TLibCellContext& context) {
  const bool corel = context.style == csCorel;
  if (corel) {
    if (state != ccsNone)
      P = P.Shrunk(2);
    else if (context.columns > 1)
      P.R += 1;
  }
  const QColor shadow = context.enabled ? System(clBtnShadow, context) : kGrey;
  switch (context.transparent) {
    case tsPhotoshop: {
      Fill(p, P, Qt::white);
      Frame(p, P, shadow);
      const int mx = P.L + (P.R - P.L) / 2;
      const int my = P.T + (P.B - P.T) / 2;
      Fill(p, {mx, P.T + 1, P.R - 1, my}, kSilver);
      Fill(p, {P.L + 1, my, mx, P.B - 1}, kSilver);
      break;
    }
    case tsPhotoshop2: {
      const TBox s = P.Shrunk(1);
      Fill(p, s, Qt::white);
      Frame(p, s, Qt::black);
      p.setClipRect(QRect(s.L, s.T, s.R - s.L, s.B - s.T), Qt::IntersectClip);
      Line(p, s.L, s.T, s.R - 1, s.B - 1, QPen(QColor(255, 0, 0), 2));
      p.setClipping(false);
      break;
    }
    case tsCorel: {
      const TBox box = corel ? P.Shrunk(-3) : P;
      Fill(p, box, Qt::white);
      Frame(p, box, corel ? QColor(Qt::black) : shadow);
      const QPen pen(Qt::black, 0);
      Line(p, box.L, box.T, box.R - 1, box.B - 1, pen);
      Line(p, box.R - 1, box.T, box.L, box.B - 1, pen);
      break;
    }
    case tsMicroangelo: {
      TBox s = P.Shrunk(1);
      s.B -= 1;
      Fill(p, s, kTeal);
      Frame(p, s, Qt::black);
      const int mx = s.L + (s.R - s.L) / 2;
      Fill(p, {s.L + 2, s.T + 2, s.L + 3, s.T + 3}, Qt::white);
      Fill(p, {mx, s.B, mx + 1, s.B + 1}, Qt::black);
      HLine(p, mx - 2, mx + 3, s.B + 1, Qt::black);
      break;
    }
    case tsNone: break;
  }
}

}  // namespace

TLibEntry ParseLibEntry(const QString& text) {
  TLibEntry entry;
  if (text.isEmpty()) return entry;
  entry.color = RGBValuesToColor(ParseHexColor(text.toStdString()));
  if (text.compare(u"clTransparent", Qt::CaseInsensitive) == 0)
    entry.kind = TLibEntryKind::Transparent;
  else if (text.compare(u"clCustom", Qt::CaseInsensitive) == 0)
    entry.kind = TLibEntryKind::Custom;
  else
    entry.kind = TLibEntryKind::Color;
  return entry;
}

TColorCellState LibCellState(int index, int selectedCell, int hoverCell, bool buttonDown, int pointerState) {
  if (index == selectedCell) {
    if (index != hoverCell) return ccsChecked;
    return buttonDown ? ccsDown : ccsCheckedHover;
  }
  if (index == hoverCell && pointerState == 1) return ccsOver;
  return ccsNone;
}

void DrawLibCellFrame(QPainter& p, const QRect& cell, TColorCellState state, bool last,
                      const TLibCellContext& context) {
  const TBox c = BoxOf(cell);
  const QColor background = ToQColor(context.background);
  if (context.style == csDefault) {
    if (!context.enabled)
      Fill(p, c, System(clBtnFace, context));
    else if (state == ccsNone)
      Fill(p, c, background);
    else if (state == ccsOver)
      RaisedInner(p, c, context);
    else
      SunkenOuter(p, c, context);
    return;
  }
  if (!context.enabled)
    Fill(p, c, background);
  else if (state == ccsNone)
    CorelGrid(p, c, last, context.clientWidth);
  else if (state == ccsOver)
    RaisedEdge(p, {c.L + 1, c.T + 1, c.R + 1, c.B + 1}, context);
  else
    SunkenOuter(p, c, context);
}

void DrawLibCellContent(QPainter& p, const QRect& cell, const TLibEntry& entry, TColorCellState state,
                        const TLibCellContext& context) {
  const TBox c = BoxOf(cell);
  switch (entry.kind) {
    case TLibEntryKind::Blank:
    case TLibEntryKind::Custom: return;
    case TLibEntryKind::Transparent: DrawTransparent(p, c.Shrunk(3), state, context); return;
    case TLibEntryKind::Color: break;
  }
  const QColor fill = context.enabled ? ToQColor(entry.color) : kGrey;
  if (context.style == csDefault) {
    const TBox s = c.Shrunk(3);
    Fill(p, s, fill);
    Frame(p, s, context.enabled ? System(clBtnShadow, context) : kGrey);
    return;
  }
  if (state != ccsNone) {
    Fill(p, c.Shrunk(2), fill);
    return;
  }
  TBox s{c.L + 1, c.T, c.R, c.B - 1};
  if (c.T <= 1) s.T += 1;
  if (c.R == context.clientWidth) s.R -= 1;
  Fill(p, s, fill);
}

QRect LibCellHookRect(const QRect& cell, const TLibCellContext& context) {
  if (context.style == csCorel && context.columns > 1) return {cell.left(), cell.top(), cell.width() + 1, 5};
  return cell;
}

}  // namespace tintorium
