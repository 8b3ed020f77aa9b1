#include "ui/print/PrintCommand.h"

#include "ui/actions/MainActions.h"
#include "ui/language/MessageSeam.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/print/PrintForm.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QAction>

namespace tintorium {

TPrintCommand::TPrintCommand(TPaletteDocument& palette, TWorkspace& workspace, std::function<TWheelSegments()> wheel,
                             QSettings& settings, QString toolbarsGroup, QWidget* window)
    : QObject(window),
      palette_(palette),
      workspace_(workspace),
      wheel_(std::move(wheel)),
      settings_(settings),
      toolbarsGroup_(std::move(toolbarsGroup)),
      window_(window) {}

void TPrintCommand::AttachActions(TMainActions& actions) {
  connect(actions.actFilePrint, &QAction::triggered, this, &TPrintCommand::Run);
  printAction_ = actions.actFilePrint;
}

void TPrintCommand::UpdateActions(TMainActions& actions) { actions.actFilePrint->setEnabled(true); }

void TPrintCommand::Run() {
  const auto sources = [this] {
    TPrintSources sources;
    sources.Palette = palette_.Entries();
    for (const TColorObjectFx& entry : workspace_.History().Entries())
      sources.History.push_back({QString::fromStdU16String(entry.Name()), entry});
    if (wheel_) sources.Wheel = wheel_();
    return sources;
  };
  TPrintForm form(sources, settings_, toolbarsGroup_, window_);
  if (printAction_) form.PrintAction()->setIcon(printAction_->icon());  // the theme's icon of the moment
  form.BuildPrintDocument(pcPalette);
  Dialogs().Exec(form);
}

}  // namespace tintorium
