// A file that cannot be read is named in the message with what is wrong with it, in the user's language, on every
// path a user reaches it by: File > Open, the import wizard, the Swatches panel's libraries, a picture on the
// Colors from Image page. No message asks to send the file anywhere.
#include "ShellTestSupport.h"

#include "engine/formats/ColorListFiles.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/OfficeColorTable.h"
#include "engine/formats/ScribusSwatches.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"
#include "engine/language/Language.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/actions/MainActions.h"
#include "ui/language/FileFailure.h"
#include "ui/language/LanguageApplier.h"
#include "ui/library/LibraryPanel.h"
#include "ui/tools/ColorsFromImagePage.h"
#include "ui/wizards/ImportWizard.h"
#include "ui/wizards/WizardTypeList.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tintorium::test {
namespace {

const QString kLanguageFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language"));

class FileErrorsWindowTest : public ShellFixture {
 protected:
  void TearDown() override {
    SetLanguageFolder(QString());
    SetCurrentLanguageName(QString());
    ResetMessages();
    ShellFixture::TearDown();
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(File(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  /// The one error message shown so far; fails the test when there is not exactly one.
  QString OnlyError() {
    EXPECT_EQ(dialogs.messages.size(), 1u);
    if (dialogs.messages.empty()) return {};
    EXPECT_EQ(dialogs.messages.back().flags, int(mfError));
    return dialogs.messages.back().text;
  }
  static void ExpectNamesFileAndReason(const QString& message, const QString& path, const QString& reason) {
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_TRUE(message.contains(reason)) << message.toStdString() << "\nwithout: " << reason.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("send"), Qt::CaseInsensitive)) << message.toStdString();
  }
};

// A swatch file of a version no program writes yet: once asked to be sent to us, now named with its version.
const QByteArray kAcoVersion3("\x00\x03\x00\x01\x00\x00\xFF\xFF\x00\x00\x00\x00\x00\x00", 14);

TEST_F(FileErrorsWindowTest, FileOpenNamesTheFileAndWhatIsWrongInEnglishAndGerman) {
  const QString aco = Write(QStringLiteral("future.aco"), kAcoVersion3);
  const QString missing = File(QStringLiteral("gone.tnp"));
  const QString noise = Write(QStringLiteral("noise.tnp"), QByteArray(100, '\xF1'));
  auto window = Start({"-", "-"});

  const struct {
    QString path;
    QString english;
    QString german;
  } kCases[] = {
      {aco, QStringLiteral("the swatch file is of version 3, which cannot be read"),
       QStringLiteral("Die Farbfelddatei hat die Version 3")},
      {missing, QStringLiteral("the file does not exist."), QStringLiteral("Die Datei existiert nicht.")},
      {noise, QStringLiteral("not in a format this command reads, or the file is damaged"),
       QStringLiteral("oder die Datei ist beschädigt")},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.path.toStdString());
    dialogs.messages.clear();
    dialogs.openPaths = {c.path};
    window->Actions().actFileOpen->trigger();
    const QString message = OnlyError();
    ExpectNamesFileAndReason(message, c.path, c.english);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Could not read "))) << message.toStdString();
  }

  SetLanguageFolder(kLanguageFolder);
  SelectLanguage(window.get(), QStringLiteral("deutsch.lng"));
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.path.toStdString());
    dialogs.messages.clear();
    dialogs.openPaths = {c.path};
    window->Actions().actFileOpen->trigger();
    const QString message = OnlyError();
    ExpectNamesFileAndReason(message, c.path, c.german);
    EXPECT_TRUE(message.contains(QStringLiteral("konnte nicht gelesen werden"))) << message.toStdString();
  }
  EXPECT_EQ(window->Palette().Count(), 0);
}

TEST_F(FileErrorsWindowTest, TheImportWizardNamesTheFileAndTheLine) {
  const QString gpl = Write(QStringLiteral("broken.gpl"), "GIMP Palette\nName: X\n255 128\n");
  auto window = Start({"-", "-"});
  dialogs.onExec = [&](QDialog& dialog) {
    auto* wizard = dynamic_cast<TImportForm*>(&dialog);
    EXPECT_NE(wizard, nullptr);
    if (!wizard) return int(QDialog::Rejected);
    wizard->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard));
    wizard->TypeList()->setCurrentRow(5);  // GIMP Palette
    QTest::mouseClick(wizard->ButtonOf(wizard->NextAction()), Qt::LeftButton);
    wizard->PathEdit()->setText(gpl);
    QTest::mouseClick(wizard->ButtonOf(wizard->NextAction()), Qt::LeftButton);  // reads: fails
    return int(QDialog::Rejected);
  };
  window->Actions().actImportColors->trigger();
  ExpectNamesFileAndReason(OnlyError(), gpl, QStringLiteral("line 3 of the GIMP palette is not a colour"));
  EXPECT_FALSE(window->Palette().PaletteModified());
}

