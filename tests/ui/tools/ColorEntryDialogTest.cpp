// The colour entry through real keys: a field applies when left or with Enter, every other field follows, the hex
// field takes what designers paste and marks what it refuses while keeping the last good colour.
#include "ui/tools/ColorEntryDialog.h"

#include "core/ColorModels.h"
#include "core/ColorObject.h"
#include "core/ColorText.h"
#include "ui/controls/ColorSwatch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include <optional>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

class ColorEntryTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  void Type(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->selectAll();
    if (auto* box = qobject_cast<QSpinBox*>(field)) box->selectAll();
    QTest::keyClicks(field, text);
  }
  std::vector<int> Values(TColorModel model) {
    std::vector<int> values;
    for (int i = 0; dialog.Field(model, i) != nullptr; ++i) values.push_back(dialog.Field(model, i)->value());
    return values;
  }
  bool Refused() { return dialog.HexField()->property("refused").toBool(); }

  TColorEntryDialog dialog{Rgb(1, 2, 3)};
};

TEST_F(ColorEntryTest, ShowsTheColourInHexAndTheFourModels) {
  EXPECT_EQ(dialog.HexField()->text(), QStringLiteral("010203"));
  EXPECT_EQ(Values(cmRGB), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Values(cmCMYK).size(), 4u);
  const TColorObject expected(Rgb(1, 2, 3), cmRGB);
  for (const TColorModel model : {cmHSB, cmCMYK, cmLAB}) {
    const TChannelValues values = ChannelValuesOf(expected, model);
    for (std::size_t i = 0; i < Values(model).size(); ++i) EXPECT_EQ(Values(model)[i], values[i]) << model;
  }
  EXPECT_EQ(dialog.Preview()->BaseColor(), Rgb(1, 2, 3));
}

// Tab or a click elsewhere applies a typed value; every other field then shows the new colour.
TEST_F(ColorEntryTest, LeavingAFieldAppliesItsValue) {
  Type(dialog.Field(cmRGB, 0), QStringLiteral("200"));
  EXPECT_EQ(dialog.Color(), Rgb(1, 2, 3)) << "nothing applies while typing";
  QTest::keyClick(dialog.Field(cmRGB, 0), Qt::Key_Tab);
  EXPECT_EQ(dialog.Color(), Rgb(200, 2, 3));
  EXPECT_EQ(dialog.HexField()->text(), QStringLiteral("C80203"));

  Type(dialog.HexField(), QStringLiteral("#102030"));
  dialog.Field(cmLAB, 0)->setFocus(Qt::MouseFocusReason);  // a click elsewhere
  EXPECT_EQ(dialog.Color(), Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(Values(cmRGB), (std::vector<int>{0x10, 0x20, 0x30}));

  Type(dialog.Field(cmHSB, 0), QStringLiteral("0"));
  Type(dialog.Field(cmHSB, 1), QStringLiteral("100"));
  Type(dialog.Field(cmHSB, 2), QStringLiteral("100"));
  QTest::keyClick(dialog.Field(cmHSB, 2), Qt::Key_Tab);
  EXPECT_EQ(dialog.Color(), Rgb(255, 0, 0));
  EXPECT_EQ(dialog.ColorObject().GetHSB(), (THSBValues{0, 100, 100})) << "the typed model's values are kept";
  EXPECT_EQ(dialog.Preview()->BaseColor(), Rgb(255, 0, 0));
}

TEST_F(ColorEntryTest, EnterAppliesAndAcceptsAValidValue) {
  Type(dialog.Field(cmCMYK, 3), QStringLiteral("100"));
  QTest::keyClick(dialog.Field(cmCMYK, 3), Qt::Key_Return);
  EXPECT_EQ(dialog.Field(cmCMYK, 3)->value(), 100);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Color(), Rgb(0, 0, 0));
}

struct HexCase {
  const char* typed;
  std::optional<TColor> color;
};

class ColorEntryHex : public ColorEntryTest, public testing::WithParamInterface<HexCase> {};

// The same reading as every hex field: pasted forms taken, over-long and malformed text refused and marked, the
// last good colour kept and shown, the dialog left open by Enter on a refusal.
TEST_P(ColorEntryHex, TakesPastedFormsAndRefusesTheRestVisibly) {
  Type(dialog.HexField(), QString::fromLatin1(GetParam().typed));
  QTest::keyClick(dialog.HexField(), Qt::Key_Return);
  if (GetParam().color) {
    EXPECT_EQ(dialog.Color(), *GetParam().color);
    EXPECT_FALSE(Refused());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  } else {
    EXPECT_EQ(dialog.Color(), Rgb(1, 2, 3));
    EXPECT_EQ(dialog.HexField()->text(), QStringLiteral("010203")) << "the last good value is shown again";
    EXPECT_TRUE(Refused());
    EXPECT_NE(dialog.HexField()->palette().color(QPalette::Base), dialog.palette().color(QPalette::Base));
    EXPECT_TRUE(dialog.isVisible()) << "Enter on a refusal does not close the dialog";
    QTest::keyClick(dialog.HexField(), Qt::Key_A);
    EXPECT_FALSE(Refused()) << "the mark goes with the next edit";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColorEntryHex,
    testing::Values(HexCase{"#1a2b3c", Rgb(0x1A, 0x2B, 0x3C)}, HexCase{"1A2B3C", Rgb(0x1A, 0x2B, 0x3C)},
                    HexCase{"#abc", Rgb(0xAA, 0xBB, 0xCC)}, HexCase{"  #E4572E ", Rgb(0xE4, 0x57, 0x2E)},
                    HexCase{"rgb(1, 2, 250)", std::nullopt}, HexCase{"FFFFFF0", std::nullopt},
                    HexCase{"00FF00AB", std::nullopt}, HexCase{"#12345", std::nullopt}, HexCase{"GG8800", std::nullopt},
                    HexCase{"#", std::nullopt}));

TEST_F(ColorEntryTest, TheHexFieldTakesThePastedCopyText) {
  for (const bool addHash : {true, false}) {
    const TColorObject copied(Rgb(0xE4, 0x57, 0x2E), cmRGB);
    dialog.SetColor(Rgb(1, 2, 3));
    QApplication::clipboard()->setText(QString::fromStdString(CopyColorText(copied, ctkHTML, addHash)));
    dialog.HexField()->setFocus();
    dialog.HexField()->selectAll();
    QTest::keyClick(dialog.HexField(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(dialog.HexField(), Qt::Key_Tab);
    EXPECT_EQ(dialog.Color(), copied.GetColor()) << addHash;
  }
}

}  // namespace
}  // namespace tintorium
