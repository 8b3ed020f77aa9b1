#include "ui/language/LanguageApplier.h"

#include "engine/language/Language.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMultiHash>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeView>

#include <algorithm>
#include <optional>

namespace tintorium {
namespace {

// Item keys take up to kMaxItemIndexDigits digits.
constexpr int kMaxItems = 10000;

void SetCaptionOf(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) {
    action->setText(text);
  } else if (auto* menu = qobject_cast<QMenu*>(object)) {
    menu->setTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    // A tooltip that repeats the caption (an icon-only button) follows it.
    if (button->toolTip() == button->text()) button->setToolTip(text);
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
    group->setTitle(text);
  } else if (qobject_cast<QDockWidget*>(object) || qobject_cast<QToolBar*>(object)) {
    static_cast<QWidget*>(object)->setWindowTitle(text);
  }
}

// Walks the model in pre-order (a node, then its children) to the node `remaining` steps ahead.
QModelIndex NodeAt(const QAbstractItemModel& model, const QModelIndex& parent, int& remaining) {
  const int rows = model.rowCount(parent);
  for (int row = 0; row < rows; ++row) {
    const QModelIndex node = model.index(row, 0, parent);
    if (remaining-- == 0) return node;
    const QModelIndex found = NodeAt(model, node, remaining);
    if (found.isValid()) return found;
    if (remaining < 0) break;
  }
  return {};
}

void SetViewItemText(QAbstractItemView& view, int index, const QString& text) {
  QAbstractItemModel* model = view.model();
  if (!model) return;
  auto* tree = qobject_cast<QTreeView*>(&view);
  const bool nodes = qobject_cast<QListView*>(&view) || (tree && tree->isHeaderHidden());
  if (!nodes) {
    if (index < model->columnCount()) model->setHeaderData(index, Qt::Horizontal, text);
    return;
  }
  int remaining = index;
  const QModelIndex node = tree ? NodeAt(*model, QModelIndex(), remaining) : model->index(index, 0);
  if (node.isValid()) model->setData(node, text, Qt::DisplayRole);
}

void SetItemOf(QObject* object, int index, const QString& text) {
  if (auto* table = qobject_cast<QTableWidget*>(object)) {
    // Its model cannot title a column that has no header item yet.
    if (index < table->columnCount() && !table->horizontalHeaderItem(index)) {
      table->setHorizontalHeaderItem(index, new QTableWidgetItem(text));
      return;
    }
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
    if (index < tabs->count()) tabs->setTabText(index, text);
  } else if (auto* bar = qobject_cast<QTabBar*>(object)) {
    if (index < bar->count()) bar->setTabText(index, text);
  } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
    if (index < combo->count()) combo->setItemText(index, text);
  } else if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
    SetViewItemText(*view, index, text);
  }
}

// The caption SetCaptionOf would set; nothing for kinds without one.
std::optional<QString> CaptionOf(QObject* object) {
  if (auto* action = qobject_cast<QAction*>(object)) return action->text();
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->title();
  if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
  if (qobject_cast<QDockWidget*>(object) || qobject_cast<QToolBar*>(object)) {
    return static_cast<QWidget*>(object)->windowTitle();
  }
  return std::nullopt;
}

QStringList ViewItemTexts(const QAbstractItemView& view) {
  QStringList texts;
  const QAbstractItemModel* model = view.model();
  if (!model) return texts;
  auto* tree = qobject_cast<const QTreeView*>(&view);
  const bool nodes = qobject_cast<const QListView*>(&view) || (tree && tree->isHeaderHidden());
  if (!nodes) {
    for (int i = 0; i < std::min(model->columnCount(), kMaxItems); ++i) {
      texts.append(model->headerData(i, Qt::Horizontal).toString());
    }
    return texts;
  }
  for (int i = 0; i < kMaxItems; ++i) {
    int remaining = i;
    const QModelIndex node = tree ? NodeAt(*model, QModelIndex(), remaining) : model->index(i, 0);
    if (!node.isValid()) break;
    texts.append(node.data(Qt::DisplayRole).toString());
  }
  return texts;
}

