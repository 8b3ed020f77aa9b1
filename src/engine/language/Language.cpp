#include "engine/language/Language.h"

#include "engine/platform/AppPaths.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/language/QtTranslations.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace tintorium {
namespace {

QString& FolderOverride() {
  static QString folder;
  return folder;
}

QString& CurrentName() {
  static QString name;
  return name;
}

// The last file read, with what identified it on disk.
struct TReadLanguage {
  QString path;
  qint64 size = -1;
  QDateTime modified;
  TLanguageFile file;
};

std::optional<TReadLanguage>& LastRead() {
  static std::optional<TReadLanguage> last;
  return last;
}

bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
         !name.contains(QChar(0));
}

}  // namespace

QString LanguageFolder() {
  if (!FolderOverride().isEmpty()) return FolderOverride();
  return DataFolder() + QStringLiteral("Language");
}

void SetLanguageFolder(const QString& folder) { FolderOverride() = folder; }

QString CurrentLanguageName() { return CurrentName(); }

void SetCurrentLanguageName(const QString& name) { CurrentName() = name; }

QString CurrentLanguagePath() {
  const QString name = CurrentName();
  if (!IsPlainFileName(name)) return {};
  const QString path = QDir(LanguageFolder()).filePath(name);
  return QFileInfo(path).isFile() ? path : QString();
}

// The start reads the current file for the messages, the main window and each panel plugged in later; one
// read serves them all while the file stays as it was.
std::optional<TLanguageFile> LoadCurrentLanguage() {
  const QString path = CurrentLanguagePath();
  if (path.isEmpty()) return std::nullopt;
  const QFileInfo info(path);
  std::optional<TReadLanguage>& last = LastRead();
  if (last && last->path == path && last->size == info.size() && last->modified == info.lastModified())
    return last->file;
  std::optional<TLanguageFile> file = TLanguageFile::Load(path);
  if (file)
    last = TReadLanguage{path, info.size(), info.lastModified(), *file};
  else
    last.reset();
  return file;
}

QStringList AvailableLanguages() {
  const QDir dir(LanguageFolder());
  return dir.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable,
                       QDir::Name | QDir::IgnoreCase);
}

QString LanguageDisplayName(const QString& fileName) {
  const QDir dir(LanguageFolder());
  const std::optional<QString> name =
      TLanguageFile::PeekValue(dir.filePath(fileName), QLatin1String(kGlobalSection), QLatin1String(kLanguageNameKey));
  if (name && !name->trimmed().isEmpty()) return name->trimmed();
  return QFileInfo(fileName).completeBaseName();
}

bool ApplyGlobalLanguage() {
  const auto file = LoadCurrentLanguage();
  if (!file) return false;
  const QList<TLanguageEntry> global = file->Section(QLatin1String(kGlobalSection));
  ApplyMessageEntries(global);
  QString qtLocale;
  for (const TLanguageEntry& entry : global) {
    if (entry.key == QLatin1String(kQtLocaleKey)) qtLocale = entry.value.trimmed();
  }
  UseQtTranslations(qtLocale);
  SetLanguageLocale(qtLocale);
  return true;
}

}  // namespace tintorium
