// The Swatches panel and the Library page on a temporary library folder: listing, loading every kind of file,
// the failure messages (through the scripted dialogs), start-up choices, typed names and paths, the option that
// hides the colour information, the navigation strip, and picking base colours with real input events.
#include "ui/tools/LibraryPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/LibTableGeometry.h"
#include "engine/formats/SwatchFiles.h"
#include "ui/library/LibraryCombo.h"
#include "ui/library/LibraryItemDelegate.h"
#include "ui/library/LibraryNavDelegate.h"
#include "ui/library/LibraryPanel.h"
#include "engine/palette/PaletteFile.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace tintorium {
namespace {

using test::TScriptedDialogs;

/// A version-1 swatch file (no names) of RGB colours.
QByteArray AcoWithoutNames(std::initializer_list<TColor> colors) {
  QByteArray bytes;
  auto word = [&bytes](int value) {
    bytes.append(char((value >> 8) & 0xFF));
    bytes.append(char(value & 0xFF));
  };
  word(1);
  word(int(colors.size()));
  for (const TColor color : colors) {
    word(0);
    for (int shift : {0, 8, 16}) word(int((color >> shift) & 0xFF) * 257);
    word(0);
  }
  return bytes;
}

TColors Named(std::initializer_list<std::pair<const char*, TColor>> colors) {
  TColors list;
  for (const auto& [name, color] : colors) list.emplace_back(TColorObject(color, cmRGB), QString::fromLatin1(name).toStdU16String());
  return list;
}

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

class LibraryViews : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.filePath("Palettes");
    ASSERT_TRUE(QDir().mkpath(folder + "/sub.aco"));
    Write("b.aco", AcoWithoutNames({0x0000FF, 0x00FF00, 0xFF0000}));
    Write("a.act", EncodeActData(Named({{"", 0x123456}, {"", 0xABCDEF}})));
    ASSERT_TRUE(WriteAcoFile(folder + "/named.aco", Named({{"Sun", 0x00D7FF}, {"Sky", 0xEBCE87}})).Ok());
    TPaletteEntries entries{{"Mine", TColorObject(0x336699, cmHSB)}, {"Ours", TColorObject(0x996633, cmLAB)}};
    ASSERT_TRUE(WritePaletteFile(folder + "/c.tnp", entries).Ok());
    Write("broken.aco", QByteArray("\x00\x01\x7f\xff", 4));
    workspace.SetPalette(nullptr);
  }
  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(folder + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  std::unique_ptr<TLibraryPage> Page(const QStringList& folders) {
    return std::make_unique<TLibraryPage>(workspace, popup, actions, folders);
  }

  QTemporaryDir dir;
  QString folder;
  TScriptedDialogs dialogs;
  TWorkspace workspace;
  TMainActions actions;
  QWidget menuParent;
  TColorToolPopup popup{workspace, actions, &menuParent};
};

// --- Listing and start-up ----------------------------------------------------------------------------------------

TEST_F(LibraryViews, BothListsHoldEveryLibraryInOrderAndAMissingFolderNone) {
  TLibraryPanel panel(workspace, {folder});
  panel.Start(QString());
  EXPECT_EQ(Items(*panel.LibraryBox()), (QStringList{"b.aco", "broken.aco", "named.aco", "a.act", "c.tnp"}))
      << "each kind in turn; the subfolder is no library";
  auto page = Page({folder});
  page->Start(QString());
  EXPECT_EQ(Items(*page->BrowseBox()), Items(*panel.LibraryBox()));

  TLibraryPanel empty(workspace, {dir.filePath("missing")});
  empty.Start(QStringLiteral("Web Hues.aco"));
  EXPECT_EQ(empty.LibraryBox()->count(), 0);
  EXPECT_EQ(empty.Table()->Count(), 0);
  EXPECT_EQ(empty.SelectedLibrary(), QString());
  auto emptyPage = Page({dir.filePath("missing")});
  emptyPage->Start(QStringLiteral("Web Safe.aco"));
  emptyPage->show();
  EXPECT_EQ(emptyPage->LibraryList()->Count(), 0);
  EXPECT_TRUE(dialogs.messages.empty()) << "nothing to load, nothing to report";
}

