// The contrast analyser through its widgets: measurements and marks, drops, swap, opposite background, the
// palette variants, the colour-vision views, opening from the action and closing.
#include "ui/tools/ContrastAnalyzeForm.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/controls/ThemeInk.h"
#include "core/ColorVision.h"
#include "engine/language/Language.h"
#include "engine/language/Messages.h"
#include "engine/language/QtTranslations.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorVisionView.h"
#include "ui/tools/ContrastAnalyzeCommand.h"
#include "ui/tools/ContrastMarks.h"
#include "ui/tools/ContrastPreview.h"
#include "ui/tools/ColorEntryDialog.h"
#include "support/ScriptedDialogs.h"
#include "ui/language/LanguageApplier.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>

#include <cctype>
#include <memory>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr TColor Grey(int v) { return Rgb(v, v, v); }

template <typename T>
T* Child(const QWidget& form, const char* name) {
  T* child = form.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

std::string Text(const QWidget& form, const char* name) {
  const QLabel* label = Child<QLabel>(form, name);
  return label ? label->text().toStdString() : std::string();
}

/// Which status mark a label shows; -1 when it shows none of them.
int MarkShown(const QWidget& form, const char* name) {
  const QLabel* label = Child<QLabel>(form, name);
  if (!label) return -1;
  const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (const TContrastMark mark : {TContrastMark::Fail, TContrastMark::Pass, TContrastMark::Partial}) {
    if (shown == ContrastMarkImage(mark, PictureRatio())) return static_cast<int>(mark);
  }
  return -1;
}

constexpr int kFail = 0, kPass = 1, kPartial = 2;

class ContrastAnalyzeFormTest : public testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    form_ = new TContrastAnalyzeForm(&palette_);
    form_->setAttribute(Qt::WA_DeleteOnClose, false);  // the fixture owns it
    owner_.reset(form_);
  }

  void Show() {
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
  }

  void Click(const char* button) {
    QPushButton* b = Child<QPushButton>(*form_, button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
  }

  bool Drop(const char* swatch, const TColorDragOffer& offer) {
    TColorSwatch* target = Child<TColorSwatch>(*form_, swatch);
    return target != nullptr && target->DropOffer(offer);
  }

  QStringList VariantNames() {
    const TColorList* list = Child<TColorList>(*form_, "clVars");
    QStringList names;
    for (int row = 0; list && row < list->Count(); ++row) names << list->NameAt(row);
    return names;
  }

  TPaletteDocument palette_;
  TContrastAnalyzeForm* form_ = nullptr;
  std::unique_ptr<TContrastAnalyzeForm> owner_;
};

struct ShownCase {
  const char* name;
  TColor text, back;
  const char* bright;
  const char* color;
  const char* ratio;
  int wcag1, large, small;
  const char* largeLevel;
  const char* smallLevel;
};

class ContrastShownTest : public ContrastAnalyzeFormTest, public testing::WithParamInterface<ShownCase> {};

