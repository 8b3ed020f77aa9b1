#pragma once
// The paged preview of a printed scheme ("jvpc"): the pages side by side in one row on a grey desk, scrollable,
// at a scale that fits the whole page, fits the page's width, or is a fixed percentage of the page's real size.
// Ctrl with the mouse wheel zooms. Pages are drawn by the same code that prints them, at the preview's scale, and kept while the view scrolls.

#include "engine/print/PrintCards.h"
#include "engine/print/PrintLayout.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>

namespace tintorium {

/// How the preview chooses its scale.
enum class TPreviewScale { FullPage, PageWidth, Percent };

class TPrintPreview final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  /// The fixed percentages the preview takes, smallest and largest.
  static constexpr int kMinPercent = 10;
  static constexpr int kMaxPercent = 400;
  /// How far one notch of the mouse wheel with Ctrl held zooms, in percent.
  static constexpr int kZoomStep = 10;
  /// The grey between and around pages, in screen pixels.
  static constexpr int kGap = 16;

  explicit TPrintPreview(QWidget* parent = nullptr);

  /// Lays `cards` out on pages of `geometry` and shows them from the first page.
  void SetDocument(TPrintCards cards, const TPrintPageGeometry& geometry);
  /// Lays the same cards out on pages of `geometry`.
  void SetPageGeometry(const TPrintPageGeometry& geometry);
  const TPrintCards& Cards() const { return cards_; }
  const TPrintLayout& Layout() const { return layout_; }
  int PageCount() const { return layout_.PageCount(); }

  TPreviewScale ScaleMode() const { return mode_; }
  void SetScaleMode(TPreviewScale mode);
  /// A fixed scale of `percent` of the page's real size, clamped to kMinPercent .. kMaxPercent.
  void SetZoomPercent(int percent);
  /// The scale in effect, in whole percent of the page's real size (also in the fitting modes).
  int ZoomPercent() const;

  /// Whether the margin lines are drawn on the pages (on at start).
  bool ShowsMargins() const { return showMargins_; }
  void SetShowsMargins(bool show);

  /// The first page in view (0-based; 0 without pages).
  int CurrentPage() const;
  /// Scrolls page `page` (clamped) to the start of the view.
  void ShowPage(int page);
  /// Page `page`'s place in the viewport, in viewport pixels (may lie outside it).
  QRect PageRect(int page) const;
  /// The hint shown while the scroll bar is dragged: "Page %d" with the first page in view.
  QString ScrollHintText() const;

 signals:
  /// The layout, the scale or the page count changed.
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  /// The page's size on screen at `zoom` (1.0 is its real size).
  QSizeF PageSizeAt(double zoom) const;
  double FittingZoom() const;
  QSize PageSizeOnScreen() const;
  QSize ContentSize() const;
  void Relayout();
  void UpdateScrollBars();
  const QImage& PageImage(int page);
  void ShowScrollHint();

  TPrintCards cards_;
  TPrintLayout layout_;
  TPreviewScale mode_ = TPreviewScale::FullPage;
  double zoom_ = 1.0;
  bool showMargins_ = true;
  QHash<int, QImage> pageImages_;
};

}  // namespace tintorium
