#pragma once
// The state behind the "Colors from Image" page, without widgets: the loaded picture, its copy fitted into the
// panel, the pickers on it and the colour each one reads. Each picker is held as the pixel of the picture it
// reads, so fitting the picture anew moves the rings with the picture and never changes a picked colour. Every random position comes from the generator the
// owner hands in, so a fixed seed gives fixed positions.

#include "core/ColorTypes.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <vector>

class QRandomGenerator;

namespace tintorium {

class TImagePickers {
 public:
  /// `random` must outlive this object.
  explicit TImagePickers(QRandomGenerator& random);

  bool HasPicture() const { return !picture_.isNull(); }
  /// The picture's pixels as loaded (possibly reduced), and the size it has at full resolution.
  const QImage& Picture() const { return picture_; }
  QSize NaturalSize() const { return natural_; }
  /// The picture as shown: fitted into the panel (FitPicture).
  const QImage& Fitted() const { return fitted_; }
  QSize FittedSize() const { return fitted_.size(); }

  /// A newly loaded picture: fitted into `panel`, with `count` pickers placed anew. `natural` is the picture's
  /// full size, which the fitting goes by; `picture` may be a reduced copy (empty `natural`: its own size).
  void Load(const QImage& picture, QSize natural, QSize panel, int count);
  /// The panel changed size: the picture is fitted again and every ring goes to where its picture pixel is now
  /// shown; the pixels and their colours stay. Nothing happens without a picture.
  void Fit(QSize panel);
  /// Removes every picker, then places `count` (1-10) at random pixels, each reading its pixel.
  void Place(int count);
  /// "Mix pickers": every picker to a fresh random spot (MixedPickerSpot), reading its pixel again.
  void Mix();
  /// A new picks count (1-10): fewer drops the last pickers, more adds new ones at random pixels.
  void SetCount(int count);
  /// A dragged picker to `topLeft`, held so its centre stays on the picture; it reads its pixel again.
  void MovePicker(int index, QPoint topLeft);

  int Count() const { return int(pickers_.size()); }
  /// The rings' top-left corners in fitted-picture coordinates.
  const std::vector<QPoint>& Pickers() const { return pickers_; }
  /// The picture pixel (of Picture()) each picker reads, in picker order.
  const std::vector<QPoint>& PicturePixels() const { return pixels_; }
  /// The colour each picker read, in picker order.
  const std::vector<TColor>& Colors() const { return colors_; }
  /// The colour a picker at `topLeft` (fitted coordinates) reads: the picture pixel shown at SamplePoint.
  TColor Sample(QPoint topLeft) const;
  /// The picture pixel shown at fitted pixel `point`, and the fitted pixel that shows picture pixel `pixel`.
  QPoint PicturePixelAt(QPoint point) const;
  QPoint FittedPixelOf(QPoint pixel) const;

 private:
  void AddPicker(QPoint topLeft);
  void SetPicker(int index, QPoint topLeft);
  TColor PixelColor(QPoint pixel) const;

  QRandomGenerator& random_;
  QImage picture_;
  QSize natural_;
  QImage fitted_;
  std::vector<QPoint> pickers_;
  std::vector<QPoint> pixels_;
  std::vector<TColor> colors_;
};

}  // namespace tintorium
