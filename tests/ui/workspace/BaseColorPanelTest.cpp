// The Base Color panel driven as a user drives it: sliders, fields, the hexadecimal field, the indicators
// and drops on the base swatch.
#include "engine/qtcolor/QtColorAdapter.h"
#include "core/ColorText.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/actions/MainActions.h"
#include "ui/workspace/BaseColorCommands.h"
#include "engine/language/Language.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/ColorBar.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QLabel>
#include <QClipboard>
#include <QMenu>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

class BaseColorPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = std::make_unique<TBaseColorPanel>(workspace);
    panel->resize(260, 260);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    SetBase(TColorObject(RGBValuesToColor({232, 253, 0}), cmRGB));
  }

  void SetBase(const TColorObject& color) { workspace.AssignBaseColor(color, nullptr); }
  TColorObject Rgb(int r, int g, int b) {
    TColorObject color;
    color.SetRGB({r, g, b});
    return color;
  }
  QLineEdit* Field(TColorModel model, int pick) { return panel->Field(model, pick); }
  TColorBar* Bar(TColorModel model, int pick) { return panel->Bar(model, pick); }
  void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }
  void Enter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }
  void ShowPage(TColorModel model) {
    panel->ModelTabs()->setCurrentIndex(model);
    QApplication::processEvents();
  }
  int HistoryCount() const { return workspace.History().Count(); }

  TWorkspace workspace;
  std::unique_ptr<TBaseColorPanel> panel;
};

