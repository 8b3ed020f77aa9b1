#pragma once
// File > Print Scheme... (actFilePrint): opens the print window on the palette, modal, and closes it after.

#include "ui/actions/ActionRules.h"
#include "engine/schemes/ColorWheelScheme.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QSettings;
class QWidget;

namespace tintorium {

class TPaletteDocument;
class TPrintForm;
class TWorkspace;

class TPrintCommand final : public QObject, public TActionRules {
  Q_OBJECT

 public:
  /// The window reads the palette and the history from `palette` and `workspace` and the wheel's twelve colours
  /// from `wheel`, each time it builds its document; it keeps its toolbar layout in `settings` under
  /// `toolbarsGroup`. `palette`, `workspace` and `settings` must outlive the command. The window opens over
  /// `window`.
  TPrintCommand(TPaletteDocument& palette, TWorkspace& workspace, std::function<TWheelSegments()> wheel,
                QSettings& settings, QString toolbarsGroup, QWidget* window);

  /// Connects actFilePrint to Run.
  void AttachActions(TMainActions& actions);
  /// actFilePrint is always enabled.
  void UpdateActions(TMainActions& actions) override;

  /// Builds the window with the palette's cards and runs it through the dialog seam until it closes.
  void Run();

 private:
  TPaletteDocument& palette_;
  TWorkspace& workspace_;
  std::function<TWheelSegments()> wheel_;
  QSettings& settings_;
  QString toolbarsGroup_;
  QWidget* window_;
  QAction* printAction_ = nullptr;
};

}  // namespace tintorium