TEST_F(LibraryViews, StartUpTakesTheRememberedLibraryOrTheFirst) {
  const struct {
    const char* remembered;
    const char* selected;
  } cases[] = {{"C.TNP", "c.tnp"}, {"Web Hues.aco", "b.aco"}, {"", "b.aco"}};
  for (const auto& c : cases) {
    TLibraryPanel panel(workspace, {folder});
    panel.Start(QLatin1String(c.remembered));
    EXPECT_EQ(panel.SelectedLibrary(), QLatin1String(c.selected)) << c.remembered;
    EXPECT_EQ(panel.Table()->Count(), 2 + 1 * (QLatin1String(c.selected) == "b.aco")) << c.remembered;
    auto page = Page({folder});
    page->Start(QLatin1String(c.remembered));
    EXPECT_EQ(page->SelectedLibrary(), QLatin1String(c.selected));
  }
  EXPECT_EQ(RememberedLibraryIndex({}, "x"), -1);
}

TEST_F(LibraryViews, ThePageLoadsItsStartLibraryOnlyWhenFirstShown) {
  auto page = Page({folder});
  page->Start(QStringLiteral("named.aco"));
  EXPECT_TRUE(page->LoadPending());
  EXPECT_EQ(page->LibraryList()->Count(), 0) << "a page nobody opened has read nothing";
  EXPECT_EQ(page->SelectedLibrary(), "named.aco") << "and still remembers its library";
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  EXPECT_FALSE(page->LoadPending());
  EXPECT_EQ(page->LibraryList()->Count(), 2);
  EXPECT_EQ(page->FileLabel()->text(), "named");
  EXPECT_EQ(page->CountLabel()->text(), "Count: 2");
  // A language switch puts the file's starting text on the label; the page shows its own count again.
  page->CountLabel()->setText(QStringLiteral("Anzahl: 0"));
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(page.get(), &change);
  EXPECT_EQ(page->CountLabel()->text(), "Count: 2");
}

// --- Loading -----------------------------------------------------------------------------------------------------

TEST_F(LibraryViews, EveryKindOfLibraryFillsThePageWithNamesAndModels) {
  auto page = Page({folder});
  const struct {
    const char* file;
    QStringList names;
    TColorModel firstModel;
  } cases[] = {
      {"b.aco", {"FF0000", "00FF00", "0000FF"}, cmRGB},  // no names: the hex text
      {"named.aco", {"Sun", "Sky"}, cmRGB},
      {"a.act", {"563412", "EFCDAB"}, cmRGB},            // the file's colours (its count honoured by the reader)
      {"c.tnp", {"Mine", "Ours"}, cmHSB},                // names and models as stored
  };
  for (const auto& c : cases) {
    page->LoadLibraryPage(folder + "/" + c.file);
    QStringList names;
    for (int row = 0; row < page->LibraryList()->Count(); ++row) names << page->LibraryList()->NameAt(row);
    if (QLatin1String(c.file) == "a.act") names = names.mid(0, 2);
    EXPECT_EQ(names, c.names) << c.file;
    EXPECT_EQ(page->LibraryList()->ColorAt(0)->Model(), c.firstModel) << c.file;
    EXPECT_EQ(page->NavList()->model()->rowCount(), page->LibraryList()->Count());
    EXPECT_EQ(page->CountLabel()->text(), QStringLiteral("Count: %1").arg(page->LibraryList()->Count()));
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LibraryViews, FailuresShowTheirMessageOnceAndLeaveAnEmptyPage) {
  auto page = Page({folder});
  Write("other.cqp", "whatever");
  Write("empty.aco", AcoWithoutNames({}));
  const struct {
    QString path;
    QString message;
    int flags;
  } cases[] = {
      {folder + "/gone.aco", "Selected library does not exists!", mfInformation},
      // A file of no library kind is named, with why it cannot be read.
      {folder + "/other.cqp", "Could not read " + QDir::toNativeSeparators(folder + "/other.cqp") + ": ", mfError},
      {folder + "/empty.aco", "Could not read file!", mfError},
      {folder + "/sub.aco", "Selected library does not exists!", mfInformation},
  };
  for (const auto& c : cases) {
    page->LoadLibraryPage(folder + "/b.aco");
    dialogs.messages.clear();
    page->LoadLibraryPage(c.path);
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.path.toStdString();
    if (c.message.endsWith(QStringLiteral(": "))) {
      EXPECT_TRUE(dialogs.messages[0].text.startsWith(c.message)) << dialogs.messages[0].text.toStdString();
      EXPECT_GT(dialogs.messages[0].text.size(), c.message.size() + 5);
    } else {
      EXPECT_EQ(dialogs.messages[0].text, c.message);
    }
    EXPECT_EQ(dialogs.messages[0].flags, c.flags);
    EXPECT_EQ(page->LibraryList()->Count(), 0);
    EXPECT_EQ(page->CountLabel()->text(), "Count: 0");
  }
}

// A damaged file is reported with the reader's own reason, the same text the Swatches panel shows for it.
TEST_F(LibraryViews, ADamagedLibraryOnThePageShowsTheReadersOwnReason) {
  TLibraryPanel panel(workspace, {folder});
  panel.Start(QStringLiteral("broken.aco"));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const QString reason = dialogs.messages[0].text;
  dialogs.messages.clear();
  auto page = Page({folder});
  page->LoadLibraryPage(folder + "/broken.aco");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, reason);
  EXPECT_NE(dialogs.messages[0].text, QStringLiteral("Could not read file!"));
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
}

