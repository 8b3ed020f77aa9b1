// The export wizard through its widgets: type, path and options, the check list, the outcome and opening the
// result.
#include "ui/wizards/ExportWizard.h"

#include "engine/formats/WizardTypeItem.h"

#include "core/CssColor.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "support/ScriptedDialogs.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/ExportOptionsPanel.h"
#include "ui/wizards/Wizards.h"
#include "WizardTestSupport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace tintorium {
namespace {

using test::Click;

TPaletteEntries ThreeColours() {
  TPaletteEntries entries;
  const std::tuple<const char*, int, int, int> colours[] = {
      {"Accent", 255, 128, 0}, {"Sea & Sky", 0, 128, 255}, {"Ink", 10, 20, 30}};
  for (const auto& [name, r, g, b] : colours) {
    TColorObject color;
    color.SetRGB({r, g, b});
    entries.push_back({QString::fromUtf8(name), color});
  }
  entries[2].Color.ConvertTo(cmHSB);
  return entries;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportWizardTest : public ::testing::Test {
 protected:
  // Start page, type `type`, Next; then `path` typed and Next: the wizard stands on the check list.
  void ToChoosePage(TExportForm& wizard, int type, const QString& path) {
    test::ShowWizard(wizard);
    test::ChooseType(wizard, type);
    Click(wizard, wizard.NextAction());
    test::Type(wizard.PathEdit(), path);
    Click(wizard, wizard.NextAction());
    ASSERT_EQ(wizard.CurrentPage(), 2);
  }
  QTemporaryDir dir_;
  test::TScriptedDialogs dialogs_;
  QList<QUrl> opened_;
  std::function<void(const QUrl&)> opener_ = [this](const QUrl& url) { opened_.append(url); };
};

TEST_F(ExportWizardTest, TheTypeListIsTheEngineTableAndOptionsFollowTheType) {
  TExportForm wizard(ThreeColours(), opener_, std::vector<TTemplateFile>{});
  test::ShowWizard(wizard);
  ASSERT_EQ(wizard.TypeList()->count(), int(ExportTypes().size()));
  for (int row = 0; row < wizard.TypeList()->count(); ++row) {
    EXPECT_EQ(wizard.TypeList()->item(row)->text(), QString::fromUtf8(ExportTypes()[std::size_t(row)].Item));
    test::ChooseType(wizard, row);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.OptionsGroup()->isVisible(), ExportTypes()[std::size_t(row)].Options != TExportOptionsKind::None)
        << row;
    EXPECT_TRUE(wizard.PathEdit()->text().isEmpty());
    Click(wizard, wizard.BackAction());
  }
}

TEST_F(ExportWizardTest, BrowseKeepsTheTypesExtensionsAndAddsOneOtherwise) {
  TExportForm wizard(ThreeColours(), opener_);
  test::ShowWizard(wizard);
  test::ChooseType(wizard, 3);  // HTML
  Click(wizard, wizard.NextAction());
  dialogs_.savePaths = {dir_.filePath("colors.htm"), dir_.filePath("colors")};
  QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);
  EXPECT_EQ(wizard.PathEdit()->text(), dir_.filePath("colors.htm"));
  EXPECT_EQ(dialogs_.saveFilters.value(0), "Web-page (*.html *htm *.php)");
  QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);
  EXPECT_EQ(wizard.PathEdit()->text(), dir_.filePath("colors.php"));
  EXPECT_EQ(dialogs_.saveStarts.value(1), dir_.filePath("colors.htm"));
  QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);  // cancelled: the path stays
  EXPECT_EQ(wizard.PathEdit()->text(), dir_.filePath("colors.php"));
}

