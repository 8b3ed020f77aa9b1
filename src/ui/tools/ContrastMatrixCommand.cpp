#include "ui/tools/ContrastMatrixCommand.h"

#include "ui/actions/MainActions.h"
#include "ui/tools/ContrastMatrixForm.h"

#include <QAction>
#include <QWidget>

namespace tintorium {

TContrastMatrixCommand::TContrastMatrixCommand(TPaletteDocument& palette, QWidget* window)
    : QObject(window), palette_(palette), window_(window) {}

void TContrastMatrixCommand::AttachActions(TMainActions& actions) {
  connect(actions.actToolsContrastMatrix, &QAction::triggered, this, [this] { OpenMatrix(); });
}

void TContrastMatrixCommand::UpdateActions(TMainActions& actions) { actions.actToolsContrastMatrix->setEnabled(true); }

TContrastMatrixForm* TContrastMatrixCommand::Form() const { return form_; }

TContrastMatrixForm* TContrastMatrixCommand::OpenMatrix() {
  if (!form_) form_ = new TContrastMatrixForm(&palette_, window_);
  form_->Refresh();
  form_->show();
  form_->raise();
  form_->activateWindow();
  return form_;
}

}  // namespace tintorium
