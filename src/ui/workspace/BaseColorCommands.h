#pragma once
// The commands on the base colour: history, clipboard copies, step adjustments, web, grey and random.

#include "ui/actions/ActionRules.h"
#include "core/CssColor.h"

#include <QObject>

namespace tintorium {

class TMainActions;
class TWorkspace;

class TBaseColorCommands final : public QObject, public TActionRules {
  Q_OBJECT

 public:
  /// The step adjustments of Brighten, Darken, Saturate and Desaturate.
  enum TAdjust : int { adLighten, adDarken, adSaturate, adDesaturate };

  /// Acts on `workspace` (not owned; it must outlive the commands).
  explicit TBaseColorCommands(TWorkspace& workspace, QObject* parent = nullptr);

  /// Connects the Edit actions and the colour-under-cursor model actions.
  void AttachActions(TMainActions& actions);

  /// Puts the base colour on the clipboard as text of `kind` (TCopyTextKind); the HTML kind follows the
  /// HTMLSharp option, the others are always written in full.
  void CopyColor(int kind);
  /// Puts the base colour on the clipboard in a CSS form (nothing for Named when it has no name), and makes it
  /// the form of the readout's CSS view.
  void CopyColorAsCss(TCssForm form);
  /// Steps the base colour's TColor by the adjustment amount; the colour stays in its model.
  void Adjust(TAdjust adjust, QObject* sender);
  void MakeWebsafe(QObject* sender);
  void MakeWebsmart(QObject* sender);
  void MakeGrayscale(QObject* sender);
  void Randomize(QObject* sender);

  // TActionRules
  void UpdateActions(TMainActions& actions) override;

 private:
  /// Runs `change` on the base colour, puts its Model back, and announces the change in that model.
  template <typename Change>
  void ChangeKeepingModel(QObject* sender, Change change);

  TWorkspace& workspace_;
};

}  // namespace tintorium
