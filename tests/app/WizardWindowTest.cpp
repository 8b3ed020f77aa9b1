// File > Import... and File > Export... through the real main window: the palette takes the import as one
// step, and the export's result opens through the desktop's handler.
#include "ui/actions/MainActions.h"
#include "app/Settings.h"
#include "engine/formats/ScaleExportWriters.h"
#include "engine/formats/SwatchColors.h"
#include "engine/formats/TemplateLibrary.h"
#include "engine/platform/AppPaths.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"
#include "ui/tools/ScalesPage.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/CodeNotationOptionsPanel.h"
#include "ui/wizards/WizardTypeList.h"
#include "ShellTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QStackedWidget>
#include <QUndoStack>
#include <utility>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tintorium {
namespace {

class WizardWindowTest : public test::ShellFixture {};

void Next(TWizardDialog& wizard) { QTest::mouseClick(wizard.ButtonOf(wizard.NextAction()), Qt::LeftButton); }

void ToChoosePage(TWizardDialog& wizard, int type, const QString& path, QLineEdit* edit) {
  wizard.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
  wizard.TypeList()->setCurrentRow(type);
  Next(wizard);
  edit->setText(path);
  Next(wizard);
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The row of the wizard's type list that writes `writer`.
int TypeRow(TExportWriter writer) {
  const std::span<const TExportType> types = ExportTypes();
  for (std::size_t i = 0; i < types.size(); ++i)
    if (types[i].Writer == writer) return int(i);
  ADD_FAILURE() << "no type writes " << int(writer);
  return 0;
}

// One of the scale types exported through File > Export... to `target` in `notation`.
void ExportScales(TMainWindow& window, test::TScriptedDialogs& dialogs, TExportWriter writer, int notation,
                  const QString& target) {
  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TExportForm*>(&dialog);
    EXPECT_NE(wizard, nullptr);
    if (!wizard) return int(QDialog::Rejected);
    ToChoosePage(*wizard, TypeRow(writer), target, wizard->PathEdit());
    auto* panel = dynamic_cast<TCodeNotationOptionsPanel*>(wizard->OptionsPanel(TExportOptionsKind::CodeNotation));
    EXPECT_NE(panel, nullptr);
    if (panel) panel->NotationBox()->setCurrentIndex(notation);
    Next(*wizard);  // writes
    Next(*wizard);  // Finish
    return wizard->result();
  };
  window.Actions().actExportColors->trigger();
}

TScaleExportForm FormOf(TExportWriter writer) {
  switch (writer) {
    case TExportWriter::ScaleScss: return TScaleExportForm::Scss;
    case TExportWriter::ScaleTokens: return TScaleExportForm::DesignTokens;
    case TExportWriter::ScaleTheme: return TScaleExportForm::Theme;
    default: return TScaleExportForm::CssVariables;
  }
}

TPaletteEntries ScaleColours() {
  TPaletteEntries entries;
  entries.push_back({QStringLiteral("Orange"), TColorObject(0x0080FF, cmRGB)});
  entries.push_back({QStringLiteral("Deep sea"), TColorObject(0x804000, cmRGB)});
  entries.push_back({QString(), TColorObject(0x40A040, cmRGB)});
  return entries;
}

// The same colours with the default 50-950 lightness scale: what the wizard wrote before it followed the page.
QByteArray DefaultScaleExport(TExportWriter writer, int notation) {
  TColors colors;
  for (const TPaletteEntry& entry : ScaleColours()) colors.emplace_back(entry.Color, entry.Name.toStdU16String());
  const std::vector<TNamedScale> scales = ScalesOfColors(colors, TScaleOptions{});
  return ScaleExportText(scales, FormOf(writer), static_cast<TCodeNotation>(notation));
}

struct TScaleExportCase {
  const char* name;
  TScalesPageSettings settings;
  int hueShift;  // turned on the page's own control after the settings are applied
  TExportWriter writer;
};

TEST_F(WizardWindowTest, ImportThenExportAGimpPaletteThroughTheFileMenu) {
  const QString source = File("in.gpl");
  {
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\nName: In\n255 128 0 Orange\n0 64 128 Deep sea\n");
  }
  auto window = Start({"-", "-"});
  window->UpdateActions();
  TMainActions& a = window->Actions();
  ASSERT_TRUE(a.actImportColors->isEnabled());
  ASSERT_TRUE(a.actExportColors->isEnabled());

  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TImportForm*>(&dialog);
    EXPECT_NE(wizard, nullptr);
    if (!wizard) return int(QDialog::Rejected);
    ToChoosePage(*wizard, 5, source, wizard->PathEdit());  // GIMP Palette
    Next(*wizard);
    return wizard->result();
  };
  a.actImportColors->trigger();
  ASSERT_EQ(window->Palette().Count(), 2);
  EXPECT_EQ(window->Palette().Entry(1).Name, "Deep sea");
  window->UpdateActions();
  EXPECT_TRUE(window->CaptionText().endsWith("*]"));