TEST_P(ContrastShownTest, LabelsMarksAndLevelsFollowTheMeasurement) {
  const ShownCase& c = GetParam();
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, c.text, cmRGB, std::nullopt}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, c.back, cmRGB, std::nullopt}));
  EXPECT_EQ(Text(*form_, "lblBrightDiff"), c.bright);
  EXPECT_EQ(Text(*form_, "lblColorDiff"), c.color);
  EXPECT_EQ(Text(*form_, "lblContrastRatio"), c.ratio);
  EXPECT_EQ(MarkShown(*form_, "imgw1sc"), c.wcag1);
  EXPECT_EQ(MarkShown(*form_, "imgw2lt"), c.large);
  EXPECT_EQ(MarkShown(*form_, "imgw2st"), c.small);
  EXPECT_EQ(Text(*form_, "lblw2ltLevel"), c.largeLevel);
  EXPECT_EQ(Text(*form_, "lblw2stLevel"), c.smallLevel);
  const TContrastPreview* preview = Child<TContrastPreview>(*form_, "shViewBack");
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->TextColor(), c.text);
  EXPECT_EQ(preview->BackColor(), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastShownTest,
    testing::Values(
        ShownCase{"BlackOnWhite", clBlack, clWhite, "Brightness difference = 255 (min 125)",
                  "Color difference = 765 (min 500)", "Contrast ratio = 21.00 : 1", kPass, kPass, kPass, "AAA", "AAA"},
        ShownCase{"RedOnWhite", Rgb(255, 0, 0), clWhite, "Brightness difference = 179 (min 125)",
                  "Color difference = 510 (min 500)", "Contrast ratio = 3.99 : 1", kPass, kPartial, kFail, "AA", ""},
        ShownCase{"GreyOnWhite", Grey(128), clWhite, "Brightness difference = 127 (min 125)",
                  "Color difference = 381 (min 500)", "Contrast ratio = 3.94 : 1", kFail, kPartial, kFail, "AA", ""},
        ShownCase{"BlueOnWhite", Rgb(0, 0, 255), clWhite, "Brightness difference = 226 (min 125)",
                  "Color difference = 510 (min 500)", "Contrast ratio = 8.59 : 1", kPass, kPass, kPass, "AAA", "AAA"},
        ShownCase{"HalfToEven", Rgb(1, 191, 106), clBlack, "Brightness difference = 124 (min 125)",
                  "Color difference = 298 (min 500)", "Contrast ratio = 8.66 : 1", kFail, kPass, kPass, "AAA", "AAA"},
        ShownCase{"Equal", Rgb(9, 99, 199), Rgb(9, 99, 199), "Brightness difference = 0 (min 125)",
                  "Color difference = 0 (min 500)", "Contrast ratio = 1.00 : 1", kFail, kFail, kFail, "", ""},
        // 2.99980 and 3.000004: a hair either side of AA for large text
        ShownCase{"BelowThree", Grey(27), Grey(102), "Brightness difference = 75 (min 125)",
                  "Color difference = 225 (min 500)", "Contrast ratio = 2.99 : 1", kFail, kFail, kFail, "", ""},
        ShownCase{"AtThree", Grey(36), Grey(109), "Brightness difference = 73 (min 125)",
                  "Color difference = 219 (min 500)", "Contrast ratio = 3.00 : 1", kFail, kPartial, kFail, "AA", ""},
        // 6.99905 and 7.000047 either side of AAA for small text
        ShownCase{"BelowSeven", Grey(49), Grey(190), "Brightness difference = 141 (min 125)",
                  "Color difference = 423 (min 500)", "Contrast ratio = 6.99 : 1", kFail, kPass, kPartial, "AAA",
                  "AA"},
        ShownCase{"AtSeven", Grey(42), Grey(181), "Brightness difference = 139 (min 125)",
                  "Color difference = 417 (min 500)", "Contrast ratio = 7.00 : 1", kFail, kPass, kPass, "AAA",
                  "AAA"}),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

// A ratio a hair under a threshold is cut, never rounded up to it.
TEST_F(ContrastAnalyzeFormTest, RatioIsCutNotRoundedBesideItsMarks) {
  struct Case {
    TColor text;
    const char* ratio;
    int small;
  };
  const Case cases[] = {
      {Rgb(100, 125, 102), "4.49", kFail},  // 4.49951
      {Rgb(100, 122, 134), "4.49", kFail},  // 4.49686
      {clBlack, "21.00", kPass},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, c.text, cmRGB, std::nullopt}));
    ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, clWhite, cmRGB, std::nullopt}));
    EXPECT_EQ(Text(*form_, "lblContrastRatio"), std::string("Contrast ratio = ") + c.ratio + " : 1");
    EXPECT_EQ(MarkShown(*form_, "imgw2st"), c.small);
  }
}

