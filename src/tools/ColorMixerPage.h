#pragma once
// The "Color Mixer" page of the tool area: the four-corner mixer, a picker button at each corner, its size
// and its "Result space", and the page's tool menu pmnu_CM.

#include "actions/ActionRules.h"
#include "core/ColorTypes.h"
#include "tools/ToolPage.h"

#include <array>

class QComboBox;
class QLabel;
class QMenu;
class QSpinBox;

namespace tintorium {

class TColorMixer;
class TColorPickerButton;
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
  TColorMixerPage(TWorkspace& workspace, QWidget* parent = nullptr);
  ~TColorMixerPage() override;

  /// Puts the built-in English texts on the page (a language file then replaces them by object name).
  void Retranslate();
  /// The menu items "Set as Base", "Add to Palette" and "Add all to palette" (actCWSetBase, actCWAddToPal,
  /// actCMAddAll) of pmnu_CM.
  void AttachActions(TMainActions& actions);
  void UpdateActions(TMainActions& actions) override;

  /// Start-up: model, size and corners from the settings, without the change handlers running.
  void LoadSettings(const TMixerSettings& settings);
  /// Exit: the corners, the size and the model index.
  TMixerSettings StoreSettings() const;

  /// A right-button press on the mixer at `globalPos`: over one of its own colours the tool colour and
  /// model are taken and pmnu_CM opens there; elsewhere nothing opens. Returns whether it opened.
  bool ShowMixerToolMenu(QPoint globalPos);
  TColor ToolColor() const { return toolColor_; }
  TColorModel ToolModel() const { return toolModel_; }

  /// Set as Base: the tool colour becomes the base colour in the tool model.
  void SetToolColorAsBase();
  /// Add to Palette: the tool colour, in the tool model, named by its hexadecimal text.
  void AddToolColorToPalette();
  /// Add all to palette (actCMAddAll): every cell, column by column, each from top to bottom.
  void AddAllToPalette();

  TColorModel ResultModel() const;
  TColorMixer* Mixer() const { return cMixer_; }
  TColorPickerButton* CornerButton(int tag) const;
  QSpinBox* SizeBox() const { return seMixerSize_; }
  QComboBox* ModelBox() const { return cboMixerModel_; }
  QMenu* ToolMenu() const { return pmnu_CM_; }

  void ShowTool(bool shown) override;

 private:
  void CreateControls();
  void ConnectControls();
  void MixerChanged();
  void MixerMouseMove(Qt::MouseButtons buttons);
  void MixerMouseDown(Qt::MouseButton button, QPoint pos);
  void SizeChanged();
  void CornerChanged(int tag);
  void CornerDefaultSelected(int tag);
  void ToolMenuTriggered(QAction* action);

  TWorkspace& workspace_;
  TMainActions* actions_ = nullptr;
  QLabel* lblMixerSize_ = nullptr;
  QSpinBox* seMixerSize_ = nullptr;
  QLabel* lblMixerSpace_ = nullptr;
  QComboBox* cboMixerModel_ = nullptr;
  TColorMixer* cMixer_ = nullptr;
  std::array<TColorPickerButton*, 4> cpbMV_{};
  QMenu* pmnu_CM_ = nullptr;
  TColor toolColor_ = clNone;
  TColorModel toolModel_ = cmRGB;
};

}  // namespace tintorium
