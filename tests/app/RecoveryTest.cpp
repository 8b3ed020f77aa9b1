// The recovery copy: written after changes (coalesced), offered after a killed program, never shared between
// two running programs, removed after a clean end; and a failed open that keeps the palette.
#include "ShellTestSupport.h"

#include "app/RecoveryKeeper.h"
#include "ui/actions/MainActions.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <QUndoStack>

#include <csignal>
#include <sys/types.h>

namespace tintorium::test {
namespace {

// The child run of this test binary: a program that makes a change and is then killed.
constexpr const char* kChildFolder = "TINTORIUM_RECOVERY_CHILD";
// "settings": the child changes a setting only, and leaves palette and base colour alone.
constexpr const char* kChildMode = "TINTORIUM_RECOVERY_CHILD_MODE";
// The setting the child changes (Options > step of Brighten and Darken; the default is 10).
constexpr int kChildAdjust = 37;

class RecoveryTest : public ShellFixture {
 protected:
  QString RecoveryFolder() const { return TRecoveryKeeper::DefaultFolder(); }
  QStringList Copies() const {
    return QDir(RecoveryFolder()).entryList({QStringLiteral("recovery-*.rec")}, QDir::Files);
  }
  /// Starts this binary as a second program on the same data folder; it adds "Unsaved" to its palette, waits
  /// until its copy is written and reports "ready".
  void StartChild(QProcess& child, const QString& mode = QString()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildFolder), folder.path());
    env.insert(QString::fromLatin1(kChildMode), mode);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=RecoveryChild.MakesAChangeAndWaits")});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    while (!out.contains("ready") && child.waitForReadyRead(20000)) out += child.readAllStandardOutput();
    ASSERT_TRUE(out.contains("ready")) << out.constData() << child.readAllStandardError().constData();
  }
  static void Kill(QProcess& child) {
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
  }
  static QStringList Names(const TPaletteDocument& palette) {
    QStringList names;
    for (const TPaletteEntry& entry : palette.Entries()) names << entry.Name;
    return names;
  }
};

TEST(RecoveryChild, MakesAChangeAndWaits) {
  const QByteArray dir = qgetenv(kChildFolder);
  if (dir.isEmpty()) GTEST_SKIP() << "runs only as the child of RecoveryTest";
  qputenv("XDG_DATA_HOME", QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("data")).toLocal8Bit());
  QSettings store(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("child.ini")), QSettings::IniFormat);
  TScriptedDialogs dialogs;
  TMainWindow window(store, {});
  TOptions options = window.Options();
  options.cfAdjust = kChildAdjust;
  options.HTMLSharp = false;
  window.ApplyOptions(options);
  if (qgetenv(kChildMode) != "settings") {
    window.Palette().AddPaletteColor(QStringLiteral("Unsaved"), TColorObject(0x2E57E4, cmRGB));
    window.Workspace().AssignBaseColor(TColorObject(0x123456, cmRGB), nullptr);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(window.Recovery().CopyFile()); }, 10000));
  fputs("ready\n", stdout);
  fflush(stdout);
  for (;;) QTest::qWait(1000);  // until killed
}

TEST_F(RecoveryTest, AKilledProgramsPaletteAndBaseColoursAreOfferedAndRestored) {
  QProcess child;
  ASSERT_NO_FATAL_FAILURE(StartChild(child));
  ASSERT_NO_FATAL_FAILURE(Kill(child));
  ASSERT_EQ(Copies().size(), 1);

  dialogs.answers = {mrYes};
  auto window = Start();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, int(mfYesNoQuestion));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("noname.tnp"))) << dialogs.messages[0].text.toStdString();
  EXPECT_TRUE(dialogs.messages[0].text.contains(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)))
      << "names the copy's time: " << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(dialogs.messages[0].buttons, QStringList({"Restore", "Discard"}));
  EXPECT_EQ(Names(window->Palette()), QStringList({"Unsaved"}));
  // The settings changed in the killed session are back, in the window and in the settings store.
  EXPECT_EQ(window->Options().cfAdjust, kChildAdjust);
  EXPECT_FALSE(window->Options().HTMLSharp);
  EXPECT_EQ(store->value(QStringLiteral("Options/cfAdjust")).toInt(), kChildAdjust);
  EXPECT_TRUE(window->Palette().PaletteModified());
  EXPECT_EQ(window->Workspace().BaseColor().GetColor(), 0x123456u);
  ASSERT_GE(window->Workspace().History().Count(), 2);
  EXPECT_EQ(window->Workspace().History().Entry(0).GetColor(), 0x123456u);
  // The restore is one step: undoing it brings back the empty start.
  window->Palette().UndoStack().undo();
  EXPECT_EQ(window->Palette().Count(), 0);
  window->Palette().UndoStack().redo();

  // The orphan is gone; only this program's own copy is left, and a clean end removes that too.
  EXPECT_EQ(Copies(), QStringList({QFileInfo(window->Recovery().CopyFile()).fileName()}));
  Finish(window);
  EXPECT_TRUE(Copies().isEmpty());
  dialogs.messages.clear();
  window = Start();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(window->Palette().Count(), 0);
}

