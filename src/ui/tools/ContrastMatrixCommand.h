#pragma once
// Tools > "Palette contrast...": shows the palette contrast window over the main window, made on first use and
// kept (hidden when closed). Its choices ("View as" with the severity, "Show") outlast the session as texts in the
// program's settings: "normal" or a view as the command line's --cvd takes it ("deuteranomaly:0.6"), and "all" or
// a target's name ("aa", "apca75"). A text that does not read gives normal vision and all pairs.

#include "ui/actions/ActionRules.h"

#include <QObject>
#include <QPointer>
#include <QString>

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

  /// The choices as stored: the window's when it was made, else the ones last given to SetChoices.
  QString ViewText() const;
  QString FilterText() const;
  /// Takes stored choices (read leniently, see above), and shows them in the window when there is one.
  void SetChoices(const QString& view, const QString& filter);

 private:
  QString view_ = QStringLiteral("normal");
  QString filter_ = QStringLiteral("all");
  TPaletteDocument& palette_;
  QWidget* window_;
  QPointer<TContrastMatrixForm> form_;
};

}  // namespace tintorium