TEST_F(FileErrorsWindowTest, TheSwatchesPanelNamesADamagedLibrary) {
  QDir().mkpath(File(QStringLiteral("libs")));
  const QString aco = Write(QStringLiteral("libs/Future.aco"), kAcoVersion3);
  auto window = Start({"-", "-"});
  TLibraryPanel panel(window->Workspace(), {File(QStringLiteral("libs"))});
  panel.Start(QStringLiteral("Future.aco"));
  ExpectNamesFileAndReason(OnlyError(), aco, QStringLiteral("version 3"));
}

TEST_F(FileErrorsWindowTest, APictureThatCannotBeReadIsNamed) {
  const QString notAPicture = Write(QStringLiteral("photo.png"), "this is text");
  auto window = Start({"-", "-"});
  window->SelectTool(5);
  auto* page = dynamic_cast<TColorsFromImagePage*>(window->ToolPage(5));
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(page->LoadPicture(notAPicture));
  const QString message = dialogs.messages.empty() ? QString() : dialogs.messages.back().text;
  ExpectNamesFileAndReason(message, notAPicture, QStringLiteral("not in a format this command reads"));
}

// Every reader's reason has its message: the English text with its figures, and another text in German.
TEST(FileFailureReasons, EveryReadersTextIsTranslatedWithItsFigures) {
  const struct {
    QString engine;
    QString english;
  } kCases[] = {
      {QString::fromLatin1(kUnsupportedAcoText).arg(4), Message(sErrAcoVersion)},
      {QString::fromLatin1(kTruncatedText), Message(sErrTruncated)},
      {QString::fromLatin1(kTooManyAcoText).arg(70000), Message(sErrTooManyAco)},
      {QString::fromLatin1(kGplHeaderText), Message(sErrGplHeader)},
      {QString::fromLatin1(kGplRowText).arg(12), Message(sErrGplRow)},
      {QString::fromLatin1(kSocRootText), Message(sErrSocRoot)},
      {QString::fromLatin1(kSocColorText).arg(12), Message(sErrSocColor)},
      {QString::fromLatin1(kXmlBrokenText).arg(12).arg(QStringLiteral("tag mismatch")), Message(sErrXmlBroken)},
      {QString::fromLatin1(kAseSignatureText), Message(sErrAseSignature)},
      {QString::fromLatin1(kAseVersionText).arg(QStringLiteral("2.0")), Message(sErrAseVersion)},
      {QString::fromLatin1(kAseBlockText).arg(12), Message(sErrAseBlock)},
      {QString::fromLatin1(kAseModelText).arg(12).arg(QStringLiteral("XYZ ")), Message(sErrAseModel)},
      {QString::fromLatin1(kAseNumberText).arg(12), Message(sErrAseNumber)},
      {QString::fromLatin1(kColorListLineText).arg(12).arg(6), Message(sErrColorListLine)},
      {QString::fromLatin1(kScribusRootText), Message(sErrScribusRoot)},
      {QString::fromLatin1(kScribusColorText).arg(12), Message(sErrScribusColor)},
  };
  const QString file = QStringLiteral("/nowhere/x.aco");
  std::vector<QString> english;
  for (const auto& c : kCases) {
    const QString reason = FailureReason(file, TFileResult::Failure(c.engine));
    EXPECT_EQ(reason.compare(c.engine, Qt::CaseInsensitive), 0) << reason.toStdString();  // same words, own case
    for (const QString& figure : {QStringLiteral("12"), QStringLiteral("tag mismatch"), QStringLiteral("XYZ ")}) {
      if (c.engine.contains(figure)) {
        EXPECT_TRUE(reason.contains(figure)) << reason.toStdString();
      }
    }
    english.push_back(reason);
  }
  SetLanguageFolder(kLanguageFolder);
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ASSERT_TRUE(ApplyGlobalLanguage());
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    const QString german = FailureReason(file, TFileResult::Failure(kCases[i].engine));
    EXPECT_NE(german, english[i]) << german.toStdString();
    EXPECT_TRUE(german.endsWith(u'.')) << german.toStdString();
  }
  SetLanguageFolder(QString());
  SetCurrentLanguageName(QString());
  ResetMessages();
}

}  // namespace
}  // namespace tintorium::test
