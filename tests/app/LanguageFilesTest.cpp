// The shipped language files against the real windows: english.lng names every text of every window with
// its built-in English, deutsch.lng has exactly the same keys, and both carry every message key.
// With TINTORIUM_DUMP_LANG set to a file name, the windows' current texts are written there as a language
// file (the starting point when windows gain controls).
#include "ui/language/LanguageApplier.h"
#include "engine/language/Language.h"
#include "engine/language/LanguageFile.h"
#include "engine/language/QtTranslations.h"
#include "app/MainWindow.h"
#include "app/Themes.h"
#include "engine/language/Messages.h"
#include "app/OptionsDialog.h"
#include "app/Settings.h"
#include "ui/actions/MainActions.h"
#include "ui/tools/ToolPage.h"
#include "ui/controls/ColorPickerButton.h"
#include "ui/palette/EditColorDialog.h"
#include "ui/tools/ColorEntryDialog.h"
#include "ui/palette/SortColorsDialog.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/tools/ContrastMatrixForm.h"
#include "ui/screenpick/DesktopPickDialog.h"
#include "ui/print/PrintForm.h"
#include "ui/help/HelpViewer.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QTabWidget>
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
      {"ContrastAnalyzeForm", [](QSettings&) { return std::make_unique<TContrastAnalyzeForm>(nullptr); }},
      {"ColorEntryDialog", [](QSettings&) { return std::make_unique<TColorEntryDialog>(clBlack); }},
      {"ContrastMatrixForm", [](QSettings&) { return std::make_unique<TContrastMatrixForm>(nullptr); }},
      {"DesktopPickDialog", [](QSettings&) { return std::make_unique<TDesktopPickDialog>(); }},
      {"PrintForm",
       [](QSettings& s) { return std::make_unique<TPrintForm>(nullptr, s, QStringLiteral("Options/Toolbars")); }},
      {"ImportForm", [](QSettings&) { return std::make_unique<TImportForm>(); }},
      {"ExportForm", [](QSettings&) { return std::make_unique<TExportForm>(TPaletteEntries{}, nullptr); }},
      {"HelpForm", [](QSettings&) { return std::make_unique<THelpViewer>(); }},
  };
}

// Texts the program writes while it runs (the caption with the palette name, list contents, counts): a
// language file has nothing to say about them.
bool IsRuntimeText(const QString& section, const QString& key) {
  static const QList<std::pair<QString, QRegularExpression>> kRuntime = {
      {"MainForm", QRegularExpression("^(Caption|lstHistory\\d|lstPalette\\d|sbPanel\\d|lblCFIFile|cboLib\\d|cboLibraryBrowse\\d|lstLib\\d|lstLibNav\\d|lblLibFile)$")},
      // The measured figures, the levels reached and the simulated ratios.
      {"ContrastAnalyzeForm",
       QRegularExpression("^(lblBrightDiff|lblColorDiff|lblContrastRatio|lblApcaContrast|lblw2ltLevel|lblw2stLevel|lbl\\w+Ratio)$")},
      // The pairs counted and the palette's colours.
      {"ContrastMatrixForm", QRegularExpression("^(lblSummary|lstMatrixColors\\d+)$")},
      {"PrintForm", QRegularExpression("^sbPanel\\d$")},
      // The wizards' counts are written when the lists are filled.
      {"ImportForm", QRegularExpression("^(lblImported|lblDesc)$")},
      {"ExportForm", QRegularExpression("^(lblToExport|lblDesc|lblExpFinal)$")},
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
                        "ContrastAnalyzeForm", "ColorEntryDialog", "ContrastMatrixForm", "DesktopPickDialog", "PrintForm",
                        "HelpForm"}) {
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
    EXPECT_EQ(headers, 13) << name;  // Global and the twelve windows
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

// Every text a window shows, keyed by where it is (the object names down from the window, and what it is):
// window titles, every widget's and action's captions, tooltips and items.
QMap<QString, QString> ShownTexts(QWidget* window) {
  QMap<QString, QString> texts{{QStringLiteral("title"), window->windowTitle()}};
  for (QObject* object : window->findChildren<QObject*>()) {
    if (object->objectName().startsWith(QLatin1String("qt_"))) continue;
    QString path;
    for (QObject* o = object; o && o != window; o = o->parent()) {
      path.prepend((o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName()) +
                   u'/');
    }
    const auto add = [&](const char* what, const QString& text) { texts.insert(path + QLatin1String(what), text); };
    const auto items = [&](const char* what, int count, const std::function<QString(int)>& text) {
      for (int i = 0; i < count; ++i) add((QByteArray(what) + QByteArray::number(i)).constData(), text(i));
    };
    if (auto* action = qobject_cast<QAction*>(object)) {
      add("text", action->text());
      add("tip", action->toolTip());
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
      add("title", menu->title());
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
      add("tip", widget->toolTip());
      if (auto* label = qobject_cast<QLabel*>(widget)) add("text", label->text());
      if (auto* picker = qobject_cast<TColorPickerButton*>(widget)) add("default", picker->DefaultText());
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) add("text", button->text());
      if (auto* group = qobject_cast<QGroupBox*>(widget)) add("title", group->title());
      if (qobject_cast<QDockWidget*>(widget) || qobject_cast<QToolBar*>(widget)) add("title", widget->windowTitle());
      if (auto* bar = qobject_cast<QTabBar*>(widget)) items("tab", bar->count(), [bar](int i) { return bar->tabText(i); });
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        items("item", combo->count(), [combo](int i) { return combo->itemText(i); });
      }
      if (auto* list = qobject_cast<QListWidget*>(widget)) {
        items("item", list->count(), [list](int i) { return list->item(i)->text(); });
      }
      if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        int i = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) add(("node" + QByteArray::number(i++)).constData(), (*it)->text(0));
      }
    }
  }
  return texts;
}

