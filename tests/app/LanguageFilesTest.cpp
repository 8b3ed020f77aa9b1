// The shipped language files against the real windows: english.lng names every text of every window with
// its built-in English, deutsch.lng has exactly the same keys, and both carry every message key.
// With TINTORIUM_DUMP_LANG set to a file name, the windows' current texts are written there as a language
// file (the starting point when windows gain controls).
#include "language/LanguageApplier.h"
#include "language/LanguageFile.h"
#include "app/MainWindow.h"
#include "language/Messages.h"
#include "app/OptionsDialog.h"
#include "app/Settings.h"
#include "palette/EditColorDialog.h"
#include "palette/SortColorsDialog.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tintorium {
namespace {

// Collapsed as text: the path must not depend on tests/data existing on disk.
const QString kLanguageFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language")) + u'/';

struct TWindowCase {
  const char* section;
  std::function<std::unique_ptr<QWidget>(QSettings&)> make;
};

std::vector<TWindowCase> Windows() {
  return {
      {"MainForm",
       // Two arguments: no palette is opened or restored.
       [](QSettings& s) { return std::make_unique<TMainWindow>(s, QStringList{"-", "-"}); }},
      {"OptionsForm", [](QSettings&) { return std::make_unique<TOptionsDialog>(TOptions()); }},
      {"EditColorDialog", [](QSettings&) { return std::make_unique<TEditColorDialog>(); }},
      {"SortColorsDialog", [](QSettings&) { return std::make_unique<TSortColorsDialog>(); }},
  };
}

// Texts the program writes while it runs (the caption with the palette name, list contents, counts): a
// language file has nothing to say about them.
bool IsRuntimeText(const QString& section, const QString& key) {
  static const QList<std::pair<QString, QRegularExpression>> kRuntime = {
      {"MainForm", QRegularExpression("^(Caption|lstHistory\\d|lstPalette\\d|sbPanel\\d)$")},
  };
  for (const auto& [s, pattern] : kRuntime) {
    if (s == section && pattern.match(key).hasMatch()) return true;
  }
  return false;
}

TLanguageFile LoadShipped(const char* name) {
  const auto file = TLanguageFile::Load(kLanguageFolder + QLatin1String(name));
  EXPECT_TRUE(file) << name;
  return file ? *file : TLanguageFile::FromBytes({});
}

QMap<QString, QString> ByFoldedKey(const QList<TLanguageEntry>& entries) {
  QMap<QString, QString> map;
  for (const TLanguageEntry& e : entries) map.insert(e.key.toCaseFolded(), e.value);
  return map;
}

class LanguageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    store_ = std::make_unique<QSettings>(folder_.filePath("settings.ini"), QSettings::IniFormat);
  }
  QTemporaryDir folder_;
  std::unique_ptr<QSettings> store_;
  test::TScriptedDialogs dialogs_;
};

TEST_F(LanguageFilesTest, EnglishNamesEveryTextOfEveryWindowWithItsBuiltInText) {
  const TLanguageFile english = LoadShipped("english.lng");
  QByteArray dump;
  for (const TWindowCase& w : Windows()) {
    const auto window = w.make(*store_);
    const QList<TLanguageEntry> builtIn = CollectLanguageEntries(window.get());
    const QMap<QString, QString> shipped = ByFoldedKey(english.Section(QLatin1String(w.section)));
    dump.append("[" + QByteArray(w.section) + "]\r\n");
    for (const TLanguageEntry& e : builtIn) {
      if (IsRuntimeText(QLatin1String(w.section), e.key)) continue;
      dump.append((e.key + "=" + e.value + "\r\n").toUtf8());
      const auto it = shipped.find(e.key.toCaseFolded());
      if (it == shipped.end()) {
        ADD_FAILURE() << w.section << ": no key " << e.key.toStdString() << " (\"" << e.value.toStdString() << "\")";
      } else {
        EXPECT_EQ(*it, e.value) << w.section << ": " << e.key.toStdString();
      }
    }
    dump.append("\r\n");
  }
  if (const QString path = qEnvironmentVariable("TINTORIUM_DUMP_LANG"); !path.isEmpty()) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(dump);
  }
}

