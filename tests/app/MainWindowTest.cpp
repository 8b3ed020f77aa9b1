// The main window as a user meets it: first run, menus, tool selection, view toggles, help and About.
#include "ShellTestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppInfo.h"
#include "ui/help/HelpCommand.h"
#include "ui/help/HelpViewer.h"
#include "engine/platform/AppPaths.h"
#include "ui/actions/MainActions.h"
#include "app/MainStatusBar.h"
#include "app/OptionsDialog.h"
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "engine/language/QtTranslations.h"
#include "engine/language/Messages.h"
#include "app/Themes.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorPickerButton.h"
#include "ui/tools/ColorMixerPage.h"

#include <QSpinBox>
#include "engine/palette/PaletteDocument.h"
#include "ui/controls/ColorWheel.h"
#include "ui/tools/ColorWheelPage.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/tools/ContrastMatrixCommand.h"
#include "ui/tools/ContrastMatrixForm.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QScreen>
#include <QEventLoop>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace tintorium::test {
namespace {

using MainWindowTest = ShellFixture;

// Object names of a menu's items, "-" for a separator, ">name" for a submenu.
QStringList Items(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator())
      items << QStringLiteral("-");
    else if (action->menu())
      items << QStringLiteral(">") + action->menu()->objectName();
    else
      items << action->objectName();
  }
  return items;
}

QMenu* MenuNamed(const TMainWindow& window, const char* name) {
  return window.findChild<QMenu*>(QString::fromLatin1(name));
}

TEST_F(MainWindowTest, FirstRunShowsTheDesignSizeTheDefaultColourAndANewPalette) {
  auto window = Start();
  // The size is chosen from the screen (FirstWindowTest); here only that it is on it.
  EXPECT_TRUE(window->screen()->availableGeometry().contains(window->geometry())) << window->geometry().x();
  EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
  const TColorObject& base = window->Workspace().BaseColor();
  EXPECT_EQ(base.Model(), cmRGB);
  EXPECT_EQ(base.GetRGB(), (TRGBValues{232, 253, 0}));
  EXPECT_EQ(window->Palette().PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_EQ(window->Palette().Count(), 0);
  EXPECT_EQ(window->CurrentTool(), 0);
  EXPECT_EQ(window->Options(), TOptions());
  EXPECT_EQ(CurrentThemeName(), QStringLiteral("Mac Style"));
  window->UpdateActions();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [noname.tnp]"));
  EXPECT_EQ(window->StatusPanels()->CountText(), QStringLiteral("Colors in palette: 0"));
  EXPECT_TRUE(dialogs.messages.empty());
}

// A palette file dropped on the window is offered and opened; anything else is refused at the door.
TEST_F(MainWindowTest, ADroppedSwatchFileOpensAsThePalette) {
  auto window = Start();
  const auto drop = [&window](const QString& path, bool expectAccepted) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_EQ(enter.isAccepted(), expectAccepted) << path.toStdString();
    if (!enter.isAccepted()) return;
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &event);
    EXPECT_TRUE(event.isAccepted());
  };
  const QString gpl = QStringLiteral(TINTORIUM_CORPUS "/swatches/gimp-data-Tango.gpl");
  drop(QStringLiteral(TINTORIUM_CORPUS "/swatches/SOURCES.md"), false);
  drop(gpl, true);
  EXPECT_EQ(window->Palette().PaletteFileName(), gpl);
  EXPECT_EQ(window->Palette().Count(), 27);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, CaptionCountAndActionsFollowWhenTheProgramIsIdle) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->Palette().AddPaletteColor(QStringLiteral("Red"), TColorObject(0x0000FF, cmRGB));
  window->PaletteDock()->close();
  // A real event loop, which waits (and so goes idle) between events; no explicit refresh.
  QEventLoop loop;
  QTimer::singleShot(50, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [noname.tnp*]"));
  EXPECT_EQ(window->StatusPanels()->CountText(), QStringLiteral("Colors in palette: 1"));
  EXPECT_FALSE(window->Actions().actViewPalette->isChecked());
}

