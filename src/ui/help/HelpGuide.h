#pragma once
// The user guide as the help viewer reads it: which file to show for the current language, and its sections.

#include <QList>
#include <QString>

class QWidget;

namespace tintorium {

/// One chapter of the guide: an <h2> with an id.
struct THelpSection {
  QString id;       // the anchor, "wheel"
  QString heading;  // the heading as plain text, "The Color Wheel page"
  bool operator==(const THelpSection&) const = default;
};

/// The guide's chapters in document order, from its <h2 id="..."> headings; nothing for text without them.
QList<THelpSection> GuideSections(const QString& html);

/// The language code the current language file names (the language part of its Global "QtLocale", "de" for
/// "de" or "de_AT"); empty for the built-in English or a file that names none.
QString GuideLanguage();
/// The guide to show now: the current language's translation when it exists, else the English guide.
QString CurrentGuideFile();

/// The guide's section for the tool page at `index` (0 Color Wheel ... 5 Colors from Image); empty outside.
QString ToolPageSection(int index);
/// The section that explains `widget`: that of the nearest window, dock or tool page it lies in (its own
/// object name or a parent's); empty when none has one.
QString HelpSectionFor(const QWidget* widget);

}  // namespace tintorium
