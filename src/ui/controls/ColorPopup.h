#pragma once
// The drop-down window of the colour picker button: 40 named colours, optional system colours, an optional
// default cell at the top and an optional custom cell that unfolds the hexagonal colour comb.

#include "core/ColorTypes.h"
#include "engine/schemes/PickerColors.h"

#include <QRect>
#include <QString>
#include <QWidget>

namespace tintorium {

class TColorPickerButton;

/// Cell numbers: 0-39 standard colours, 40-64 system colours, and the special cells below.
inline constexpr int pcDefault = -3;
inline constexpr int pcCustom = -2;
inline constexpr int pcNone = -1;

/// Where everything of the popup lies, from its options alone (popup coordinates).
struct TPopupLayout {
  int edge = 2;      // the 3D edge width e
  int spacing = 8;   // PopupSpacing s, never negative
  QSize size;
  QRect defaultCell;  // empty without a default cell
  int gridTop = 0;
  int systemTop = 0;  // top of the system rows (only with system colours)
  QRect customCell;   // empty without a custom cell
  QRect comb;         // the comb's square (only while the custom cell is selected)
  QRect greyRow;
  QRect intensityBar;  // the 10-pixel gradient; its marker lies to its right
};

class TColorPopup final : public QWidget {
  Q_OBJECT

 public:
  explicit TColorPopup(TColorPickerButton& button);

  /// The layout for these options; `textHeight` and `textWidth` are those of the wider caption.
  static TPopupLayout Layout(int spacing, bool hasDefault, bool hasCustom, bool systemColors, bool combShown,
                             int textHeight, int textWidth);
  /// The cell a key leads to from `hot` (the popup's keyboard table). Keys other than the arrows keep `hot`.
  static int KeyTarget(int key, int hot, bool hasDefault, bool hasCustom, bool systemColors);
  /// Where the popup's top-left corner goes for a button at `button` (global) on `screen`.
  static QPoint Placement(const QRect& button, QSize popup, const QRect& screen);
  /// The cell that shows `color`: the default cell for clDefault, a system cell by exact value, then by RGB
  /// the standard colours, the system colours, the grey row and the comb (those select the custom cell and
  /// set `combMark` to the comb index, grey cells counting after the 127 comb cells); pcNone for no match.
  static int CellForColor(TColor color, bool systemColors, bool hasCustom, double intensity, int& combMark);
  /// The colour of cell 0-64 (system colours as their system TColor).
  static TColor CellColor(int cell);

  TPopupLayout CurrentLayout() const;
  QRect CellRect(int cell) const;
  int CellAt(QPoint pos) const;
  /// The comb or grey cell under `pos` (grey cells numbered from 127), -1 for none.
  int CombCellAt(QPoint pos) const;
  /// The colour of comb mark `mark` (comb cells 0-126, grey cells 127-143).
  TColor CombColor(int mark) const;

  int SelectedCell() const { return selected_; }
  int HotCell() const { return hot_; }
  int CombMark() const { return combMark_; }
  double Intensity() const { return intensity_; }
  /// The hint shown at `pos` (see TColorPickerButton::OnHint for the default and custom cells).
  QString HintAt(QPoint pos) const;

  /// Selects the cell for `color` (on opening and on every SelectionColor change while open).
  void SelectColor(TColor color);
  /// Recomputes the size after an option change.
  void Relayout();
  /// Deselects the custom cell (its caption was cleared).
  void DropCustomSelection();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void SetHot(int cell);
  void Choose(int cell);
  void SelectCustom();
  void TrackComb(QPoint pos);
  void SetIntensityAt(int y);
  int LastCell() const;
  void PaintCell(QPainter& painter, const QRect& rect, int cell) const;
  void PaintComb(QPainter& painter) const;

  TColorPickerButton& button_;
  int selected_ = pcNone;
  int hot_ = pcNone;
  int combMark_ = -1;
  double intensity_ = 1.0;
  enum class TPress : std::uint8_t { None, Comb, Intensity } press_ = TPress::None;
  std::array<TCombCell, CombCellCount> comb_;
};

}  // namespace tintorium
