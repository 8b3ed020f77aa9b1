#pragma once
// The L, C and h of a tonal scale's steps as three curves, one point per step under its swatch. The lightness
// curve also shows each step's aim (a ring); a point of it can be dragged up or down to move that aim.

#include "core/TonalScale.h"
#include "ui/tools/ScaleGeometry.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace tintorium {

class TScaleCurves final : public QWidget {
  Q_OBJECT

 public:
  explicit TScaleCurves(QWidget* parent = nullptr);

  /// The steps shown and the OKLCH lightness each aims at (0-1; one per step, or empty for no rings).
  void SetScale(std::vector<TScaleSwatch> swatches, std::vector<double> aims);
  const std::vector<TScaleSwatch>& Swatches() const { return swatches_; }
  const std::vector<double>& Aims() const { return aims_; }

  /// The frame of `plot` in this control.
  QRect PlotRect(TScalePlot plot) const { return ScalePlotRect(size(), plot, 0); }
  /// Where step `index`'s aim is drawn on the lightness curve (its grip).
  QPointF AimPoint(int index) const;
  /// The step being dragged, or -1.
  int DraggedStep() const { return dragged_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  /// The user moved step `index`'s aim to OKLCH lightness `lightness` (0-1).
  void AimDragged(int index, double lightness);
  /// The button that dragged an aim was released.
  void AimDragFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void EnsureImage();
  void Draw(QImage& image) const;
  void DrawPlot(QPainter& painter, TScalePlot plot) const;
  std::vector<double> Values(TScalePlot plot) const;

  std::vector<TScaleSwatch> swatches_;
  std::vector<double> aims_;
  QImage image_;
  bool imageDirty_ = true;
  int dragged_ = -1;
};

}  // namespace tintorium
