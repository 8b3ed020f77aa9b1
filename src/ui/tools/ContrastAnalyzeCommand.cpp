#include "ui/tools/ContrastAnalyzeCommand.h"

#include "ui/actions/MainActions.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QWidget>

namespace tintorium {

TContrastAnalyzeCommand::TContrastAnalyzeCommand(const TPaletteDocument& palette, const TWorkspace& workspace,
                                                 QWidget* window)
    : QObject(window), palette_(palette), workspace_(workspace), window_(window) {}

void TContrastAnalyzeCommand::AttachActions(TMainActions& actions) {
  connect(actions.actToolsContrastTest, &QAction::triggered, this, [this] { OpenAnalyzer(); });
}

void TContrastAnalyzeCommand::UpdateActions(TMainActions& actions) { actions.actToolsContrastTest->setEnabled(true); }

TContrastAnalyzeForm* TContrastAnalyzeCommand::OpenAnalyzer() {
  return TContrastAnalyzeForm::Open(&palette_, workspace_.BaseColor().GetColor(), window_);
}

}  // namespace tintorium