TEST_F(BaseColorPanelTest, ComponentsCarryTheirNames) {
  for (const TColorModel model : {cmHSB, cmCMYK, cmLAB}) ShowPage(model);  // the pages are built when first shown
  for (const char* name : {"shBase", "imgWebSafe", "imgWebSmart", "tsColorModels", "nbColorModels", "cbRGB_R",
                           "cbHSB_S", "cbCMYK_K", "cbLab_b", "edRGB_B", "edHSB_H", "edCMYK_Y", "edLab_a", "edHEX"}) {
    EXPECT_NE(panel->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_EQ(panel->ModelTabs()->count(), 4);
  EXPECT_EQ(panel->ModelTabs()->tabText(3), QStringLiteral("CIE L*ab"));
  ShowPage(cmCMYK);
  EXPECT_EQ(panel->ModelPages()->currentIndex(), 2);
}

// A page first shown after start-up looks as if it had been there all along: the base colour's values, the
// current language's texts, laid out and visible.
TEST_F(BaseColorPanelTest, APageBuiltWhenFirstShownShowsTheBaseColorInTheCurrentLanguage) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(folder.filePath(QStringLiteral("test.lng")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Global]\r\nLanguageName=Test\r\n\r\n[MainForm]\r\nlblCMYK_K=Schwarz\r\nlblHSB_H=Farbton\r\n\r\n");
  file.close();
  SetLanguageFolder(folder.path());
  SetCurrentLanguageName(QStringLiteral("test.lng"));
  EXPECT_EQ(panel->findChild<QWidget*>(QStringLiteral("edCMYK_K")), nullptr) << "not built before it is shown";
  SetBase(Rgb(255, 0, 0));
  ShowPage(cmCMYK);
  SetLanguageFolder(QString());
  SetCurrentLanguageName(QString());

  auto* black = panel->findChild<QLabel*>(QStringLiteral("lblCMYK_K"));
  ASSERT_NE(black, nullptr);
  EXPECT_EQ(black->text(), QStringLiteral("Schwarz"));
  const TCMYKValues cmyk = workspace.BaseColor().GetCMYK();
  EXPECT_EQ(Field(cmCMYK, 2)->text(), QString::number(cmyk.M));
  EXPECT_EQ(Bar(cmCMYK, 2)->PickedValue(), cmyk.M);
  for (int pick = 1; pick <= 4; ++pick) {
    EXPECT_TRUE(Bar(cmCMYK, pick)->isVisible()) << pick;
    EXPECT_TRUE(Field(cmCMYK, pick)->isVisible()) << pick;
    EXPECT_GT(Bar(cmCMYK, pick)->width(), 20) << pick;
  }
  // The HSB page, asked for while hidden, is ready too and appears when its tab is chosen.
  EXPECT_EQ(Field(cmHSB, 1)->text(), QStringLiteral("0"));
  ShowPage(cmHSB);
  EXPECT_TRUE(Field(cmHSB, 1)->isVisible());
}

TEST_F(BaseColorPanelTest, LayoutRulePlacesSlidersAndFields) {
  ShowPage(cmCMYK);
  const QWidget* page = panel->ModelPages()->currentWidget();
  const TColorBar* r = Bar(cmCMYK, 1);
  const QLineEdit* field = Field(cmCMYK, 1);
  EXPECT_EQ(r->width(), page->width() - r->x() - field->width() - 13);
  EXPECT_EQ(field->x(), r->x() + r->width() + 6);
  EXPECT_EQ(Bar(cmCMYK, 4)->width(), r->width());
  EXPECT_EQ(Field(cmCMYK, 4)->x(), field->x());
  panel->resize(400, 260);
  QApplication::processEvents();
  EXPECT_EQ(r->width(), page->width() - r->x() - field->width() - 13) << "follows the panel's width";
}

struct HintCase {
  int r, g, b;
  const char* safe;
  const char* smart;
};

class BaseColorPanelHints : public BaseColorPanelTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(BaseColorPanelHints, IndicatorsAndHints) {
  const HintCase& c = GetParam();
  SetBase(Rgb(c.r, c.g, c.b));
  EXPECT_EQ(panel->WebSafeIndicator()->toolTip(), QString::fromLatin1(c.safe));
  EXPECT_EQ(panel->WebSmartIndicator()->toolTip(), QString::fromLatin1(c.smart));
  EXPECT_EQ(panel->WebSafePicture(), QString::fromLatin1(c.safe).contains(QLatin1String("not")) ? 0 : 1);
  EXPECT_EQ(panel->BaseSwatch()->BaseColor(), RGBValuesToColor({c.r, c.g, c.b}));
}

INSTANTIATE_TEST_SUITE_P(Colours, BaseColorPanelHints,
                         ::testing::Values(HintCase{51, 102, 153, "Color is Web Safe", "Color is Web Smart"},
                                           HintCase{17, 34, 51, "Color is not Web Safe!", "Color is Web Smart"},
                                           HintCase{18, 34, 51, "Color is not Web Safe!", "Color is not Web Smart!"}));

TEST_F(BaseColorPanelTest, SliderDragIsLiveAndRecordsOneEntryOnRelease) {
  SetBase(Rgb(100, 50, 200));
  const int before = HistoryCount();
  const QImage redGradient = Bar(cmRGB, 1)->Gradient().copy();
  const int hsbHue = Bar(cmHSB, 1)->Value1();
  TColorBar* green = Bar(cmRGB, 2);
  QTest::mousePress(green, Qt::LeftButton, Qt::NoModifier, QPoint(green->width() / 2, 5));
  QTest::mouseMove(green, QPoint(green->width() - 6, 5));
  QTest::mouseMove(green, QPoint(green->width() - 20, 5));
  const int dragged = green->Value2();
  EXPECT_EQ(HistoryCount(), before) << "dragging records nothing";
  EXPECT_EQ(panel->BaseSwatch()->BaseColor(), RGBValuesToColor({100, dragged, 200})) << "the swatch follows";
  EXPECT_EQ(Field(cmRGB, 2)->text(), QString::number(dragged));
  EXPECT_EQ(Bar(cmRGB, 1)->Value2(), dragged) << "the R slider holds the new G";
  EXPECT_NE(Bar(cmRGB, 1)->Gradient(), redGradient);
  EXPECT_EQ(Bar(cmHSB, 1)->Value1(), hsbHue) << "other models wait for the release";
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{100, 50, 200}));

  QTest::mouseRelease(green, Qt::LeftButton, Qt::NoModifier, QPoint(green->width() - 20, 5));
  EXPECT_EQ(HistoryCount(), before + 1);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{100, dragged, 200}));
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);
  EXPECT_EQ(Bar(cmHSB, 1)->Value1(), workspace.BaseColor().GetHSB().H);
  EXPECT_EQ(panel->HexField()->text(), QString::fromStdString(workspace.BaseColor().HexText()));
}