TEST_F(ExportWizardTest, AnImageWithItsOptionsThenOpenedWithTheDesktopsProgram) {
  const QString target = dir_.filePath("swatches.png");
  dialogs_.onExec = [&](QDialog& dialog) {
    auto& wizard = dynamic_cast<TExportForm&>(dialog);
    test::ShowWizard(wizard);
    test::ChooseType(wizard, 4);
    Click(wizard, wizard.NextAction());
    // Next with no path: asked for one, the page stays.
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 1);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages.at(0).text, "Choose output filename, please");
    EXPECT_EQ(dialogs_.messages.at(0).flags, mfInformation);
    auto* panel = dynamic_cast<TSwatchImageOptionsPanel*>(wizard.OptionsPanel(TExportOptionsKind::SwatchImage));
    EXPECT_FALSE(panel->DrawTextBox()->isChecked());
    EXPECT_EQ(panel->PerLineBox()->value(), 8);
    EXPECT_EQ(panel->WidthBox()->value(), 32);
    panel->PerLineBox()->setFocus();
    panel->PerLineBox()->selectAll();
    QTest::keyClicks(panel->PerLineBox(), "1");
    QTest::keyClick(panel->HeightBox(), Qt::Key_Down);
    EXPECT_EQ(panel->HeightBox()->value(), 31);
    test::Type(wizard.PathEdit(), target);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 2);
    EXPECT_EQ(wizard.AvailableLabel()->text(), "3 colors available");
    TCheckColorList* list = wizard.ColorList();
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Sea & Sky");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "R:255 G:128 B:0");
    EXPECT_TRUE(list->topLevelItem(2)->text(2).startsWith("H:"));
    EXPECT_EQ(list->Swatch(1), QColor(0, 128, 255));
    // The swatch column shows each row's colour.
    const QImage shown = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    const QRect swatch = TCheckColorList::SwatchRect(QRect(0, row.top(), list->viewport()->width(), row.height()),
                                                     list->columnWidth(0), list->columnWidth(1));
    EXPECT_EQ(shown.pixelColor(swatch.center() * shown.devicePixelRatio()), QColor(0, 128, 255));
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));
    QTest::keyClick(list, Qt::Key_Space);
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.CurrentPage(), 3);
    EXPECT_EQ(wizard.NextAction()->text(), "Finish");
    EXPECT_EQ(wizard.FinalLabel()->text(), Message(txtExportYes));
    EXPECT_TRUE(wizard.OpenResultBox()->isEnabled());
    EXPECT_TRUE(wizard.OpenResultBox()->isChecked());
    Click(wizard, wizard.NextAction());
    return wizard.result();
  };
  TPaletteDocument palette;
  for (const TPaletteEntry& entry : ThreeColours()) palette.AddPaletteColor(entry.Name, entry.Color);
  RunExportWizard(nullptr, palette, opener_);
  // Two colours, one per line, 32 x 31: two rows of one cell and the empty last row.
  const QImage written(target);
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.size(), QSize(34, 3 * 33));
  EXPECT_EQ(written.pixelColor(16, 16), QColor(255, 128, 0));
  const TRGBValues ink = ThreeColours()[2].Color.GetRGB();  // through HSB: what the entry holds
  EXPECT_EQ(written.pixelColor(16, 33 + 16), QColor(ink.R, ink.G, ink.B));
  EXPECT_EQ(opened_, (QList<QUrl>{QUrl::fromLocalFile(target)}));
}

TEST_F(ExportWizardTest, TheWriterFollowsThePathWhateverTypeWasChosen) {
  TExportForm wizard(ThreeColours(), opener_);
  const QString target = dir_.filePath("colours.txt");
  ToChoosePage(wizard, 0, target);
  Click(wizard, wizard.UnselectAllAction());
  Click(wizard, wizard.NextAction());
  EXPECT_EQ(wizard.FinalLabel()->text(), Message(txtExportYes));
  EXPECT_TRUE(ReadAll(target).startsWith("ROWS 12\r\n"));
  EXPECT_FALSE(ReadAll(target).contains("R: "));
}

// The types for code: custom properties in a .css file (not class rules), in the notation chosen on the
// options page; the design tokens keep their two-part extension when the name is typed without it.
TEST_F(ExportWizardTest, CodeTypesWriteTheirFormInTheChosenNotation) {
  const int cssVariables = 8, tokens = 10;
  ASSERT_EQ(ExportTypes()[cssVariables].Writer, TExportWriter::CssVariables);
  ASSERT_EQ(ExportTypes()[tokens].Writer, TExportWriter::DesignTokens);
  TExportForm wizard(ThreeColours(), opener_);
  test::ShowWizard(wizard);
  test::ChooseType(wizard, cssVariables);
  Click(wizard, wizard.NextAction());
  ASSERT_TRUE(wizard.OptionsGroup()->isVisible());
  auto* notation = wizard.findChild<QComboBox*>("cboNotation");
  ASSERT_NE(notation, nullptr);
  ASSERT_TRUE(notation->isVisible());
  notation->setFocus();
  QTest::keyClick(notation, Qt::Key_Down);
  QTest::keyClick(notation, Qt::Key_Down);
  ASSERT_EQ(notation->currentText(), "oklch()");
  const QString target = dir_.filePath("theme.css");
  test::Type(wizard.PathEdit(), target);
  Click(wizard, wizard.NextAction());
  Click(wizard, wizard.NextAction());
  EXPECT_EQ(wizard.FinalLabel()->text(), Message(txtExportYes));
  const QByteArray css = ReadAll(target);
  EXPECT_TRUE(css.startsWith(":root {")) << css.toStdString();
  EXPECT_TRUE(css.contains("--accent: " + QByteArray::fromStdString(FormatCssColor(0x0080FF, TCssForm::Oklch)) + ";"))
      << css.toStdString();
  EXPECT_TRUE(css.contains("--sea-sky: ")) << css.toStdString();

  dialogs_.savePaths = {dir_.filePath("tokens")};
  Click(wizard, wizard.BackAction());
  Click(wizard, wizard.BackAction());
  Click(wizard, wizard.BackAction());
  test::ChooseType(wizard, tokens);
  Click(wizard, wizard.NextAction());
  QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);
  EXPECT_EQ(wizard.PathEdit()->text(), dir_.filePath("tokens.tokens.json"));
}

