#pragma once
// The swatches of a tonal scale in a row, one column per step: the colour with a text sample and a badge where
// text can sit on it, then the step's name, hex and its contrast figures with white and black below. A step
// whose target cannot be met is marked. A held left button moved over a swatch drags its colour.

#include "core/TonalScale.h"
#include "ui/controls/ColorDrag.h"
#include "ui/controls/CommonColorControl.h"

#include <QImage>

#include <utility>
#include <vector>

namespace tintorium {

/// The text a swatch can carry: the text colour (white or black, whichever has more contrast) and the level
/// that colour reaches by WCAG 2: "AAA" from 7:1, "AA" from 4.5:1, "AA18" (large text only) from 3:1, "" below.
struct TScaleTextBadge {
  TColor Text = clBlack;
  const char* Level = "";
};
TScaleTextBadge ScaleTextBadgeOf(const TScaleSwatch& swatch);

/// The two lines of figures under a swatch: white text, then black text on it, each the WCAG 2 ratio with two
/// decimals and the APCA Lc rounded ("\u25A1 4.50 \u00B7 -67"), in the decimal sign of the language in use.
std::pair<QString, QString> ScaleSwatchFigures(const TScaleSwatch& swatch);

class TScaleSwatchRow final : public TCommonColorControl, public TColorDragSource {
  Q_OBJECT

 public:
  explicit TScaleSwatchRow(QWidget* parent = nullptr);

  /// The swatches shown, and per step whether it is marked as not meeting its target (shorter lists mark
  /// nothing beyond their end).
  void SetScale(std::vector<TScaleSwatch> swatches, std::vector<bool> marked);
  const std::vector<TScaleSwatch>& Swatches() const { return swatches_; }
  bool IsMarked(int index) const;

  /// The height of the colour block above the texts (pixels).
  int BlockHeight() const;
  /// The colour of the swatch the last drag started from; clNone before the first drag.
  TColor DropColor() const { return dropColor_; }

  bool IsOwnColor(TColor color) const override;
  TColorDragOffer ColorDragOffer() const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  QImage DisplayImage() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void EnsureImage() const;
  void Draw(QImage& image) const;
  void DrawSwatch(QPainter& painter, QRect rect, int index, const QFont& figures) const;
  QFont FigureFont(int columnWidth) const;
  int TextLines() const { return 4; }

  std::vector<TScaleSwatch> swatches_;
  std::vector<bool> marked_;
  mutable QImage image_;
  mutable bool imageDirty_ = true;
  int pressed_ = -1;
  QPoint pressPos_;
  TColor dropColor_ = clNone;
};

}  // namespace tintorium
