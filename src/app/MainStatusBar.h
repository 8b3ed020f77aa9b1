#pragma once
// The status bar "sbMain": panel 0 (175 px) shows the colour under the pointer with a small swatch
// ("sbImgcb"); panel 1 (200 px) the palette count. Releasing the mouse over panel 0 opens the model menu.

#include "core/ColorTypes.h"

#include <QStatusBar>

class QLabel;
class QMenu;

namespace tintorium {

class TMainStatusBar final : public QStatusBar {
  Q_OBJECT

 public:
  explicit TMainStatusBar(QWidget* parent = nullptr);

  /// Panel 0 shows `text` and, at its left, a 16 x 16 swatch of `color` in a black frame.
  void ShowColorUnderCursor(TColor color, const QString& text);
  /// Panel 0 is emptied and its swatch hidden.
  void ClearColorUnderCursor();
  /// Panel 1.
  void SetCountText(const QString& text);

  /// The popup shown when the mouse is released over panel 0 (not owned; null: none).
  void SetModelMenu(QMenu* menu) { modelMenu_ = menu; }

  QString ColorText() const;
  QString CountText() const;
  QLabel* Swatch() const { return sbImgcb_; }
  QWidget* ColorPanel() const { return colorPanel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* colorPanel_;
  QLabel* sbImgcb_;
  QLabel* colorText_;
  QLabel* countText_;
  QMenu* modelMenu_ = nullptr;
};

}  // namespace tintorium