TEST_F(ContrastAnalyzeFormTest, DropsTakeTheColourEachSourceOffers) {
  // A CMYK object: the drop takes the object's own colour (its CMYK values give (10, 20, 31)), not the offer's.
  const TColorObjectFx listed(TColorObject(Rgb(10, 20, 30), cmCMYK), u"listed");
  const TColor own = listed.GetColor();
  struct Case {
    const char* what;
    TColorDragOffer offer;
    TColor expected;
  };
  const Case cases[] = {
      {"swatch", {TColorDragKind::Swatch, Rgb(1, 2, 3), cmRGB, std::nullopt}, Rgb(1, 2, 3)},
      {"base swatch", {TColorDragKind::BaseSwatch, Rgb(4, 5, 6), cmHSB, listed}, own},
      {"shape", {TColorDragKind::Shape, Rgb(7, 8, 9), cmRGB, std::nullopt}, Rgb(7, 8, 9)},
      {"wheel", {TColorDragKind::Wheel, Rgb(11, 12, 13), cmLAB, std::nullopt}, Rgb(11, 12, 13)},
      {"mixer", {TColorDragKind::Mixer, Rgb(14, 15, 16), cmRGB, std::nullopt}, Rgb(14, 15, 16)},
      {"variation", {TColorDragKind::Variation, Rgb(17, 18, 19), cmRGB, std::nullopt}, Rgb(17, 18, 19)},
      {"library table", {TColorDragKind::LibTable, Rgb(20, 21, 22), cmRGB, std::nullopt}, Rgb(20, 21, 22)},
      {"list", {TColorDragKind::List, Rgb(10, 20, 30), cmCMYK, listed}, own},
      {"history", {TColorDragKind::HistoryList, Rgb(10, 20, 30), cmCMYK, listed}, own},
      {"other program", {TColorDragKind::Foreign, Rgb(23, 24, 25), cmRGB, std::nullopt}, Rgb(23, 24, 25)},
      {"system colour", {TColorDragKind::Swatch, SystemColor(5), cmRGB, std::nullopt}, ColorToRGB(SystemColor(5))},
  };
  for (const Case& c : cases) {
    for (const char* target : {"shText", "shBack"}) {
      SetUp();
      ASSERT_TRUE(Drop(target, c.offer)) << c.what;
      const TColor other = std::string(target) == "shText" ? form_->BackColor() : form_->TextColor();
      EXPECT_EQ(std::string(target) == "shText" ? form_->TextColor() : form_->BackColor(), c.expected) << c.what;
      EXPECT_EQ(form_->Result(), MeasureContrast(other, c.expected)) << c.what << ": measured again";
    }
  }
}

TEST_F(ContrastAnalyzeFormTest, AListWithoutASelectionChangesNothing) {
  form_->SetTextColor(Rgb(50, 60, 70));
  form_->UpdateContrast();
  const TContrastResult before = form_->Result();
  const TColorDragOffer empty{TColorDragKind::List, clNone, cmRGB, std::nullopt};
  EXPECT_FALSE(Drop("shText", empty));
  EXPECT_FALSE(Drop("shBack", empty));
  EXPECT_EQ(form_->TextColor(), Rgb(50, 60, 70));
  EXPECT_EQ(form_->BackColor(), clWhite);
  EXPECT_EQ(form_->Result(), before);
}