TEST_F(RecoveryTest, DiscardDropsTheCopyForGood) {
  QProcess child;
  ASSERT_NO_FATAL_FAILURE(StartChild(child));
  ASSERT_NO_FATAL_FAILURE(Kill(child));
  dialogs.answers = {mrNo};
  auto window = Start();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].buttons, QStringList({"Restore", "Discard"}));
  EXPECT_EQ(window->Palette().Count(), 0);
  EXPECT_EQ(window->Options().cfAdjust, TOptions().cfAdjust) << "discarded settings stay discarded";
  EXPECT_FALSE(window->Palette().PaletteModified());
  EXPECT_TRUE(Copies().isEmpty());
  Finish(window);
  window = Start();
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(RecoveryTest, SettingsChangedAloneAreKeptAndRestored) {
  QProcess child;
  ASSERT_NO_FATAL_FAILURE(StartChild(child, QStringLiteral("settings")));
  ASSERT_NO_FATAL_FAILURE(Kill(child));
  ASSERT_EQ(Copies().size(), 1);
  dialogs.answers = {mrYes};
  auto window = Start();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(window->Palette().Count(), 0);
  EXPECT_EQ(window->Options().cfAdjust, kChildAdjust);
  EXPECT_FALSE(window->Options().HTMLSharp);
  Finish(window);
  window = Start();
  EXPECT_EQ(window->Options().cfAdjust, kChildAdjust) << "kept after the clean end";
}

TEST_F(RecoveryTest, AnUntouchedSessionLeavesNoCopy) {
  auto window = Start();
  window->UpdateActions();
  ASSERT_TRUE(window->Recovery().WriteNow());
  EXPECT_FALSE(QFileInfo::exists(window->Recovery().CopyFile()));
  TOptions options = window->Options();
  options.cfAdjust = 55;
  window->ApplyOptions(options);
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(window->Recovery().CopyFile()); }, 5000))
      << "a changed setting is written a moment later";
  const int writes = window->Recovery().WriteCount();
  QTest::qWait(TRecoveryKeeper::DelayMs * 3);
  EXPECT_EQ(window->Recovery().WriteCount(), writes) << "an idle program writes nothing more";
}

TEST_F(RecoveryTest, ARunningProgramsCopyIsNeitherOfferedNorTouched) {
  QProcess child;
  ASSERT_NO_FATAL_FAILURE(StartChild(child));
  const QStringList before = Copies();
  ASSERT_EQ(before.size(), 1);
  {
    auto window = Start();
    EXPECT_TRUE(dialogs.messages.empty());
    window->Palette().AddPaletteColor(QStringLiteral("Mine"), TColorObject(0x00FF00, cmRGB));
    ASSERT_TRUE(window->Recovery().WriteNow());
    EXPECT_EQ(Copies().size(), 2);  // one each, side by side
    Finish(window);
  }
  EXPECT_EQ(Copies(), before);  // the other program's copy outlives this one's clean end
  ASSERT_NO_FATAL_FAILURE(Kill(child));
  dialogs.answers = {mrYes};
  auto window = Start();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(Names(window->Palette()), QStringList({"Unsaved"}));
}

TEST_F(RecoveryTest, QuickEditsAreCoalescedIntoOneWrite) {
  auto window = Start();
  TRecoveryKeeper& keeper = window->Recovery();
  for (int i = 0; i < 1000; ++i) {
    window->Palette().AddPaletteColor(QStringLiteral("C%1").arg(i), TColorObject(TColor(i), cmRGB));
    if (i % 100 == 0) QCoreApplication::processEvents();
  }
  EXPECT_EQ(keeper.WriteCount(), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return keeper.WriteCount() > 0; }, 5000));
  QTest::qWait(TRecoveryKeeper::DelayMs * 2);
  EXPECT_EQ(keeper.WriteCount(), 1);
  TRecoverySnapshot read;
  QFile copy(keeper.CopyFile());
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  ASSERT_TRUE(TRecoveryKeeper::Decode(copy.readAll(), read));
  EXPECT_EQ(read.Entries.size(), 1000u);
}

