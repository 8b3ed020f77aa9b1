#pragma once
// A rounded swatch of one colour: the base colour swatch and the contrast analyser's fields.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/CommonColorControl.h"

#include <QImage>
#include <QPoint>

#include <functional>

namespace tintorium {

class TColorSwatch : public TCommonColorControl, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(quint32 BaseColor READ BaseColor WRITE SetBaseColor)

 public:
  explicit TColorSwatch(QWidget* parent = nullptr);
  ~TColorSwatch() override;

  /// The colour shown; a new swatch holds 255 (red). A system colour is resolved when drawn.
  TColor BaseColor() const { return baseColor_; }
  /// Stores the colour, redraws the image and repaints.
  void SetBaseColor(TColor color);

  bool IsOwnColor(TColor color) const override;

  /// Automatic drag mode: a press and a move beyond the start distance drags the colour. Default off.
  bool AutoDrag() const { return autoDrag_; }
  void SetAutoDrag(bool on) { autoDrag_ = on; }
  /// Makes the swatch offer a colour object instead of BaseColor (the base swatch offers the base colour
  /// object itself, kind BaseSwatch). An empty function restores the plain swatch offer.
  void SetDragObject(std::function<TColorObject()> object) { dragObject_ = std::move(object); }

  TColorDragOffer ColorDragOffer() const override;

  QSize sizeHint() const override;

 signals:
  /// A left click without a drag (press and release on the swatch).
  void OnClick();

 protected:
  QImage DisplayImage() const override { return image_; }
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Redraw();

  TColor baseColor_ = 255;
  bool autoDrag_ = false;
  std::function<TColorObject()> dragObject_;
  QImage image_;
  QPoint pressPos_;
  bool pressed_ = false;
};

}  // namespace tintorium
