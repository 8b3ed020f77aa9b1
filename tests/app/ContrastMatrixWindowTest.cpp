// The palette contrast window through the real main window: its choices ("View as" with the severity, "Show")
// come back in the next session, whether or not the window was opened in between; values that do not read
// (a hand-edited or damaged settings file) give the defaults.
#include "ShellTestSupport.h"

#include "core/ColorVision.h"
#include "core/ContrastTarget.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ContrastMatrixCommand.h"
#include "ui/tools/ContrastMatrixForm.h"
#include "ui/tools/ContrastMatrixView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QStringList>

namespace tintorium::test {
namespace {

class ContrastMatrixWindowTest : public ShellFixture {
 protected:
  TContrastMatrixForm* Open(TMainWindow& window) {
    window.Palette().AddPaletteColor(QStringLiteral("Ink"), TColorObject(0x202020, cmRGB));
    window.Palette().AddPaletteColor(QStringLiteral("Paper"), TColorObject(0xF0F0F0, cmRGB));
    return window.ContrastMatrix().OpenMatrix();
  }
};

TEST_F(ContrastMatrixWindowTest, ChoicesComeBackInTheNextSessions) {
  auto window = Start({"-", "-"});
  TContrastMatrixForm* form = Open(*window);
  ASSERT_NE(form, nullptr);
  form->ViewBox()->setCurrentIndex(3);  // tritanomaly
  form->SeverityBox()->setValue(0.6);
  form->FilterBox()->setCurrentIndex(5);  // APCA Lc 75
  const TVisionView view{TVisionKind::Tritanomaly, 0.6};
  ASSERT_EQ(form->ChosenView(), view);
  ASSERT_EQ(form->ChosenFilter(), TContrastTarget::Apca75);
  form->close();
  Finish(window);
  EXPECT_EQ(store->value(QStringLiteral("Options/MatrixViewAs")).toString(), QStringLiteral("tritanomaly:0.6"));
  EXPECT_EQ(store->value(QStringLiteral("Options/MatrixShow")).toString(), QStringLiteral("apca75"));

  // A session that never opens the window keeps them.
  window = Start({"-", "-"});
  EXPECT_EQ(window->ContrastMatrix().Form(), nullptr);
  Finish(window);

  window = Start({"-", "-"});
  form = Open(*window);
  EXPECT_EQ(form->ChosenView(), view);
  EXPECT_EQ(form->ChosenFilter(), TContrastTarget::Apca75);
  EXPECT_EQ(form->ViewBox()->currentIndex(), 3);
  EXPECT_TRUE(form->SeverityBox()->isEnabled());
  EXPECT_EQ(form->View()->Table().Matrix.Size(), 2u);

  // Normal vision and every pair are choices too, not just the absence of one.
  form->ViewBox()->setCurrentIndex(0);
  form->FilterBox()->setCurrentIndex(0);
  Finish(window);
  window = Start({"-", "-"});
  form = Open(*window);
  EXPECT_EQ(form->ChosenView(), std::nullopt);
  EXPECT_EQ(form->ChosenFilter(), std::nullopt);
}

TEST_F(ContrastMatrixWindowTest, ValuesThatDoNotReadOpenWithTheDefaults) {
  const std::vector<std::pair<QVariant, QVariant>> damaged{
      {QStringLiteral("banana"), QStringLiteral("aaaa")},
      {QStringLiteral("deuteranomaly:7"), QStringLiteral("apca")},        // severity out of range; no such target
      {QStringLiteral("tritanopia:0.5:1"), QStringLiteral("")},          // trailing text
      {QStringList{QStringLiteral("protanopia"), QStringLiteral("x")}, 42},  // a list and a number
      {QByteArray("\xff\xfe"), QVariant()},
  };
  for (const auto& [view, filter] : damaged) {
    SCOPED_TRACE(view.toString().toStdString() + " / " + filter.toString().toStdString());
    store->setValue(QStringLiteral("Options/MatrixViewAs"), view);
    store->setValue(QStringLiteral("Options/MatrixShow"), filter);
    store->sync();
    Reopen();
    auto window = Start({"-", "-"});
    TContrastMatrixForm* form = Open(*window);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ChosenView(), std::nullopt);
    EXPECT_EQ(form->ChosenFilter(), std::nullopt);
    EXPECT_EQ(form->ViewBox()->currentIndex(), 0);
    EXPECT_EQ(form->FilterBox()->currentIndex(), 0);
    EXPECT_FALSE(form->SeverityBox()->isEnabled());
    EXPECT_DOUBLE_EQ(form->SeverityBox()->value(), 1.0);
    Finish(window);
  }
}

}  // namespace
}  // namespace tintorium::test
