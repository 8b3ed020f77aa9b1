#include "engine/formats/CodeNames.h"

namespace tintorium {

QString CodeSlug(const QString& name) {
  QString slug;
  bool dash = false;
  for (const QChar c : name.toLower()) {
    if (c.isLetterOrNumber()) {
      if (dash && !slug.isEmpty()) slug += u'-';
      dash = false;
      slug += c;
    } else if (!c.isLowSurrogate() && !c.isHighSurrogate()) {
      dash = true;
    }
  }
  return slug;
}

QString DesignTokenName(const QString& name) {
  QString token = name;
  while (token.startsWith(u'$')) token.remove(0, 1);
  for (QChar& c : token) {
    if (c == u'{' || c == u'}' || c == u'.') c = u'-';
  }
  return token;
}

QString UniqueName(const QString& base, QSet<QString>& taken, const QString& separator) {
  QString name = base;
  for (int count = 2; taken.contains(name); ++count) name = base + separator + QString::number(count);
  taken.insert(name);
  return name;
}

QString JsonStringLiteral(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"': out += QStringLiteral("\\\""); break;
      case u'\\': out += QStringLiteral("\\\\"); break;
      case u'\n': out += QStringLiteral("\\n"); break;
      case u'\r': out += QStringLiteral("\\r"); break;
      case u'\t': out += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 0x20) {
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
          out += c;
        }
    }
  }
  return out + u'"';
}

}  // namespace tintorium
