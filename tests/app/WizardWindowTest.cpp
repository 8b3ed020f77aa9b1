// File > Import... and File > Export... through the real main window: the palette takes the import as one
// step, and the export's result opens through the desktop's handler.
#include "ui/actions/MainActions.h"
#include "engine/formats/SwatchColors.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"
#include "ui/wizards/WizardTypeList.h"
#include "ShellTestSupport.h"

#include <QAction>
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

}  // namespace
}  // namespace tintorium