  const QString target = File("out.gpl");
  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TExportForm*>(&dialog);
    EXPECT_NE(wizard, nullptr);
    if (!wizard) return int(QDialog::Rejected);
    ToChoosePage(*wizard, 6, target, wizard->PathEdit());  // GIMP Palette
    Next(*wizard);  // writes
    Next(*wizard);  // Finish, "Open result file" on
    return wizard->result();
  };
  a.actExportColors->trigger();
  const TReadResult<TColors> back = ReadSwatchColors(target);
  ASSERT_TRUE(back.Ok());
  ASSERT_EQ(back.Value.size(), 2u);
  EXPECT_EQ(back.Value[0].Name(), u"Orange");
  EXPECT_EQ(back.Value[1].HexText(), "004080");
  EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(target)}));
}

// An import that adds no colour (nothing checked, or a file without colours) is no change: no step to undo, no mark.
TEST_F(WizardWindowTest, AnImportThatAddsNothingLeavesThePaletteUnmodified) {
  const QString some = File("some.gpl");
  const QString none = File("none.gpl");
  for (const auto& [path, bytes] : {std::pair{some, QByteArray("GIMP Palette\n255 128 0 Orange\n")},
                                    std::pair{none, QByteArray("GIMP Palette\nName: Empty\n")}}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  auto window = Start({"-", "-"});
  for (const QString& source : {some, none}) {
    SCOPED_TRACE(source.toStdString());
    dialogs.onExec = [&](QDialog& dialog) {
      auto* wizard = dynamic_cast<TImportForm*>(&dialog);
      EXPECT_NE(wizard, nullptr);
      if (!wizard) return int(QDialog::Rejected);
      ToChoosePage(*wizard, 5, source, wizard->PathEdit());  // GIMP Palette
      wizard->ColorList()->SetAllChecked(false);
      Next(*wizard);  // Finish
      return wizard->result();
    };
    window->Actions().actImportColors->trigger();
    EXPECT_EQ(window->Palette().Count(), 0);
    EXPECT_FALSE(window->Palette().PaletteModified());
    EXPECT_EQ(window->Palette().UndoStack().count(), 0);
    window->UpdateActions();
    EXPECT_FALSE(window->CaptionText().endsWith("*]"));
  }
}

// The export asks before it replaces a file; No keeps the file and the wizard on its page, Yes writes.
TEST_F(WizardWindowTest, ExportAsksBeforeReplacingAFile) {
  const QString target = File("taken.gpl");
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
  }
  auto window = Start({"-", "-"});
  window->Palette().AddPaletteColor(QStringLiteral("Orange"), TColorObject(0x0080FF, cmRGB));
  const auto content = [&] {
    QFile file(target);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TExportForm*>(&dialog);
    EXPECT_NE(wizard, nullptr);
    if (!wizard) return int(QDialog::Rejected);
    ToChoosePage(*wizard, 6, target, wizard->PathEdit());  // GIMP Palette
    dialogs.answers = {mrNo};
    Next(*wizard);  // asks; No
    EXPECT_EQ(content(), QByteArray("keep me"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    dialogs.answers = {mrYes};
    Next(*wizard);  // asks again; Yes writes
    Next(*wizard);  // Finish
    return wizard->result();
  };
  window->Actions().actExportColors->trigger();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const auto& message : dialogs.messages) {
    EXPECT_EQ(message.flags, int(mfYesNoQuestion));
    EXPECT_TRUE(message.text.contains(QDir::toNativeSeparators(target))) << message.text.toStdString();
  }
  EXPECT_TRUE(content().startsWith("GIMP Palette")) << content().constData();

  // A new file is written without a question.
  dialogs.messages.clear();
  QFile::remove(target);
  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TExportForm*>(&dialog);
    if (!wizard) return int(QDialog::Rejected);
    ToChoosePage(*wizard, 6, target, wizard->PathEdit());
    Next(*wizard);
    Next(*wizard);
    return wizard->result();
  };
  window->Actions().actExportColors->trigger();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(content().startsWith("GIMP Palette"));
}

