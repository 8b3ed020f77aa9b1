// The settings schema: defaults on a first run, round trips, wrong types, reading without writing, placement.
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace tintorium {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("settings.ini"));
  QSettings store{path, QSettings::IniFormat};
  TSettings settings{store};
  const QRect screen{0, 0, 1920, 1080};
};

TEST_F(SettingsTest, FirstRunGivesTheDefaultsAndWritesNothing) {
  EXPECT_EQ(settings.Language(), QStringLiteral("english.lng"));
  const TOptions options = settings.ReadOptions();
  EXPECT_EQ(options.cfAdjust, 10);
  EXPECT_EQ(options.Theme, QStringLiteral("Mac Style"));
  EXPECT_TRUE(options.HTMLSharp);
  EXPECT_FALSE(options.SavePalette);
  EXPECT_TRUE(options.ViewCFIFile);
  EXPECT_EQ(options.ScreenPickerZoom, 1);

  const TMainSettings main = settings.ReadMain(screen);
  EXPECT_EQ(main.Geometry, QRect(960 - 410, 540 - 237, 820, 475));  // centred at the design size
  EXPECT_EQ(main.baseValue, 65000);
  EXPECT_EQ(main.baseModel, 0);
  EXPECT_EQ(main.MWindowState, 0);

  const TColorToolsSettings tools = settings.ReadColorTools();
  EXPECT_EQ(tools.MixerColor1, 0x0000FF);  // red
  EXPECT_EQ(tools.MixerColor2, 0x008000);  // green
  EXPECT_EQ(tools.MixerColor3, 0x00FFFF);  // yellow
  EXPECT_EQ(tools.MixerColor4, 0x800000);  // navy
  EXPECT_EQ(tools.VariationsSize, 8);
  EXPECT_EQ(tools.MixerSize, 5);
  EXPECT_EQ(tools.LibraryLast, QStringLiteral("Web Safe.aco"));
  EXPECT_TRUE(settings.ReadLastFile().isEmpty());
  EXPECT_TRUE(settings.ReadToolbars().isEmpty());

  EXPECT_TRUE(store.allKeys().isEmpty());
  store.sync();
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(SettingsTest, EveryValueSurvivesAWriteAndAFreshRead) {
  TOptions options;
  options.cfAdjust = 37;
  options.Theme = QStringLiteral("Dream");
  options.CompactDraw = true;
  options.SavePalette = true;
  options.ViewLibOnlyColor = true;
  options.HTMLSharp = false;
  options.ViewCFIFile = false;
  options.ScreenPickerZoom = 6;
  options.ColorUnCursorModel = 4;
  options.CssForm = 2;
  TMainSettings main;
  main.Geometry = QRect(-20, 35, 1000, 640);
  main.MFormStyle = true;
  main.baseValue = 0x123456;
  main.baseModel = 2;
  TColorToolsSettings tools;
  tools.CWHar = 4;
  tools.CWStyle = 1;
  tools.MixerColor4 = 0xABCDEF;
  tools.LibrarySmallLast = QStringLiteral("Pastel, Soft = Warm.aco");
  tools.SpecModel = 3;
  tools.ScaleSteps = 2;
  tools.ScaleCustomSteps = QStringLiteral("100, 500, 900");
  tools.ScaleTargets = QStringLiteral("4.5, 7, 12");
  tools.ScaleBackground = 0x202020;
  tools.ScaleHueShift = -30;
  tools.ScaleName = QStringLiteral("brand, blue");

  settings.WriteOptions(options);
  settings.WriteMain(main);
  settings.WriteColorTools(tools);
  settings.WriteLanguage(QStringLiteral("deutsch.lng"));
  settings.WriteLastFile(QStringLiteral("/home/u/My Colours/a=b.tnp"));
  settings.WriteToolbars(QByteArray("\x00\x01layout\xff", 10));
  store.sync();

  QSettings again(path, QSettings::IniFormat);
  TSettings reread(again);
  EXPECT_EQ(reread.ReadOptions(), options);
  EXPECT_EQ(reread.ReadMain(screen), main);
  EXPECT_EQ(reread.ReadColorTools(), tools);
  EXPECT_EQ(reread.Language(), QStringLiteral("deutsch.lng"));
  EXPECT_EQ(reread.ReadLastFile(), QStringLiteral("/home/u/My Colours/a=b.tnp"));
  EXPECT_EQ(reread.ReadToolbars(), QByteArray("\x00\x01layout\xff", 10));
}

TEST_F(SettingsTest, BooleansAreStoredAsZeroOrOne) {
  settings.WriteBool(settings_group::kOptions, QStringLiteral("CompactDraw"), true);
  settings.WriteBool(settings_group::kOptions, QStringLiteral("HTMLSharp"), false);
  EXPECT_EQ(store.value(QStringLiteral("Options/CompactDraw")).toInt(), 1);
  EXPECT_EQ(store.value(QStringLiteral("Options/HTMLSharp")).toInt(), 0);
}

TEST_F(SettingsTest, AMaximisedWindowKeepsItsNormalPlacement) {
  TMainSettings normal;
  normal.Geometry = QRect(10, 20, 900, 500);
  settings.WriteMain(normal);
  TMainSettings maximised = normal;
  maximised.MWindowState = 2;
  maximised.Geometry = QRect(0, 0, 1920, 1080);
  settings.WriteMain(maximised);
  const TMainSettings read = settings.ReadMain(screen);
  EXPECT_EQ(read.MWindowState, 2);
  EXPECT_EQ(read.Geometry, QRect(10, 20, 900, 500));
}

struct WrongType {
  const char* key;
  QVariant raw;
  std::function<bool(const TOptions&)> check;
};

class SettingsWrongTypeTest : public SettingsTest, public ::testing::WithParamInterface<int> {};

const std::vector<WrongType>& WrongTypes() {
  static const std::vector<WrongType> cases{
      {"Options/cfAdjust", QStringLiteral("abc"), [](const TOptions& o) { return o.cfAdjust == 10; }},
      {"Options/cfAdjust", QStringLiteral("12.5"), [](const TOptions& o) { return o.cfAdjust == 10; }},
      {"Options/cfAdjust", QStringList{QStringLiteral("1"), QStringLiteral("2")},
       [](const TOptions& o) { return o.cfAdjust == 10; }},
      {"Options/cfAdjust", QStringLiteral(" 25 "), [](const TOptions& o) { return o.cfAdjust == 25; }},
      {"Options/ScreenPickerZoom", QStringLiteral("99999999999"),
       [](const TOptions& o) { return o.ScreenPickerZoom == 1; }},
      {"Options/HTMLSharp", QStringLiteral("maybe"), [](const TOptions& o) { return o.HTMLSharp; }},
      {"Options/HTMLSharp", QStringLiteral("0"), [](const TOptions& o) { return !o.HTMLSharp; }},
      {"Options/SavePalette", QStringLiteral("true"), [](const TOptions& o) { return o.SavePalette; }},
      {"Options/SavePalette", QStringLiteral("7"), [](const TOptions& o) { return o.SavePalette; }},
      {"Options/Theme", QStringList{QStringLiteral("a"), QStringLiteral("b")},
       [](const TOptions& o) { return o.Theme == QStringLiteral("Mac Style"); }},
      {"Options/Theme", QByteArray("Dream"), [](const TOptions& o) { return o.Theme == QStringLiteral("Mac Style"); }},
      {"Options/ColorUnCursorModel", QSize(1, 2), [](const TOptions& o) { return o.ColorUnCursorModel == 0; }},
  };
  return cases;
}

TEST_P(SettingsWrongTypeTest, AValueOfTheWrongTypeReadsAsItsDefault) {
  const WrongType& c = WrongTypes()[std::size_t(GetParam())];
  store.setValue(QString::fromLatin1(c.key), c.raw);
  store.sync();
  QSettings again(path, QSettings::IniFormat);
  EXPECT_TRUE(c.check(TSettings(again).ReadOptions())) << c.key << " = " << c.raw.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsWrongTypeTest, ::testing::Range(0, int(WrongTypes().size())));

TEST_F(SettingsTest, ToolbarLayoutOfTheWrongTypeIsIgnored) {
  store.setValue(QStringLiteral("Options/Toolbars/State"), QStringLiteral("not a layout"));
  EXPECT_TRUE(settings.ReadToolbars().isEmpty());
}

TEST_F(SettingsTest, AColourAboveTheSignedRangeReadsBackAsThe32BitWord) {
  store.setValue(QStringLiteral("Options/Main/baseValue"), QStringLiteral("4294967295"));
  EXPECT_EQ(settings.ReadMain(screen).baseValue, -1);
}

struct PlacementCase {
  const char* name;
  QRect stored;
  QRect expected;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, OnlyFarOffScreenEdgesAreCentredAgain) {
  const QRect screen(0, 0, 1920, 1080);
  EXPECT_EQ(CorrectPlacement(GetParam().stored, screen), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementTest,
    ::testing::Values(PlacementCase{"on screen", QRect(100, 100, 820, 475), QRect(100, 100, 820, 475)},
                      PlacementCase{"top 10 beyond bottom", QRect(100, 1090, 820, 475), QRect(100, 1090, 820, 475)},
                      PlacementCase{"top 11 beyond bottom", QRect(100, 1091, 820, 475), QRect(100, 303, 820, 475)},
                      PlacementCase{"left beyond right", QRect(1950, 100, 820, 475), QRect(550, 100, 820, 475)},
                      PlacementCase{"negative kept", QRect(-50, -20, 820, 475), QRect(-50, -20, 820, 475)},
                      PlacementCase{"wholly above", QRect(100, -600, 820, 475), QRect(100, 303, 820, 475)},
                      PlacementCase{"wholly left", QRect(-900, 50, 820, 475), QRect(550, 50, 820, 475)}));

}  // namespace
}  // namespace tintorium