// A failed write is a failure: its reason is shown and there is nothing to open.
TEST_F(ExportWizardTest, FailuresAreShownAndLeaveNothingToOpen) {
  const QString unwritable = dir_.filePath("no-such-folder/colors.css");
  const QString unknown = dir_.filePath("colors.doc");
  for (const QString& target : {unwritable, unknown}) {
    opened_.clear();
    TExportForm wizard(ThreeColours(), opener_);
    ToChoosePage(wizard, 2, target);
    Click(wizard, wizard.NextAction());
    ASSERT_EQ(wizard.CurrentPage(), 3);
    const QString expected =
        target == unknown
            ? Message(txtExportNo)
            : FormatMessage(txtExportFailed,
                            {QStringLiteral("Could not save %1: the folder cannot be written to, or the disk is full.")
                                 .arg(QDir::toNativeSeparators(target))});
    EXPECT_EQ(wizard.FinalLabel()->text(), expected);
    EXPECT_NE(wizard.FinalLabel()->text(), Message(txtExportYes));
    EXPECT_FALSE(wizard.OpenResultBox()->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(target));
    Click(wizard, wizard.NextAction());
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_TRUE(opened_.isEmpty());
  }
  EXPECT_TRUE(dialogs_.messages.empty());
}

// Back from the outcome and on again writes again: a folder made meanwhile turns the failure into success.
TEST_F(ExportWizardTest, GoingBackAndOnAgainExportsAgain) {
  const QString target = dir_.filePath("later/colors.css");
  TExportForm wizard(ThreeColours(), opener_);
  ToChoosePage(wizard, 2, target);
  Click(wizard, wizard.NextAction());
  EXPECT_FALSE(wizard.OpenResultBox()->isEnabled());
  ASSERT_TRUE(QDir(dir_.path()).mkdir("later"));
  Click(wizard, wizard.BackAction());
  Click(wizard, wizard.NextAction());
  EXPECT_TRUE(wizard.OpenResultBox()->isEnabled());
  EXPECT_TRUE(ReadAll(target).contains(".Accent {\r\n  Color: #FF8000;\r\n}\r\n"));
}

// Export templates come after the fixed types; choosing one writes through it whatever the extension.
TEST_F(ExportWizardTest, TemplatesAreTypesAfterTheTableAndWriteThroughTheTemplate) {
  const QString templatePath = dir_.filePath("table.tpl");
  QFile file(templatePath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("kind: markdown; extension: md; title: My table\n{{#colors}}| {{name}} | #{{hex}} |\n{{/colors}}");
  file.close();
  const std::vector<TTemplateFile> templates = ListTemplates({dir_.path()});
  ASSERT_EQ(templates.size(), 1u);
  const QString target = dir_.filePath("colors");
  TExportForm wizard(ThreeColours(), opener_, templates);
  test::ShowWizard(wizard);
  const int row = int(ExportTypes().size());
  ASSERT_EQ(wizard.TypeList()->count(), row + 1);
  test::ChooseType(wizard, row);
  EXPECT_EQ(ParseWizardTypeItem(wizard.TypeList()->CurrentItem()).Name, QStringLiteral("My table"));
  Click(wizard, wizard.NextAction());
  EXPECT_FALSE(wizard.OptionsGroup()->isVisible());
  dialogs_.savePaths = {target};
  QTest::mouseClick(wizard.BrowseButton(), Qt::LeftButton);
  EXPECT_EQ(wizard.PathEdit()->text(), target + QStringLiteral(".md"));
  EXPECT_EQ(dialogs_.saveFilters.value(0), QStringLiteral("My table (*.md)"));
  EXPECT_EQ(wizard.Options().TemplateFile, templatePath);
  Click(wizard, wizard.NextAction());
  Click(wizard, wizard.NextAction());
  EXPECT_EQ(wizard.LastResult().Outcome, TExportOutcome::Written) << wizard.LastResult().Status.Message().toStdString();
  EXPECT_EQ(wizard.FinalLabel()->text(), Message(txtExportYes));
  // Markdown escapes the ampersand; Ink went through HSB, so only its row's start is fixed.
  const QByteArray written = ReadAll(target + QStringLiteral(".md"));
  EXPECT_TRUE(written.startsWith("| Accent | #ff8000 |\n| Sea &amp; Sky | #0080ff |\n| Ink | #")) << written.toStdString();
  EXPECT_EQ(written.count('\n'), 3);
}

}  // namespace
}  // namespace tintorium
