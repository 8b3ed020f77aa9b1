#pragma once
// The colour drag-and-drop convention, in one place.
//
// An in-process drag carries its source widget (QDropEvent::source()); the target asks the source for
// its colour by the source's kind, through TColorDragSource. Every drag also carries the colour as
// application/x-color and as the text #RRGGBB, so other programs can take it; a colour dropped from
// another program arrives as a TColorDragKind::Foreign offer and becomes an RGB colour.
// What a source offers and what each target makes of an offer are plain functions.

#include "core/ColorObject.h"
#include "core/ColorTypes.h"

#include <QString>
#include <Qt>

#include <optional>

class QMimeData;
class QObject;
class QWidget;

namespace tintorium {

/// The class of control a colour drag comes from.
enum class TColorDragKind : std::uint8_t {
  Wheel,        // TColorWheel: its DragColor
  Variation,    // TColorVariation: its DropColor
  Mixer,        // TColorMixer: its DropColor
  Swatch,       // TColorSwatch other than the base swatch: its BaseColor
  BaseSwatch,   // shBase: the base colour object itself
  List,         // a list holding colour objects (lstPalette, lstLib, ...): its selected entry
  HistoryList,  // lstHistory: its selected entry
  LibTable,     // TColorLibTable: its drop colour
  Shape,        // a plain shape control: its fill colour
  Foreign,      // another program: the colour of its mime data, taken as RGB
};

/// What a drag source offers at the moment of the drop.
struct TColorDragOffer {
  TColorDragKind kind = TColorDragKind::Foreign;
  /// The offered TColor; clNone when the source offers nothing (a list without a selection).
  TColor color = clNone;
  /// The model of the source page's "Result space" box (wheel, variation strip, mixer).
  TColorModel model = cmRGB;
  /// List kinds: a copy of the selected entry with its text; BaseSwatch: the base colour object.
  /// Empty when nothing is selected.
  std::optional<TColorObjectFx> object;
};

/// Implemented by every widget a colour drag can start from.
class TColorDragSource {
 public:
  virtual ~TColorDragSource() = default;
  /// What a drop of this source's drag receives now.
  virtual TColorDragOffer ColorDragOffer() const = 0;

 protected:
  TColorDragSource() = default;
  TColorDragSource(const TColorDragSource&) = default;
  TColorDragSource& operator=(const TColorDragSource&) = default;
};

namespace ColorDrag {

/// The mime type of a QColor in a drag (Qt's own colour drag type).
inline constexpr const char* ColorMimeType = "application/x-color";

/// The TColor an offer carries for other programs: the object's colour when there is one, else `color`.
TColor OfferedColor(const TColorDragOffer& offer);

/// New mime data (caller owns) carrying `color` as application/x-color and as the text #RRGGBB.
QMimeData* NewMimeData(TColor color);
/// The colour of mime data from anywhere: application/x-color first, then a text "#RRGGBB", "RRGGBB"
/// or the shorthand "#RGB" (surrounding blanks ignored). Empty for anything else.
std::optional<TColor> ColorFromMimeData(const QMimeData* mime);

/// What a drop offers: the source's own offer when `source` is a TColorDragSource; a Foreign offer when
/// the drag comes from another program (`source` null) with a readable colour; empty otherwise
/// (a drag from one of our widgets that is no colour source is refused).
std::optional<TColorDragOffer> OfferFromDrop(const QObject* source, const QMimeData* mime);

/// Runs a drag of `offer` from `source` (blocking, QDrag::exec). Does nothing when the offer has no colour.
Qt::DropAction ExecDrag(QWidget* source, const TColorDragOffer& offer);

/// A drop on the base swatch: the new base colour (its Model is the model for BaseColorChanged)
/// and whether the drop came from the history (no history entry is then recorded).
struct TBaseSwatchDrop {
  TColorObject color;
  bool fromHistory = false;
};

/// Whether the base swatch accepts a drag of this kind while it is dragged over it.
bool BaseSwatchAccepts(TColorDragKind kind);
/// What a drop on the base swatch does; empty when refused or when the source offers nothing.
std::optional<TBaseSwatchDrop> BaseSwatchDrop(const TColorDragOffer& offer);

/// Whether the palette list accepts a drag of this kind while it is dragged over it.
/// (A drag from the palette list itself is a move and is handled by the list before asking.)
bool PaletteListAccepts(TColorDragKind kind);
/// The new palette entry a drop on the palette list makes; empty when refused or nothing is offered.
/// Entries made from a TColor are named with their HexText.
std::optional<TColorObjectFx> PaletteListDrop(const TColorDragOffer& offer);

/// Whether a mixer corner button accepts a drag of this kind.
bool MixerCornerAccepts(TColorDragKind kind);
/// The colour a drop on a mixer corner sets; empty when refused or nothing is offered.
std::optional<TColor> MixerCornerDrop(const TColorDragOffer& offer);

/// Whether a contrast analyser swatch (text or background) accepts a drag of this kind: any colour control's,
/// a list's, and another program's.
bool ContrastSwatchAccepts(TColorDragKind kind);
/// The colour a drop on a contrast analyser swatch sets, as RGB; empty when nothing is offered (a list without a
/// selected item).
std::optional<TColor> ContrastSwatchDrop(const TColorDragOffer& offer);

}  // namespace ColorDrag
}  // namespace tintorium
