#pragma once
// The number format of the language in use: the figures the program shows (a contrast ratio "4,50" in German)
// take its decimal sign. Files, exports, the clipboard and the command-line tool keep "." and never ask here.

#include <QLocale>
#include <QString>

namespace tintorium {

/// The locale of the language in use, without group separators: that of the Qt locale its file names in the
/// Global section ("QtLocale=de"), English for the built-in texts or a name Qt does not know.
QLocale LanguageLocale();
/// Takes the locale named `qtLocale` ("de", "pt_BR"); empty or unknown gives English.
void SetLanguageLocale(const QString& qtLocale);

/// The language's decimal sign: "." in English, "," in German.
QString LanguageDecimalPoint();
/// `value` with `decimals` decimals (0-15; others are limited to it) in the language's format, no group separators:
/// "4,50" in German, "4.50" in English. A value that rounds to zero is shown without a minus sign.
QString LocaleNumber(double value, int decimals);

}  // namespace tintorium
