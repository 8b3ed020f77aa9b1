#pragma once
// The "Color Mixer" page of the tool area: the four-corner mixer, a picker button at each corner (a click
// anywhere on it opens its popup, whose colours show their names as hints), its size and its "Result space".
// A right press on a cell opens the shared tool popup's pmnu_CM. A pick is re-applied on a size or Result space
// change only while the base colour is still the one it gave.

#include "ui/actions/ActionRules.h"
#include "core/ColorTypes.h"
#include "ui/tools/ToolPage.h"

#include <array>

class QComboBox;
class QLabel;
class QSpinBox;

namespace tintorium {

class TColorMixer;
class TColorPickerButton;
class TColorToolPopup;
class TMainActions;
class TWorkspace;

/// The page's settings (key "Color Tools": MixerModel, MixerColor1-4, MixerSize), with their defaults.
struct TMixerSettings {
  int model = 0;
  std::array<int, 4> colors{255, 32768, 65535, 8388608};
  int size = 5;
};

class TColorMixerPage final : public TToolPage, public TActionRules {
  Q_OBJECT

 public:
  /// A right press on a cell goes to `popup` (pmnu_CM); actCMAddAll of `actions` adds the whole mixer.
  /// `workspace`, `popup` and `actions` must outlive the page.
  TColorMixerPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions, QWidget* parent = nullptr);
  ~TColorMixerPage() override;

  /// Puts the built-in English texts on the page (a language file then replaces them by object name).
  void Retranslate();
  /// "Add all to palette" is always available.
  void UpdateActions(TMainActions& actions) override;

  /// Start-up: model, size and corners from the settings, without the change handlers running.
  void LoadSettings(const TMixerSettings& settings);
  /// Exit: the corners, the size and the model index.
  TMixerSettings StoreSettings() const;

  /// Add all to palette (actCMAddAll): every cell, column by column, each from top to bottom.
  void AddAllToPalette();

  TColorModel ResultModel() const;
  TColorMixer* Mixer() const { return cMixer_; }
  TColorPickerButton* CornerButton(int tag) const;
  QSpinBox* SizeBox() const { return seMixerSize_; }
  QComboBox* ModelBox() const { return cboMixerModel_; }

  void ShowTool(bool shown) override;

 private:
  void CreateControls();
  void RetranslateCorners();
  void changeEvent(QEvent* event) override;
  void ConnectControls(TColorToolPopup& popup, TMainActions& actions);
  void MixerChanged();
  void MixerMouseMove(Qt::MouseButtons buttons);
  void SizeChanged();
  void CornerChanged(int tag);
  void CornerDefaultSelected(int tag);

  TWorkspace& workspace_;
  QLabel* lblMixerSize_ = nullptr;
  QSpinBox* seMixerSize_ = nullptr;
  QLabel* lblMixerSpace_ = nullptr;
  QComboBox* cboMixerModel_ = nullptr;
  TColorMixer* cMixer_ = nullptr;
  std::array<TColorPickerButton*, 4> cpbMV_{};
  bool applyingPick_ = false;
};

}  // namespace tintorium
