// The hub: the order of BaseColorChanged's steps, the tools it skips, the history and its navigation,
// and the colour-under-cursor readout.
#include "core/ColorModels.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <string>
#include <vector>

namespace tintorium {
namespace {

std::vector<std::string>* journal = nullptr;

class TRecordingEditors final : public TBaseColorEditors {
 public:
  void ShowBaseMarks(const TColorObject&) override { journal->push_back("marks"); }
  void ShowBaseValues(const TColorObject&, TColorModel model, bool refreshAll) override {
    journal->push_back("values " + std::to_string(model) + (refreshAll ? " all" : " except"));
  }
};

class TRecordingFollower final : public TBaseColorFollower {
 public:
  TRecordingFollower(std::string name, const QObject* own) : name_(std::move(name)), own_(own) {}
  void FollowBaseColor(const TColorObject& base) override {
    journal->push_back(name_);
    seen = base.GetColor();
  }
  bool SkipsSender(const QObject* sender) const override { return sender != nullptr && sender == own_; }
  TColor seen = clNone;

 private:
  std::string name_;
  const QObject* own_;
};

class WorkspaceTest : public ::testing::Test {
 protected:
  void SetUp() override { journal = &log; }
  void TearDown() override { journal = nullptr; }

  void SetRGB(int r, int g, int b) {
    workspace.BaseColor().SetRGB({r, g, b});
    workspace.BaseColorChanged(nullptr, cmRGB, true, false);
  }
  TColor Top() const { return workspace.History().Entry(0).GetColor(); }

  std::vector<std::string> log;
  TWorkspace workspace;
};

TEST_F(WorkspaceTest, StepsRunInOrderAndToolsAreCalledInTheirSlotOrder) {
  TRecordingEditors editors;
  QObject wheelControl, spectrumControl;
  TRecordingFollower variations("variations", nullptr), wheel("wheel", &wheelControl),
      spectrum("spectrum", &spectrumControl);
  workspace.SetEditors(&editors);
  // Registered out of order on purpose: the slots decide.
  workspace.AddFollower(TFollowerSlot::Variations, &variations);
  workspace.AddFollower(TFollowerSlot::Spectrum, &spectrum);
  workspace.AddFollower(TFollowerSlot::Wheel, &wheel);
  QObject::connect(&workspace.History(), &TColorHistory::EntryInserted, [] { journal->push_back("history"); });

  workspace.BaseColor().SetHSB({120, 50, 50});
  workspace.BaseColorChanged(nullptr, cmHSB, false, false);
  EXPECT_EQ(log, (std::vector<std::string>{"marks", "values 1 except", "wheel", "spectrum", "variations", "history"}));
  EXPECT_EQ(variations.seen, workspace.BaseColor().GetColor());

  log.clear();
  workspace.BaseColor().SetRGB({1, 2, 3});
  workspace.BaseColorChanged(&wheelControl, cmRGB, true, false);
  EXPECT_EQ(log, (std::vector<std::string>{"marks", "values 0 all", "spectrum", "variations", "history"}))
      << "the wheel is not handed its own change";

  log.clear();
  workspace.BaseColor().SetRGB({4, 5, 6});
  workspace.BaseColorChanged(&spectrumControl, cmRGB, true, true);
  EXPECT_EQ(log, (std::vector<std::string>{"marks", "values 0 all", "wheel", "variations"}));

  workspace.RemoveFollower(&wheel);
  workspace.SetEditors(nullptr);
  log.clear();
  SetRGB(7, 8, 9);
  EXPECT_EQ(log, (std::vector<std::string>{"spectrum", "variations", "history"}));
}

TEST_F(WorkspaceTest, HistoryRecordsOnlyNewColoursAndRepaintsAlways) {
  QSignalSpy repaints(&workspace.History(), &TColorHistory::RepaintRequested);
  SetRGB(255, 0, 0);
  SetRGB(255, 0, 0);
  EXPECT_EQ(workspace.History().Count(), 1);
  // Another model of the same TColor adds nothing either.
  workspace.BaseColor().ConvertTo(cmHSB);
  workspace.BaseColorChanged(nullptr, cmHSB, true, false);
  EXPECT_EQ(workspace.History().Count(), 1);
  EXPECT_EQ(repaints.count(), 3);
  const TColorObjectFx& entry = workspace.History().Entry(0);
  EXPECT_EQ(entry.Name(), u"FF0000");
  EXPECT_EQ(entry.Model(), cmRGB) << "the entry is a copy of the colour at that moment";
}

TEST_F(WorkspaceTest, PreviousAndNextWalkTheHistory) {
  SetRGB(1, 0, 0);  // C1
  SetRGB(2, 0, 0);  // C2
  workspace.BaseColor().SetHSB({200, 50, 50});  // C3, held in HSB
  workspace.BaseColorChanged(nullptr, cmHSB, false, false);
  const TColor c1 = RGBValuesToColor({1, 0, 0}), c2 = RGBValuesToColor({2, 0, 0});
  const TColor c3 = workspace.BaseColor().GetColor();
  TColorHistory& history = workspace.History();
  ASSERT_EQ(history.Count(), 3);
  EXPECT_EQ(history.SelectedIndex(), 0);
  EXPECT_TRUE(workspace.CanPrevious());
  EXPECT_FALSE(workspace.CanNext());

  workspace.Previous(nullptr);
  EXPECT_EQ(history.SelectedIndex(), 1);
  EXPECT_EQ(workspace.BaseColor().GetColor(), c2);
  workspace.Previous(nullptr);
  EXPECT_EQ(history.SelectedIndex(), 2);
  EXPECT_EQ(workspace.BaseColor().GetColor(), c1);
  EXPECT_FALSE(workspace.CanPrevious());
  workspace.Previous(nullptr);  // disabled: nothing happens
  EXPECT_EQ(history.SelectedIndex(), 2);
  EXPECT_EQ(history.Count(), 3) << "walking records nothing";

  workspace.Next(nullptr);
  EXPECT_EQ(history.SelectedIndex(), 1);
  workspace.Next(nullptr);
  EXPECT_EQ(workspace.BaseColor().GetColor(), c3);
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB) << "the entry's model comes back";
  workspace.Previous(nullptr);

