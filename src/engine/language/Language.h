#pragma once
// The current language: which file it is, where language files live, and the Global section.
//
// The language name comes from the `Language` setting (a file name such as "english.lng"); an empty name,
// or one that names no file, means the built-in English texts. Names are plain file names: anything with
// a folder in it names no file, so a setting cannot point outside the language folder.

#include "engine/language/LanguageFile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tintorium {

/// The folder of the *.lng files: "Language" in DataFolder() (AppPaths.h): beside the executable, or the
/// installed copy in ../share/tintorium/.
QString LanguageFolder();
/// Uses `folder` instead of the search (tests, portable copies); empty restores the search.
void SetLanguageFolder(const QString& folder);

QString CurrentLanguageName();
void SetCurrentLanguageName(const QString& name);
/// Full path of the current language file; empty when the name is empty, not a plain name or missing.
QString CurrentLanguagePath();
/// The current language file, read now; nothing when there is none or it cannot be read.
std::optional<TLanguageFile> LoadCurrentLanguage();

/// The *.lng files of the language folder (files only), as the Language menu lists them: by name.
QStringList AvailableLanguages();

/// The name a language file gives itself in its Global section ("LanguageName=Deutsch"); the file name without
/// ".lng" when it gives none or cannot be read.
QString LanguageDisplayName(const QString& fileName);

/// Applies the current language's Global section to the message texts and takes Qt's own translations and the
/// number format (LanguageLocale.h) of the Qt locale it names (QtTranslations.h); false when there is no file.
bool ApplyGlobalLanguage();

}  // namespace tintorium
