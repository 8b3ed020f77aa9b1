#pragma once
// What a cell of the library swatch table shows and how it is drawn: its entry parsed once, its frame by cell
// style and state, its swatch, and the patterns that stand for "no colour".

#include "core/ColorTypes.h"

#include <QPalette>
#include <QRect>
#include <QString>

#include <cstdint>

class QPainter;

namespace tintorium {

/// csDefault: a framed swatch on a button-like cell; csCorel: swatches packed in a grid of 1-pixel black lines.
enum TCellStyle : std::uint8_t { csDefault = 0, csCorel = 1 };
/// The pattern of a "clTransparent" entry.
enum TTransparentStyle : std::uint8_t { tsPhotoshop = 0, tsPhotoshop2, tsCorel, tsMicroangelo, tsNone };
enum TColorCellState : std::uint8_t { ccsNone = 0, ccsOver, ccsDown, ccsChecked, ccsCheckedHover };

/// What an entry text stands for.
enum class TLibEntryKind : std::uint8_t {
  Color,        // hexadecimal text (anything else not below)
  Transparent,  // "clTransparent", any case: a pattern
  Custom,       // "clCustom", any case: an empty frame
  Blank,        // "": nothing drawn, the place is kept
};

struct TLibEntry {
  TLibEntryKind kind = TLibEntryKind::Blank;
  /// The hex rule's colour (also for the special texts): the first "#" removed, RRGGBB, other characters and
  /// missing ones count as 0.
  TColor color = 0;
};

TLibEntry ParseLibEntry(const QString& text);

/// The state of cell `index` while painting.
TColorCellState LibCellState(int index, int selectedCell, int hoverCell, bool buttonDown, int pointerState);

/// Everything about the table a cell's drawing depends on.
struct TLibCellContext {
  TCellStyle style = csDefault;
  TTransparentStyle transparent = tsNone;
  bool enabled = true;
  int columns = 1;
  /// Width of the cells' area (the control without its scroll bar): a csCorel cell touching it closes its grid
  /// line inside instead of beyond it.
  int clientWidth = 0;
  /// The control's background (RGB).
  TColor background = 0;
  /// The theme the raised and sunken edges take their light and shadow from.
  QPalette palette;
};

/// The frame of a cell (`last`: the list's last entry, which closes the csCorel grid on its right).
void DrawLibCellFrame(QPainter& painter, const QRect& cell, TColorCellState state, bool last,
                      const TLibCellContext& context);
/// The swatch or pattern of a cell whose frame was drawn.
void DrawLibCellContent(QPainter& painter, const QRect& cell, const TLibEntry& entry, TColorCellState state,
                        const TLibCellContext& context);
/// The rectangle the paint-cell hook is offered: in csCorel style with several columns the strip (L, T, R+1, T+5),
/// else the cell.
QRect LibCellHookRect(const QRect& cell, const TLibCellContext& context);

}  // namespace tintorium