  SetRGB(4, 0, 0);  // C4
  ASSERT_EQ(history.Count(), 4);
  EXPECT_EQ(history.SelectedIndex(), 0);
  EXPECT_EQ(history.Entry(0).GetColor(), RGBValuesToColor({4, 0, 0}));
  EXPECT_EQ(history.Entry(1).GetColor(), c3);
  EXPECT_EQ(history.Entry(2).GetColor(), c2);
  EXPECT_EQ(history.Entry(3).GetColor(), c1);
}

TEST_F(WorkspaceTest, SettingAHistoryEntryAsBaseRecordsItAgainUnlessFromHistory) {
  SetRGB(1, 0, 0);
  SetRGB(2, 0, 0);
  const TColorObject older = workspace.History().Entry(1);
  workspace.AssignBaseColor(older, nullptr, true);
  EXPECT_EQ(workspace.History().Count(), 2);
  workspace.AssignBaseColor(older, nullptr, false);
  EXPECT_EQ(workspace.History().Count(), 3);
  EXPECT_EQ(Top(), older.GetColor());
}

TEST_F(WorkspaceTest, ColorUnderCursorReadout) {
  QSignalSpy shown(&workspace, &TWorkspace::ColorUnderCursorShown);
  QSignalSpy cleared(&workspace, &TWorkspace::ColorUnderCursorCleared);
  workspace.ShowColorUnderCursor(RGBValuesToColor({255, 0, 238}));
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:255 G:0 B:238"));
  workspace.SetColorUnderCursorModel(cmHSB);
  workspace.ShowColorUnderCursor(RGBValuesToColor({255, 0, 0}));
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       H:0 S:100 B:100"));
  ASSERT_EQ(shown.count(), 2);
  EXPECT_EQ(shown.at(1).at(1).toString(), workspace.ColorUnderCursorText());
  workspace.SetColorUnderCursorModel(static_cast<TColorModel>(7));
  EXPECT_EQ(workspace.ColorUnderCursorModel(), cmHSB) << "an unknown model is ignored";
  workspace.ClearColorUnderCursor();
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
  EXPECT_EQ(cleared.count(), 1);
}

TEST_F(WorkspaceTest, AdjustAmountIsLimited) {
  workspace.SetAdjustAmount(0);
  EXPECT_EQ(workspace.AdjustAmount(), 1);
  workspace.SetAdjustAmount(1000);
  EXPECT_EQ(workspace.AdjustAmount(), 100);
}

}  // namespace
}  // namespace tintorium
