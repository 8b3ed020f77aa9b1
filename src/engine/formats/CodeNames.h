#pragma once
// The names and literals that code exports (CSS, SCSS, Design Tokens, tonal scales) share.

#include <QSet>
#include <QString>

namespace tintorium {

/// A name as lower-case letters and digits joined by single dashes ("Sea & Sky" -> "sea-sky"); empty when the
/// name has no letter or digit. The caller decides how a name that starts with a digit is prefixed.
QString CodeSlug(const QString& name);
/// A Design Tokens member name: no leading "$", and "{", "}" and "." (reserved by the format) as "-".
QString DesignTokenName(const QString& name);
/// `base` made unique among `taken` by `separator` and a count from 2; the result is added to `taken`.
QString UniqueName(const QString& base, QSet<QString>& taken, const QString& separator);
/// `text` as a quoted JSON string.
QString JsonStringLiteral(const QString& text);

}  // namespace tintorium