// The scale types of the wizard export the scale as the Scales page is set now (steps, mode, measure, background,
// targets, hue shift), the same text as the page's own "Copy as" with "Every palette color".
TEST_F(WizardWindowTest, ScaleTypesExportTheScaleAsTheScalesPageIsSet) {
  const auto settings = [](int steps, const char* custom, int mode, int measure, const char* targets, int background,
                           int notation) {
    TScalesPageSettings s;
    s.Steps = steps;
    s.CustomSteps = QString::fromLatin1(custom);
    s.Mode = mode;
    s.Measure = measure;
    s.Targets = QString::fromLatin1(targets);
    s.Background = background;
    s.Notation = notation;
    return s;
  };
  const TScaleExportCase cases[] = {
      {"tones by lightness, turned", settings(1, "", 0, 0, "", 0xFFFFFF, 2), 25, TExportWriter::ScaleCss},
      {"own steps by WCAG ratio", settings(2, "100, 500, 900", 1, 0, "1.5, 4.5, 12", 0xFFFFFF, 0), 0,
       TExportWriter::ScaleTokens},
      {"APCA Lc on white", settings(0, "", 1, 1, "", 0xFFFFFF, 1), -40, TExportWriter::ScaleTheme},
      {"own lightness targets", settings(2, "light, mid, dark", 0, 0, "0.9, 0.6, 0.3", 0xFFFFFF, 0), 0,
       TExportWriter::ScaleScss},
  };
  auto window = Start({"-", "-"});
  window->Palette().AppendPaletteColors(ScaleColours());
  auto* page = dynamic_cast<TScalesPage*>(window->ToolPage(6));
  ASSERT_NE(page, nullptr);
  window->SelectTool(6);
  auto* everyColour = page->findChild<QCheckBox*>(QStringLiteral("chkScalePalette"));
  auto* hueShift = page->findChild<QSpinBox*>(QStringLiteral("seScaleHueShift"));
  ASSERT_TRUE(everyColour && hueShift);
  everyColour->setChecked(true);
  for (const TScaleExportCase& c : cases) {
    SCOPED_TRACE(c.name);
    page->RestoreSettings(c.settings);
    hueShift->setValue(c.hueShift);
    const QString target =
        File(QStringLiteral("scale-%1.%2").arg(int(c.writer)).arg(ExportTypes()[std::size_t(TypeRow(c.writer))].Extensions[0]));
    ExportScales(*window, dialogs, c.writer, c.settings.Notation, target);
    const QByteArray written = ReadAll(target);
    EXPECT_FALSE(written.isEmpty());
    EXPECT_EQ(written, page->ExportText(FormOf(c.writer)));
    EXPECT_NE(written, DefaultScaleExport(c.writer, c.settings.Notation));
    EXPECT_TRUE(written.toLower().contains("orange")) << written.constData();
  }
}