TEST_F(MainWindowTest, MenusListTheirCommandsInOrder) {
  auto window = Start();
  QStringList titles;
  for (const QAction* menu : window->menuBar()->actions()) titles << menu->menu()->objectName();
  EXPECT_EQ(titles, QStringList({"miFile", "miEdit", "miView", "miPalette", "miTools", "miHelp"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miFile")),
            QStringList({"actFileNew", "-", "actFileOpen", "actFileSave", "actFileSaveAs", "-", "actImportColors",
                         "actExportColors", "-", "actFilePrint", "-", "actFileCloseWindow", "actFileExit"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miEdit")),
            QStringList({"actEditUndoChange", "actEditRedoChange", "-", "actEditUndo", "actEditRedo", "-",
                         "actEditCopyColor", "actEditCopyColorHEX",
                         "actEditCopyColorDelphi", "actEditCopyColorVSNET", ">miEditCopyCss", "-", "actEditRandomize",
                         "actEditMakeWebsafe", "actEditMakeWebsmart", "actEditMakeGrayscale", "-", "actEditLighten",
                         "actEditDarken", "actEditSaturate", "actEditDesaturate"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miView")),
            QStringList({"actViewMainToolbar", "actViewAdjustbar", "-", "actViewBaseColorSection", "actViewSmallLib",
                         "actViewPalette", "-", ">miTheme", ">miLang", "actViewAlwaysOnTop", "-",
                         "actViewColorWheel", "actViewVariations", "actViewColorMixer", "actViewLibrary",
                         "actViewSpectrum", "actViewPhotoScheme"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miPalette")),
            QStringList({"actPaletteUndo", "actPaletteRedo", "-", "actPaletteAddBaseColor", "actPaletteEditColor",
                         "actPaletteDeleteColor",
                         "actPaletteRemoveDuplicates", "actPaletteSelectAll", "-", "actPaletteSortColor",
                         ">miConvert"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miConvert")),
            QStringList({"actPaletteConvertToRGB", "actPaletteConvertToHSB", "actPaletteConvertToCMYK",
                         "actPaletteConvertToLab"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miEditCopyCss")),
            QStringList({"actEditCopyCssHex", "actEditCopyCssRgb", "actEditCopyCssHsl", "actEditCopyCssHwb",
                         "actEditCopyCssLab", "actEditCopyCssLch", "actEditCopyCssOklab", "actEditCopyCssOklch",
                         "actEditCopyCssNamed"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miTools")),
            QStringList({"actToolsScreenPick", "actToolsContrastTest", "actToolsContrastMatrix", "-", "actToolsOptions"}));
  EXPECT_EQ(Items(MenuNamed(*window, "miHelp")),
            QStringList({"actHelpHelp", "-", "actHelpGallery", "actHelpWebsite", "actHelpSupport", "-",
                         "actHelpAbout"}));
}

TEST_F(MainWindowTest, ToolbarsHoldTheirCommands) {
  auto window = Start();
  QStringList main;
  for (const QAction* a : window->MainToolBar()->actions()) main << (a->isSeparator() ? "-" : a->objectName());
  EXPECT_EQ(main, QStringList({"actFileNew", "actFileOpen", "actFileSave", "actFilePrint", "-", "actEditUndo",
                               "actEditRedo", "-", "actImportColors", "actExportColors", "-", "actToolsScreenPick",
                               "actToolsContrastTest", "actToolsOptions", "-", "actHelpHelp"}));
  QStringList adjust;
  for (const QAction* a : window->AdjustToolBar()->actions()) adjust << a->objectName();
  EXPECT_EQ(adjust, QStringList({"actEditRandomize", "actEditMakeWebsafe", "actEditMakeWebsmart",
                                 "actEditMakeGrayscale", "actEditLighten", "actEditDarken", "actEditSaturate",
                                 "actEditDesaturate"}));
  EXPECT_EQ(window->MainToolBar()->windowTitle(), QStringLiteral("Main Bar"));
  EXPECT_EQ(window->AdjustToolBar()->windowTitle(), QStringLiteral("Color Bar"));
}

TEST_F(MainWindowTest, EveryActionHasItsNameCaptionAndShortcut) {
  TMainActions actions;
  struct Row {
    const char* name;
    const char* caption;
    const char* shortcut;
    int tag;
  };
  const Row rows[] = {
      {"actViewColorMixer", "Color Mixer", "Ctrl+3", 2},    {"actViewPhotoScheme", "Colors from Image", "Ctrl+6", 5},
      {"actEditRedo", "Next Base color", "Alt+Right", -1}, {"actPaletteDeleteColor", "Delete Color", "Del", -1},
      {"actToolsScreenPick", "Screen Picker", "F10", -1},   {"actHelpHelp", "Tintorium Help", "F1", -1},
      {"actPaletteConvertToLab", "Convert values to Lab", "", 3}, {"actCUCModelCMYK", "View CMYK", "", 2},
      {"actEditLighten", "Brighten", "Alt+B", -1},         {"actFileExit", "Exit", "Ctrl+Q", -1},
      {"actEditUndoChange", "Undo", "Ctrl+Z", -1},         {"actFileCloseWindow", "Close Window", "Ctrl+W", -1},
      {"actPaletteAddBaseColor", "Add Base Color", "Ctrl+B", -1},
  };
  for (const Row& row : rows) {
    QAction* action = actions.Find(QString::fromLatin1(row.name));
    ASSERT_NE(action, nullptr) << row.name;
    EXPECT_EQ(action->text(), QString::fromLatin1(row.caption)) << row.name;
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(row.shortcut)) << row.name;
    EXPECT_EQ(TMainActions::Tag(action), row.tag) << row.name;
  }
  QStringList names;
  for (const QAction* action : actions.All()) {
    EXPECT_FALSE(names.contains(action->objectName())) << action->objectName().toStdString();
    names << action->objectName();
    EXPECT_FALSE(action->isEnabled()) << "starts disabled: " << action->objectName().toStdString();
  }
}

// Reads QObject's protected receiver count; adds no state to QAction.
struct TReceiverCount : QAction {
  static int Of(QAction* action) {
    return static_cast<TReceiverCount*>(action)->receivers(SIGNAL(triggered(bool)));
  }
};

TEST_F(MainWindowTest, NoActionIsLeftEnabledWithoutAnOwner) {
  auto window = Start();
  window->UpdateActions();
  // Commands whose features are not in the window yet stay disabled rather than pretending to work.
  for (QAction* action : window->Actions().All()) {
    if (!action->isEnabled()) continue;
    EXPECT_GT(TReceiverCount::Of(action), 0) << action->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, CtrlThreeShowsTheMixerAndChecksOnlyItsEntry) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
  window->UpdateActions();
  EXPECT_EQ(window->CurrentTool(), 2);
  EXPECT_EQ(window->ToolPages()->currentIndex(), 2);
  TMainActions& a = window->Actions();
  const QAction* tools[] = {a.actViewColorWheel, a.actViewVariations, a.actViewColorMixer,
                            a.actViewLibrary,    a.actViewSpectrum,   a.actViewPhotoScheme};
  for (const QAction* tool : tools) EXPECT_EQ(tool->isChecked(), tool == a.actViewColorMixer) << tool->objectName().toStdString();
}

TEST_F(MainWindowTest, ClickingATabSelectsItsToolAsTheActionWould) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QTabBar* tabs = window->ToolTabs();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  window->UpdateActions();
  EXPECT_EQ(window->ToolPages()->currentIndex(), 1);
  EXPECT_TRUE(window->Actions().actViewVariations->isChecked());
  EXPECT_FALSE(window->Actions().actViewColorWheel->isChecked());
  window->Actions().actViewPhotoScheme->trigger();
  EXPECT_EQ(tabs->currentIndex(), 5);
  EXPECT_EQ(window->ToolPages()->currentWidget(), window->ToolPage(5));
}

TEST_F(MainWindowTest, AToolPageCanBeReplacedInPlace) {
  auto window = Start();
  window->SelectTool(2);
  auto* page = new TToolPage;
  window->SetToolPage(2, page);
  EXPECT_EQ(window->ToolPage(2), page);
  EXPECT_EQ(window->ToolPages()->count(), TMainWindow::kToolCount);
  EXPECT_EQ(window->ToolPages()->currentWidget(), page);
  window->SelectTool(0);
  window->SelectTool(2);
  EXPECT_EQ(window->ToolPages()->currentWidget(), page);
}

TEST_F(MainWindowTest, ViewTogglesMirrorVisibilityAlsoWhenAPanelClosesItself) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  TMainActions& a = window->Actions();
  window->UpdateActions();
  for (QAction* toggle : {a.actViewMainToolbar, a.actViewAdjustbar, a.actViewBaseColorSection, a.actViewSmallLib,
                          a.actViewPalette})
    EXPECT_TRUE(toggle->isChecked()) << toggle->objectName().toStdString();

  window->PaletteDock()->close();  // its own close button
  window->UpdateActions();
  EXPECT_FALSE(a.actViewPalette->isChecked());
  a.actViewPalette->trigger();
  window->UpdateActions();
  EXPECT_TRUE(window->PaletteDock()->isVisible());
  EXPECT_EQ(window->dockWidgetArea(window->PaletteDock()), Qt::RightDockWidgetArea);
  EXPECT_TRUE(a.actViewPalette->isChecked());

  a.actViewAdjustbar->trigger();
  window->UpdateActions();
  EXPECT_FALSE(window->AdjustToolBar()->isVisible());
  EXPECT_FALSE(a.actViewAdjustbar->isChecked());
  EXPECT_TRUE(a.actViewMainToolbar->isChecked());
}

TEST_F(MainWindowTest, AlwaysOnTopSwitchesTheWindowStyleAndIsRemembered) {
  auto window = Start();
  window->Actions().actViewAlwaysOnTop->trigger();
  window->UpdateActions();
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window->Actions().actViewAlwaysOnTop->isChecked());
  Finish(window);
  window = Start();
  window->UpdateActions();
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  window->Actions().actViewAlwaysOnTop->trigger();
  window->UpdateActions();
  EXPECT_FALSE(window->Actions().actViewAlwaysOnTop->isChecked());
}

TEST_F(MainWindowTest, HelpOpensTheBuiltInViewerAndNothingLeadsToAWebSite) {
  auto window = Start();
  window->UpdateActions();
  TMainActions& a = window->Actions();
  a.actHelpHelp->trigger();
  ASSERT_NE(window->Help()->Viewer(), nullptr);
  EXPECT_TRUE(window->Help()->Viewer()->isVisible());
  // Without a home page the web commands are neither shown nor able to open anything.
  for (QAction* command : {a.actHelpWebsite, a.actHelpGallery, a.actHelpSupport}) {
    EXPECT_FALSE(command->isVisible());
    command->trigger();
  }
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindowTest, AboutBoxShowsTheFourPartBuildAndNotice) {
  EXPECT_EQ(TAboutDialog::BuildText(QStringLiteral("0.1.0")), QStringLiteral("Build: 0.1.0.0"));
  EXPECT_EQ(TAboutDialog::BuildText(QStringLiteral("2.5.1.7")), QStringLiteral("Build: 2.5.1.7"));
  auto window = Start();
  QString shownBuild;
  QString shownNotice;
  QSize size;
  dialogs.onExec = [&](QDialog& dialog) {
    auto& about = dynamic_cast<TAboutDialog&>(dialog);
    shownBuild = about.VersionLabel()->text();
    shownNotice = about.NoticeLabel()->text();
    size = about.size();
    return int(QDialog::Accepted);
  };
  window->UpdateActions();
  window->Actions().actHelpAbout->trigger();
  EXPECT_EQ(shownBuild, TAboutDialog::BuildText(ApplicationVersion()));
  EXPECT_EQ(shownNotice, LegalNotice());
  EXPECT_EQ(size, QSize(344, 234));
}

TEST_F(MainWindowTest, AboutBoxClosesOnAClickOnItsPicture) {
  TAboutDialog about;
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(60, 120));
  EXPECT_EQ(about.result(), int(QDialog::Accepted));
  EXPECT_FALSE(about.isVisible());
  about.setResult(QDialog::Rejected);
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::mouseClick(about.VersionLabel(), Qt::LeftButton, {}, about.VersionLabel()->rect().center());
  EXPECT_FALSE(about.isVisible()) << "a click on the build text is a click on the picture";
}

TEST_F(MainWindowTest, TheThemeMenuIsARadioGroupAndTheChoicePersists) {
  auto window = Start();
  QStringList names;
  for (const QAction* item : window->ThemeMenu()->actions()) {
    names << item->text();
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->isChecked(), item->text() == QStringLiteral("Mac Style"));
  }
  EXPECT_EQ(names, QStringList({"Default", "Mac Style", "OfficeXP", "Dream", "OfficeK"}));
  window->ThemeMenu()->actions().at(3)->trigger();
  EXPECT_EQ(CurrentThemeName(), QStringLiteral("Dream"));
  EXPECT_TRUE(window->ThemeMenu()->actions().at(3)->isChecked());
  EXPECT_FALSE(window->ThemeMenu()->actions().at(1)->isChecked());
  Finish(window);
  EXPECT_EQ(store->value(QStringLiteral("Options/Theme")).toString(), QStringLiteral("Dream"));
  window = Start();
  EXPECT_EQ(CurrentThemeName(), QStringLiteral("Dream"));
  window->ChooseTheme(QStringLiteral("Mac Style"));
}

class LanguageMenuTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    languages = folder.filePath(QStringLiteral("Language"));
    QDir().mkpath(languages + QStringLiteral("/folder.lng"));  // a directory is no language
    Write(QStringLiteral("deutsch.lng"),
          "[Global]\r\nLanguageName=Deutsch\r\nsPalCount=Farben in der Palette: %d\r\n\r\n[MainForm]\r\nactFileExit=Beenden\r\n"
          "miFile=Datei\r\n");
    Write(QStringLiteral("zeta.lng"), "[MainForm]\r\nmiEdit=Zeta\r\n");
    SetLanguageFolder(languages);
    SetCurrentLanguageName(QString());
  }
  void TearDown() override {
    SetLanguageFolder(QString());
    SetCurrentLanguageName(QString());
    ResetMessages();
    ShellFixture::TearDown();
  }
  void Write(const QString& name, const char* text) {
    QFile file(languages + QLatin1Char('/') + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QAction* Item(TMainWindow& window, const QString& text) {
    for (QAction* item : window.LanguageMenu()->actions())
      if (item->text() == text) return item;
    return nullptr;
  }
  QString languages;
};

// Each file under the name it gives itself, or its file name without ".lng" when it gives none; the built-in
// language checked while no file is in use.
TEST_F(LanguageMenuTest, ListsTheDefaultThenEveryLanguageFile) {
  auto window = Start();
  QStringList items;
  for (const QAction* item : window->LanguageMenu()->actions()) {
    items << (item->isSeparator() ? QStringLiteral("-") : item->text()) + (item->isChecked() ? "*" : "");
  }
  EXPECT_EQ(items, QStringList({"Default (reload needed)*", "-", "Deutsch", "zeta"}));
}

TEST_F(LanguageMenuTest, ChoosingALanguageTranslatesAtOnceAndIsWritten) {
  auto window = Start();
  Item(*window, QStringLiteral("Deutsch"))->trigger();
  EXPECT_EQ(window->Actions().actFileExit->text(), QStringLiteral("Beenden"));
  EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("miFile"))->title(), QStringLiteral("Datei"));
  window->UpdateActions();
  EXPECT_EQ(window->StatusPanels()->CountText(), QStringLiteral("Farben in der Palette: 0"));
  EXPECT_EQ(store->value(QStringLiteral("Options/Language")).toString(), QStringLiteral("deutsch.lng"));
  EXPECT_TRUE(Item(*window, QStringLiteral("Deutsch"))->isChecked());
  EXPECT_FALSE(Item(*window, QStringLiteral("Default (reload needed)"))->isChecked());

  // Texts the next file does not mention keep the previous language.
  Item(*window, QStringLiteral("zeta"))->trigger();
  EXPECT_TRUE(Item(*window, QStringLiteral("zeta"))->isChecked());
  EXPECT_FALSE(Item(*window, QStringLiteral("Deutsch"))->isChecked());
  EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("miEdit"))->title(), QStringLiteral("Zeta"));
  EXPECT_EQ(window->Actions().actFileExit->text(), QStringLiteral("Beenden"));

  Item(*window, QStringLiteral("Default (reload needed)"))->trigger();
  EXPECT_EQ(store->value(QStringLiteral("Options/Language")).toString(), QString());
  EXPECT_EQ(window->Actions().actFileExit->text(), QStringLiteral("Beenden"));
}

// The whole interface follows: the Language menu's own default entry at start, texts that depend on the state at
// once, the file choosers' filters, and Qt's own texts where the file names a Qt locale.
TEST_F(LanguageMenuTest, EverythingFollowsTheChosenLanguage) {
  Write(QStringLiteral("deutsch.lng"),
        "[Global]\r\nQtLocale=de\r\nsColorIsWS=Farbe ist websicher\r\nsColorNoWS=Farbe ist nicht websicher!\r\n"
        "sFilterPalette=Tintorium-Palette\r\nsCornerBaseColor=Grundfarbe\r\n\r\n[MainForm]\r\nmiLangDefault=Standard (Neustart n\xc3\xb6tig)\r\n");
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ApplyLanguage();
  auto window = Start();
  EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("miLangDefault"))->text(),
            QString::fromUtf8("Standard (Neustart n\xc3\xb6tig)"));
  SetCurrentLanguageName(QString());
  ResetMessages();
  UseQtTranslations(QString());

  window = Start();
  auto* webSafe = window->findChild<QLabel*>(QStringLiteral("imgWebSafe"));
  ASSERT_NE(webSafe, nullptr);
  EXPECT_TRUE(webSafe->toolTip().startsWith(QStringLiteral("Color is")));
  auto* mixerPage = dynamic_cast<TColorMixerPage*>(window->ToolPage(2));
  ASSERT_NE(mixerPage, nullptr);
  EXPECT_EQ(mixerPage->CornerButton(3)->DefaultText(), QStringLiteral("Base Color"));
  Item(*window, QStringLiteral("deutsch"))->trigger();  // this file gives no name of its own
  EXPECT_TRUE(webSafe->toolTip().startsWith(QStringLiteral("Farbe ist"))) << webSafe->toolTip().toStdString();
  for (int tag = 1; tag <= 4; ++tag) {
    EXPECT_EQ(mixerPage->CornerButton(tag)->DefaultText(), QStringLiteral("Grundfarbe")) << tag;
  }

  window->Actions().actFileSaveAs->trigger();
  ASSERT_EQ(dialogs.saveFilters.size(), 1);
  EXPECT_EQ(dialogs.saveFilters[0], QStringLiteral("Tintorium-Palette (*.tnp)"));

  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's German translations are not installed (qt6-translations-l10n)";
  }
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  UseQtTranslations(QString());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST_F(LanguageMenuTest, TheWindowStartsInTheCurrentLanguage) {
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  auto window = Start();
  EXPECT_EQ(window->Actions().actFileExit->text(), QStringLiteral("Beenden"));
}

TEST_F(MainWindowTest, ASecondRunRestoresPlacementPanelsToolsAndBaseColour) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->resize(780, 520);
  window->move(40, 30);
  window->LibraryDock()->close();
  window->addDockWidget(Qt::RightDockWidgetArea, window->BaseColorDock());
  auto* mixerPage = dynamic_cast<TColorMixerPage*>(window->ToolPage(2));
  ASSERT_NE(mixerPage, nullptr);
  mixerPage->SizeBox()->setValue(9);  // the Mixer page owns its settings and writes them at exit
  mixerPage->CornerButton(2)->SetSelectionColor(0x123456);
  window->Workspace().BaseColor().SetHSB({200, 0, 50});
  const TColor color = window->Workspace().BaseColor().GetColor();
  Finish(window);

  window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(window->size(), QSize(780, 520));
  EXPECT_TRUE(window->LibraryDock()->isHidden());
  EXPECT_EQ(window->dockWidgetArea(window->BaseColorDock()), Qt::RightDockWidgetArea);
  EXPECT_EQ(window->ColorTools().MixerSize, 9);
  mixerPage = dynamic_cast<TColorMixerPage*>(window->ToolPage(2));
  ASSERT_NE(mixerPage, nullptr);
  EXPECT_EQ(mixerPage->Mixer()->Size(), 9);
  EXPECT_EQ(mixerPage->SizeBox()->value(), 9);
  EXPECT_EQ(mixerPage->Mixer()->Value2(), 0x123456u);
  EXPECT_EQ(mixerPage->CornerButton(2)->SelectionColor(), 0x123456u);
  EXPECT_EQ(mixerPage->Mixer()->Value4(), 8388608u) << "the stored default corner, navy";
  // A colour held in HSB comes back as the HSB conversion of its TColor: the grey's hue is lost.
  const TColorObject& base = window->Workspace().BaseColor();
  EXPECT_EQ(base.Model(), cmHSB);
  EXPECT_EQ(base.GetColor(), color);
  EXPECT_EQ(base.GetHSB(), (THSBValues{0, 0, 50}));
}

TEST_F(MainWindowTest, DamagedPlacementValuesStillGiveAUsableWindow) {
  store->setValue(QStringLiteral("Options/Main/MTop"), QStringLiteral("abc"));
  store->setValue(QStringLiteral("Options/Main/MLeft"), QStringList{QStringLiteral("1"), QStringLiteral("2")});
  store->setValue(QStringLiteral("Options/Main/MWidth"), 100000);
  store->setValue(QStringLiteral("Options/Main/MHeight"), -7);
  store->setValue(QStringLiteral("Options/Main/baseModel"), 99);
  store->setValue(QStringLiteral("Options/Main/baseValue"), -1);
  auto window = Start();
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_LE(window->width(), std::max(screen.width(), 820));
  EXPECT_GE(window->height(), 400);
  EXPECT_EQ(window->Workspace().BaseColor().Model(), cmRGB);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, TheStatusBarShowsTheColourUnderThePointerAndOffersItsModels) {
  auto window = Start();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  TMainStatusBar* status = window->StatusPanels();
  window->Workspace().ShowColorUnderCursor(0x0000FF);
  EXPECT_EQ(status->ColorText(), QStringLiteral("       R:255 G:0 B:0"));
  EXPECT_TRUE(status->Swatch()->isVisible());
  const QImage swatch = status->Swatch()->pixmap().toImage();
  EXPECT_EQ(swatch.pixelColor(0, 0), QColor(Qt::black));
  EXPECT_EQ(swatch.pixelColor(8, 8), QColor(Qt::red));
  window->Workspace().ClearColorUnderCursor();
  EXPECT_TRUE(status->ColorText().isEmpty());
  EXPECT_FALSE(status->Swatch()->isVisible());

  QTest::mouseClick(status->ColorPanel(), Qt::LeftButton);
  auto* menu = window->findChild<QMenu*>(QStringLiteral("pmnu_cucmodel"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  QStringList items;
  for (const QAction* item : menu->actions()) items << item->objectName();
  EXPECT_EQ(items, QStringList({"actCUCModelRGB", "actCUCModelHSB", "actCUCModelCMYK", "actCUCModelLab",
                                "actCUCModelCSS"}));
  menu->hide();
  window->UpdateActions();
  window->Actions().actCUCModelLab->trigger();
  window->UpdateActions();
  EXPECT_TRUE(window->Actions().actCUCModelLab->isChecked());
  EXPECT_FALSE(window->Actions().actCUCModelRGB->isChecked());
  EXPECT_EQ(window->Options().ColorUnCursorModel, 3);

  // The CSS view shows the form last copied; its text is wider than the panel was, which grows to show it whole.
  window->Actions().actEditCopyCssLch->trigger();
  window->Actions().actCUCModelCSS->trigger();
  window->UpdateActions();
  EXPECT_TRUE(window->Actions().actCUCModelCSS->isChecked());
  EXPECT_FALSE(window->Actions().actCUCModelLab->isChecked());
  window->Workspace().ShowColorUnderCursor(0x0000FF);
  EXPECT_EQ(status->ColorText(), QStringLiteral("       lch(54.29 106.84 40.86)"));
  window->Workspace().ShowColorUnderCursor(0x00EE00FF);
  EXPECT_EQ(status->ColorText(), QStringLiteral("       lch(59.37 105.72 330.34)"));
  const auto* text = status->ColorPanel()->findChild<QLabel*>(QStringLiteral("sbColorText"));
  ASSERT_NE(text, nullptr);
  EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(status->ColorText()));
  EXPECT_EQ(window->Options().ColorUnCursorModel, 4);
  EXPECT_EQ(window->Options().CssForm, 5);
}

TEST_F(MainWindowTest, AGarbledToolbarLayoutIsIgnored) {
  store->setValue(QStringLiteral("Options/Toolbars/State"), QByteArray("garbage that is no layout"));
  auto window = Start();
  EXPECT_FALSE(window->MainToolBar()->isHidden());
  EXPECT_EQ(window->dockWidgetArea(window->PaletteDock()), Qt::RightDockWidgetArea);
}


TEST_F(LanguageMenuTest, APagePluggedInAfterStartShowsTheCurrentLanguage) {
  Write(QStringLiteral("plug.lng"), "[MainForm]\r\nlblCWStyle=Farbkreis-Art:\r\ncboCWHarmony1=Prim\xc3\xa4r\r\n");
  SetCurrentLanguageName(QStringLiteral("plug.lng"));
  auto window = Start();
  auto* builtIn = window->ToolPage(0)->findChild<QLabel*>(QStringLiteral("lblCWStyle"));
  ASSERT_NE(builtIn, nullptr);
  EXPECT_EQ(builtIn->text(), QStringLiteral("Farbkreis-Art:"));

  auto* page = new TToolPage;
  auto* label = new QLabel(QStringLiteral("Color wheel style:"), page);
  label->setObjectName(QStringLiteral("lblCWStyle"));
  auto* box = new QComboBox(page);
  box->setObjectName(QStringLiteral("cboCWHarmony"));
  box->addItems({QStringLiteral("None"), QStringLiteral("Primary")});
  const QString caption = window->windowTitle();
  window->SetToolPage(1, page);
  EXPECT_EQ(label->text(), QStringLiteral("Farbkreis-Art:"));
  EXPECT_EQ(box->itemText(1), QString::fromUtf8("Prim\xc3\xa4r"));
  EXPECT_EQ(window->windowTitle(), caption);
}

TEST_F(MainWindowTest, TheWheelSettingsComeBackAtTheNextStart) {
  auto window = Start();
  auto* wheel = qobject_cast<TColorWheelPage*>(window->ToolPage(0));
  ASSERT_NE(wheel, nullptr);
  wheel->StyleBox()->setCurrentIndex(1);
  wheel->HarmonyBox()->setCurrentIndex(5);
  wheel->ModelBox()->setCurrentIndex(2);
  Finish(window);
  EXPECT_EQ(store->value(QStringLiteral("Options/Color Tools/CWHar")).toInt(), 5);

  window = Start();
  wheel = qobject_cast<TColorWheelPage*>(window->ToolPage(0));
  EXPECT_EQ(wheel->Wheel()->WheelStyle(), wsRYB);
  EXPECT_EQ(wheel->Wheel()->Harmony(), chTriad);
  EXPECT_EQ(wheel->ModelBox()->currentIndex(), 2);
  // The wheel shows the restored base colour from the start.
  EXPECT_EQ(wheel->Wheel()->BaseColor(), window->Workspace().BaseColor().GetColor());
}

TEST_F(MainWindowTest, ContrastAnalyzeOpensAnotherAnalyserOnTheBaseColourEachTime) {
  auto window = Start();
  window->UpdateActions();
  QAction* action = window->Actions().actToolsContrastTest;
  ASSERT_TRUE(action->isEnabled());
  window->Workspace().AssignBaseColor(TColorObject(0x0000FF, cmHSB), nullptr);
  action->trigger();
  action->trigger();
  const QList<TContrastAnalyzeForm*> forms = window->findChildren<TContrastAnalyzeForm*>();
  ASSERT_EQ(forms.size(), 2);
  for (TContrastAnalyzeForm* form : forms) {
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->TextColor(), TColor(0x0000FF));
    EXPECT_EQ(form->BackColor(), clWhite);
    form->close();
  }
}

TEST_F(MainWindowTest, PaletteContrastWindowIsMadeOnFirstUseAndKept) {
  auto window = Start();
  window->UpdateActions();
  QAction* action = window->Actions().actToolsContrastMatrix;
  ASSERT_TRUE(action->isEnabled());
  EXPECT_EQ(window->ContrastMatrix().Form(), nullptr);
  EXPECT_TRUE(window->findChildren<TContrastMatrixForm*>().isEmpty());
  action->trigger();
  TContrastMatrixForm* form = window->ContrastMatrix().Form();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  form->close();
  action->trigger();
  EXPECT_EQ(window->ContrastMatrix().Form(), form);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(window->findChildren<TContrastMatrixForm*>().size(), 1);
}

}  // namespace
}  // namespace tintorium::test
