#pragma once
// Tools > "Palette contrast...": shows the palette contrast window over the main window, made on first use and
// kept (hidden when closed) so its choices last for the session.

#include "ui/actions/ActionRules.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace tintorium {

class TContrastMatrixForm;
class TMainActions;
class TPaletteDocument;

class TContrastMatrixCommand final : public QObject, public TActionRules {
  Q_OBJECT
 public:
  /// `palette` must outlive the command; the window is a child of `window`.
  TContrastMatrixCommand(TPaletteDocument& palette, QWidget* window);

  /// Connects actToolsContrastMatrix.
  void AttachActions(TMainActions& actions);
  void UpdateActions(TMainActions& actions) override;

  /// What the action does: makes the window if there is none, shows and raises it.
  TContrastMatrixForm* OpenMatrix();
  /// The window; nullptr until first used.
  TContrastMatrixForm* Form() const;

 private:
  TPaletteDocument& palette_;
  QWidget* window_;
  QPointer<TContrastMatrixForm> form_;
};

}  // namespace tintorium
