#pragma once
// Tools > "Contrast Analyze...": opens another contrast analyser over the main window with the base colour as
// the text colour on white.

#include "ui/actions/ActionRules.h"

#include <QObject>

namespace tintorium {

class TContrastAnalyzeForm;
class TMainActions;
class TPaletteDocument;
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

 private:
  const TPaletteDocument& palette_;
  const TWorkspace& workspace_;
  QWidget* window_;
};

}  // namespace tintorium
