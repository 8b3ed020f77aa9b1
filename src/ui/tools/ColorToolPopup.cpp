#include "ui/tools/ColorToolPopup.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/CommonColorControl.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace tintorium {

TColorToolPopup::TColorToolPopup(TWorkspace& workspace, TMainActions& actions, QWidget* menuParent)
    : QObject(menuParent),
      workspace_(workspace),
      actions_(actions),
      pmnu_CW_(NewMenu("pmnu_CW", menuParent, actions.actCWAddAll)),
      pmnu_CM_(NewMenu("pmnu_CM", menuParent, actions.actCMAddAll)),
      pmnu_Var_(NewMenu("pmnu_Var", menuParent, nullptr)) {
  connect(actions_.actCWSetBase, &QAction::triggered, this, &TColorToolPopup::SetAsBase);
  connect(actions_.actCWAddToPal, &QAction::triggered, this, &TColorToolPopup::AddToPalette);
}

QMenu* TColorToolPopup::NewMenu(const char* name, QWidget* parent, QAction* addAll) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromLatin1(name));
  menu->addAction(actions_.actCWSetBase);
  menu->addSeparator();
  menu->addAction(actions_.actCWAddToPal);
  if (addAll) menu->addAction(addAll);
  return menu;
}

void TColorToolPopup::Open(QMenu* menu, QPoint globalPos) {
  if (menu) menu->popup(globalPos);
}

bool TColorToolPopup::ColorToolPopupMouseDown(TCommonColorControl& control, Qt::MouseButton button, QPoint pos,
                                              TColorModel model, QMenu* menu) {
  if (button != Qt::RightButton || menu == nullptr) return false;
  const std::optional<TColor> color = control.GetHoverColor();
  if (!color) return false;
  toolColor_ = *color;
  toolModel_ = model;
  Open(menu, control.mapToGlobal(pos));
  return true;
}

bool TColorToolPopup::ColorToolPopupMouseDown(const TColorObject* item, Qt::MouseButton button, QPoint globalPos) {
  if (button != Qt::RightButton || item == nullptr) return false;
  toolColor_ = item->GetColor();
  toolModel_ = item->Model();
  Open(pmnu_Var_, globalPos);
  return true;
}

void TColorToolPopup::ConnectTool(TCommonColorControl& control, QMenu* menu, std::function<TColorModel()> model) {
  connect(&control, &TCommonColorControl::OnMouseDown, this,
          [this, &control, menu, model = std::move(model)](Qt::MouseButton button, QPoint pos) {
            ColorToolPopupMouseDown(control, button, pos, model ? model() : cmRGB, menu);
          });
}

void TColorToolPopup::UpdateActions(TMainActions& actions) {
  actions.actCWSetBase->setEnabled(true);
  actions.actCWAddToPal->setEnabled(true);
}

void TColorToolPopup::SetAsBase() {
  if (toolColor_ == clNone) return;
  workspace_.BaseColor().SetColor(toolColor_, toolModel_);
  workspace_.BaseColorChanged(actions_.actCWSetBase, toolModel_, true, false);
}

void TColorToolPopup::AddToPalette() {
  if (toolColor_ == clNone) return;
  const TColorObject color(toolColor_, toolModel_);
  workspace_.AddPaletteColor(color, QString::fromStdString(color.HexText()));
}

}  // namespace tintorium
