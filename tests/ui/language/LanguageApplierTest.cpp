// Applying language sections to real widgets, and switching languages back and forth.
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "engine/language/Messages.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tintorium {
namespace {

template <typename T>
T* Named(QWidget* parent, const char* name) {
  auto* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A miniature main window with one component of every kind the applier knows.
class TSampleWindow : public QMainWindow {
 public:
  TSampleWindow() {
    setWindowTitle("Sample");
    undo = new QAction("Undo", this);
    undo->setObjectName("actEditUndo");
    menu = menuBar()->addMenu("Edit");
    menu->setObjectName("miEdit");
    menu->addAction(undo);
    toolbar = addToolBar("Main Bar");
    toolbar->setObjectName("tbMain");
    toolbar->addAction(undo);
    dock = new QDockWidget("Palette", this);
    dock->setObjectName("twPalette");
    addDockWidget(Qt::RightDockWidgetArea, dock);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    // Nested one level deeper, as a tool page would be.
    auto* page = new QWidget(central);
    layout->addWidget(page);
    auto* pageLayout = new QVBoxLayout(page);
    label = Named<QLabel>(page, "lblAdjust");
    label->setText("Adjust");
    check = Named<QCheckBox>(page, "chkSaveColors");
    check->setText("Remember");
    group = Named<QGroupBox>(page, "gbOptions");
    group->setTitle("Options");
    edit = Named<QLineEdit>(page, "edHEX");
    edit->setText("FF0000");
    tabBar = Named<QTabBar>(page, "tsColorModels");
    for (const char* t : {"RGB", "HSB", "CMYK", "CIE L*ab"}) tabBar->addTab(t);
    tabs = Named<QTabWidget>(page, "tcMain");
    tabs->addTab(new QWidget, "Color Wheel");
    tabs->addTab(new QWidget, "Variations");
    combo = Named<QComboBox>(page, "cboCWHarmony");
    combo->addItems({"None", "Complementary", "Triads"});
    list = Named<QListWidget>(page, "lstTypes");
    list->addItems({"One", "Two"});
    tree = Named<QTreeWidget>(page, "tvwOptCat");
    tree->setHeaderHidden(true);
    auto* general = new QTreeWidgetItem(tree, QStringList{"General"});
    new QTreeWidgetItem(general, QStringList{"Child"});
    new QTreeWidgetItem(tree, QStringList{"Color Settings"});
    listView = Named<QTreeWidget>(page, "lvwImport");
    listView->setHeaderLabels({"Name", "", "Value"});
    table = Named<QTableWidget>(page, "tblInfo");
    table->setColumnCount(2);
    for (const char* name : {"sbVarWarm", "sbVarCool", "sbVarDark", "sbVarBright", "sbVarSatur", "sbVarDesatur"}) {
      auto* button = Named<QToolButton>(page, name);
      button->setText("Add to palette");
      varButtons.append(button);
    }
    for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) pageLayout->addWidget(w);
    setCentralWidget(central);
  }

  QAction* undo;
  QMenu* menu;
  QToolBar* toolbar;
  QDockWidget* dock;
  QLabel* label;
  QCheckBox* check;
  QGroupBox* group;
  QLineEdit* edit;
  QTabBar* tabBar;
  QTabWidget* tabs;
  QComboBox* combo;
  QListWidget* list;
  QTreeWidget* tree;
  QTreeWidget* listView;
  QTableWidget* table;
  QList<QToolButton*> varButtons;
};

class LanguageApplierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetLanguageFolder(dir_.path());
    ResetMessages();
  }
  void TearDown() override {
    SetLanguageFolder(QString());
    SetCurrentLanguageName(QString());
    ResetMessages();
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
};

