// The language-file reader and the key rules, against a recording target (no widgets).
#include "engine/language/LanguageFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <set>

namespace tintorium {
namespace {

// A window with a few named components; records what the rules did to them.
class TRecordingTarget final : public TLanguageTarget {
 public:
  explicit TRecordingTarget(std::set<QString> names) : names_(std::move(names)) {}
  bool HasComponent(const QString& name) const override {
    if (name.isEmpty()) return false;
    for (const QString& n : names_) {
      if (n.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
  }
  void SetComponentText(const QString& name, const QString& value) override { texts[Canonical(name)] = value; }
  void SetCaption(const QString& value) override { caption = value; }
  void SetItemText(const QString& name, int index, const QString& value) override {
    items[Canonical(name) + QString::number(index)] = value;
  }

  std::map<QString, QString> texts;
  std::map<QString, QString> items;
  QString caption;

 private:
  QString Canonical(const QString& name) const {
    for (const QString& n : names_) {
      if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
    }
    return QStringLiteral("?") + name;
  }
  std::set<QString> names_;
};

TLanguageFile Parse(const char* text) { return TLanguageFile::FromBytes(QByteArray(text)); }

TEST(LanguageFile, SectionEndsAtFirstLineWithoutEquals) {
  const auto file = Parse("[MainForm]\r\nactEditUndo=Back\r\nmiEdit=Bearbeiten\r\n\r\nactEditRedo=Forward\r\n");
  TRecordingTarget target({"actEditUndo", "actEditRedo", "miEdit"});
  ApplyLanguageEntries(file.Section("MainForm"), "MainForm", target);
  EXPECT_EQ(target.texts, (std::map<QString, QString>{{"actEditUndo", "Back"}, {"miEdit", "Bearbeiten"}}));
}

TEST(LanguageFile, KeyAndValueSplitAtFirstEqualsAndKeptExactly) {
  const auto file = Parse("[X]\na=b=c\n key = v \nempty=\n=novalue\n");
  EXPECT_EQ(file.Section("X"), (QList<TLanguageEntry>{
                                   {"a", "b=c"}, {" key ", " v "}, {"empty", ""}, {"", "novalue"}}));
}

TEST(LanguageFile, SectionHeaderIsFirstLineContainingTheName) {
  // The earlier entry line contains "Global", so it is taken as the header; the real header that follows
  // has no "=" and ends the section at once.
  EXPECT_TRUE(Parse("[Other]\nlblGlobalInfo=x\n[Global]\nsCantOpen=y\n").Section("Global").isEmpty());
  EXPECT_EQ(Parse("[Other]\nlblGlobalInfo=x\nsCantOpen=y\n").Section("Global"),
            (QList<TLanguageEntry>{{"sCantOpen", "y"}}));
}

TEST(LanguageFile, SectionNameIsCaseSensitiveAndMissingSectionIsEmpty) {
  const auto file = Parse("[mainform]\na=1\n");
  EXPECT_TRUE(file.Section("MainForm").isEmpty());
  EXPECT_TRUE(file.Section("").isEmpty());
  EXPECT_TRUE(Parse("").Section("MainForm").isEmpty());
  EXPECT_TRUE(Parse("[MainForm]").Section("MainForm").isEmpty());
}

TEST(LanguageFile, AcceptsAllLineEndingsAndByteOrderMark) {
  const auto file = Parse("\xEF\xBB\xBF[S]\ra=1\nb=2\r\nc=3");
  EXPECT_EQ(file.Section("[S]"), (QList<TLanguageEntry>{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
}

TEST(LanguageFile, DecodesUtf8ElseWindows1252) {
  EXPECT_EQ(Parse("[S]\nk=Gr\xC3\xBC\xC3\x9F" "e\n").Section("S").at(0).value, QString::fromUtf8("Grüße"));
  // Not valid UTF-8: read as Windows-1252 (0x80 is the euro sign there).
  EXPECT_EQ(Parse("[S]\nk=Gr\xFC\xDF" "e \x80\n").Section("S").at(0).value, QString::fromUtf8("Grüße €"));
}

TEST(LanguageFile, DuplicatedKeysAreAllKeptInOrderSoTheLastWins) {
  const auto file = Parse("[MainForm]\nmiEdit=One\nMIEDIT=Two\n");
  TRecordingTarget target({"miEdit"});
  ApplyLanguageEntries(file.Section("MainForm"), "MainForm", target);
  EXPECT_EQ(target.texts["miEdit"], "Two");
}

struct TKeyCase {
  const char* line;
  const char* section;
  const char* expectText;  // component=value expected in texts, or ""
  const char* expectItem;  // component+index=value expected in items, or ""
  const char* expectCaption;
};

void PrintTo(const TKeyCase& c, std::ostream* os) { *os << "[" << c.section << "] " << c.line; }

class LanguageKeyRules : public ::testing::TestWithParam<TKeyCase> {};

TEST_P(LanguageKeyRules, Apply) {
  const TKeyCase& c = GetParam();
  TRecordingTarget target({"lblAdjust", "tsColorModels", "cboCWHarmony", "Label1", "sbVarWarm", "sbVarCool",
                           "sbVarDark", "sbVarBright", "sbVarSatur", "sbVarDesatur", "caption2"});
  const auto file = TLanguageFile::FromBytes(QByteArray("[") + c.section + "]\n" + c.line + "\n");
  ApplyLanguageEntries(file.Section(c.section), c.section, target);

  std::map<QString, QString> texts;
  std::map<QString, QString> items;
  auto put = [](std::map<QString, QString>& m, const char* pairs) {
    for (const QString& part : QString(pairs).split(u';', Qt::SkipEmptyParts)) {
      m[part.section(u'=', 0, 0)] = part.section(u'=', 1);
    }
  };
  put(texts, c.expectText);
  put(items, c.expectItem);
  EXPECT_EQ(target.texts, texts);
  EXPECT_EQ(target.items, items);
  EXPECT_EQ(target.caption, QString(c.expectCaption));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageKeyRules,
    ::testing::Values(
        TKeyCase{"lblADJUST=Menge", "Form", "lblAdjust=Menge", "", ""},
        TKeyCase{"tsColorModels3=Lab", "Form", "", "tsColorModels3=Lab", ""},
        TKeyCase{"cboCWHarmony1=Main", "Form", "", "cboCWHarmony1=Main", ""},
        TKeyCase{"CBOCWHARMONY1=Main", "Form", "", "cboCWHarmony1=Main", ""},
        // A full name ending in a digit is the component itself, not item 1 of "Label".
        TKeyCase{"Label1=Allgemein", "Form", "Label1=Allgemein", "", ""},
        TKeyCase{"Caption=Optionen", "Form", "", "", "Optionen"},
        TKeyCase{"caption=Optionen", "Form", "", "", ""},
        // "caption2" exists as a component: its own name wins over every other rule.
        TKeyCase{"caption2=x", "Form", "caption2=x", "", ""},
        TKeyCase{"VarAddAll=Hinzu", "MainForm",
                 "sbVarWarm=Hinzu;sbVarCool=Hinzu;sbVarDark=Hinzu;sbVarBright=Hinzu;sbVarSatur=Hinzu;"
                 "sbVarDesatur=Hinzu",
                 "", ""},
        TKeyCase{"VarAddAll=Hinzu", "OptionsForm", "", "", ""},
        TKeyCase{"varaddall=Hinzu", "MainForm", "", "", ""},
        TKeyCase{"unknown=x", "Form", "", "", ""},
        TKeyCase{"unknown5=x", "Form", "", "", ""},
        // An existing component takes the entry itself (its kind decides); no other rule is tried.
        TKeyCase{"tsColorModels=x", "Form", "tsColorModels=x", "", ""},
        TKeyCase{"tsColorModelsX=x", "Form", "", "", ""},
        // Indices of any length: the trailing digits, as few as name a component, one digit first.
        TKeyCase{"tsColorModels12=x", "Form", "", "tsColorModels12=x", ""},
        TKeyCase{"tsColorModels0013=x", "Form", "", "tsColorModels13=x", ""},
        TKeyCase{"Label12=x", "Form", "", "Label12=x", ""},  // item 2 of Label1, as before
        TKeyCase{"tsColorModels12345=x", "Form", "", "", ""},
        TKeyCase{"5=x", "Form", "", "", ""},
        TKeyCase{"=x", "Form", "", "", ""}));

TEST(LanguageFile, LoadRefusesMissingDirectoriesAndHugeFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_FALSE(TLanguageFile::Load(dir.filePath("missing.lng")));
  EXPECT_FALSE(TLanguageFile::Load(dir.path()));
  EXPECT_FALSE(TLanguageFile::Load(QString()));

  QFile huge(dir.filePath("huge.lng"));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(TLanguageFile::kMaxFileBytes + 1));  // sparse: costs no disk
  huge.close();
  EXPECT_FALSE(TLanguageFile::Load(huge.fileName()));

  QFile ok(dir.filePath("ok.lng"));
  ASSERT_TRUE(ok.open(QIODevice::WriteOnly));
  ok.write("[Global]\r\nsCantOpen=Nicht lesbar!\r\n");
  ok.close();
  const auto file = TLanguageFile::Load(ok.fileName());
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Section("Global"), (QList<TLanguageEntry>{{"sCantOpen", "Nicht lesbar!"}}));
}

TEST(LanguageFile, BinaryGarbageNeverFailsAndYieldsOnlyWhatFollowsAHeader) {
  QByteArray bytes;
  for (int i = 0; i < 200000; ++i) bytes.append(static_cast<char>((i * 7919) % 256));
  bytes.append("\n[MainForm]\nmiEdit=X\n");
  bytes.append(QByteArray(1000, '\0'));
  const auto file = TLanguageFile::FromBytes(bytes);
  const auto entries = file.Section("[MainForm]");
  ASSERT_FALSE(entries.isEmpty());
  EXPECT_EQ(entries.at(0), (TLanguageEntry{"miEdit", "X"}));
}

}  // namespace
}  // namespace tintorium
