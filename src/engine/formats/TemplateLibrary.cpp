#include "engine/formats/TemplateLibrary.h"

#include "engine/platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tintorium {

std::vector<TTemplateFile> ListTemplates(const QStringList& folders) {
  std::vector<TTemplateFile> files;
  const QString suffix = QString::fromLatin1(kTemplateSuffix);
  for (const QString& folder : folders) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) continue;
    const QStringList names =
        dir.entryList({QStringLiteral("*") + suffix}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
      const std::optional<TExportTemplate> loaded = TExportTemplate::Load(dir.filePath(name), nullptr);
      if (!loaded) continue;
      TTemplateFile file{dir.filePath(name), loaded->Title(), loaded->Extension(), loaded->Kind()};
      if (file.Title.isEmpty()) file.Title = name.chopped(suffix.size());
      const auto same = std::find_if(files.begin(), files.end(), [&name](const TTemplateFile& f) {
        return QFileInfo(f.Path).fileName() == name;
      });
      if (same != files.end()) {
        *same = std::move(file);
      } else {
        files.push_back(std::move(file));
      }
    }
  }
  return files;
}

std::vector<TTemplateFile> AvailableTemplates() { return ListTemplates({TemplatesFolder(), UserTemplatesFolder()}); }

QString TemplateWizardItem(const TTemplateFile& file) {
  // The item's separators cannot appear inside its parts.
  QString title = file.Title;
  for (QChar& c : title)
    if (c == u'=' || c == u'+' || c == u'~' || c == u'|') c = u' ';
  title = title.simplified();
  const QString pattern = QStringLiteral("*.") + file.Extension;
  return QStringLiteral("%1=%2+Export colors through the template %3~%1 (%4)|%4")
      .arg(title, file.Extension.toUpper(), QFileInfo(file.Path).fileName(), pattern);
}

}  // namespace tintorium