TEST_F(RecoveryTest, ASaveRemovesTheCopy) {
  auto window = Start();
  window->Palette().AddPaletteColor(QStringLiteral("Red"), TColorObject(0x0000FF, cmRGB));
  ASSERT_TRUE(window->Recovery().WriteNow());
  ASSERT_TRUE(QFileInfo::exists(window->Recovery().CopyFile()));
  ASSERT_TRUE(window->Palette().SavePalette(File(QStringLiteral("saved.tnp"))).Ok());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(window->Recovery().CopyFile()); }, 5000));
}

TEST(RecoveryCopy, DecodeRefusesAnythingButAWholeCopy) {
  TRecoverySnapshot snapshot;
  snapshot.Entries = {{QStringLiteral("Rot"), TColorObject(0x0000FF, cmRGB)}};
  snapshot.PaletteFileName = QStringLiteral("/tmp/ä b.tnp");
  snapshot.PaletteModified = true;
  snapshot.History = {0x123456, 0xABCDEF};
  snapshot.BaseColor = 0x123456;
  snapshot.Time = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
  const QByteArray bytes = TRecoveryKeeper::Encode(snapshot);
  TRecoverySnapshot read;
  ASSERT_TRUE(TRecoveryKeeper::Decode(bytes, read));
  EXPECT_EQ(read.PaletteFileName, snapshot.PaletteFileName);
  EXPECT_EQ(read.History, snapshot.History);
  EXPECT_EQ(read.BaseColor, snapshot.BaseColor);
  EXPECT_EQ(read.Time, snapshot.Time);
  ASSERT_EQ(read.Entries.size(), 1u);
  EXPECT_EQ(read.Entries[0].Name, QStringLiteral("Rot"));
  EXPECT_TRUE(read.Settings.isEmpty());

  snapshot.Settings = {{QStringLiteral("Options/cfAdjust"), 37}, {QStringLiteral("Options/Theme"), QStringLiteral("Ä")},
                       {QStringLiteral("Options/Toolbars/State"), QByteArray("\x00\x01", 2)}};
  TRecoverySnapshot withSettings;
  ASSERT_TRUE(TRecoveryKeeper::Decode(TRecoveryKeeper::Encode(snapshot), withSettings));
  EXPECT_EQ(withSettings.Settings, snapshot.Settings);
  for (const QByteArray& bad : {QByteArray(), bytes.left(10), bytes.left(bytes.indexOf("palette\n")),
                                QByteArray(bytes).replace("history 123456", "history zz"),
                                QByteArray(100, '\x7f'),
                                QByteArray(bytes).replace("palette\n", "settings AAAAB3q=\npalette\n")}) {
    TRecoverySnapshot none;
    EXPECT_FALSE(TRecoveryKeeper::Decode(bad, none)) << bad.toHex().left(40).constData();
  }
}

// --- A failed open keeps the palette -----------------------------------------------------------------------------

TEST_F(RecoveryTest, AFailedOpenLeavesThePaletteAsItWas) {
  const QString good = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}}));
  QFile damaged(File(QStringLiteral("damaged.aco")));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray("\x00\x01\x00\x09", 4));  // nine colours claimed, none there
  damaged.close();
  auto window = Start({good});
  window->Palette().AddPaletteColor(QStringLiteral("Added"), TColorObject(0x00FF00, cmRGB));
  EXPECT_FALSE(window->Palette().OpenPalette(damaged.fileName()).Ok());
  EXPECT_EQ(Names(window->Palette()), QStringList({"Red", "Added"}));
  EXPECT_EQ(window->Palette().PaletteFileName(), good);
  EXPECT_TRUE(window->Palette().PaletteModified());
  EXPECT_EQ(window->Palette().UndoStack().count(), 1);
}

TEST_F(RecoveryTest, RandomBytesSavedAsAPaletteAreRefusedThroughFileOpen) {
  const QString good = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}}));
  QByteArray noise(100, '\0');
  for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 73 + 0xF1) & 0xFF);  // count negative
  QFile random(File(QStringLiteral("random.tnp")));
  ASSERT_TRUE(random.open(QIODevice::WriteOnly));
  random.write(noise);
  random.close();
  auto window = Start({good});
  dialogs.openPaths = {random.fileName()};
  window->Actions().actFileOpen->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, int(mfError));
  EXPECT_EQ(Names(window->Palette()), QStringList({"Red"}));
  EXPECT_EQ(window->Palette().PaletteFileName(), good);

  // An empty but well-formed palette still opens.
  const QString empty = WritePalette(QStringLiteral("empty.tnp"), {});
  dialogs.openPaths = {empty};
  window->Actions().actFileOpen->trigger();
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(window->Palette().Count(), 0);
  EXPECT_EQ(window->Palette().PaletteFileName(), empty);
}

}  // namespace
}  // namespace tintorium::test