// A page never opened: the wizard exports by the stored settings, the scale the page shows once it is opened.
TEST_F(WizardWindowTest, ScaleTypesFollowTheStoredSettingsOfAPageNeverOpened) {
  TColorToolsSettings stored;
  stored.ScaleSteps = 2;
  stored.ScaleCustomSteps = QStringLiteral("100, 300, 500, 700, 900");
  stored.ScaleMode = 1;
  stored.ScaleTargets = QStringLiteral("1.2, 2, 4.5, 8, 14");
  stored.ScaleHueShift = 30;
  stored.ScaleNotation = 1;
  TSettings(*store).WriteColorTools(stored);
  store->sync();
  auto window = Start({"-", "-"});
  window->Palette().AppendPaletteColors(ScaleColours());
  ASSERT_EQ(dynamic_cast<TToolPage*>(window->ToolPages()->widget(6)), nullptr) << "the page is not made yet";
  const QString target = File(QStringLiteral("stored.css"));
  ExportScales(*window, dialogs, TExportWriter::ScaleCss, 1, target);
  EXPECT_EQ(dynamic_cast<TToolPage*>(window->ToolPages()->widget(6)), nullptr) << "exporting makes no page";
  const QByteArray written = ReadAll(target);
  EXPECT_NE(written, DefaultScaleExport(TExportWriter::ScaleCss, 1));

  auto* page = dynamic_cast<TScalesPage*>(window->ToolPage(6));
  ASSERT_NE(page, nullptr);
  window->SelectTool(6);
  page->findChild<QCheckBox*>(QStringLiteral("chkScalePalette"))->setChecked(true);
  EXPECT_EQ(written, page->ExportText(TScaleExportForm::CssVariables));
  EXPECT_TRUE(written.contains("--orange-300:")) << written.constData();
}

// {{palette}} of a template is the palette's own name (its file's, as the command line's palette convert names
// it), whatever the output file is called; a palette never saved has none, and the output's name stands in.
TEST_F(WizardWindowTest, TemplatesNameThePaletteAfterItsFileNotAfterTheOutput) {
  ASSERT_TRUE(QDir().mkpath(UserTemplatesFolder()));
  {
    QFile file(UserTemplatesFolder() + QStringLiteral("name-only.tpl"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kind: text\n[{{palette}}] {{count}}\n");
  }
  const std::vector<TTemplateFile> templates = AvailableTemplates();
  int row = -1;
  for (std::size_t i = 0; i < templates.size(); ++i)
    if (templates[i].Path.endsWith(QStringLiteral("name-only.tpl"))) row = int(ExportTypes().size() + i);
  ASSERT_GE(row, 0);
  const auto exportTo = [&](TMainWindow& window, const QString& target) {
    dialogs.onExec = [&](QDialog& dialog) {
      auto* wizard = dynamic_cast<TExportForm*>(&dialog);
      EXPECT_NE(wizard, nullptr);
      if (!wizard) return int(QDialog::Rejected);
      ToChoosePage(*wizard, row, target, wizard->PathEdit());
      Next(*wizard);  // writes
      Next(*wizard);  // Finish
      return wizard->result();
    };
    window.Actions().actExportColors->trigger();
    return ReadAll(target);
  };

  const QString source = File(QStringLiteral("Brand v2.gpl"));
  {
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Palette\nName: Something else\n255 128 0 Orange\n0 64 128 Deep sea\n");
  }
  auto window = Start({"-", "-"});
  ASSERT_TRUE(window->Palette().OpenPalette(source).Ok());
  EXPECT_EQ(exportTo(*window, File(QStringLiteral("out.colours.txt"))), QByteArray("[Brand v2] 2\n"));
  // Saved under another name, the palette takes that name.
  ASSERT_TRUE(window->Palette().SavePalette(File(QStringLiteral("Renamed.tnp"))).Ok());
  EXPECT_EQ(exportTo(*window, File(QStringLiteral("again.txt"))), QByteArray("[Renamed] 2\n"));

  window->Palette().NewPalette();
  window->Palette().AddPaletteColor(QStringLiteral("Orange"), TColorObject(0x0080FF, cmRGB));
  EXPECT_EQ(exportTo(*window, File(QStringLiteral("unnamed.txt"))), QByteArray("[unnamed] 1\n"));
}

}  // namespace
}  // namespace tintorium