// A drop event from another program (no source widget) carries only mime data.
TEST_F(ContrastAnalyzeFormTest, AColourFromAnotherProgramIsDroppedThroughTheDropEvent) {
  Show();
  TColorSwatch* back = Child<TColorSwatch>(*form_, "shBack");
  ASSERT_NE(back, nullptr);
  QMimeData mime;
  mime.setText(QStringLiteral("#336699"));
  const QPointF at(back->width() / 2.0, back->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(back, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(back, &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(form_->BackColor(), Rgb(0x33, 0x66, 0x99));
  QMimeData junk;
  junk.setText(QStringLiteral("not a colour"));
  QDragEnterEvent refused(at.toPoint(), Qt::CopyAction, &junk, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(back, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(ContrastAnalyzeFormTest, SwapTwiceRestoresThePairAndKeepsTheMeasurement) {
  Show();
  form_->SetTextColor(Rgb(200, 30, 90));
  form_->SetBackColor(Rgb(240, 240, 200));
  form_->UpdateContrast();
  const TContrastResult before = form_->Result();
  Click("btnSwap");
  EXPECT_EQ(form_->TextColor(), Rgb(240, 240, 200));
  EXPECT_EQ(form_->BackColor(), Rgb(200, 30, 90));
  EXPECT_EQ(form_->Result(), before);
  EXPECT_EQ(Child<TContrastPreview>(*form_, "shViewBack")->TextColor(), Rgb(240, 240, 200));
  Click("btnSwap");
  EXPECT_EQ(form_->TextColor(), Rgb(200, 30, 90));
  EXPECT_EQ(form_->BackColor(), Rgb(240, 240, 200));
  EXPECT_EQ(form_->Result(), before);
}

TEST_F(ContrastAnalyzeFormTest, OppositeBackgroundComplementsTheTextColour) {
  Show();
  const std::pair<TColor, TColor> cases[] = {
      {Grey(128), Grey(127)}, {clBlack, clWhite}, {Rgb(255, 0, 0), Rgb(0, 255, 255)}, {Rgb(1, 2, 3), Rgb(254, 253, 252)}};
  for (const auto& [text, opposite] : cases) {
    form_->SetTextColor(text);
    Click("btnOpposite");
    EXPECT_EQ(form_->BackColor(), opposite);
    EXPECT_EQ(form_->TextColor(), text);
    EXPECT_EQ(form_->Result(), MeasureContrast(opposite, text));
  }
}

TEST_F(ContrastAnalyzeFormTest, VariantsArePaletteColoursReachingAAWithWcag1InPaletteOrder) {
  // Against white text: (15, 138, 20) reaches 4.5008 and (132, 120, 0) only 4.4990, both passing WCAG 1.0; red
  // passes WCAG 1.0 at 4.00; grey fails WCAG 1.0.
  palette_.AddPaletteColor(QStringLiteral("black"), TColorObject(clBlack, cmLAB));
  palette_.AddPaletteColor(QStringLiteral("just below"), TColorObject(Rgb(132, 120, 0), cmRGB));
  palette_.AddPaletteColor(QStringLiteral("red"), TColorObject(Rgb(255, 0, 0), cmRGB));
  palette_.AddPaletteColor(QStringLiteral("just above"), TColorObject(Rgb(15, 138, 20), cmRGB));
  palette_.AddPaletteColor(QStringLiteral("grey"), TColorObject(Grey(128), cmRGB));
  palette_.AddPaletteColor(QStringLiteral("white"), TColorObject(clWhite, cmRGB));
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, clWhite, cmRGB, std::nullopt}));
  EXPECT_EQ(VariantNames(), QStringList({"black", "just above"}));
  const TColorList* list = Child<TColorList>(*form_, "clVars");
  ASSERT_TRUE(list->ColorAt(0));
  EXPECT_EQ(list->ColorAt(0)->Model(), cmLAB) << "a copy with the entry's own model";
  EXPECT_TRUE(SameColor(*list->ColorAt(0), palette_.Entry(0).Color));

  // The window owns its copies: palette changes show only at the next measurement.
  palette_.DeletePaletteColors({0});
  EXPECT_EQ(VariantNames(), QStringList({"black", "just above"}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, Grey(5), cmRGB, std::nullopt}));
  EXPECT_EQ(VariantNames(), QStringList({"just above"}));

  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Grey(128), cmRGB, std::nullopt}));
  EXPECT_EQ(VariantNames(), QStringList());
}

TEST_F(ContrastAnalyzeFormTest, DoubleClickOnAVariantMakesItTheBackground) {
  palette_.AddPaletteColor(QStringLiteral("navy"), TColorObject(Rgb(0, 0, 128), cmRGB));
  palette_.AddPaletteColor(QStringLiteral("black"), TColorObject(clBlack, cmLAB));
  Show();
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Rgb(255, 255, 0), cmRGB, std::nullopt}));
  TColorList* list = Child<TColorList>(*form_, "clVars");
  ASSERT_EQ(list->Count(), 2);
  const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(form_->BackColor(), list->ColorAt(1)->GetColor());
  EXPECT_EQ(form_->Result(), MeasureContrast(list->ColorAt(1)->GetColor(), Rgb(255, 255, 0)));

  // Below the items: nothing selected, nothing changes.
  list->clearSelection();
  const TColor before = form_->BackColor();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, list->viewport()->height() - 3));
  EXPECT_EQ(form_->BackColor(), before);
}

TEST_F(ContrastAnalyzeFormTest, DoubleClickInAnEmptyListChangesNothing) {
  Show();
  TColorList* list = Child<TColorList>(*form_, "clVars");
  ASSERT_EQ(list->Count(), 0);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(form_->BackColor(), clWhite);
}

TEST_F(ContrastAnalyzeFormTest, ApcaFigureFollowsTheOrderOfThePairWithItsLevelInWords) {
  const struct {
    TColor text, back;
    const char* shown;
  } cases[] = {
      {Grey(0x88), clWhite, "APCA Lc = 63.1: other content text"},
      {clWhite, Grey(0x88), "APCA Lc = -68.5: other content text"},
      {clBlack, clWhite, "APCA Lc = 106.0: preferred body text"},
      {Rgb(0, 0, 255), clWhite, "APCA Lc = 85.8: minimum body text"},
      {Rgb(255, 0, 0), clBlack, "APCA Lc = -37.5: spot text and non-text"},
      {Rgb(9, 99, 199), Rgb(9, 99, 199), "APCA Lc = 0.0: not readable"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, c.text, cmRGB, std::nullopt}));
    ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, c.back, cmRGB, std::nullopt}));
    EXPECT_EQ(Text(*form_, "lblApcaContrast"), c.shown);
  }
  // swapping reverses the polarity
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Grey(0x88), cmRGB, std::nullopt}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, clWhite, cmRGB, std::nullopt}));
  Child<QPushButton>(*form_, "btnSwap")->click();
  EXPECT_EQ(Text(*form_, "lblApcaContrast"), "APCA Lc = -68.5: other content text");
}

