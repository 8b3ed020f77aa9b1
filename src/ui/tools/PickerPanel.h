#pragma once
// The picture panel of the "Colors from Image" page (pnlPS): the fitted picture at its top-left corner with the
// pickers over it, each a ring with a black shadow one pixel right of and below it. A picker is dragged with the
// left button; the panel re-fits the picture whenever it changes size. It takes picture files dropped on it.

#include "core/ColorTypes.h"

#include <QColor>
#include <QWidget>

#include <vector>

class QPainter;

namespace tintorium {

class TImagePickers;

class TPickerPanel final : public QWidget {
  Q_OBJECT

 public:
  /// The pen of a newly placed picker, of a highlighted one, and of the others when one is highlighted.
  static inline const QColor NewPickerPen{255, 251, 240};
  static inline const QColor HighlightPen{255, 255, 0};
  static inline const QColor PlainPen{255, 255, 255};

  /// `pickers` must outlive the panel.
  explicit TPickerPanel(TImagePickers& pickers, QWidget* parent = nullptr);

  /// Every picker gets the new-picker pen (after the pickers were placed anew or added).
  void ResetPens();
  /// Picker `index` turns yellow and every other white.
  void Highlight(int index);
  QColor PenOf(int index) const;
  /// The picker being dragged, -1 for none.
  int DraggedPicker() const { return dragged_; }

  /// The panel as drawn.
  QImage Render() const;

 signals:
  /// A picker was dragged to a new spot (it has already read its pixel).
  void PickerMoved(int index);
  /// The panel changed size (the picture has already been fitted again).
  void Refitted();
  /// The pointer moved over the picture: the colour under it.
  void ColorHover(tintorium::TColor color);
  void ColorHoverEnd();
  /// A picture file was dropped on the panel.
  void PictureDropped(const QString& fileName);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Draw(QPainter& painter) const;
  void SyncPens();
  void ShowHover(QPoint pos);

  TImagePickers& pickers_;
  std::vector<QColor> pens_;
  int dragged_ = -1;
  QPoint press_;  // the press point in the dragged picker's own coordinates
};

}  // namespace tintorium
