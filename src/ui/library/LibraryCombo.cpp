#include "ui/library/LibraryCombo.h"

#include "engine/library/LibraryFolder.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tintorium {

void ListLibraries(const QStringList& folders, QComboBox& combo) {
  const QSignalBlocker blocker(&combo);
  combo.clear();
  combo.addItems(ListLibraries(folders));
}

int RememberedLibraryIndex(const QStringList& items, const QString& remembered) {
  if (items.isEmpty()) return -1;
  for (int i = 0; i < items.size(); ++i)
    if (items[i].compare(remembered, Qt::CaseInsensitive) == 0) return i;
  return 0;
}

bool SelectRememberedLibrary(QComboBox& combo, const QString& remembered) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  const int index = RememberedLibraryIndex(items, remembered);
  if (index < 0) return false;
  const QSignalBlocker blocker(&combo);
  combo.setCurrentIndex(index);
  return true;
}

QString SelectedLibrary(const QComboBox& combo) {
  const int index = combo.currentIndex();
  return index >= 0 ? combo.itemText(index) : QString();
}

QString LibraryBaseName(const QString& path) {
  const qsizetype slash = path.lastIndexOf(u'/');
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot < 0 || dot < slash) return {};
  return path.mid(slash + 1, dot - slash - 1);
}

}  // namespace tintorium
