#include "HeadlessApp.h"

#include "engine/platform/AppPaths.h"

#include <QGuiApplication>

#include <cstdio>

namespace tintorium::cli {
namespace {

int argumentCount = 3;
char program[] = "tintorium-cli";
char platformOption[] = "-platform";
char platform[] = "offscreen";
char* arguments[] = {program, platformOption, platform, nullptr};

// Qt's own notices (a missing runtime folder, font fallbacks) are no business of a script reading our output.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "tintorium-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

THeadlessApp::THeadlessApp() {
  if (QCoreApplication::instance() != nullptr) return;
  qInstallMessageHandler(QuietMessages);
  app_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
  SetProgramIdentity();
}

THeadlessApp::~THeadlessApp() = default;

}  // namespace tintorium::cli