TEST_F(ContrastAnalyzeFormTest, ColourVisionViewsShowTheSimulatedPairAndItsRatio) {
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Rgb(255, 0, 0), cmRGB, std::nullopt}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, clBlack, cmRGB, std::nullopt}));
  const struct {
    const char* name;
    TColorVision vision;
    const char* ratio;
  } cases[] = {{"Protanopia", TColorVision::Protanopia, "3.28 : 1   Lc -20.3"},
               {"Deuteranopia", TColorVision::Deuteranopia, "6.54 : 1   Lc -42.6"},
               {"Tritanopia", TColorVision::Tritanopia, "5.25 : 1   Lc -37.6"}};
  for (const auto& c : cases) {
    const QByteArray name = "pnl" + QByteArray(c.name);
    const TColorVisionView* view = Child<TColorVisionView>(*form_, name.constData());
    ASSERT_NE(view, nullptr);
    const TColor text = SimulateColorVision(Rgb(255, 0, 0), c.vision);
    EXPECT_EQ(view->SeenText(), text);
    EXPECT_EQ(view->SeenBack(), clBlack);
    EXPECT_EQ(Child<TColorSwatch>(*form_, ("sh" + QByteArray(c.name) + "Text").constData())->BaseColor(), text);
    EXPECT_EQ(Child<TColorSwatch>(*form_, ("sh" + QByteArray(c.name) + "Back").constData())->BaseColor(), clBlack);
    EXPECT_EQ(Child<TContrastPreview>(*form_, ("sh" + QByteArray(c.name) + "View").constData())->TextColor(), text);
    EXPECT_EQ(Text(*form_, ("lbl" + QByteArray(c.name) + "Ratio").constData()), c.ratio);
  }
}

// Under German the figures take the decimal comma, from the language file itself; English brings the point back.
TEST_F(ContrastAnalyzeFormTest, FiguresFollowTheDecimalSignOfTheLanguage) {
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Rgb(255, 0, 0), cmRGB, std::nullopt}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, clBlack, cmRGB, std::nullopt}));
  const std::string ratio = Text(*form_, "lblContrastRatio");
  const std::string apca = Text(*form_, "lblApcaContrast");
  EXPECT_EQ(Text(*form_, "lblProtanopiaRatio"), "3.28 : 1   Lc -20.3");
  const auto german = [](std::string text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
      if (text[i] == '.' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
          std::isdigit(static_cast<unsigned char>(text[i + 1])))
        text[i] = ',';
    }
    return text;
  };
  const auto relanguage = [this] {
    QEvent changed(QEvent::LanguageChange);
    QApplication::sendEvent(form_, &changed);
  };

  SetLanguageFolder(QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language")));
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ASSERT_TRUE(ApplyLanguage());
  relanguage();
  EXPECT_EQ(Text(*form_, "lblProtanopiaRatio"), "3,28 : 1   Lc -20,3");
  const std::string ratioDe = Text(*form_, "lblContrastRatio");
  const std::string apcaDe = Text(*form_, "lblApcaContrast");
  EXPECT_NE(ratioDe, ratio) << "the German text";
  EXPECT_NE(ratioDe.find(german(ratio.substr(ratio.find('=') + 2))), std::string::npos) << ratioDe;
  EXPECT_NE(apcaDe.find(german(apca.substr(apca.find('=') + 2, apca.find(':') - apca.find('=') - 2))), std::string::npos)
      << apcaDe;

  SetCurrentLanguageName(QStringLiteral("english.lng"));
  ASSERT_TRUE(ApplyLanguage());
  relanguage();
  EXPECT_EQ(Text(*form_, "lblProtanopiaRatio"), "3.28 : 1   Lc -20.3");
  EXPECT_EQ(Text(*form_, "lblContrastRatio"), ratio);
  EXPECT_EQ(Text(*form_, "lblApcaContrast"), apca);
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());
  ResetMessages();
  UseQtTranslations(QString());
}

