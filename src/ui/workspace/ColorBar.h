#pragma once
// TColorBar: one channel of a colour model as a gradient slider with a marker.

#include "core/ColorTypes.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>

namespace tintorium {

/// Pixel rules of the slider, for a control of a given size. `pick` is the channel, 1-4.
namespace ColorBarGeometry {

/// Inclusive range of channel `pick` in `model` (the fourth channel is unbounded outside CMYK).
int ChannelMin(TColorModel model, int pick);
int ChannelMax(TColorModel model, int pick);
/// The gradient bitmap's width: one column per channel value.
int BitmapWidth(TColorModel model, int pick);
/// N, the divisor of the pixel mapping (the number of steps across the span).
int Divisor(TColorModel model, int pick);
/// The value of bitmap column 0 (-128 for Lab a and b, else 0).
int ColumnBase(TColorModel model, int pick);
/// Left 6, top 0, right W - 6, bottom H - 10 (right and bottom exclusive).
QRect GradientRect(QSize size);
/// The marker offset for `value`: Round(S / N * (value - column base)), limited to 0 ... W - 7; S = W - 12.
int MarkerOffset(QSize size, TColorModel model, int pick, int value);
/// X of the marker's tip: offset + 6 kept within 6 ... W - 6. The tip is at y = H - 8.
int MarkerX(QSize size, int offset);
/// The value for a pointer at x: Round((x - 6, limited to 0 ... W - 7) / (S / N)) + column base, clamped.
/// A control too narrow for a span gives the channel's minimum.
int ValueAtX(QSize size, TColorModel model, int pick, int x);
/// ValueAtX for a position between whole pixels (a device pixel on a dense screen).
int ValueAtPosition(QSize size, TColorModel model, int pick, double x);

}  // namespace ColorBarGeometry

class TColorBar : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
  Q_PROPERTY(int ValuePick READ ValuePick WRITE SetValuePick)
  Q_PROPERTY(int Value1 READ Value1 WRITE SetValue1)
  Q_PROPERTY(int Value2 READ Value2 WRITE SetValue2)
  Q_PROPERTY(int Value3 READ Value3 WRITE SetValue3)
  Q_PROPERTY(int Value4 READ Value4 WRITE SetValue4)

 public:
  /// Default size 100 x 15, a tab stop.
  explicit TColorBar(QWidget* parent = nullptr);
  TColorBar(TColorModel model, int pick, QWidget* parent = nullptr);
  ~TColorBar() override;

  /// Stored only.
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }

  /// The channel (1-4) this slider edits; other values are limited to 1-4.
  int ValuePick() const { return pick_; }
  void SetValuePick(int pick);

  int Value1() const { return values_[0]; }
  int Value2() const { return values_[1]; }
  int Value3() const { return values_[2]; }
  int Value4() const { return values_[3]; }
  /// Each clamps to its channel's range and stores; the picked channel moves the marker, another channel
  /// redraws the gradient. OnChange follows when the stored value changed.
  void SetValue1(int value) { SetValue(1, value); }
  void SetValue2(int value) { SetValue(2, value); }
  void SetValue3(int value) { SetValue(3, value); }
  void SetValue4(int value) { SetValue(4, value); }
  void SetValue(int channel, int value);
  /// Value of channel 1-4.
  int Value(int channel) const { return values_.at(static_cast<std::size_t>(channel - 1)); }
  /// The value of the picked channel.
  int PickedValue() const { return Value(pick_); }

  TColorModel ColorModel() const { return model_; }
  void SetColorModel(TColorModel model);

  /// The gradient bitmap (one column per channel value, 12 rows), rebuilt when out of date.
  const QImage& Gradient() const;
  /// Rebuilds the gradient bitmap now.
  void RebuildGradient() const;
  /// The gradient as painted into GradientRect, at the widget's device pixel ratio (ratio set): the device columns
  /// from the first at or right of the rectangle's left edge to its right edge, each in the colour of the value a
  /// pointer on that column picks. Rebuilt when the other channels, the size or the ratio (another screen) change.
  const QImage& ShownGradient() const;
  /// Where ShownGradient is drawn: its first device column's left edge, in widget pixels.
  qreal ShownGradientLeft() const;
  int MarkerOffset() const { return markerOffset_; }

  QSize sizeHint() const override { return {100, 15}; }

 signals:
  /// A value changed.
  void OnChange();
  /// The user moved the picked value (press or drag with the left button, arrow keys, wheel): live preview.
  void OnTrack();
  /// The user finished a change (left button released, or after a key or wheel step): commit it.
  void OnCommit();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int Clamp(int channel, int value) const;
  void UpdateMarker();
  /// Sets the picked value from the user; returns whether it changed.
  bool TrackTo(int value);
  void Step(int delta);
  /// The value under a pointer at logical `x`: that of the device column it lies in.
  int ValueUnderPointer(double x) const;

  int increment_ = 1;
  int pick_ = 1;
  std::array<int, 4> values_{0, 0, 0, 0};
  TColorModel model_ = cmRGB;
  int markerOffset_ = 0;
  bool dragging_ = false;
  mutable QImage gradient_;
  mutable bool gradientDirty_ = true;
  mutable QImage shown_;
  mutable bool shownDirty_ = true;
};

}  // namespace tintorium
