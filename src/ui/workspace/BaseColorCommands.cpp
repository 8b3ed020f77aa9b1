#include "ui/workspace/BaseColorCommands.h"

#include "ui/actions/MainActions.h"
#include "core/ColorAdjust.h"
#include "core/ColorText.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace tintorium {

TBaseColorCommands::TBaseColorCommands(TWorkspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace) {}

void TBaseColorCommands::AttachActions(TMainActions& actions) {
  connect(actions.actEditUndo, &QAction::triggered, this, [this, &actions] { workspace_.Previous(actions.actEditUndo); });
  connect(actions.actEditRedo, &QAction::triggered, this, [this, &actions] { workspace_.Next(actions.actEditRedo); });
  connect(actions.actEditCopyColor, &QAction::triggered, this, [this] { CopyColor(ctkValues); });
  connect(actions.actEditCopyColorHEX, &QAction::triggered, this, [this] { CopyColor(ctkHTML); });
  connect(actions.actEditCopyColorDelphi, &QAction::triggered, this, [this] { CopyColor(ctkDollarHex); });
  connect(actions.actEditCopyColorVSNET, &QAction::triggered, this, [this] { CopyColor(ctkDecimal); });
  const auto bind = [this](QAction* action, auto command) {
    connect(action, &QAction::triggered, this, [this, action, command] { (this->*command)(action); });
  };
  bind(actions.actEditRandomize, &TBaseColorCommands::Randomize);
  bind(actions.actEditMakeWebsafe, &TBaseColorCommands::MakeWebsafe);
  bind(actions.actEditMakeWebsmart, &TBaseColorCommands::MakeWebsmart);
  bind(actions.actEditMakeGrayscale, &TBaseColorCommands::MakeGrayscale);
  const auto bindAdjust = [this](QAction* action, TAdjust adjust) {
    connect(action, &QAction::triggered, this, [this, action, adjust] { Adjust(adjust, action); });
  };
  bindAdjust(actions.actEditLighten, adLighten);
  bindAdjust(actions.actEditDarken, adDarken);
  bindAdjust(actions.actEditSaturate, adSaturate);
  bindAdjust(actions.actEditDesaturate, adDesaturate);
  for (QAction* action : {actions.actCUCModelRGB, actions.actCUCModelHSB, actions.actCUCModelCMYK,
                          actions.actCUCModelLab, actions.actCUCModelCSS}) {
    action->setCheckable(true);
    connect(action, &QAction::triggered, this,
            [this, action] { workspace_.SetColorUnderCursorSetting(TMainActions::Tag(action)); });
  }
  for (QAction* action : actions.EditCopyCssActions()) {
    connect(action, &QAction::triggered, this,
            [this, action] { CopyColorAsCss(static_cast<TCssForm>(TMainActions::Tag(action))); });
  }
}

void TBaseColorCommands::CopyColorAsCss(TCssForm form) {
  const std::string text = FormatCssColor(workspace_.BaseColor().GetColor(), form);
  if (text.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  workspace_.SetCssForm(form);
}

void TBaseColorCommands::CopyColor(int kind) {
  const bool hash = kind == ctkHTML ? workspace_.HtmlSharp() : true;
  const std::string text = CopyColorText(workspace_.BaseColor(), kind, hash);
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TBaseColorCommands::Adjust(TAdjust adjust, QObject* sender) {
  TColorObject& base = workspace_.BaseColor();
  const TColor color = base.GetColor();
  const int amount = workspace_.AdjustAmount();
  TColor adjusted = color;
  switch (adjust) {
    case adLighten:
      adjusted = LightenColor(color, amount);
      break;
    case adDarken:
      adjusted = DarkenColor(color, amount);
      break;
    case adSaturate:
      adjusted = SaturateColor(color, amount);
      break;
    case adDesaturate:
      adjusted = DesaturateColor(color, amount);
      break;
  }
  base.SetColor(adjusted, base.Model());
  workspace_.BaseColorChanged(sender, base.Model(), true, false);
}

template <typename Change>
void TBaseColorCommands::ChangeKeepingModel(QObject* sender, Change change) {
  TColorObject& base = workspace_.BaseColor();
  const TColorModel model = base.Model();
  change(base);
  base.SetModel(model);
  workspace_.BaseColorChanged(sender, model, true, false);
}

void TBaseColorCommands::MakeWebsafe(QObject* sender) {
  ChangeKeepingModel(sender, [](TColorObject& base) { base.SetRGB(SnapToWebStep(base.GetRGB(), WebSafeStep)); });
}

void TBaseColorCommands::MakeWebsmart(QObject* sender) {
  ChangeKeepingModel(sender, [](TColorObject& base) { base.SetRGB(SnapToWebStep(base.GetRGB(), WebSmartStep)); });
}

void TBaseColorCommands::MakeGrayscale(QObject* sender) {
  ChangeKeepingModel(sender, [](TColorObject& base) { base.SetHSB(DropSaturation(base.GetHSB())); });
}

void TBaseColorCommands::Randomize(QObject* sender) {
  ChangeKeepingModel(sender, [](TColorObject& base) { base.SetRGB(RandomRGB()); });
}

void TBaseColorCommands::UpdateActions(TMainActions& actions) {
  actions.actEditUndo->setEnabled(workspace_.CanPrevious());
  actions.actEditRedo->setEnabled(workspace_.CanNext());
  for (QAction* action : {actions.actEditCopyColor, actions.actEditCopyColorHEX, actions.actEditCopyColorDelphi,
                          actions.actEditCopyColorVSNET, actions.actEditRandomize, actions.actEditMakeWebsafe,
                          actions.actEditMakeWebsmart, actions.actEditMakeGrayscale, actions.actEditLighten,
                          actions.actEditDarken, actions.actEditSaturate, actions.actEditDesaturate}) {
    action->setEnabled(true);
  }
  for (QAction* action : {actions.actCUCModelRGB, actions.actCUCModelHSB, actions.actCUCModelCMYK,
                          actions.actCUCModelLab, actions.actCUCModelCSS}) {
    action->setEnabled(true);
    action->setChecked(TMainActions::Tag(action) == workspace_.ColorUnderCursorSetting());
  }
  for (QAction* action : actions.EditCopyCssActions()) action->setEnabled(true);
  actions.actEditCopyCssNamed->setEnabled(CssColorName(workspace_.BaseColor().GetColor()).has_value());
}

}  // namespace tintorium
