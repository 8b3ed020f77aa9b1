// Message texts: defaults, the Global section, hostile placeholders, and the current language file.
#include "engine/language/Language.h"
#include "engine/language/LanguageFile.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace tintorium {
namespace {

class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetMessages(); }
  void TearDown() override {
    ResetMessages();
    SetLanguageFolder(QString());
    SetCurrentLanguageName(QString());
    QLocale::setDefault(QLocale::c());
  }
};

TEST_F(MessagesTest, DefaultsAreTheBuiltInEnglishTexts) {
  EXPECT_EQ(Message(sCantOpen), "Could not read file!");
  EXPECT_EQ(Message(sSaveChangesPromt), "File was modified. Save changes?");
  EXPECT_EQ(FormatMessage(sPalCount, {12}), "Colors in palette: 12");
  EXPECT_EQ(FormatMessage(lExported, {-3}), "-3 colors available");
  EXPECT_EQ(FormatMessage(sCFIFileName, {"/tmp/a b.png"}), "Filename: /tmp/a b.png");
  EXPECT_EQ(FormatMessage(sCFIFileName, {}), "Filename: ");
  EXPECT_EQ(MessageKeyName(sSaveChangesPromt), "sSaveChangesPromt");
  EXPECT_EQ(MessageKeyName(sCFILoadFail), "sCFILoadFail");
  for (int i = 0; i < kMessageCount; ++i) {
    const auto key = static_cast<TMessageKey>(i);
    EXPECT_FALSE(DefaultMessageText(key).isEmpty()) << i;
    if (!MessageKeyName(key).isEmpty()) {
      EXPECT_EQ(FindMessageKey(MessageKeyName(key)), key) << i;
    }
  }
}

TEST_F(MessagesTest, ContrastRatioHasTwoDecimalsInTheLanguagesNotation) {
  EXPECT_EQ(FormatMessage(sContrastRatio, {21.0}), "Contrast ratio = 21.00 : 1");
  EXPECT_EQ(FormatMessage(sContrastRatio, {4.567}), "Contrast ratio = 4.57 : 1");
  // The system's notation does not decide it: the language does.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FormatMessage(sContrastRatio, {4.5}), "Contrast ratio = 4.50 : 1");
  SetLanguageLocale(QStringLiteral("de"));
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(FormatMessage(sContrastRatio, {1234.5}), "Contrast ratio = 1234,50 : 1");
  ResetMessages();
  EXPECT_EQ(FormatMessage(sContrastRatio, {4.5}), "Contrast ratio = 4.50 : 1") << "back to English";
}

TEST_F(MessagesTest, GlobalSectionReplacesExactKeysOnly) {
  const auto file = TLanguageFile::FromBytes(
      "[Global]\r\nsCantOpen=Datei nicht lesbar!\r\nSCANTSAVE=ignored\r\nsUnknown=x\r\n"
      "sPalCount=Farben: %d\r\n");
  ApplyMessageEntries(file.Section("Global"));
  EXPECT_EQ(Message(sCantOpen), "Datei nicht lesbar!");
  EXPECT_EQ(Message(sCantSave), "Could not save file!");
  EXPECT_EQ(FormatMessage(sPalCount, {3}), "Farben: 3");
  ResetMessages();
  EXPECT_EQ(Message(sCantOpen), "Could not read file!");
}

// The picture's file name and its loading error were once fixed English texts; an empty key still names nothing.
TEST_F(MessagesTest, FileNameAndImageErrorComeFromTheLanguage) {
  ApplyMessageEntries({{"", "x"}, {"sCFIFileName", "Dateiname: %s"}, {"sCFILoadFail", "Bild nicht lesbar."}});
  EXPECT_EQ(FormatMessage(sCFIFileName, {"a"}), "Dateiname: a");
  EXPECT_EQ(Message(sCFILoadFail), "Bild nicht lesbar.");
}

TEST_F(MessagesTest, CountsTakeTheSingularForOneOnly) {
  const struct {
    long long count;
    const char* english;
    const char* german;
  } cases[] = {{0, "0 pages", "0 Seiten"}, {1, "1 page", "1 Seite"}, {2, "2 pages", "2 Seiten"},
               {-1, "-1 pages", "-1 Seiten"}, {11, "11 pages", "11 Seiten"}};
  for (const auto& c : cases) EXPECT_EQ(CountMessage(sPrintPage, sPrintPages, c.count), c.english) << c.count;
  ApplyMessageEntries({{"sPrintPage", "%d Seite"}, {"sPrintPages", "%d Seiten"}});
  for (const auto& c : cases) EXPECT_EQ(CountMessage(sPrintPage, sPrintPages, c.count), c.german) << c.count;
}

struct TPlaceholderCase {
  TMessageKey key;
  const char* value;
  bool taken;
};

