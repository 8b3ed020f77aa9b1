#pragma once
// The "Color Wheel" page of the tool area: the wheel cwRGB with its style, harmony and "Result space"
// selectors. It follows the base colour (unless the wheel sent the change), hands clicked colours back to it,
// and adds the harmony's colours to the palette (actCWAddAll).

#include "ui/actions/ActionRules.h"
#include "core/ColorTypes.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/BaseColorViews.h"

class QComboBox;
class QLabel;

namespace tintorium {

class TColorToolPopup;
class TColorWheel;
class TMainActions;
class TWorkspace;

/// The page's stored values ("Color Tools": CWStyle, CWHar, CWModel).
struct TWheelPageSettings {
  int CWStyle = 0;
  int CWHar = 0;
  int CWModel = 0;
};

class TColorWheelPage final : public TToolPage, public TBaseColorFollower, public TActionRules {
  Q_OBJECT

 public:
  /// Registers itself with `workspace` as the wheel follower; `workspace`, `popup` and `actions` must outlive it.
  TColorWheelPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions, QWidget* parent = nullptr);
  ~TColorWheelPage() override;

  TColorWheel* Wheel() const { return cwRGB_; }
  QComboBox* StyleBox() const { return cboCWStyle_; }
  QComboBox* HarmonyBox() const { return cboCWHarmony_; }
  QComboBox* ModelBox() const { return cboCWModel_; }
  /// The "Result space" model.
  TColorModel ResultModel() const;

  /// Sets the wheel from stored values (out-of-range values are the defaults) and shows them in the boxes.
  void RestoreSettings(const TWheelPageSettings& settings);
  TWheelPageSettings CurrentSettings() const;

  void ShowTool(bool shown) override;
  void FollowBaseColor(const TColorObject& base) override;
  bool SkipsSender(const QObject* sender) const override;
  void UpdateActions(TMainActions& actions) override;

 private:
  void CreateControls();
  void ConnectControls();
  /// cwRGBChange: a colour the user clicked becomes the base colour, in the Result space model.
  void WheelChanged();
  void AddAllToPalette();

  TWorkspace& workspace_;
  TColorToolPopup& popup_;
  TMainActions& actions_;
  QLabel* lblCWStyle_ = nullptr;
  QComboBox* cboCWStyle_ = nullptr;
  QLabel* lblCWHarmony_ = nullptr;
  QComboBox* cboCWHarmony_ = nullptr;
  QLabel* lblCWResultSpace_ = nullptr;
  QComboBox* cboCWModel_ = nullptr;
  TColorWheel* cwRGB_ = nullptr;
};

}  // namespace tintorium