// Choosing a library in the page's list loads it at once; a typed name still loads with Enter.
TEST_F(LibraryViews, ALibraryChosenInThePagesListLoadsAtOnce) {
  auto page = Page({folder});
  page->UpdateActions(actions);  // as the window's idle refresh does
  page->Start(QStringLiteral("b.aco"));
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  ASSERT_EQ(page->FileLabel()->text(), QStringLiteral("b"));
  QComboBox& box = *page->BrowseBox();
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Down);  // broken.aco
  QTest::keyClick(&box, Qt::Key_Down);  // named.aco
  EXPECT_EQ(box.currentText(), QStringLiteral("named.aco"));
  EXPECT_EQ(page->FileLabel()->text(), QStringLiteral("named"));
  EXPECT_EQ(page->LibraryList()->Count(), 2);
  dialogs.messages.clear();
  box.lineEdit()->selectAll();
  QTest::keyClicks(box.lineEdit(), QStringLiteral("c.tnp"));
  QTest::keyClick(box.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(page->FileLabel()->text(), QStringLiteral("c"));
}

TEST_F(LibraryViews, ADamagedLibraryInThePanelIsReportedAndTheTableKeepsItsColours) {
  TLibraryPanel panel(workspace, {folder});
  panel.Start(QStringLiteral("b.aco"));
  ASSERT_EQ(panel.Table()->Colors(), (QStringList{"FF0000", "00FF00", "0000FF"}));
  panel.LibraryBox()->setCurrentIndex(1);  // broken.aco
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
  EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
  EXPECT_EQ(panel.Table()->Count(), 3);
  panel.LibraryBox()->setCurrentIndex(4);  // c.tnp
  ASSERT_EQ(panel.Table()->Count(), 2);
  EXPECT_EQ(panel.Table()->Colors()[0], "996633");
}

TEST_F(LibraryViews, EnterLoadsATypedNameFromTheFolderOrAFullPath) {
  const QString elsewhere = dir.filePath("elsewhere");
  ASSERT_TRUE(QDir().mkpath(elsewhere));
  ASSERT_TRUE(QFile::copy(folder + "/named.aco", elsewhere + "/mine.aco"));
  auto page = Page({folder});
  page->UpdateActions(actions);  // as the window's idle refresh does
  page->Start(QStringLiteral("b.aco"));
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  const struct {
    QString typed;
    const char* file;
    int count;
  } cases[] = {{elsewhere + "/mine.aco", "mine", 2}, {"C.tnp", "c", 2}, {"a.act", "a", 0}};
  for (const auto& c : cases) {
    QLineEdit* edit = page->BrowseBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, c.typed);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(page->FileLabel()->text(), QLatin1String(c.file)) << c.typed.toStdString();
    if (c.count > 0) {
      EXPECT_EQ(page->LibraryList()->Count(), c.count) << c.typed.toStdString();
    }
  }
  EXPECT_EQ(page->BrowseBox()->count(), 5) << "typed texts are not added to the list";
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LibraryViews, OpenAddsThePathOnceAndOffersEveryLibraryFormat) {
  auto page = Page({folder});
  page->Start(QString());
  const QString path = dir.filePath("Palettes/named.aco");
  dialogs.openPaths = {path, path};
  page->LibOpen();
  page->LibOpen();
  EXPECT_EQ(page->BrowseBox()->count(), 6);
  EXPECT_EQ(page->SelectedLibrary(), path);
  EXPECT_EQ(page->LibraryList()->Count(), 2);
  ASSERT_EQ(dialogs.openFilters.size(), 2);
  for (const char* pattern : {"*.aco", "*.act", "*.tnp", "*.gpl", "*.ase"})
    EXPECT_TRUE(dialogs.openFilters[0].section(";;", 0, 0).contains(QLatin1String(pattern))) << pattern;
  page->LibOpen();  // cancelled
  EXPECT_EQ(page->LibraryList()->Count(), 2);
}

