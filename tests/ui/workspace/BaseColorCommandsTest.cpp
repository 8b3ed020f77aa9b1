// The Edit commands on the base colour, run through the main window's actions.
#include "ui/actions/MainActions.h"
#include "ui/workspace/BaseColorCommands.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace tintorium {
namespace {

class BaseColorCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    commands.AttachActions(actions);
    commands.UpdateActions(actions);
  }
  void Set(TColorModel model, std::array<int, 4> v) {
    SetChannelValues(workspace.BaseColor(), model, v);
    workspace.BaseColorChanged(nullptr, model, true, false);
  }
  void Trigger(QAction* action) {
    commands.UpdateActions(actions);
    ASSERT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    action->trigger();
  }
  QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

  TWorkspace workspace;
  TMainActions actions;
  TBaseColorCommands commands{workspace};
};

TEST_F(BaseColorCommandsTest, DarkenKeepsTheModel) {
  Set(cmRGB, {255, 0, 0, 0});
  Trigger(actions.actEditDarken);
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{230, 0, 0}));

  Set(cmHSB, {0, 100, 100, 0});
  Trigger(actions.actEditDarken);
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_EQ(workspace.BaseColor().GetHSB(), (THSBValues{0, 100, 90}));
}

TEST_F(BaseColorCommandsTest, BrightenTakesTheHueFromTheNewColour) {
  Set(cmHSB, {200, 0, 40, 0});
  Trigger(actions.actEditLighten);
  EXPECT_EQ(workspace.BaseColor().GetHSB(), (THSBValues{0, 0, 50}));
}

TEST_F(BaseColorCommandsTest, StepsSaturateAtTheEndsAndRecordNothing) {
  Set(cmRGB, {255, 255, 255, 0});
  const int entries = workspace.History().Count();
  Trigger(actions.actEditLighten);
  Set(cmRGB, {0, 0, 0, 0});
  const int afterBlack = workspace.History().Count();
  Trigger(actions.actEditDarken);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0, 0, 0}));
  EXPECT_EQ(afterBlack, entries + 1);
  EXPECT_EQ(workspace.History().Count(), afterBlack);
}

TEST_F(BaseColorCommandsTest, AmountOptionIsUsed) {
  workspace.SetAdjustAmount(50);
  Set(cmHSB, {0, 100, 100, 0});
  Trigger(actions.actEditDesaturate);
  EXPECT_EQ(workspace.BaseColor().GetHSB().S, 50);
}

TEST_F(BaseColorCommandsTest, WebGreyAndRandomKeepTheModelTag) {
  Set(cmRGB, {25, 26, 128, 0});
  Trigger(actions.actEditMakeWebsafe);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0, 51, 153}));

  Set(cmRGB, {200, 100, 50, 0});
  Trigger(actions.actEditMakeGrayscale);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{199, 199, 199}));
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);

  Set(cmLAB, {50, 10, 10, 0});
  Trigger(actions.actEditMakeWebsmart);
  EXPECT_EQ(workspace.BaseColor().Model(), cmLAB);
  const TRGBValues smart = workspace.BaseColor().GetRGB();
  EXPECT_EQ(smart.R % 17 + smart.G % 17 + smart.B % 17, 0);

  Trigger(actions.actEditRandomize);
  EXPECT_EQ(workspace.BaseColor().Model(), cmLAB);
}

TEST_F(BaseColorCommandsTest, ClipboardTexts) {
  Set(cmRGB, {255, 0, 238, 0});
  Trigger(actions.actEditCopyColorHEX);
  EXPECT_EQ(Clipboard(), QStringLiteral("#FF00EE"));
  workspace.SetHtmlSharp(false);
  Trigger(actions.actEditCopyColorHEX);
  EXPECT_EQ(Clipboard(), QStringLiteral("FF00EE"));
  Trigger(actions.actEditCopyColorDelphi);
  EXPECT_EQ(Clipboard(), QStringLiteral("$00EE00FF"));
  Trigger(actions.actEditCopyColorVSNET);
  EXPECT_EQ(Clipboard(), QStringLiteral("255,0,238"));
  Trigger(actions.actEditCopyColor);
  EXPECT_EQ(Clipboard(), QStringLiteral("R:255 G:0 B:238"));
  workspace.BaseColor().ConvertTo(cmLAB);
  Trigger(actions.actEditCopyColor);
  EXPECT_EQ(Clipboard(), QStringLiteral("L:59 a:92 b:-52"));
}