// A style sheet given to the program must not recolour the samples: the preview shows the pair itself.
TEST_F(ContrastAnalyzeFormTest, ThePreviewShowsThePairWhateverTheThemeSays) {
  qApp->setStyleSheet(QStringLiteral("QLabel { color: #ff00ff; } QFrame { background: #00ff00; }"));
  ASSERT_TRUE(Drop("shText", {TColorDragKind::Swatch, Rgb(0, 0, 128), cmRGB, std::nullopt}));
  ASSERT_TRUE(Drop("shBack", {TColorDragKind::Swatch, Rgb(255, 240, 200), cmRGB, std::nullopt}));
  Show();
  TContrastPreview* preview = Child<TContrastPreview>(*form_, "shViewBack");
  const QImage image = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
  qApp->setStyleSheet(QString());
  int text = 0, back = 0, other = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (p == qRgb(0, 0, 128)) ++text;
      else if (p == qRgb(255, 240, 200)) ++back;
      else if (p == qRgb(255, 0, 255) || p == qRgb(0, 255, 0)) ++other;
    }
  }
  EXPECT_GT(text, 50) << "the samples are drawn in the text colour";
  EXPECT_GT(back, image.width() * image.height() / 2);
  EXPECT_EQ(other, 0);
}

TEST_F(ContrastAnalyzeFormTest, TheActionOpensIndependentWindowsThatCloseForGood) {
  TWorkspace workspace;
  TMainActions actions;
  QWidget window;
  TContrastAnalyzeCommand command(palette_, workspace, &window);
  command.AttachActions(actions);
  command.UpdateActions(actions);
  EXPECT_TRUE(actions.actToolsContrastTest->isEnabled());

  workspace.AssignBaseColor(TColorObject(Rgb(0, 0, 255), cmHSB), nullptr);
  actions.actToolsContrastTest->trigger();
  workspace.AssignBaseColor(TColorObject(Rgb(255, 0, 0), cmRGB), nullptr);
  actions.actToolsContrastTest->trigger();
  const QList<TContrastAnalyzeForm*> open = window.findChildren<TContrastAnalyzeForm*>();
  ASSERT_EQ(open.size(), 2);
  QPointer<TContrastAnalyzeForm> first = open[0];
  QPointer<TContrastAnalyzeForm> second = open[1];
  for (TContrastAnalyzeForm* form : {first.data(), second.data()}) {
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->BackColor(), clWhite);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Contrast Analyze"));
  }
  EXPECT_EQ(first->TextColor(), Rgb(0, 0, 255));
  EXPECT_EQ(second->TextColor(), Rgb(255, 0, 0));
  EXPECT_EQ(Text(*second, "lblContrastRatio"), "Contrast ratio = 3.99 : 1");

  // The windows are independent: a change in one leaves the other alone.
  first->SwapColors();
  EXPECT_EQ(second->TextColor(), Rgb(255, 0, 0));

  QTest::mouseClick(Child<QPushButton>(*first, "btnClose"), Qt::LeftButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull()) << "closed means destroyed";
  ASSERT_FALSE(second.isNull());
  QTest::keyClick(second, Qt::Key_Escape);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second.isNull()) << "Escape closes it as well";
}

// A double click on either swatch opens the colour entry on that swatch's colour; OK applies it and measures,
// Cancel changes nothing.
TEST_F(ContrastAnalyzeFormTest, ADoubleClickOnASwatchOpensTheColourEntry) {
  Show();
  test::TScriptedDialogs dialogs;
  int opened = 0;
  TColor shown = clNone;
  dialogs.onExec = [&](QDialog& dialog) {
    auto* entry = dynamic_cast<TColorEntryDialog*>(&dialog);
    EXPECT_NE(entry, nullptr);
    if (!entry) return int(QDialog::Rejected);
    ++opened;
    shown = entry->Color();
    for (const TColorModel model : {cmRGB, cmHSB, cmCMYK, cmLAB}) EXPECT_NE(entry->Field(model, 2), nullptr);
    entry->HexField()->setText(QStringLiteral("#E4572E"));
    QTest::keyClick(entry->HexField(), Qt::Key_Return);  // applies; the unshown dialog has no OK to press
    return int(QDialog::Accepted);
  };
  QTest::mouseDClick(form_->TextSwatch(), Qt::LeftButton);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(shown, TColor(clBlack));
  EXPECT_EQ(form_->TextColor(), Rgb(0xE4, 0x57, 0x2E));
  EXPECT_EQ(form_->Result().Ratio, MeasureContrast(clWhite, Rgb(0xE4, 0x57, 0x2E)).Ratio);
  QTest::mouseDClick(form_->BackSwatch(), Qt::LeftButton);
  EXPECT_EQ(shown, TColor(clWhite));
  EXPECT_EQ(form_->BackColor(), Rgb(0xE4, 0x57, 0x2E));
  dialogs.onExec = [](QDialog&) { return int(QDialog::Rejected); };
  form_->SetBackColor(Grey(9));
  QTest::mouseDClick(form_->BackSwatch(), Qt::LeftButton);
  EXPECT_EQ(form_->BackColor(), Grey(9)) << "Cancel keeps the colour";
}