TEST_F(BaseColorPanelTest, EnterClampsThroughTheSliders) {
  Type(Field(cmRGB, 1), QStringLiteral("300"));
  Enter(Field(cmRGB, 1));
  EXPECT_EQ(Field(cmRGB, 1)->text(), QStringLiteral("255"));
  EXPECT_EQ(Bar(cmRGB, 1)->Value1(), 255);
  EXPECT_EQ(panel->HexField()->text().left(2), QStringLiteral("FF"));
  EXPECT_EQ(workspace.BaseColor().GetRGB().R, 255);

  const int entries = HistoryCount();
  Enter(Field(cmRGB, 1));
  EXPECT_EQ(HistoryCount(), entries) << "the same values again record nothing";
}

TEST_F(BaseColorPanelTest, MinusOnlyInLabAndEmptyIsZero) {
  Type(Field(cmRGB, 1), QStringLiteral("-5x"));
  EXPECT_EQ(Field(cmRGB, 1)->text(), QStringLiteral("5"));
  Type(Field(cmHSB, 2), QStringLiteral("-4"));
  EXPECT_EQ(Field(cmHSB, 2)->text(), QStringLiteral("4"));
  Type(Field(cmCMYK, 3), QStringLiteral("a-1"));
  EXPECT_EQ(Field(cmCMYK, 3)->text(), QStringLiteral("1"));

  ShowPage(cmLAB);
  Type(Field(cmLAB, 1), QStringLiteral("50"));
  Type(Field(cmLAB, 2), QStringLiteral("-200"));
  Type(Field(cmLAB, 3), QString());
  Enter(Field(cmLAB, 2));
  EXPECT_EQ(Field(cmLAB, 2)->text(), QStringLiteral("-128"));
  EXPECT_EQ(Field(cmLAB, 3)->text(), QStringLiteral("0"));
  EXPECT_EQ(workspace.BaseColor().Model(), cmLAB);
  EXPECT_EQ(workspace.BaseColor().GetLab(), (TLabValues{50, -128, 0}));
}

struct HexCase {
  const char* typed;
  std::optional<TRGBValues> result;
};

class BaseColorPanelHex : public BaseColorPanelTest, public ::testing::WithParamInterface<HexCase> {};

TEST_P(BaseColorPanelHex, TakesPastedFormsAndRefusesTheRestVisibly) {
  SetBase(Rgb(1, 2, 3));
  const int entries = HistoryCount();
  Type(panel->HexField(), QString::fromLatin1(GetParam().typed));
  Enter(panel->HexField());
  const bool refused = panel->HexField()->property("refused").toBool();
  if (GetParam().result) {
    EXPECT_EQ(workspace.BaseColor().GetRGB(), *GetParam().result);
    EXPECT_EQ(panel->HexField()->text(), QString::fromStdString(HexText(*GetParam().result)));
    EXPECT_EQ(HistoryCount(), entries + 1);
    EXPECT_FALSE(refused);
  } else {
    EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{1, 2, 3}));
    EXPECT_EQ(panel->HexField()->text(), QStringLiteral("010203")) << "the field keeps the last good value";
    EXPECT_EQ(HistoryCount(), entries);
    EXPECT_TRUE(refused) << "the refusal is marked";
    EXPECT_NE(panel->HexField()->palette().color(QPalette::Base), panel->palette().color(QPalette::Base));
    QTest::keyClick(panel->HexField(), Qt::Key_A);
    EXPECT_FALSE(panel->HexField()->property("refused").toBool()) << "the mark goes with the next edit";
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, BaseColorPanelHex,
                         ::testing::Values(HexCase{"ff8800", TRGBValues{255, 136, 0}},
                                           HexCase{"F80", TRGBValues{255, 136, 0}},
                                           HexCase{"#1a2b3c", TRGBValues{0x1A, 0x2B, 0x3C}},
                                           HexCase{"1A2B3C", TRGBValues{0x1A, 0x2B, 0x3C}},
                                           HexCase{"#abc", TRGBValues{0xAA, 0xBB, 0xCC}},
                                           HexCase{"  #FF8800 ", TRGBValues{255, 136, 0}},
                                           HexCase{"00FF00AB", std::nullopt}, HexCase{"##FF8800", std::nullopt},
                                           HexCase{"FF88", std::nullopt}, HexCase{"F", std::nullopt},
                                           HexCase{"", std::nullopt}, HexCase{"#", std::nullopt},
                                           HexCase{"GG8800", std::nullopt}, HexCase{"ff 880", std::nullopt}));