// Words that are the same in both languages, names (themes, the program, files) and texts that are no words at all
// (numbers, symbols, "%").
bool SameInBothLanguages(const QString& text) {
  static const QStringList kShared = QStringList{"RGB", "RYB", "HSB", "CMYK", "Lab", "OK", "CIE L*ab", "HEX #", "Tintorium",
                                                 "Palette", "CSS", "WCAG 1.0", "WCAG 2.0", "AA", "AAA", "APCA"} +
                                     ThemeNames();
  // CSS notations ("#rrggbb", "oklch(L C h)") are code, the same in every language.
  static const QRegularExpression kCssForm(QStringLiteral("^#rrggbb$|^[a-z]+\\([^()]*\\)$"));
  if (kCssForm.match(text).hasMatch()) return true;
  if (text.contains(QLatin1String(".tnp"))) return true;  // the caption names the palette file
  if (text.startsWith(FormatMessage(sCFIFileName, {QString()}))) return true;  // a message without a key
  // "Lc" is APCA's symbol for its figure, a unit rather than a word.
  static const QRegularExpression kNoWords(
      QStringLiteral("^[^A-Za-z]*$|^[^A-Za-z]*(APCA )?Lc [^A-Za-z]*$|^[A-Za-z]$|^[RGBHSCMYKLab]:?$"));
  const QString plain = QString(text).remove(u'&').trimmed();
  // Addresses, and the contrast analyser's Latin sample text.
  if (plain.startsWith(QLatin1String("https://")) || plain.startsWith(QLatin1String("Lorem ipsum"))) return true;
  return plain.isEmpty() || kShared.contains(plain) || kNoWords.match(plain).hasMatch();
}

// Runs the program's windows in German as a user would (the language chosen, then the windows made) and lists
// every text still equal to its English default.
TEST_F(LanguageFilesTest, InGermanNoEnglishTextIsLeft) {
  QList<QMap<QString, QString>> englishTexts;
  for (const TWindowCase& w : Windows()) englishTexts << ShownTexts(w.make(*store_).get());
  SetLanguageFolder(kLanguageFolder);
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ApplyLanguage();
  QStringList left;
  int index = 0;
  for (const TWindowCase& w : Windows()) {
    const auto window = w.make(*store_);
    const QMap<QString, QString> german = ShownTexts(window.get());
    const QMap<QString, QString>& before = englishTexts[index++];
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
      if (before.value(it.key()) == it.value() && !SameInBothLanguages(it.value())) {
        left << QStringLiteral("%1 %2: %3").arg(w.section, it.key(), it.value());
      }
    }
  }
  for (int i = 0; i < kMessageCount; ++i) {
    const auto key = static_cast<TMessageKey>(i);
    if (MessageKeyName(key).isEmpty()) continue;
    if (MessageTemplate(key) == DefaultMessageText(key) && !SameInBothLanguages(MessageTemplate(key))) {
      left << QStringLiteral("Global: %1").arg(MessageTemplate(key));
    }
  }
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());
  ResetMessages();
  UseQtTranslations(QString());
  left.removeDuplicates();
  EXPECT_EQ(left.join(u'\n').toStdString(), "");
}