// --- Look ---------------------------------------------------------------------------------------------------------

TEST_F(LibraryViews, HidingTheColourInformationShrinksEveryItem) {
  auto page = Page({folder});
  page->resize(500, 400);
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  page->LoadLibraryPage(folder + "/b.aco");
  TColorList& list = *page->LibraryList();
  EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), TLibraryItemDelegate::kFullHeight);
  page->SetOnlyColor(true);
  QApplication::processEvents();
  EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), TLibraryItemDelegate::kOnlyColorHeight);
  EXPECT_EQ(list.visualRect(list.model()->index(2, 0)).top(), 2 * TLibraryItemDelegate::kOnlyColorHeight);
  page->LoadLibraryPage(folder + "/named.aco");
  QApplication::processEvents();
  EXPECT_EQ(list.visualRect(list.model()->index(1, 0)).height(), TLibraryItemDelegate::kOnlyColorHeight)
      << "the option holds for the next library too";

  // Only the rounded swatch is left: the item's colour across its middle, nothing written below it.
  QImage image(200, 104, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawLibraryItem(painter, QRect(0, 0, 200, 32), false, false, "Name", TColorObject(0x0000FF, cmRGB), true, Qt::white);
  painter.fillRect(0, 32, 200, 72, Qt::white);
  EXPECT_EQ(image.pixel(100, 16), qRgb(255, 0, 0));
  DrawLibraryItem(painter, QRect(0, 0, 200, 104), false, false, "Name", TColorObject(0x0000FF, cmRGB), false, Qt::white);
  painter.end();
  bool written = false;
  for (int y = 32; y < 104 && !written; ++y)
    for (int x = 0; x < 200 && !written; ++x) written = qGray(image.pixel(x, y)) < 128;
  EXPECT_TRUE(written) << "with the information shown, the name and values are written below the swatch";
}

TEST_F(LibraryViews, NavigationStripesFillTheStripAndFollowTheList) {
  EXPECT_EQ(LibraryNavStripeHeight(312, 300), 2);
  EXPECT_EQ(LibraryNavStripeHeight(312, 4096), 1);
  EXPECT_EQ(LibraryNavStripeHeight(312, 3), 105);
  TColors many;
  for (int i = 0; i < 300; ++i) many.emplace_back(TColorObject(TColor(i * 0x050301), cmRGB), u"c");
  ASSERT_TRUE(WriteAcoFile(folder + "/many.aco", many).Ok());
  auto page = Page({folder});
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  page->NavList()->setFixedHeight(312);
  QApplication::processEvents();
  page->LoadLibraryPage(folder + "/many.aco");
  QListView& nav = *page->NavList();
  EXPECT_EQ(nav.visualRect(nav.model()->index(5, 0)).height(), 2);
  QApplication::processEvents();
  EXPECT_TRUE(nav.verticalScrollBar()->isVisible()) << "the strip scrolls, and shows it";
  EXPECT_GT(nav.verticalScrollBar()->maximum(), 0);
  EXPECT_GE(nav.viewport()->width(), 45) << "the stripes keep their width beside the bar";

  page->LibraryList()->SetCurrentRow(250);
  EXPECT_EQ(nav.currentIndex().row(), 250) << "the strip follows the list";
  EXPECT_TRUE(nav.viewport()->rect().intersects(nav.visualRect(nav.currentIndex())));
  nav.setCurrentIndex(nav.model()->index(12, 0));
  EXPECT_EQ(page->LibraryList()->CurrentRow(), 12) << "and the list the strip";
}

// --- Picking -----------------------------------------------------------------------------------------------------

TEST_F(LibraryViews, ASwatchClickedOrChosenByKeyBecomesTheBaseColour) {
  TLibraryPanel panel(workspace, {folder});
  panel.resize(220, 200);
  panel.Start(QStringLiteral("b.aco"));
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  TColorLibTable& table = *panel.Table();
  const auto centre = [&table](int index) {
    return LibTableCellRect(index, table.TopIndex(), table.Columns(), table.CellSize()).center();
  };
  QTest::mouseClick(&table, Qt::LeftButton, {}, centre(40));
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0u) << "below the last swatch with nothing selected: no change";
  QTest::mouseClick(&table, Qt::LeftButton, {}, centre(1));
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0x00FF00u);
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);
  QTest::mouseMove(&table, centre(2));
  EXPECT_EQ(workspace.ColorUnderCursorText().trimmed(), "R:0 G:0 B:255") << "the readout shows the hovered swatch";
  QTest::keyClick(&table, Qt::Key_Right);
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0x00FF00u) << "a key only moves the selection";
  EXPECT_EQ(workspace.ColorUnderCursorText().trimmed(), "R:0 G:0 B:255") << "and then the selected one";
  QTest::keyClick(&table, Qt::Key_Return);
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0xFF0000u);
}

