// The real message boxes of the seam: whichever window was active or just closed, a box belongs to a window.
#include "ui/language/MessageSeam.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace tintorium {
namespace {

/// Shows a real box through the seam and reports the parent it had while it was open.
QWidget* ParentOfNextBox() {
  QPointer<QWidget> parent;
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = true;
    parent = box->parentWidget();
    box->done(QMessageBox::Ok);
  });
  poll.start();
  Dialogs().ShowMessageBox(QStringLiteral("Could not read file!"), mfError);
  EXPECT_TRUE(seen);
  return parent;
}

class MessageBoxParentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main.setWindowTitle(QStringLiteral("main"));
    main.resize(400, 300);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  }
  void TearDown() override { main.hide(); }

  QMainWindow main;
};

TEST_F(MessageBoxParentTest, ABoxBelongsToTheMainWindowWhateverClosedJustBefore) {
  struct Case {
    const char* what;
    std::function<void(QMainWindow&)> before;
  };
  const Case cases[] = {
      {"the main window is active", [](QMainWindow& w) { QApplication::setActiveWindow(&w); }},
      {"a dialog just closed and nothing is active yet",
       [](QMainWindow& w) {
         QDialog chooser(&w);
         chooser.show();
         QApplication::setActiveWindow(&chooser);
         chooser.hide();
         QApplication::setActiveWindow(nullptr);
       }},
      {"no window is active", [](QMainWindow&) { QApplication::setActiveWindow(nullptr); }},
  };
  for (const Case& c : cases) {
    c.before(main);
    EXPECT_EQ(ParentOfNextBox(), &main) << c.what;
  }
}

TEST_F(MessageBoxParentTest, AnOpenModalDialogOwnsTheBoxAboveIt) {
  QDialog options(&main);
  options.setModal(true);
  options.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
  QApplication::setActiveWindow(nullptr);
  EXPECT_EQ(MessageBoxParent(), &options);
  EXPECT_EQ(ParentOfNextBox(), &options);
}

TEST_F(MessageBoxParentTest, TheTopmostWindowIsOneNoOtherVisibleWindowStandsOn) {
  QDialog tool(&main);  // transient for the main window, so above it
  tool.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tool));
  QApplication::setActiveWindow(nullptr);
  EXPECT_EQ(MessageBoxParent(), &tool);
  tool.hide();
  EXPECT_EQ(MessageBoxParent(), &main);
  main.hide();
  EXPECT_EQ(MessageBoxParent(), nullptr) << "no visible window";
}

// A choice box shows the labels it is given and answers with the chosen one's index; Escape gives the last.
TEST(ChoiceBox, ShowsItsLabelsAndAnswersTheButtonClicked) {
  QMainWindow main;
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  const QStringList labels{QStringLiteral("Restore"), QStringLiteral("Discard")};
  for (int chosen : {0, 1, -1}) {
    SCOPED_TRACE(chosen);
    QStringList shown;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !shown.isEmpty()) return;
      for (QAbstractButton* button : box->buttons()) shown << button->text();
      if (chosen < 0) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
      }
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == labels[chosen]) button->click();
      }
    });
    poll.start();
    const int answer = Dialogs().ShowChoiceBox(QStringLiteral("Restore it?"), mfYesNoQuestion, labels);
    shown.sort();
    EXPECT_EQ(shown, QStringList({"Discard", "Restore"}));
    EXPECT_EQ(answer, chosen < 0 ? 1 : chosen);
  }
}

}  // namespace
}  // namespace tintorium
