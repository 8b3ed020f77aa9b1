#include "engine/formats/WizardTypeItem.h"

#include <QFileInfo>

namespace tintorium {
namespace {

// The text of `item` between `from` (its first occurrence; the start when empty) and the first `to`.
QString Between(const QString& item, QChar from, QChar to) {
  qsizetype start = 0;
  if (!from.isNull()) {
    start = item.indexOf(from);
    if (start < 0) return {};
    ++start;
  }
  const qsizetype end = to.isNull() ? -1 : item.indexOf(to, start);
  return end < 0 ? item.mid(start) : item.mid(start, end - start);
}

QString Patterns(const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  return bar < 0 ? QString() : filter.mid(bar + 1);
}

}  // namespace

TWizardTypeItem ParseWizardTypeItem(const QString& item) {
  TWizardTypeItem parsed;
  const qsizetype equals = item.indexOf(u'=');
  const qsizetype plus = item.indexOf(u'+');
  const qsizetype tilde = item.indexOf(u'~');
  parsed.Name = equals < 0 ? item : item.left(equals);
  if (equals >= 0) parsed.Label = Between(item, u'=', plus >= 0 ? u'+' : QChar());
  if (plus >= 0) parsed.Description = Between(item, u'+', tilde >= 0 ? u'~' : QChar());
  if (tilde >= 0) parsed.Filter = item.mid(tilde + 1);
  return parsed;
}

QString ChooserFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  const QString description = bar < 0 ? filter : filter.left(bar);
  QString patterns = Patterns(filter);
  patterns.replace(u';', u' ');
  const qsizetype open = description.indexOf(u'(');
  const QString name = (open < 0 ? description : description.left(open)).trimmed();
  return patterns.isEmpty() ? description : QStringLiteral("%1 (%2)").arg(name, patterns);
}

QStringList FilterExtensions(const QString& filter) {
  QStringList extensions;
  for (QString pattern : Patterns(filter).split(u';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern.startsWith(u'*')) pattern.remove(0, 1);
    if (pattern.startsWith(u'.')) pattern.remove(0, 1);
    if (!pattern.isEmpty() && !pattern.contains(u'*')) extensions.append(pattern.toLower());
  }
  return extensions;
}

QString ExportFileName(const QString& chosen, const TWizardTypeItem& item, const QStringList& extensions) {
  // Compared as name endings, so a two-part extension such as "tokens.json" is kept whole.
  for (const QString& extension : extensions + FilterExtensions(item.Filter)) {
    if (chosen.size() > extension.size() + 1 && chosen.endsWith(u'.' + extension, Qt::CaseInsensitive))
      return chosen.left(chosen.size() - extension.size()) + extension;
  }
  // The filter is the item's last part, so its last "*" is the item's.
  const qsizetype star = item.Filter.lastIndexOf(u'*');
  return star < 0 ? chosen : chosen + item.Filter.mid(star + 1);
}

}  // namespace tintorium
