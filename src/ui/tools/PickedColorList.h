#pragma once
// The swatch row of the "Colors from Image" page (lstPSColors): one swatch per picker, in picker order, ten to a
// row. A click selects a swatch, a right press asks for the menu without changing the selection, a drag hands
// the selected swatch to a drop target as a list entry named by its hexadecimal text.

#include "ui/controls/ColorDrag.h"
#include "core/ColorTypes.h"

#include <QPoint>
#include <QWidget>

#include <vector>

namespace tintorium {

class TPickedColorList final : public QWidget, public TColorDragSource {
  Q_OBJECT

 public:
  explicit TPickedColorList(QWidget* parent = nullptr);

  /// The swatches, in picker order; a selection beyond the new end is dropped.
  void SetColors(std::vector<TColor> colors);
  const std::vector<TColor>& Colors() const { return colors_; }
  int Count() const { return int(colors_.size()); }

  /// The selected swatch, -1 for none.
  int Selected() const { return selected_; }
  void SetSelected(int index);

  /// The selected swatch as an RGB colour object named by its HexText; empty without a selection.
  std::optional<TColorObjectFx> SelectedObject() const;
  TColorDragOffer ColorDragOffer() const override;

  /// The list as drawn, at the widget's device pixel ratio: a selected swatch on RGB (26, 140, 255), each swatch
  /// framed in black one pixel in.
  QImage Render() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  /// The user chose swatch `index` by mouse or keyboard.
  void SwatchClicked(int index);
  void SwatchDoubleClicked(int index);
  /// A right press anywhere on the list, at `globalPos`.
  void MenuRequested(QPoint globalPos);
  /// The pointer moved over a swatch: its colour.
  void ColorHover(tintorium::TColor color);
  /// The pointer moved off the swatches or left the list.
  void ColorHoverEnd();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void ChooseByUser(int index);

  std::vector<TColor> colors_;
  int selected_ = -1;
  QPoint pressPos_;
  bool dragArmed_ = false;
};

}  // namespace tintorium