// Ctrl+V on a swatch takes a colour text from the clipboard; a text that is no colour changes nothing.
TEST_F(ContrastAnalyzeFormTest, AColourTextPastesOntoEitherSwatch) {
  Show();
  const struct {
    TColorSwatch* swatch;
    const char* text;
    TColor expected;
  } cases[] = {{form_->TextSwatch(), "#1a2b3c", Rgb(0x1A, 0x2B, 0x3C)},
               {form_->BackSwatch(), " abc ", Rgb(0xAA, 0xBB, 0xCC)},
               {form_->BackSwatch(), "rgb(250, 240, 230)", Rgb(250, 240, 230)},
               {form_->TextSwatch(), "no colour", Rgb(0x1A, 0x2B, 0x3C)},
               {form_->BackSwatch(), "#FFFFFF0", Rgb(250, 240, 230)}};
  for (const auto& c : cases) {
    QApplication::clipboard()->setText(QString::fromLatin1(c.text));
    c.swatch->setFocus();
    QTest::keyClick(c.swatch, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c.swatch->BaseColor(), c.expected) << c.text;
  }
  EXPECT_EQ(form_->Result().Ratio, MeasureContrast(Rgb(250, 240, 230), Rgb(0x1A, 0x2B, 0x3C)).Ratio);
}

// Without a screen picker the buttons stay disabled; with one, each hands its pick to its own swatch.
TEST_F(ContrastAnalyzeFormTest, PickFromScreenFillsTheSwatchOfItsButton) {
  Show();
  EXPECT_FALSE(form_->PickTextButton()->isEnabled());
  int started = 0;
  form_->SetScreenPick([&started](std::function<void(TColor)> deliver) {
    ++started;
    deliver(started == 1 ? Rgb(10, 20, 30) : Rgb(240, 230, 220));
  });
  ASSERT_TRUE(form_->PickTextButton()->isEnabled());
  QTest::mouseClick(form_->PickTextButton(), Qt::LeftButton);
  QTest::mouseClick(form_->PickBackButton(), Qt::LeftButton);
  EXPECT_EQ(started, 2);
  EXPECT_EQ(form_->TextColor(), Rgb(10, 20, 30));
  EXPECT_EQ(form_->BackColor(), Rgb(240, 230, 220));
}

// WCAG measures text in points: the samples say so.
TEST_F(ContrastAnalyzeFormTest, ThePreviewSamplesAreLabelledInPoints) {
  const auto* preview = Child<TContrastPreview>(*form_, "shViewBack");
  ASSERT_NE(preview, nullptr);
  ASSERT_EQ(preview->Samples().size(), 3);
  const QStringList expected{"Lorem ipsum (18pt)", "Lorem ipsum (14pt, bold)", "Lorem ipsum (10pt)"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(preview->Samples()[i]->text(), expected[i]);
}

TEST_F(ContrastAnalyzeFormTest, APaletteGoneBeforeTheWindowLeavesTheListEmpty) {
  auto palette = std::make_unique<TPaletteDocument>();
  palette->AddPaletteColor(QStringLiteral("black"), TColorObject(clBlack, cmRGB));
  TContrastAnalyzeForm form(palette.get());
  form.SetTextColor(clWhite);
  form.UpdateContrast();
  EXPECT_EQ(Child<TColorList>(form, "clVars")->Count(), 1);
  palette.reset();
  form.SetTextColor(Rgb(250, 250, 250));
  form.UpdateContrast();
  EXPECT_EQ(Child<TColorList>(form, "clVars")->Count(), 0);
}

}  // namespace
}  // namespace tintorium
