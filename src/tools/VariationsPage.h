#pragma once
// The "Variations" page of the tool area: six variation strips (warmer, cooler, darker, brighter, saturated,
// desaturated) that follow the base colour, each with a caption and an "Add to palette" button, one swatch
// count for all, and the "Result space" box that gives colours leaving the page their model.
//
// Colours leave the page by the strips' tool menu pmnu_Var (Set as Base, Add to Palette), by the row buttons
// and by dragging a swatch (ColorDrag, kind Variation, in the result model).

#include "core/ColorObject.h"
#include "tools/ToolPage.h"
#include "workspace/BaseColorViews.h"

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace tintorium {

class TColorVariation;
class TWorkspace;

class TVariationsPage final : public TToolPage, public TBaseColorFollower {
  Q_OBJECT

 public:
  static constexpr int kStripCount = 6;
  static constexpr int kMinSize = 1;
  static constexpr int kMaxSize = 48;

  /// Registers the page with `workspace` (which must outlive it) as the variation strips' follower.
  explicit TVariationsPage(TWorkspace& workspace, QWidget* parent = nullptr);
  ~TVariationsPage() override;

  /// The strip of `type`.
  TColorVariation* Strip(int type) const { return strips_[std::size_t(type)]; }
  /// The row button of strip `type` (Tag type + 1).
  QToolButton* RowButton(int type) const { return buttons_[std::size_t(type)]; }
  QSpinBox* SizeBox() const { return seVarSize_; }
  QComboBox* ModelBox() const { return cboVarModel_; }
  QMenu* ToolMenu() const { return pmnu_Var_; }
  QAction* SetBaseAction() const { return actVarSetBase_; }
  QAction* AddToPaletteAction() const { return actVarAddToPal_; }

  /// Setting "VariationsSize" (1-48, clamped) through the spin box, which sets every strip.
  void SetSwatchCount(int count);
  /// Setting "VariationsModel": the cboVarModel index (out-of-range values select RGB).
  void SetResultModel(int index);
  TColorModel ResultModel() const;

  /// The colour and model the tool menu acts on (from the last right press that opened it).
  TColor ToolColor() const { return toolColor_; }
  TColorModel ToolModel() const { return toolModel_; }

  /// The strips' right-button press: when the pointer is over one of the strip's own colours, that colour
  /// and the Result space become the tool colour and model and pmnu_Var opens at `globalPos`. Returns
  /// whether it opened.
  bool ShowVariationToolMenu(TColorVariation* strip, const QPoint& globalPos);
  /// "Set as Base": the tool colour in the tool model becomes the base colour.
  void SetToolColorAsBase();
  /// "Add to Palette": the tool colour in the tool model, named by its hexadecimal text.
  void AddToolColorToPalette();
  /// A row button: every swatch of strip `type`, first to last, goes to the palette in the Result space.
  void AddStripToPalette(int type);

  /// Every text of the page in built-in English; the language file then overrides them by object name.
  void RetranslateUi();

  void ShowTool(bool shown) override;
  void FollowBaseColor(const TColorObject& base) override;
  bool SkipsSender(const QObject* sender) const override;

 private:
  void BuildHeader();
  void BuildRows();
  void BuildToolMenu();
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
  QMenu* pmnu_Var_ = nullptr;
  QAction* actVarSetBase_ = nullptr;
  QAction* actVarAddToPal_ = nullptr;
  TColor toolColor_ = clNone;
  TColorModel toolModel_ = cmRGB;
};

}  // namespace tintorium
