#include "app/AppInfo.h"

namespace tintorium {

QString ApplicationVersion() { return QStringLiteral(TINTORIUM_VERSION); }

QString LegalNotice() {
  return QStringLiteral("Copyright \u00A9 2026 The Tintorium developers. Free software, without warranty.");
}

QString HomePageUrl() { return QString(); }

}  // namespace tintorium