TEST_F(BaseColorCommandsTest, CopyAsCssPutsEachFormOnTheClipboardAndRemembersIt) {
  Set(cmCMYK, {0, 100, 100, 0});  // red, held in CMYK: the forms come from its TColor
  const auto cssActions = actions.EditCopyCssActions();
  const char* expected[] = {"#ff0000",          "rgb(255 0 0)",           "hsl(0 100% 50%)",
                            "hwb(0 0% 0%)",     "lab(54.29 80.8 69.89)",  "lch(54.29 106.84 40.86)",
                            "oklab(0.62796 0.22486 0.12585)", "oklch(0.62796 0.25768 29.23)", "red"};
  for (std::size_t i = 0; i < cssActions.size(); ++i) {
    Trigger(cssActions[i]);
    EXPECT_EQ(Clipboard().toStdString(), expected[i]);
    EXPECT_EQ(workspace.CssForm(), CssForms[i]);
  }
  // A colour without a CSS name: the Named item is disabled and copies nothing.
  Set(cmRGB, {255, 0, 238, 0});
  commands.UpdateActions(actions);
  EXPECT_FALSE(actions.actEditCopyCssNamed->isEnabled());
  EXPECT_TRUE(actions.actEditCopyCssOklch->isEnabled());
  Trigger(actions.actEditCopyCssOklch);
  QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
  commands.CopyColorAsCss(TCssForm::Named);
  EXPECT_EQ(Clipboard(), QStringLiteral("kept"));
  EXPECT_EQ(workspace.CssForm(), TCssForm::Oklch);
}

TEST_F(BaseColorCommandsTest, TheReadoutsCssViewShowsTheLastFormCopied) {
  Trigger(actions.actCUCModelCSS);
  commands.UpdateActions(actions);
  EXPECT_TRUE(actions.actCUCModelCSS->isChecked());
  EXPECT_FALSE(actions.actCUCModelRGB->isChecked());
  workspace.ShowColorUnderCursor(0x0000FF);
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       oklch(0.62796 0.25768 29.23)"));
  Set(cmRGB, {0, 0, 0, 0});
  Trigger(actions.actEditCopyCssNamed);
  workspace.ShowColorUnderCursor(0x0000FF);
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       red"));
  workspace.ShowColorUnderCursor(0x123456);  // no name: the hex form stands in
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       #563412"));
  Trigger(actions.actCUCModelHSB);
  EXPECT_FALSE(workspace.ColorUnderCursorCss());
  workspace.ShowColorUnderCursor(0x0000FF);
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       H:0 S:100 B:100"));
  EXPECT_EQ(workspace.ColorUnderCursorSetting(), cmHSB);
  workspace.SetColorUnderCursorSetting(99);  // a damaged setting gives RGB
  EXPECT_EQ(workspace.ColorUnderCursorSetting(), cmRGB);
  workspace.SetCssFormSetting(-3);
  EXPECT_EQ(workspace.CssForm(), TCssForm::Oklch);
}

TEST_F(BaseColorCommandsTest, PreviousAndNextEnableFromTheHistory) {
  Set(cmRGB, {1, 0, 0, 0});
  commands.UpdateActions(actions);
  EXPECT_FALSE(actions.actEditUndo->isEnabled()) << "one entry: nothing to go back to";
  EXPECT_FALSE(actions.actEditRedo->isEnabled());
  Set(cmRGB, {2, 0, 0, 0});
  Trigger(actions.actEditUndo);
  EXPECT_EQ(workspace.BaseColor().GetRGB().R, 1);
  commands.UpdateActions(actions);
  EXPECT_FALSE(actions.actEditUndo->isEnabled());
  EXPECT_TRUE(actions.actEditRedo->isEnabled());
  Trigger(actions.actEditRedo);
  EXPECT_EQ(workspace.BaseColor().GetRGB().R, 2);
}

TEST_F(BaseColorCommandsTest, ColourUnderCursorModelActions) {
  Trigger(actions.actCUCModelCMYK);
  EXPECT_EQ(workspace.ColorUnderCursorModel(), cmCMYK);
  commands.UpdateActions(actions);
  EXPECT_TRUE(actions.actCUCModelCMYK->isChecked());
  EXPECT_FALSE(actions.actCUCModelRGB->isChecked());
}

}  // namespace
}  // namespace tintorium
