#include "app/Application.h"

#include "ui/actions/ActionIcons.h"
#include "app/AppInfo.h"
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "app/MainWindow.h"
#include "ui/language/MessageSeam.h"
#include "engine/platform/AppPaths.h"
#include "app/Settings.h"
#include "app/ShownProbe.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstring>

namespace tintorium {
namespace {

bool IsScreenshotRun(int argc, char** argv) { return argc >= 3 && std::strcmp(argv[1], "--screenshot") == 0; }

QStringList ArgumentsAfterProgram(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

void SetUpApplication() {
  SetProgramIdentity();
  QApplication::setWindowIcon(ApplicationIcon());
  // The desktop entry's id, so the shell matches the window to the entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral("io.github.tintorium.Tintorium"));
}

void ApplyLanguageSetting(QSettings& store) {
  SetCurrentLanguageName(TSettings(store).Language());
  ApplyLanguage();
}

// "--help" and "--version" answer on the terminal without opening a window.
bool AnswerOnTerminal(int argc, char** argv) {
  if (argc != 2) return false;
  const QByteArray option(argv[1]);
  QTextStream out(stdout);
  if (option == "--version") {
    out << ApplicationTitle() << ' ' << ApplicationVersion() << '\n';
    return true;
  }
  if (option == "--help" || option == "-h") {
    out << "Usage: tintorium [PALETTE.tnp]\n"
           "       tintorium --screenshot OUT.png [PALETTE.tnp]\n\n"
           "Opens the palette file when one is given; with none, the palette of the last session when\n"
           "'Remember last palette between sessions' is on. --screenshot renders the main window as it looks\n"
           "on a first run into OUT.png and exits.\n\n"
           "Options:\n"
           "  --screenshot OUT.png   render the main window into OUT.png and exit\n"
           "  -h, --help             show this help\n"
           "  --version              show the version\n\n"
           "Exit status: 0 done, 1 the screenshot could not be written.\n";
    return true;
  }
  return false;
}

int RunScreenshot(const QString& target, const QStringList& arguments) {
  QTemporaryDir folder;
  QSettings store(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  ApplyLanguageSetting(store);
  TMainWindow window(store, arguments);
  window.ShowAsStored();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  window.UpdateActions();
  QApplication::processEvents();
  const bool saved = window.grab().save(target, "PNG");
  if (!saved) QTextStream(stderr) << "tintorium: could not write " << target << '\n';
  return saved ? 0 : 1;
}

}  // namespace

int RunTintorium(int argc, char** argv) {
  if (AnswerOnTerminal(argc, argv)) return 0;
  const bool screenshot = IsScreenshotRun(argc, argv);
  if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  SetUpApplication();
  QStringList arguments = ArgumentsAfterProgram(argc, argv);
  const bool exitWhenShown = !arguments.isEmpty() && arguments.front() == QLatin1String("--exit-when-shown");
  if (exitWhenShown) arguments.removeFirst();
  if (screenshot) {
    const QString target = arguments.at(1);
    return RunScreenshot(target, arguments.mid(2));
  }

  QSettings store;  // native format, user scope, organisation and application "Tintorium"
  ApplyLanguageSetting(store);
  TMainWindow window(store, arguments);
  window.ShowAsStored();
  if (exitWhenShown) new TShownProbe(window);
  return app.exec();
}

}  // namespace tintorium