TEST_F(LanguageFilesTest, EveryFileHasTheKeysOfEnglishAndEveryMessage) {
  const TLanguageFile english = LoadShipped("english.lng");
  const TLanguageFile german = LoadShipped("deutsch.lng");
  QStringList sections{QLatin1String(kGlobalSection)};
  for (const char* s : {"MainForm", "OptionsForm", "EditColorDialog", "SortColorsDialog", "ImportForm", "ExportForm",
                        "ContrastAnalyzeForm", "DesktopPickDialog", "PrintForm"}) {
    sections.append(QLatin1String(s));
  }
  for (const QString& section : sections) {
    const auto en = ByFoldedKey(english.Section(section));
    const auto de = ByFoldedKey(german.Section(section));
    EXPECT_FALSE(en.isEmpty()) << section.toStdString();
    EXPECT_EQ(en.keys(), de.keys()) << section.toStdString();
    for (auto it = de.begin(); it != de.end(); ++it) {
      EXPECT_FALSE(it->isEmpty()) << section.toStdString() << " " << it.key().toStdString();
    }
  }
  for (int i = 0; i < kMessageCount; ++i) {
    const auto key = static_cast<TMessageKey>(i);
    const QString name = MessageKeyName(key);
    if (name.isEmpty()) continue;
    for (const TLanguageFile* file : {&english, &german}) {
      bool found = false;
      for (const TLanguageEntry& e : file->Section(QLatin1String(kGlobalSection))) {
        if (e.key != name) continue;
        found = true;
        EXPECT_TRUE(PlaceholdersMatch(e.value, DefaultMessageText(key))) << name.toStdString();
        if (file == &english) {
          EXPECT_EQ(e.value, DefaultMessageText(key));
        }
      }
      EXPECT_TRUE(found) << name.toStdString();
    }
  }
}

// A section starts at the first line containing its name: no line above a header may contain that name,
// or the section would begin there and lose its entries.
TEST_F(LanguageFilesTest, EverySectionStartsAtItsOwnHeader) {
  for (const char* name : {"english.lng", "deutsch.lng"}) {
    const TLanguageFile file = LoadShipped(name);
    int headers = 0;
    for (qsizetype i = 0; i < file.Lines().size(); ++i) {
      const QString& line = file.Lines()[i];
      if (!line.startsWith(u'[') || !line.endsWith(u']')) continue;
      ++headers;
      const QString section = line.mid(1, line.size() - 2);
      qsizetype first = 0;
      while (!file.Lines()[first].contains(section)) ++first;
      EXPECT_EQ(first, i) << name << " " << section.toStdString();
      EXPECT_FALSE(file.Section(section).isEmpty()) << name << " " << section.toStdString();
    }
    EXPECT_EQ(headers, 10) << name;  // Global and the nine windows
  }
}

TEST_F(LanguageFilesTest, GermanReachesEveryWindow) {
  const TLanguageFile german = LoadShipped("deutsch.lng");
  for (const TWindowCase& w : Windows()) {
    const auto window = w.make(*store_);
    const QList<TLanguageEntry> before = CollectLanguageEntries(window.get());
    ApplyLanguageSection(window.get(), german, QLatin1String(w.section));
    const QMap<QString, QString> after = ByFoldedKey(CollectLanguageEntries(window.get()));
    const QMap<QString, QString> wanted = ByFoldedKey(german.Section(QLatin1String(w.section)));
    int changed = 0;
    for (const TLanguageEntry& e : before) {
      if (IsRuntimeText(QLatin1String(w.section), e.key)) continue;
      const QString key = e.key.toCaseFolded();
      if (wanted.contains(key)) {
        EXPECT_EQ(after.value(key), wanted.value(key)) << w.section << " " << e.key.toStdString();
      }
      if (after.value(key) != e.value) ++changed;
    }
    EXPECT_GT(changed, before.size() / 3) << w.section;
  }
}

}  // namespace
}  // namespace tintorium
