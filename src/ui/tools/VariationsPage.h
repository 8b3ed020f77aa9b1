#pragma once
// The "Variations" page of the tool area: six variation strips (warmer, cooler, darker, brighter, saturated,
// desaturated) that follow the base colour, each with a caption and an "Add to palette" button, one swatch
// count for all, and the "Result space" box that gives colours leaving the page their model.
//
// Colours leave the page by the shared tool popup's pmnu_Var (Set as Base, Add to Palette), by the row buttons
// and by dragging a swatch (ColorDrag, kind Variation, in the result model).

#include "core/ColorObject.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/BaseColorViews.h"

#include <array>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace tintorium {

class TColorToolPopup;
class TColorVariation;
class TWorkspace;

class TVariationsPage final : public TToolPage, public TBaseColorFollower {
  Q_OBJECT

 public:
  static constexpr int kStripCount = 6;
  static constexpr int kMinSize = 1;
  static constexpr int kMaxSize = 48;

  /// Registers the page with `workspace` as the variation strips' follower; a right press on a strip goes to
  /// `popup` (pmnu_Var). Both must outlive the page.
  TVariationsPage(TWorkspace& workspace, TColorToolPopup& popup, QWidget* parent = nullptr);
  ~TVariationsPage() override;

  /// The strip of `type`.
  TColorVariation* Strip(int type) const { return strips_[std::size_t(type)]; }
  /// The row button of strip `type` (Tag type + 1).
  QToolButton* RowButton(int type) const { return buttons_[std::size_t(type)]; }
  QSpinBox* SizeBox() const { return seVarSize_; }
  QComboBox* ModelBox() const { return cboVarModel_; }

  /// Setting "VariationsSize" (1-48, clamped) through the spin box, which sets every strip.
  void SetSwatchCount(int count);
  /// Setting "VariationsModel": the cboVarModel index (out-of-range values select RGB).
  void SetResultModel(int index);
  TColorModel ResultModel() const;

  /// A row button: every swatch of strip `type`, first to last, goes to the palette in the Result space.
  void AddStripToPalette(int type);

  /// Every text of the page in built-in English; the language file then overrides them by object name.
  void RetranslateUi();

  void ShowTool(bool shown) override;
  void FollowBaseColor(const TColorObject& base) override;
  bool SkipsSender(const QObject* sender) const override;

 private:
  void BuildHeader();
  void BuildRows(TColorToolPopup& popup);
  void LayOutRows();
  void SizeChanged(int value);
  void ModelChanged(int index);
  bool eventFilter(QObject* watched, QEvent* event) override;

  TWorkspace& workspace_;
  QLabel* lblVarSize_ = nullptr;
  QSpinBox* seVarSize_ = nullptr;
  QLabel* lblHarModel_ = nullptr;
  QComboBox* cboVarModel_ = nullptr;
  QScrollArea* sbVar_ = nullptr;
  QWidget* rows_ = nullptr;
  std::array<QLabel*, kStripCount> labels_{};
  std::array<QToolButton*, kStripCount> buttons_{};
  std::array<TColorVariation*, kStripCount> strips_{};
};

}  // namespace tintorium
