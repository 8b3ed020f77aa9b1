#include "engine/library/LibraryFolder.h"

#include "engine/formats/FormatRegistry.h"
#include "engine/platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tintorium {

QStringList LibraryExtensions() {
  QStringList extensions;
  for (const TFileFormat* format : LibraryFormats()) extensions += format->ExtensionList();
  return extensions;
}

bool IsLibraryFileName(const QString& path) {
  const std::vector<const TFileFormat*> formats = LibraryFormats();
  return std::any_of(formats.begin(), formats.end(),
                     [&path](const TFileFormat* format) { return PathHasFormatExtension(path, *format); });
}

QStringList ListLibraries(const QString& folder) {
  QStringList names;
  const QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return names;
  // One read of the folder, grouped by extension in plain string compares: a wildcard filter per extension
  // reads the folder again and compiles a pattern each time, and this runs at every start.
  const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  for (const QString& extension : LibraryExtensions()) {
    const QString suffix = QLatin1Char('.') + extension;
    // A shared extension (.xml) lists only the files its palette format takes by their content.
    for (const QString& name : files)
      if (name.endsWith(suffix, Qt::CaseInsensitive) && !names.contains(name) &&
          PaletteFormatForPath(dir.filePath(name)) != nullptr)
        names += name;
  }
  return names;
}

QStringList LibraryFolders() { return {PalettesFolder(), UserPalettesFolder()}; }

QStringList ListLibraries(const QStringList& folders) {
  QStringList names;
  for (const QString& folder : folders)
    for (const QString& name : ListLibraries(folder))
      if (!names.contains(name, Qt::CaseInsensitive)) names += name;
  return names;
}

QString LibraryPath(const QStringList& folders, const QString& name) {
  if (name.contains(QLatin1Char('/')) || folders.isEmpty()) return name;
  for (const QString& folder : folders) {
    const QDir dir(folder);
    if (dir.exists(name)) return dir.filePath(name);
    for (const QString& listed : ListLibraries(folder))
      if (listed.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(listed);
  }
  return QDir(folders.first()).filePath(name);
}

}  // namespace tintorium
