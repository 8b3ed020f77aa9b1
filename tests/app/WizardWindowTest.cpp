// File > Import... and File > Export... through the real main window: the palette takes the import as one
// step, and the export's result opens through the desktop's handler.
#include "ui/actions/MainActions.h"
#include "engine/formats/SwatchColors.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/WizardTypeList.h"
#include "ShellTestSupport.h"

#include <QAction>
#include <QDir>
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

}  // namespace
}  // namespace tintorium