QStringList ItemTextsOf(QObject* object) {
  QStringList texts;
  if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
    for (int i = 0; i < std::min(tabs->count(), kMaxItems); ++i) texts.append(tabs->tabText(i));
  } else if (auto* bar = qobject_cast<QTabBar*>(object)) {
    for (int i = 0; i < std::min(bar->count(), kMaxItems); ++i) texts.append(bar->tabText(i));
  } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
    for (int i = 0; i < std::min(combo->count(), kMaxItems); ++i) texts.append(combo->itemText(i));
  } else if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
    texts = ViewItemTexts(*view);
  }
  return texts;
}

class TWidgetLanguageTarget final : public TLanguageTarget {
 public:
  /// `part`: the widget is a piece of a window; it answers to its own name too, and the window's caption is
  /// not its to change.
  explicit TWidgetLanguageTarget(QWidget* window, bool part = false) : window_(part ? nullptr : window) {
    if (part && !window->objectName().isEmpty()) byName_.insert(window->objectName().toCaseFolded(), window);
    const auto children = window->findChildren<QObject*>();
    for (QObject* child : children) {
      if (!child->objectName().isEmpty()) byName_.insert(child->objectName().toCaseFolded(), child);
    }
  }

  bool HasComponent(const QString& name) const override {
    return !name.isEmpty() && byName_.contains(name.toCaseFolded());
  }
  void SetComponentText(const QString& name, const QString& value) override {
    for (QObject* object : byName_.values(name.toCaseFolded())) SetCaptionOf(object, value);
  }
  void SetCaption(const QString& value) override {
    if (window_) window_->setWindowTitle(value);
  }
  void SetItemText(const QString& name, int index, const QString& value) override {
    for (QObject* object : byName_.values(name.toCaseFolded())) SetItemOf(object, index, value);
  }

 private:
  QWidget* window_;
  QMultiHash<QString, QObject*> byName_;
};

}  // namespace

void ApplyLanguageSection(QWidget* window, const TLanguageFile& file, const QString& section) {
  if (!window) return;
  TWidgetLanguageTarget target(window);
  ApplyLanguageEntries(file.Section(section), section, target);
}

QList<TLanguageEntry> CollectLanguageEntries(QWidget* window) {
  QList<TLanguageEntry> entries;
  if (!window) return entries;
  entries.append({QStringLiteral("Caption"), window->windowTitle()});
  QSet<QString> seen;
  const auto children = window->findChildren<QObject*>();
  for (QObject* child : children) {
    const QString name = child->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || seen.contains(name.toCaseFolded())) continue;
    seen.insert(name.toCaseFolded());
    if (const auto caption = CaptionOf(child); caption && !caption->isEmpty()) entries.append({name, *caption});
    const QStringList items = ItemTextsOf(child);
    for (int i = 0; i < items.size(); ++i) {
      if (!items[i].isEmpty()) entries.append({name + QString::number(i), items[i]});
    }
  }
  return entries;
}

bool ApplyLanguage(QWidget* window, const QString& section) {
  const auto file = LoadCurrentLanguage();
  if (!file) return false;
  ApplyLanguageSection(window, *file, section);
  return true;
}

bool ApplyLanguageToPart(QWidget* part, const QString& section) {
  if (!part) return false;
  const auto file = LoadCurrentLanguage();
  if (!file) return false;
  TWidgetLanguageTarget target(part, true);
  ApplyLanguageEntries(file->Section(section), section, target);
  return true;
}

bool ApplyLanguage() { return ApplyGlobalLanguage(); }

void SelectLanguage(QWidget* mainWindow, const QString& fileName) {
  SetCurrentLanguageName(fileName);
  if (fileName.isEmpty()) return;
  ApplyLanguage(mainWindow, QLatin1String(kMainFormSection));
  ApplyLanguage();
  // Texts that depend on the state (a tooltip that says whether the colour is web safe) are built from the
  // messages; every widget hears at once that they changed.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QEvent changed(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &changed);
  }
}

}  // namespace tintorium