void PrintTo(const TPlaceholderCase& c, std::ostream* os) { *os << c.key << " \"" << c.value << "\""; }

class HostilePlaceholders : public MessagesTest, public ::testing::WithParamInterface<TPlaceholderCase> {};

TEST_P(HostilePlaceholders, MismatchFallsBackToDefault) {
  const auto& c = GetParam();
  EXPECT_EQ(SetMessageText(c.key, QString::fromUtf8(c.value)), c.taken);
  EXPECT_EQ(MessageTemplate(c.key), c.taken ? QString::fromUtf8(c.value) : DefaultMessageText(c.key));
  // Rendering never fails, whatever was offered.
  EXPECT_FALSE(FormatMessage(c.key, {7, "s", 1.5}).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostilePlaceholders,
    ::testing::Values(TPlaceholderCase{sPalCount, "Farben in der Palette: %d", true},
                      TPlaceholderCase{sPalCount, "%d%% voll", true},
                      TPlaceholderCase{sPalCount, "Farben: %s", false},
                      TPlaceholderCase{sPalCount, "Farben: %n", false},
                      TPlaceholderCase{sPalCount, "Farben: %d %d", false},
                      TPlaceholderCase{sPalCount, "Farben", false},
                      TPlaceholderCase{sPalCount, "Farben: %5d", false},
                      TPlaceholderCase{sPalCount, "Farben: %-d", false},
                      TPlaceholderCase{sPalCount, "Farben: %0:d", false},
                      TPlaceholderCase{sPalCount, "Farben: %ld", false},
                      TPlaceholderCase{sPalCount, "Farben: %d %", false},
                      TPlaceholderCase{sPalCount, "Farben: %1", false},
                      TPlaceholderCase{sPalCount, "%x", false},
                      TPlaceholderCase{sContrastRatio, "Kontrast = %f : 1", true},
                      TPlaceholderCase{sContrastRatio, "Kontrast = %d : 1", false},
                      TPlaceholderCase{sContrastRatio, "Kontrast = %.20f : 1", false},
                      TPlaceholderCase{sCantOpen, "Nicht lesbar %s", false},
                      TPlaceholderCase{sCantOpen, "100 % sicher", false},  // "% s" is a printf conversion
                      TPlaceholderCase{sCantOpen, "100%% sicher", true},
                      TPlaceholderCase{sCantOpen, "", false},
                      TPlaceholderCase{sBrightDiff, "Helligkeitsunterschied = %d (min. 125)", true}));

TEST_F(MessagesTest, PercentEscapesRenderAsOnePercentSign) {
  ASSERT_TRUE(SetMessageText(sPalCount, "%d%% voll"));
  EXPECT_EQ(FormatMessage(sPalCount, {50}), "50% voll");
  ASSERT_TRUE(SetMessageText(sCantOpen, "100%% sicher"));
  EXPECT_EQ(Message(sCantOpen), "100% sicher");
}

TEST_F(MessagesTest, LaterInvalidEntryRestoresTheDefault) {
  ApplyMessageEntries({{"sPalCount", "Farben: %d"}, {"sPalCount", "Farben: %s%n"}});
  EXPECT_EQ(FormatMessage(sPalCount, {2}), "Colors in palette: 2");
}

class CurrentLanguageTest : public MessagesTest {
 protected:
  void SetUp() override {
    MessagesTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    SetLanguageFolder(dir_.path());
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
};

TEST_F(CurrentLanguageTest, EmptyOrMissingOrUnsafeNameKeepsEnglishSilently) {
  Write("deutsch.lng", "[Global]\r\nsCantOpen=Nicht lesbar!\r\n");
  QDir(dir_.path()).mkdir("sub");
  Write("sub/evil.lng", "[Global]\r\nsCantOpen=Evil\r\n");
  for (const char* name : {"", "missing.lng", "sub/evil.lng", "../deutsch.lng", "sub", ".", ".."}) {
    SetCurrentLanguageName(name);
    EXPECT_TRUE(CurrentLanguagePath().isEmpty()) << name;
    EXPECT_FALSE(ApplyGlobalLanguage()) << name;
    EXPECT_EQ(Message(sCantOpen), "Could not read file!") << name;
  }
  SetCurrentLanguageName("deutsch.lng");
  EXPECT_TRUE(ApplyGlobalLanguage());
  EXPECT_EQ(Message(sCantOpen), "Nicht lesbar!");
}

TEST_F(CurrentLanguageTest, AvailableLanguagesListsLngFilesOnlySortedByName) {
  Write("zulu.lng", "");
  Write("Deutsch.lng", "");
  Write("english.lng", "");
  Write("readme.txt", "");
  QDir(dir_.path()).mkdir("folder.lng");
  EXPECT_EQ(AvailableLanguages(), (QStringList{"Deutsch.lng", "english.lng", "zulu.lng"}));
}

}  // namespace
}  // namespace tintorium
