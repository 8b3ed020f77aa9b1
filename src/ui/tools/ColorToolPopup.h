#pragma once
// The right-click menu of the colour tools (ColorToolPopupMouseDown) and the tool colour it acts on.
//
// One instance serves every tool page: a right-button press over an own colour of a tool control stores that
// colour as ToolColor and the page's "Result space" model as ToolModel, then opens the page's menu at the
// pointer. "Set as Base" (actCWSetBase) and "Add to Palette" (actCWAddToPal) always use the last stored pair.
// A page wires its control with ConnectTool; a list of colour objects calls the list overload itself.

#include "ui/actions/ActionRules.h"
#include "core/ColorObject.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tintorium {

class TCommonColorControl;
class TMainActions;
class TWorkspace;

class TColorToolPopup final : public QObject, public TActionRules {
  Q_OBJECT

 public:
  /// The menus are created as children of `menuParent` (the main window); `workspace` and `actions` must outlive
  /// this object.
  TColorToolPopup(TWorkspace& workspace, TMainActions& actions, QWidget* menuParent);

  TColor ToolColor() const { return toolColor_; }
  TColorModel ToolModel() const { return toolModel_; }

  /// "Set as Base", separator, "Add to Palette", "Add all to palette" (actCWAddAll).
  QMenu* pmnu_CW() const { return pmnu_CW_; }
  /// "Set as Base", separator, "Add to Palette", "Add all to palette" (actCMAddAll).
  QMenu* pmnu_CM() const { return pmnu_CM_; }
  /// "Set as Base", separator, "Add to Palette".
  QMenu* pmnu_Var() const { return pmnu_Var_; }

  /// A press at `pos` (control coordinates) on `control`: with the right button over an own colour, stores the
  /// colour and `model` and opens `menu` at the pointer (without blocking). Returns whether it opened.
  bool ColorToolPopupMouseDown(TCommonColorControl& control, Qt::MouseButton button, QPoint pos, TColorModel model,
                               QMenu* menu);
  /// A press on a list of colour objects: with the right button over an item (`item` not null), stores the
  /// item's colour and model and opens pmnu_Var at `globalPos`. Returns whether it opened.
  bool ColorToolPopupMouseDown(const TColorObject* item, Qt::MouseButton button, QPoint globalPos);

  /// Routes `control`'s presses to ColorToolPopupMouseDown with `menu` and the model `model()` answers then.
  void ConnectTool(TCommonColorControl& control, QMenu* menu, std::function<TColorModel()> model);

  /// Set as Base and Add to Palette are always available.
  void UpdateActions(TMainActions& actions) override;

 private:
  QMenu* NewMenu(const char* name, QWidget* parent, QAction* addAll);
  void Open(QMenu* menu, QPoint globalPos);
  void SetAsBase();
  void AddToPalette();

  TWorkspace& workspace_;
  TMainActions& actions_;
  QMenu* pmnu_CW_;
  QMenu* pmnu_CM_;
  QMenu* pmnu_Var_;
  TColor toolColor_ = clNone;
  TColorModel toolModel_ = cmRGB;
};

}  // namespace tintorium
