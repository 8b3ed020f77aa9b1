#include "ui/tools/ContrastAnalyzeCommand.h"

#include "ui/actions/MainActions.h"
#include "ui/screenpick/ScreenPicker.h"
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

void TContrastAnalyzeCommand::SetScreenPicker(TScreenPicker* picker) { picker_ = picker; }

TContrastAnalyzeForm* TContrastAnalyzeCommand::OpenAnalyzer() {
  TContrastAnalyzeForm* form = TContrastAnalyzeForm::Open(&palette_, workspace_.BaseColor().GetColor(), window_);
  if (picker_) {
    form->SetScreenPick([picker = picker_](std::function<void(TColor)> deliver) {
      if (picker) picker->StartFor(std::move(deliver));
    });
  }
  return form;
}

}  // namespace tintorium
