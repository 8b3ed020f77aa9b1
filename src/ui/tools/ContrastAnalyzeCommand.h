#pragma once
// Tools > "Contrast Analyze...": opens another contrast analyser over the main window with the base colour as
// the text colour on white.

#include "ui/actions/ActionRules.h"

#include <QObject>
#include <QPointer>

namespace tintorium {

class TContrastAnalyzeForm;
class TMainActions;
class TPaletteDocument;
class TScreenPicker;
class TWorkspace;

class TContrastAnalyzeCommand final : public QObject, public TActionRules {
  Q_OBJECT
 public:
  /// `palette` and `workspace` must outlive the command; windows open over `window`, which owns them.
  TContrastAnalyzeCommand(const TPaletteDocument& palette, const TWorkspace& workspace, QWidget* window);

  /// Connects actToolsContrastTest.
  void AttachActions(TMainActions& actions);
  void UpdateActions(TMainActions& actions) override;

  /// What the action does; returns the new window (shown, modeless, deleted when closed).
  TContrastAnalyzeForm* OpenAnalyzer();
  /// The screen picker the windows' "Pick from screen" buttons use (not owned; may be null: the buttons stay
  /// disabled).
  void SetScreenPicker(TScreenPicker* picker);

 private:
  const TPaletteDocument& palette_;
  const TWorkspace& workspace_;
  QWidget* window_;
  QPointer<TScreenPicker> picker_;
};

}  // namespace tintorium