constexpr char kGerman[] =
    "[Global]\r\n"
    "sCantOpen=Datei nicht lesbar!\r\n"
    "\r\n"
    "[MainForm]\r\n"
    "Caption=Beispiel\r\n"
    "ACTEDITUNDO=R\xC3\xBC" "ckg\xC3\xA4ngig\r\n"
    "miEdit=Bearbeiten\r\n"
    "tbMain=Hauptleiste\r\n"
    "twPalette=Palette (de)\r\n"
    "lblAdjust=Menge\r\n"
    "chkSaveColors=Merken\r\n"
    "gbOptions=Optionen\r\n"
    "edHEX=should not change\r\n"
    "tsColorModels3=Lab\r\n"
    "tcMain1=Variationen\r\n"
    "tcMain7=beyond the tabs\r\n"
    "cboCWHarmony1=Komplement\xC3\xA4r\r\n"
    "lstTypes0=Eins\r\n"
    "tvwOptCat1=Kind\r\n"
    "tvwOptCat2=Farbeinstellungen\r\n"
    "lvwImport2=Wert\r\n"
    "tblInfo1=Spalte\r\n"
    "VarAddAll=Zur Palette\r\n";

TEST_F(LanguageApplierTest, AppliesEveryKindOfKey) {
  TSampleWindow w;
  ApplyLanguageSection(&w, TLanguageFile::FromBytes(kGerman), "MainForm");

  EXPECT_EQ(w.windowTitle(), "Beispiel");
  EXPECT_EQ(w.undo->text(), QString::fromUtf8("Rückgängig"));
  // Buttons bound to the action follow it.
  EXPECT_EQ(qobject_cast<QToolButton*>(w.toolbar->widgetForAction(w.undo))->text(), w.undo->text());
  EXPECT_EQ(w.menu->title(), "Bearbeiten");
  EXPECT_EQ(w.menu->menuAction()->text(), "Bearbeiten");
  EXPECT_EQ(w.toolbar->windowTitle(), "Hauptleiste");
  EXPECT_EQ(w.dock->windowTitle(), "Palette (de)");
  EXPECT_EQ(w.label->text(), "Menge");
  EXPECT_EQ(w.check->text(), "Merken");
  EXPECT_EQ(w.group->title(), "Optionen");
  EXPECT_EQ(w.edit->text(), "FF0000");
  EXPECT_EQ(w.tabBar->tabText(3), "Lab");
  EXPECT_EQ(w.tabBar->tabText(2), "CMYK");
  EXPECT_EQ(w.tabs->tabText(1), "Variationen");
  EXPECT_EQ(w.tabs->count(), 2);
  EXPECT_EQ(w.combo->itemText(1), QString::fromUtf8("Komplementär"));
  EXPECT_EQ(w.list->item(0)->text(), "Eins");
  // Tree nodes count in pre-order: General, Child, Color Settings.
  EXPECT_EQ(w.tree->topLevelItem(0)->child(0)->text(0), "Kind");
  EXPECT_EQ(w.tree->topLevelItem(1)->text(0), "Farbeinstellungen");
  EXPECT_EQ(w.listView->headerItem()->text(2), "Wert");
  ASSERT_NE(w.table->horizontalHeaderItem(1), nullptr);
  EXPECT_EQ(w.table->horizontalHeaderItem(1)->text(), "Spalte");
  for (QToolButton* b : w.varButtons) EXPECT_EQ(b->text(), "Zur Palette");
}

TEST_F(LanguageApplierTest, OtherSectionsAndMissingFileChangeNothing) {
  Write("deutsch.lng", kGerman);
  TSampleWindow w;
  SetCurrentLanguageName("deutsch.lng");
  EXPECT_TRUE(ApplyLanguage(&w, "OptionsForm"));
  EXPECT_EQ(w.undo->text(), "Undo");
  SetCurrentLanguageName("missing.lng");
  EXPECT_FALSE(ApplyLanguage(&w, "MainForm"));
  EXPECT_EQ(w.undo->text(), "Undo");
  EXPECT_EQ(w.windowTitle(), "Sample");
}