// One way through the program to its messages, choosers and dialogs, as a user would take it: `run` acts on a
// fresh main window; `files` is a folder for the files it needs.
struct TMessagePath {
  const char* name;
  std::function<void(TMainWindow& window, test::TScriptedDialogs& dialogs, const QString& files)> run;
  bool showsMessage;  // the path ends in a message box (an error or a question)
};

void Trigger(QAction* action) {
  action->setEnabled(true);
  action->trigger();
}

QString WriteFile(const QString& folder, const char* name, const QByteArray& bytes) {
  const QString path = folder + u'/' + QLatin1String(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

void AddOneColor(TMainWindow& window) { Trigger(window.Actions().actPaletteAddBaseColor); }

std::vector<TMessagePath> MessagePaths() {
  return {
      {"open a damaged palette",
       [](TMainWindow& w, test::TScriptedDialogs& d, const QString& files) {
         d.openPaths = {WriteFile(files, "damaged.tnp", "not a palette")};
         Trigger(w.Actions().actFileOpen);
       },
       true},
      {"save where no file can be made",
       [](TMainWindow& w, test::TScriptedDialogs& d, const QString& files) {
         AddOneColor(w);
         d.savePaths = {files + QStringLiteral("/no/such/folder/p.tnp")};
         Trigger(w.Actions().actFileSaveAs);
       },
       true},
      {"a new palette over unsaved changes",
       [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         AddOneColor(w);
         Trigger(w.Actions().actFileNew);
       },
       true},
      {"a picture that is no picture",
       [](TMainWindow& w, test::TScriptedDialogs& d, const QString& files) {
         w.ToolPage(5);
         const QString bad = WriteFile(files, "broken.png", "no image at all");
         d.onExec = [bad](QDialog& dialog) {
           static_cast<QFileDialog&>(dialog).selectFile(bad);
           return int(QDialog::Accepted);
         };
         Trigger(w.Actions().actCFIOpen);
       },
       true},
      {"a picture's file name",
       [](TMainWindow& w, test::TScriptedDialogs& d, const QString& files) {
         w.ToolPage(5);
         const QString good = files + QStringLiteral("/good.png");
         QImage image(8, 8, QImage::Format_RGB32);
         image.fill(Qt::red);
         EXPECT_TRUE(image.save(good));
         d.onExec = [good](QDialog& dialog) {
           static_cast<QFileDialog&>(dialog).selectFile(good);
           return int(QDialog::Accepted);
         };
         Trigger(w.Actions().actCFIOpen);
       },
       false},
      {"the library chooser", [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         w.ToolPage(3);
         Trigger(w.Actions().actLibOpen);
       },
       false},
      {"import", [](TMainWindow& w, test::TScriptedDialogs&, const QString&) { Trigger(w.Actions().actImportColors); },
       false},
      {"export",
       [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         AddOneColor(w);
         Trigger(w.Actions().actExportColors);
       },
       false},
      {"print one page",
       [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         AddOneColor(w);
         Trigger(w.Actions().actFilePrint);
       },
       false},
      {"edit a colour",
       [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         AddOneColor(w);
         Trigger(w.Actions().actPaletteEditColor);
       },
       false},
      {"sort the palette",
       [](TMainWindow& w, test::TScriptedDialogs&, const QString&) {
         AddOneColor(w);
         AddOneColor(w);
         Trigger(w.Actions().actPaletteSortColor);
       },
       false},
      {"options", [](TMainWindow& w, test::TScriptedDialogs&, const QString&) { Trigger(w.Actions().actToolsOptions); },
       false},
  };
}

// Everything a path showed: its message boxes, the choosers' titles, every text of the dialogs it ran and the
// picture's file name line, keyed by where they appeared.
QMap<QString, QString> RunMessagePath(const TMessagePath& path, QSettings& store, const QString& files,
                                      test::TScriptedDialogs& dialogs) {
  dialogs.messages.clear();
  dialogs.captions.clear();
  dialogs.onExec = nullptr;
  QMap<QString, QString> shown;
  TMainWindow window(store, QStringList{"-", "-"});
  const auto record = [&shown](QWidget& dialog) {
    const QMap<QString, QString> texts = ShownTexts(&dialog);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) shown.insert(dialog.objectName() + u'/' + it.key(), it.value());
  };
  path.run(window, dialogs, files);
  if (!dialogs.onExec) {
    dialogs.onExec = [record](QDialog& dialog) {
      record(dialog);
      return int(QDialog::Rejected);
    };
    path.run(window, dialogs, files);  // again, now looking into the dialogs it runs
  }
  for (std::size_t i = 0; i < dialogs.messages.size(); ++i) shown.insert(QStringLiteral("message %1").arg(i), dialogs.messages[i].text);
  for (qsizetype i = 0; i < dialogs.captions.size(); ++i) shown.insert(QStringLiteral("chooser %1").arg(i), dialogs.captions[i]);
  if (auto* file = window.findChild<QLabel*>(QStringLiteral("lblCFIFile"))) {
    // The file name itself is no word: only the words around it count.
    shown.insert(QStringLiteral("lblCFIFile"), file->text().section(u':', 0, 0));
  }
  return shown;
}

// The walk above goes on into the program: every message path (errors included), chooser and dialog reached
// through the main window shows German under German.
TEST_F(LanguageFilesTest, InGermanEveryMessageChooserAndDialogIsGerman) {
  const QString files = folder_.filePath(QStringLiteral("files"));
  ASSERT_TRUE(QDir().mkpath(files));
  QList<QMap<QString, QString>> english;
  for (const TMessagePath& path : MessagePaths()) {
    english << RunMessagePath(path, *store_, files, dialogs_);
    if (path.showsMessage) {
      EXPECT_FALSE(dialogs_.messages.empty()) << path.name << ": the path no longer reaches its message";
    }
    EXPECT_FALSE(english.back().isEmpty()) << path.name << ": the path shows nothing";
  }
  SetLanguageFolder(kLanguageFolder);
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ApplyLanguage();
  QStringList left;
  int index = 0;
  for (const TMessagePath& path : MessagePaths()) {
    const QMap<QString, QString> german = RunMessagePath(path, *store_, files, dialogs_);
    const QMap<QString, QString>& before = english[index++];
    EXPECT_EQ(german.keys(), before.keys()) << path.name;
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
      if (before.value(it.key()) == it.value() && !SameInBothLanguages(it.value())) {
        left << QStringLiteral("%1, %2: %3").arg(QLatin1String(path.name), it.key(), it.value());
      }
    }
  }
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());
  ResetMessages();
  UseQtTranslations(QString());
  left.removeDuplicates();
  EXPECT_EQ(left.join(u'\n').toStdString(), "");
}