// Only a left click applies a swatch, and only the one under both press and release; a press beside the swatches
// selects and drags nothing; Enter in the list loads the list's own choice.
TEST_F(LibraryViews, OnlyALeftClickOnOneSwatchAppliesItAndEnterLoadsTheListsChoice) {
  TLibraryPanel panel(workspace, {folder});
  panel.resize(220, 200);
  panel.Start(QStringLiteral("b.aco"));
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  TColorLibTable& table = *panel.Table();
  const auto centre = [&table](int index) {
    return LibTableCellRect(index, table.TopIndex(), table.Columns(), table.CellSize()).center();
  };
  const auto reset = [this] { workspace.AssignBaseColor(TColorObject(0x123456, cmRGB), nullptr); };
  QTest::mouseClick(&table, Qt::LeftButton, {}, centre(0));
  ASSERT_EQ(workspace.BaseColor().GetColor(), 0x0000FFu);
  ASSERT_EQ(table.SelectedCell(), 0);

  for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    reset();
    QTest::mouseClick(&table, button, {}, centre(2));
    EXPECT_EQ(workspace.BaseColor().GetColor(), 0x123456u) << "button " << button;
  }
  reset();
  QTest::mousePress(&table, Qt::LeftButton, {}, centre(1));
  QTest::mouseRelease(&table, Qt::LeftButton, {}, centre(40));
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0x123456u) << "released off the pressed swatch";
  QTest::mousePress(&table, Qt::LeftButton, {}, centre(2));
  QTest::mouseRelease(&table, Qt::LeftButton, {}, centre(2));
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0xFF0000u) << "the swatch under press and release";

  reset();
  const int selected = table.SelectedCell();
  QTest::mousePress(&table, Qt::LeftButton, {}, centre(40));
  EXPECT_EQ(table.DropColor(), clNone) << "a press below the last swatch offers nothing to drag";
  EXPECT_EQ(table.SelectedCell(), selected);
  QTest::mouseRelease(&table, Qt::LeftButton, {}, centre(40));
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0x123456u) << "and applies nothing";

  table.SetColorsText(QString());
  QTest::keyClick(panel.LibraryBox(), Qt::Key_Return);
  EXPECT_EQ(table.Colors(), (QStringList{"FF0000", "00FF00", "0000FF"})) << "Enter loads the list's choice";
}

TEST_F(LibraryViews, ADoubleClickOrEnterInTheListTakesTheItemWithItsModel) {
  auto page = Page({folder});
  page->resize(400, 400);
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  page->LoadLibraryPage(folder + "/c.tnp");
  TColorList& list = *page->LibraryList();
  const QPoint second = list.visualRect(list.model()->index(1, 0)).center();
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(workspace.BaseColor().GetColor(), TColorObject(0x996633, cmLAB).GetColor());
  EXPECT_EQ(workspace.BaseColor().Model(), cmLAB);
  list.SetCurrentRow(0);
  QTest::keyClick(&list, Qt::Key_Return);
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_EQ(page->NavList()->currentIndex().row(), 0);
}

TEST_F(LibraryViews, ARightPressOnAnItemOpensTheToolMenuForItsColour) {
  auto page = Page({folder});
  page->resize(400, 400);
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  page->LoadLibraryPage(folder + "/c.tnp");
  TColorList& list = *page->LibraryList();
  QTest::mousePress(list.viewport(), Qt::RightButton, {}, list.visualRect(list.model()->index(0, 0)).center());
  EXPECT_EQ(popup.ToolColor(), TColorObject(0x336699, cmHSB).GetColor());
  EXPECT_EQ(popup.ToolModel(), cmHSB);
  EXPECT_TRUE(popup.pmnu_Var()->isVisible());
  popup.pmnu_Var()->hide();
}

TEST(LibraryNames, BaseNameIsBetweenTheLastSlashAndTheLastDot) {
  EXPECT_EQ(LibraryBaseName("/a/b/Web Safe.aco"), "Web Safe");
  EXPECT_EQ(LibraryBaseName("/a.b/c"), "");
  EXPECT_EQ(LibraryBaseName("/a/x.y.tnp"), "x.y");
  EXPECT_EQ(LibraryBaseName("plain"), "");
}

}  // namespace
}  // namespace tintorium