TEST_F(LanguageApplierTest, SwitchingLanguagesBackAndForth) {
  Write("deutsch.lng", kGerman);
  Write("english.lng",
        "[Global]\r\nsCantOpen=Could not read file!\r\n\r\n"
        "[MainForm]\r\nactEditUndo=Undo\r\nmiEdit=Edit\r\ntsColorModels3=CIE L*ab\r\n");
  TSampleWindow w;

  SelectLanguage(&w, "deutsch.lng");
  EXPECT_EQ(CurrentLanguageName(), "deutsch.lng");
  EXPECT_EQ(w.menu->title(), "Bearbeiten");
  EXPECT_EQ(Message(sCantOpen), "Datei nicht lesbar!");

  SelectLanguage(&w, "english.lng");
  EXPECT_EQ(w.undo->text(), "Undo");
  EXPECT_EQ(w.menu->title(), "Edit");
  EXPECT_EQ(w.tabBar->tabText(3), "CIE L*ab");
  EXPECT_EQ(Message(sCantOpen), "Could not read file!");
  // Texts the new file does not mention keep the previous language's.
  EXPECT_EQ(w.label->text(), "Menge");

  // The built-in texts come with the next start; nothing changes now.
  SelectLanguage(&w, "deutsch.lng");
  SelectLanguage(&w, QString());
  EXPECT_EQ(CurrentLanguageName(), "");
  EXPECT_EQ(w.menu->title(), "Bearbeiten");
}

TEST_F(LanguageApplierTest, CollectedEntriesReproduceTheTexts) {
  TSampleWindow german;
  ApplyLanguageSection(&german, TLanguageFile::FromBytes(kGerman), "MainForm");
  const QList<TLanguageEntry> entries = CollectLanguageEntries(&german);
  EXPECT_TRUE(entries.contains(TLanguageEntry{"Caption", "Beispiel"}));
  EXPECT_TRUE(entries.contains(TLanguageEntry{"tsColorModels3", "Lab"}));
  EXPECT_TRUE(entries.contains(TLanguageEntry{"tvwOptCat1", "Kind"}));
  EXPECT_TRUE(entries.contains(TLanguageEntry{"lvwImport2", "Wert"}));
  EXPECT_FALSE(entries.contains(TLanguageEntry{"lvwImport1", ""}));  // untitled columns are left out
  for (const TLanguageEntry& e : entries) EXPECT_NE(e.key, "edHEX");

  QByteArray file("[MainForm]\r\n");
  for (const TLanguageEntry& e : entries) file.append((e.key + "=" + e.value + "\r\n").toUtf8());
  TSampleWindow fresh;
  ApplyLanguageSection(&fresh, TLanguageFile::FromBytes(file), "MainForm");
  EXPECT_EQ(CollectLanguageEntries(&fresh), entries);
}

TEST_F(LanguageApplierTest, HostileFileLeavesTheWindowUsable) {
  QByteArray bytes("[MainForm]\r\n");
  for (int i = 0; i < 5000; ++i) bytes.append("miEdit=" + QByteArray(200, 'x') + "\r\n");
  bytes.append("tsColorModels9=far\r\ncboCWHarmony9=far\r\ntvwOptCat9=far\r\nlvwImport9=far\r\n");
  bytes.append("lstTypes9=far\r\nmiEdit=\xFF\xFE\x00\x01\r\n");
  TSampleWindow w;
  ApplyLanguageSection(&w, TLanguageFile::FromBytes(bytes), "MainForm");
  // Not UTF-8 as a whole, so read as Windows-1252.
  EXPECT_EQ(w.menu->title(), QString::fromUtf8("ÿþ"));
  EXPECT_EQ(w.tabBar->count(), 4);
  EXPECT_EQ(w.combo->count(), 3);
  EXPECT_EQ(w.list->count(), 2);
  EXPECT_EQ(w.listView->columnCount(), 3);
}

}  // namespace
}  // namespace tintorium
