#include "engine/language/Language.h"

#include "engine/platform/AppPaths.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/language/QtTranslations.h"

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

std::optional<TLanguageFile> LoadCurrentLanguage() {
  const QString path = CurrentLanguagePath();
  if (path.isEmpty()) return std::nullopt;
  return TLanguageFile::Load(path);
}

QStringList AvailableLanguages() {
  const QDir dir(LanguageFolder());
  return dir.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable,
                       QDir::Name | QDir::IgnoreCase);
}

QString LanguageDisplayName(const QString& fileName) {
  const QDir dir(LanguageFolder());
  if (const auto file = TLanguageFile::Load(dir.filePath(fileName))) {
    for (const TLanguageEntry& entry : file->Section(QLatin1String(kGlobalSection))) {
      if (entry.key == QLatin1String(kLanguageNameKey) && !entry.value.trimmed().isEmpty()) return entry.value.trimmed();
    }
  }
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
