#pragma once
// The "Scales" page of the tool area: the base colour made a tonal scale (50 ... 950, tones 0 ... 100 or a list
// of one's own), by lightness or by contrast targets. The swatches show each step's figures and a badge where
// text can sit on it; the curves below show L, C and h across the steps, and dragging a step's ring on the
// lightness curve moves its target. The scale goes to the palette as one undo step ("primary-500" ...), to the
// clipboard as code, or a swatch at a time by drag. A target that cannot be met marks its step and is said in
// words under the curves; the page never fails.

#include "core/TonalScale.h"
#include "ui/tools/ScalesPageSettings.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/BaseColorViews.h"

#include <QString>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace tintorium {

class TScaleCurves;
class TScaleSwatchRow;
class TWorkspace;
enum class TScaleExportForm : std::uint8_t;

class TScalesPage final : public TToolPage, public TBaseColorFollower {
  Q_OBJECT

 public:
  /// Registers the page with `workspace` as a base colour follower (removed again on destruction).
  explicit TScalesPage(TWorkspace& workspace, QWidget* parent = nullptr);
  ~TScalesPage() override;

  void RestoreSettings(const TScalesPageSettings& settings);
  TScalesPageSettings CurrentSettings() const;

  /// The options the controls give now: ScaleOptionsOf(CurrentSettings()).
  TScaleOptions Options() const;
  /// The scale as computed from the base and Options(); with errors when a target cannot be met.
  const TTonalScale& Scale() const { return scale_; }
  /// The swatches shown: the scale, or when it has errors the scale with default targets (by lightness when the
  /// mode's defaults fail too; empty when the steps themselves are at fault), its faulty steps marked.
  const std::vector<TScaleSwatch>& Shown() const;

  TScaleSwatchRow* SwatchRow() const { return swatchRow_; }
  TScaleCurves* Curves() const { return curves_; }
  QLineEdit* TargetsEdit() const { return edtScaleTargets_; }
  QComboBox* ModeBox() const { return cboScaleMode_; }
  QComboBox* StepsBox() const { return cboScaleSteps_; }
  QPushButton* AddButton() const { return btnScaleAdd_; }
  QLabel* ErrorsLabel() const { return lblScaleErrors_; }

  /// Every step of the shown scale goes to the palette as one undo step, named "name-step".
  void AddScaleToPalette();
  /// The code of `form` for the shown scale (with "Every palette colour" for a scale of each palette colour),
  /// in the chosen notation.
  QByteArray ExportText(TScaleExportForm form) const;
  /// ExportText put on the clipboard.
  void CopyExport(TScaleExportForm form);

  /// Every text of the page in built-in English; the language file then overrides them by object name.
  void RetranslateUi();

  void ShowTool(bool shown) override;
  void FollowBaseColor(const TColorObject& base) override;
  bool SkipsSender(const QObject* sender) const override;

 private:
  void BuildControls();
  void Recompute();
  void Refresh();
  void StepsChanged();
  void ModeChanged();
  void AimDragged(int index, double lightness);
  /// The target in the mode's unit that a grey of OKLCH lightness `lightness` has.
  double TargetForLightness(double lightness) const;

  TWorkspace& workspace_;
  TColor base_ = clBlack;
  bool stale_ = true;
  bool visible_ = false;
  TTonalScale scale_;
  TTonalScale fallback_;
  std::vector<bool> marked_;

  QLabel* lblScaleSteps_ = nullptr;
  QComboBox* cboScaleSteps_ = nullptr;
  QLineEdit* edtScaleSteps_ = nullptr;
  QLabel* lblScaleMode_ = nullptr;
  QComboBox* cboScaleMode_ = nullptr;
  QComboBox* cboScaleMeasure_ = nullptr;
  QLabel* lblScaleBackground_ = nullptr;
  QLineEdit* edtScaleBackground_ = nullptr;
  QLabel* lblScaleTargets_ = nullptr;
  QLineEdit* edtScaleTargets_ = nullptr;
  QToolButton* btnScaleTargetsReset_ = nullptr;
  QLabel* lblScaleHueShift_ = nullptr;
  QSpinBox* seScaleHueShift_ = nullptr;
  QLabel* lblScaleName_ = nullptr;
  QLineEdit* edtScaleName_ = nullptr;
  QPushButton* btnScaleAdd_ = nullptr;
  QPushButton* btnScaleCopy_ = nullptr;
  QMenu* pmnuScaleCopy_ = nullptr;
  QLabel* lblScaleNotation_ = nullptr;
  QComboBox* cboScaleNotation_ = nullptr;
  QCheckBox* chkScalePalette_ = nullptr;
  TScaleSwatchRow* swatchRow_ = nullptr;
  TScaleCurves* curves_ = nullptr;
  QLabel* lblScaleErrors_ = nullptr;
};

}  // namespace tintorium