// The program's own "Copy as HTML/CSS" text, with and without its hash, pasted with Ctrl+V.
TEST_F(BaseColorPanelTest, HexFieldTakesThePastedCopyText) {
  for (const bool addHash : {true, false}) {
    SetBase(Rgb(1, 2, 3));
    const TColorObject copied = Rgb(0xE4, 0x57, 0x2E);
    QApplication::clipboard()->setText(QString::fromStdString(CopyColorText(copied, ctkHTML, addHash)));
    panel->HexField()->setFocus();
    panel->HexField()->selectAll();
    QTest::keyClick(panel->HexField(), Qt::Key_V, Qt::ControlModifier);
    Enter(panel->HexField());
    EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0xE4, 0x57, 0x2E})) << addHash;
  }
}

// Tab or a click elsewhere applies what the field shows (or restores it when not valid); an untouched field that
// loses focus records nothing.
TEST_F(BaseColorPanelTest, LeavingAFieldAppliesItsValue) {
  panel->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
  SetBase(Rgb(1, 2, 3));
  int entries = HistoryCount();

  Type(Field(cmRGB, 1), QStringLiteral("200"));
  QTest::keyClick(Field(cmRGB, 1), Qt::Key_Tab);
  EXPECT_FALSE(Field(cmRGB, 1)->hasFocus());
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{200, 2, 3}));
  EXPECT_EQ(HistoryCount(), ++entries);

  Type(panel->HexField(), QStringLiteral("#102030"));
  Field(cmRGB, 2)->setFocus(Qt::MouseFocusReason);  // a click elsewhere
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0x10, 0x20, 0x30}));
  EXPECT_EQ(HistoryCount(), ++entries);

  Type(panel->HexField(), QStringLiteral("12345"));
  QTest::keyClick(panel->HexField(), Qt::Key_Tab);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0x10, 0x20, 0x30}));
  EXPECT_EQ(panel->HexField()->text(), QStringLiteral("102030")) << "the shown value is the base colour";
  EXPECT_EQ(HistoryCount(), entries);

  Field(cmRGB, 3)->setFocus();
  Field(cmRGB, 1)->setFocus();
  EXPECT_EQ(HistoryCount(), entries) << "passing through a field applies nothing";
}

TEST_F(BaseColorPanelTest, SliderKeyStepCommitsLikeARelease) {
  SetBase(Rgb(10, 10, 10));
  const int entries = HistoryCount();
  TColorBar* blue = Bar(cmRGB, 3);
  blue->setFocus();
  QTest::keyClick(blue, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{10, 10, 20}));
  EXPECT_EQ(Field(cmRGB, 3)->text(), QStringLiteral("20"));
  EXPECT_EQ(HistoryCount(), entries + 1);
}

TEST_F(BaseColorPanelTest, DropsOnTheBaseSwatch) {
  TColorObject palette = Rgb(5, 6, 7);
  palette.ConvertTo(cmCMYK);
  TColorObject older = Rgb(9, 9, 9);
  const int entries = HistoryCount();
  TColorSwatch* base = panel->BaseSwatch();
  EXPECT_TRUE(base->DropOffer({TColorDragKind::HistoryList, older.GetColor(), older.Model(), TColorObjectFx(older, u"x")}));
  EXPECT_EQ(workspace.BaseColor().GetColor(), older.GetColor());
  EXPECT_EQ(HistoryCount(), entries) << "a history entry dropped adds no entry";
  EXPECT_TRUE(base->DropOffer({TColorDragKind::List, palette.GetColor(), palette.Model(), TColorObjectFx(palette, u"p")}));
  EXPECT_TRUE(SameColor(workspace.BaseColor(), palette));
  EXPECT_EQ(HistoryCount(), entries + 1);
  EXPECT_FALSE(base->DropOffer(base->ColorDragOffer())) << "the base swatch refuses itself";
  EXPECT_TRUE(base->DropOffer({TColorDragKind::Variation, RGBValuesToColor({0, 0, 255}), cmHSB, std::nullopt}));
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_EQ(workspace.BaseColor().GetHSB(), (THSBValues{240, 100, 100}));
}

