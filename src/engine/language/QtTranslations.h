#pragma once
// Qt's own texts (the buttons of questions, the file choosers) in the language of the current language file.
//
// A language file names the Qt locale it matches in its Global section, "QtLocale=de"; Qt's translations for it
// come from Qt's translations folder (Debian: qt6-translations-l10n).

#include <QString>

namespace tintorium {

/// The Global section's key that names the Qt locale.
inline constexpr char kQtLocaleKey[] = "QtLocale";
/// The Global key naming the language in itself, as the Language menu shows it.
inline constexpr char kLanguageNameKey[] = "LanguageName";

/// Replaces the Qt translations in use by those for `locale` ("de", "pt_BR"); an empty locale, or one Qt has
/// no translations for, leaves Qt's built-in English. Returns whether translations were loaded.
bool UseQtTranslations(const QString& locale);

}  // namespace tintorium
