#include "library/LibraryFolder.h"

#include <QDir>

namespace tintorium {

QStringList ListLibraries(const QString& folder) {
  QStringList names;
  const QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return names;
  for (const char* extension : LibraryExtensions) {
    const QString mask = QStringLiteral("*.") + QLatin1String(extension);
    names += dir.entryList({mask}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  }
  return names;
}

}  // namespace tintorium