TEST_F(BaseColorPanelTest, ColourFromAnotherProgramDroppedOnTheSwatchBecomesRgb) {
  TColorObject lab;
  lab.SetLab({40, 10, 10});
  SetBase(lab);
  const int entries = HistoryCount();
  QMimeData mime;
  mime.setText(QStringLiteral("#3366CC"));
  TColorSwatch* base = panel->BaseSwatch();
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(base, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(base, &drop);
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0x33, 0x66, 0xCC}));
  EXPECT_EQ(panel->HexField()->text(), QStringLiteral("3366CC"));
  EXPECT_EQ(HistoryCount(), entries + 1);
}

TEST_F(BaseColorPanelTest, IndicatorClicksAndHoverReadout) {
  QSignalSpy safe(panel.get(), &TBaseColorPanel::OnWebSafeClick);
  QSignalSpy smart(panel.get(), &TBaseColorPanel::OnWebSmartClick);
  QTest::mouseClick(panel->WebSafeIndicator(), Qt::LeftButton);
  QTest::mouseClick(panel->WebSmartIndicator(), Qt::LeftButton);
  EXPECT_EQ(safe.count(), 1);
  EXPECT_EQ(smart.count(), 1);

  SetBase(Rgb(255, 0, 238));
  TColorSwatch* base = panel->BaseSwatch();
  QTest::mouseMove(base, base->rect().center());
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:255 G:0 B:238"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(base, &leave);
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
}

TEST_F(BaseColorPanelTest, IndicatorsRunTheWebCommandsAndTheSwatchMenuHoldsItsCommands) {
  TMainActions actions;
  TBaseColorCommands commands(workspace);
  commands.AttachActions(actions);
  panel->AttachActions(actions);
  commands.UpdateActions(actions);

  SetBase(Rgb(25, 26, 128));
  QTest::mouseClick(panel->WebSafeIndicator(), Qt::LeftButton);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{0, 51, 153}));
  EXPECT_EQ(panel->WebSafeIndicator()->toolTip(), QStringLiteral("Color is Web Safe"));
  EXPECT_EQ(panel->WebSmartIndicator()->toolTip(), QStringLiteral("Color is Web Smart"));
  SetBase(Rgb(20, 30, 40));
  QTest::mouseClick(panel->WebSmartIndicator(), Qt::LeftButton);
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{17, 34, 34}));

  ASSERT_NE(panel->BaseMenu(), nullptr);
  EXPECT_EQ(panel->BaseMenu()->objectName(), QStringLiteral("pmnu_base"));
  QStringList items;
  for (const QAction* action : panel->BaseMenu()->actions()) {
    items << (action->isSeparator() ? QStringLiteral("-")
              : action->menu()      ? QStringLiteral(">") + action->menu()->objectName()
                                    : action->objectName());
  }
  EXPECT_EQ(items, (QStringList{"actPaletteAddBaseColor", "-", "actEditCopyColor", "actEditCopyColorHEX",
                                "actEditCopyColorDelphi", "actEditCopyColorVSNET", ">miBaseCopyCss", "-",
                                "actEditRandomize",
                                "actEditMakeWebsafe", "actEditMakeWebsmart", "actEditMakeGrayscale"}));
}

TEST(BaseColorFieldReading, NumbersAndHex) {
  EXPECT_EQ(ReadFieldNumber(QString()), 0);
  EXPECT_EQ(ReadFieldNumber(QStringLiteral("-12ab3")), -12);
  EXPECT_EQ(ReadFieldNumber(QStringLiteral("x12")), 0);
  EXPECT_EQ(ReadFieldNumber(QStringLiteral("99999999999999999999")), 1'000'000'000);
  EXPECT_EQ(ReadFieldNumber(QStringLiteral("--3")), 0);
  EXPECT_EQ(ReadHexField(QStringLiteral("abc")), (TRGBValues{0xAA, 0xBB, 0xCC}));
  EXPECT_FALSE(ReadHexField(QStringLiteral("ABCDE")));
  EXPECT_FALSE(ReadHexField(QStringLiteral("ÄBCDEF")));
  EXPECT_FALSE(ReadHexField(QStringLiteral("ÄBCDE")));
  EXPECT_FALSE(ReadHexField(QStringLiteral("FFFFFF0")));
  EXPECT_EQ(ChannelRowGeometry(200, 20, 40).sliderWidth, 127);
  EXPECT_EQ(ChannelRowGeometry(200, 20, 40).fieldLeft, 153);
  EXPECT_EQ(ChannelRowGeometry(50, 20, 40).sliderWidth, 0);
}

}  // namespace
}  // namespace tintorium
