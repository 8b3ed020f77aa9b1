// Screenshots of the main window, every tool page, dialog and tool window, for scripts/screenshots (which runs it
// under Xvfb once per theme, language and scale). Not a test: it only writes PNG files, one per window, into the
// folder given.
//   Screenshots OUTPUT_FOLDER THEME|default LANGUAGE_FILE|-   ("-": the built-in English)
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "engine/language/Language.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/platform/AppPaths.h"
#include "ui/controls/ColorList.h"
#include "ui/actions/MainActions.h"
#include "ui/language/LanguageApplier.h"
#include "ui/language/MessageSeam.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <iterator>

namespace tintorium {
namespace {

QString gOutput;

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QTest::qWait(20);
  }
}

void Save(QWidget& widget, const QString& name) {
  Settle();
  // The status bar and the commands' states follow on idle, which a picture taken now would miss.
  if (auto* main = qobject_cast<TMainWindow*>(&widget)) main->UpdateActions();
  Settle();
  const QString path = gOutput + u'/' + name + QStringLiteral(".png");
  if (!widget.grab().save(path)) std::fprintf(stderr, "screenshots: could not write %s\n", qPrintable(path));
}

// Shows every modal dialog and message box instead of running it, takes its picture and closes it.
class TPictureDialogs final : public TDialogSeam {
 public:
  QString next;  // the name of the next picture
  int ShowMessageBox(const QString& text, int flags) override {
    QMessageBox box(flags == mfError     ? QMessageBox::Critical
                    : flags == mfWarning ? QMessageBox::Warning
                    : flags == mfInformation ? QMessageBox::Information
                                             : QMessageBox::Question,
                    ApplicationTitle(), text,
                    flags == mfQuestion        ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                    : flags == mfYesNoQuestion ? QMessageBox::Yes | QMessageBox::No
                                               : QMessageBox::Ok);
    box.show();
    Save(box, next.isEmpty() ? QStringLiteral("message") : next);
    return flags == mfQuestion ? mrCancel : flags == mfYesNoQuestion ? mrNo : mrOK;
  }
  int ShowChoiceBox(const QString& text, int flags, const QStringList& buttons) override {
    QMessageBox box(flags == mfError ? QMessageBox::Critical : QMessageBox::Question, ApplicationTitle(), text);
    for (const QString& label : buttons) box.addButton(label, QMessageBox::AcceptRole);
    box.show();
    Save(box, next.isEmpty() ? QStringLiteral("message") : next);
    return int(buttons.size()) - 1;
  }
  QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&, QString*) override { return {}; }
  int Exec(QDialog& dialog) override {
    dialog.show();
    Save(dialog, next.isEmpty() ? dialog.objectName() : next);
    dialog.hide();
    return QDialog::Rejected;
  }
};

TPaletteEntries SamplePalette() {
  TPaletteEntries entries;
  const std::pair<const char*, TColor> colors[] = {
      {"Ocean", 0x00A07020}, {"Sky", 0x00E8C070}, {"Sand", 0x0080C8E8}, {"Coral", 0x005070F0},
      {"Moss", 0x00408050},  {"Ink", 0x00402820},  {"Plum", 0x00704080}, {"Snow", 0x00F8F8F8}};
  for (const auto& [name, color] : colors) entries.push_back({QString::fromLatin1(name), TColorObject(color, cmRGB)});
  return entries;
}

int Run(const QString& theme, const QString& language) {
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  QSettings store(home.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  TSettings settings(store);
  if (theme != QLatin1String("default")) {
    TOptions options = settings.ReadOptions();
    options.Theme = theme;
    settings.WriteOptions(options);
  }
  // The libraries, languages and guide of the source tree.
  SetDataFolderOverride(QStringLiteral(TINTORIUM_SOURCE_DIR "/data"));
  SetLanguageFolder(QStringLiteral(TINTORIUM_SOURCE_DIR "/data/Language"));
  if (language != QLatin1String("-")) {
    SetCurrentLanguageName(language);
    ApplyLanguage();
  }
  TPictureDialogs dialogs;
  SetDialogs(&dialogs);

  TMainWindow window(store, QStringList{"-", "-"});
  window.Palette().AppendPaletteColors(SamplePalette());
  window.ShowAsStored();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "screenshots: the main window never showed\n");
  Save(window, QStringLiteral("main-window"));
  static const char* const kPages[] = {"page-color-wheel", "page-variations", "page-color-mixer",    "page-library",
                                       "page-spectrum",    "page-colors-from-image", "page-scales"};
  static_assert(std::size(kPages) == TMainWindow::kToolCount, "a picture name for every tool page");
  for (int i = 0; i < TMainWindow::kToolCount; ++i) {
    window.ToolTabs()->setCurrentIndex(i);
    Save(window, QString::fromLatin1(kPages[i]));
  }
  window.ToolTabs()->setCurrentIndex(0);

  TMainActions& a = window.Actions();
  const std::pair<const char*, QAction*> modal[] = {
      {"dialog-options", a.actToolsOptions},     {"dialog-edit-color", a.actPaletteEditColor},
      {"dialog-sort-colors", a.actPaletteSortColor}, {"dialog-import", a.actImportColors},
      {"dialog-export", a.actExportColors},       {"dialog-print", a.actFilePrint},
      {"dialog-about", a.actHelpAbout},           {"message-save-changes", a.actFileNew}};
  for (const auto& [name, action] : modal) {
    dialogs.next = QString::fromLatin1(name);
    // Editing and sorting act on the palette's current colour.
    if (auto* list = window.findChild<TColorList*>(QStringLiteral("lstPalette"))) list->SetCurrentRow(1);
    action->setEnabled(true);
    action->trigger();
  }
  // The tool windows open beside the main window and stay.
  const QWidgetList before = QApplication::topLevelWidgets();
  const std::pair<const char*, QAction*> tools[] = {{"window-contrast-analyze", a.actToolsContrastTest},
                                                    {"window-palette-contrast", a.actToolsContrastMatrix},
                                                    {"window-help", a.actHelpHelp}};
  QWidgetList shown = before;
  for (const auto& [name, action] : tools) {
    action->setEnabled(true);
    action->trigger();
    Settle();
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!shown.contains(top) && top->isVisible()) Save(*top, QString::fromLatin1(name));
    }
    shown = QApplication::topLevelWidgets();
  }
  SetDialogs(nullptr);
  window.Palette().SetPaletteModified(false);
  return 0;
}

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: Screenshots OUTPUT_FOLDER THEME|default LANGUAGE_FILE|-\n");
    return 2;
  }
  tintorium::gOutput = args[1];
  QDir().mkpath(tintorium::gOutput);
  return tintorium::Run(args[2], args[3]);
}
