// The floor for the start-up benchmark: an empty main window with a menu bar, a tool bar, a dock and a status bar.
// With --exit-when-shown it prints "shown" on its first expose and waits for its standard input to close, so
// the driver can read its peak memory at that moment.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class TShownProbe final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      std::puts("shown");
      std::fflush(stdout);
      while (std::fgetc(stdin) != EOF) {
      }
      std::_Exit(0);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
  QAction* quit = file->addAction(QStringLiteral("Exit"));
  window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));
  QToolBar* tools = window.addToolBar(QStringLiteral("Main"));
  tools->addAction(quit);
  auto* dock = new QDockWidget(QStringLiteral("Panel"), &window);
  dock->setWidget(new QLabel(QStringLiteral("Panel"), dock));
  window.addDockWidget(Qt::LeftDockWidgetArea, dock);
  window.setCentralWidget(new QLabel(QStringLiteral("Centre"), &window));
  window.statusBar()->showMessage(QStringLiteral("Ready"));
  window.resize(820, 475);
  QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);
  TShownProbe probe;
  const bool exitWhenShown = argc > 1 && std::strcmp(argv[1], "--exit-when-shown") == 0;
  window.show();
  if (exitWhenShown) window.windowHandle()->installEventFilter(&probe);
  return app.exec();
}
