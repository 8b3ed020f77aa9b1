#include "ui/controls/ColorDrag.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "core/ColorText.h"
#include "core/SystemColors.h"
#include "ui/controls/ThemeInk.h"

#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <string>

namespace tintorium::ColorDrag {

namespace {

std::u16string ToU16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

TColorObjectFx NamedByHex(const TColorObject& color) { return TColorObjectFx(color, ToU16(color.HexText())); }

std::optional<TColor> ColorFromText(QString text) {
  text = text.trimmed();
  const bool hash = text.startsWith(QLatin1Char('#'));
  if (hash) text.remove(0, 1);
  if (!(text.size() == 6 || (hash && text.size() == 3))) return std::nullopt;
  const std::string digits = text.toStdString();
  if (!IsHexText(digits)) return std::nullopt;
  if (digits.size() == 3) {
    const std::string full{digits[0], digits[0], digits[1], digits[1], digits[2], digits[2]};
    return RGBValuesToColor(ParseHexColor(full));
  }
  return RGBValuesToColor(ParseHexColor(digits));
}

QPixmap DragPixmap(TColor color) { return FramedSwatchPixmap({24, 24}, PictureRatio(), ToQColor(color), Qt::black); }

}  // namespace

TColor OfferedColor(const TColorDragOffer& offer) {
  return offer.object ? offer.object->GetColor() : offer.color;
}

QMimeData* NewMimeData(TColor color) {
  auto* mime = new QMimeData;
  mime->setColorData(ToQColor(color));
  mime->setText(QLatin1Char('#') + QString::fromStdString(HexText(ColorToRGBValues(color))));
  return mime;
}

std::optional<TColor> ColorFromMimeData(const QMimeData* mime) {
  if (mime == nullptr) return std::nullopt;
  if (mime->hasColor()) {
    const QColor color = qvariant_cast<QColor>(mime->colorData());
    if (color.isValid()) return FromQColor(color);
  }
  if (mime->hasText()) return ColorFromText(mime->text());
  return std::nullopt;
}

std::optional<TColorDragOffer> OfferFromDrop(const QObject* source, const QMimeData* mime) {
  if (source != nullptr) {
    if (const auto* colorSource = dynamic_cast<const TColorDragSource*>(source)) return colorSource->ColorDragOffer();
    return std::nullopt;
  }
  const std::optional<TColor> color = ColorFromMimeData(mime);
  if (!color) return std::nullopt;
  return TColorDragOffer{TColorDragKind::Foreign, *color, cmRGB, std::nullopt};
}

Qt::DropAction ExecDrag(QWidget* source, const TColorDragOffer& offer) {
  const TColor color = OfferedColor(offer);
  if (color == clNone || source == nullptr) return Qt::IgnoreAction;
  QPointer<QDrag> drag = new QDrag(source);
  drag->setMimeData(NewMimeData(color));
  drag->setPixmap(DragPixmap(color));
  drag->setHotSpot(QPoint(-8, -8));
  const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
  if (drag) drag->deleteLater();
  return action;
}

bool BaseSwatchAccepts(TColorDragKind kind) {
  return kind != TColorDragKind::Swatch && kind != TColorDragKind::BaseSwatch;
}

std::optional<TBaseSwatchDrop> BaseSwatchDrop(const TColorDragOffer& offer) {
  switch (offer.kind) {
    case TColorDragKind::Wheel:
    case TColorDragKind::Variation:
    case TColorDragKind::Mixer:
      if (offer.color == clNone) return std::nullopt;
      return TBaseSwatchDrop{TColorObject(offer.color, offer.model), false};
    case TColorDragKind::LibTable:
    case TColorDragKind::Shape:
    case TColorDragKind::Foreign:
      if (offer.color == clNone) return std::nullopt;
      return TBaseSwatchDrop{TColorObject(offer.color, cmRGB), false};
    case TColorDragKind::List:
    case TColorDragKind::HistoryList:
      if (!offer.object) return std::nullopt;
      return TBaseSwatchDrop{*offer.object, offer.kind == TColorDragKind::HistoryList};
    case TColorDragKind::Swatch:
    case TColorDragKind::BaseSwatch:
      break;
  }
  return std::nullopt;
}

bool PaletteListAccepts(TColorDragKind kind) { return kind != TColorDragKind::Mixer; }

std::optional<TColorObjectFx> PaletteListDrop(const TColorDragOffer& offer) {
  switch (offer.kind) {
    case TColorDragKind::Wheel:
    case TColorDragKind::Variation:
      if (offer.color == clNone) return std::nullopt;
      return NamedByHex(TColorObject(offer.color, offer.model));
    case TColorDragKind::Swatch:
    case TColorDragKind::LibTable:
    case TColorDragKind::Shape:
    case TColorDragKind::Foreign:
      if (offer.color == clNone) return std::nullopt;
      return NamedByHex(TColorObject(offer.color, cmRGB));
    case TColorDragKind::BaseSwatch:
      if (!offer.object) return std::nullopt;
      return NamedByHex(*offer.object);
    case TColorDragKind::List:
    case TColorDragKind::HistoryList:
      if (!offer.object) return std::nullopt;
      return *offer.object;
    case TColorDragKind::Mixer:
      break;
  }
  return std::nullopt;
}

bool MixerCornerAccepts(TColorDragKind kind) {
  return kind != TColorDragKind::Wheel && kind != TColorDragKind::Variation && kind != TColorDragKind::Mixer;
}

std::optional<TColor> MixerCornerDrop(const TColorDragOffer& offer) {
  if (!MixerCornerAccepts(offer.kind)) return std::nullopt;
  const TColor color = OfferedColor(offer);
  if (color == clNone) return std::nullopt;
  return color;
}

bool ContrastSwatchAccepts(TColorDragKind kind) {
  switch (kind) {
    case TColorDragKind::Swatch:
    case TColorDragKind::BaseSwatch:
    case TColorDragKind::Shape:
    case TColorDragKind::List:
    case TColorDragKind::HistoryList:
    case TColorDragKind::Wheel:
    case TColorDragKind::Mixer:
    case TColorDragKind::LibTable:
    case TColorDragKind::Variation:
    case TColorDragKind::Foreign:
      return true;
  }
  return false;
}

std::optional<TColor> ContrastSwatchDrop(const TColorDragOffer& offer) {
  if (!ContrastSwatchAccepts(offer.kind)) return std::nullopt;
  const TColor color = OfferedColor(offer);
  if (color == clNone) return std::nullopt;
  return ColorToRGB(color);
}

}  // namespace tintorium::ColorDrag
