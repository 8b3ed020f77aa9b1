#include "app/ShellOpen.h"

#include "app/AppInfo.h"

#include <QDesktopServices>

namespace tintorium {
namespace {

std::function<void(const QUrl&)>& Opener() {
  static std::function<void(const QUrl&)> opener;
  return opener;
}

}  // namespace

void OpenWithShell(const QUrl& target) {
  if (Opener())
    Opener()(target);
  else
    QDesktopServices::openUrl(target);
}

void SetShellOpener(std::function<void(const QUrl&)> opener) { Opener() = std::move(opener); }

QUrl GalleryUrl() {
  if (HomePageUrl().isEmpty()) return {};
  return QUrl(HomePageUrl()).resolved(QUrl(QStringLiteral("gallery.php")));
}

QUrl SupportMailUrl() {
  if (HomePageUrl().isEmpty()) return {};
  return QUrl(QStringLiteral("mailto:support@") + QUrl(HomePageUrl()).host());
}

}  // namespace tintorium