// The Language menu names every language in itself and checks the one in use.
TEST_F(LanguageFilesTest, TheLanguageMenuNamesEachLanguageInItselfAndChecksTheCurrentOne) {
  SetLanguageFolder(kLanguageFolder);
  const auto entries = [](const TMainWindow& window) {
    QStringList items;
    for (const QAction* action : window.LanguageMenu()->actions()) {
      if (action->isSeparator() || action->objectName() == QLatin1String("miLangDefault")) continue;
      items << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
    }
    return items;
  };
  {
    TMainWindow window(*store_, QStringList{"-", "-"});
    EXPECT_EQ(entries(window), (QStringList{"Deutsch", "English"}));
    EXPECT_TRUE(window.findChild<QAction*>(QStringLiteral("miLangDefault"))->isChecked());
    for (QAction* action : window.LanguageMenu()->actions()) {
      if (action->text() == QLatin1String("Deutsch")) action->trigger();
    }
    EXPECT_EQ(entries(window), (QStringList{"Deutsch *", "English"}));
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("miLangDefault"))->isChecked());
  }
  // A window made while German is in use checks it, and still names every language in itself.
  TMainWindow again(*store_, QStringList{"-", "-"});
  EXPECT_EQ(entries(again), (QStringList{"Deutsch *", "English"}));
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());
  ResetMessages();
  UseQtTranslations(QString());
}

}  // namespace
}  // namespace tintorium
