#pragma once
// The state behind the "Colors from Image" page, without widgets: the loaded picture, its copy fitted into the
// panel, the pickers on it and the colour each one reads. Every random position comes from the generator the
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
  /// The panel changed size: the picture is fitted again, and pickers beyond its new bottom or right edge move
  /// back in (RefittedPickerSpot) before every picker reads its pixel again. Nothing happens without a picture.
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
  const std::vector<QPoint>& Pickers() const { return pickers_; }
  /// The colour each picker read, in picker order.
  const std::vector<TColor>& Colors() const { return colors_; }
  /// The colour of the fitted picture at SamplePoint(`topLeft`).
  TColor Sample(QPoint topLeft) const;

 private:
  void AddPicker(QPoint topLeft);
  void Resample(int index);

  QRandomGenerator& random_;
  QImage picture_;
  QSize natural_;
  QImage fitted_;
  std::vector<QPoint> pickers_;
  std::vector<TColor> colors_;
};

}  // namespace tintorium
