#pragma once
// Puts a language file's texts on a window. Every window calls, once it has built its widgets and before it
// reads its settings:
//
//   ApplyLanguage(this, QStringLiteral("OptionsForm"));      // its own section, from the current language
//
// and the program calls ApplyLanguage() once at start-up for the message texts (see Messages.h).
//
// Keys are object names, matched without regard to letter case, among everything the window owns
// (findChildren, so actions, menus and widgets of embedded pages count). What a key changes, by kind:
//   QAction text (menus and tool buttons bound to it follow); QMenu title; QLabel, QAbstractButton (push,
//   tool, check, radio buttons), QGroupBox title, QDockWidget and QToolBar window title.
//   "Caption": the window title.   "VarAddAll" (MainForm only): the six variation "Add to palette" buttons.
//   name + index N (its trailing digits): item N of that component: QTabBar / QTabWidget tab, QComboBox item, QListWidget (or any
//   QListView) row, column title of a list view (a QTreeView/QTreeWidget with a visible header, a
//   QTableView/QTableWidget), or tree node N in pre-order of a QTreeView/QTreeWidget whose header is hidden.
//
// The Language menu (built by the main window):
//   "Default (reload needed)", a separator, then one item per AvailableLanguages() (Language.h), captioned
//   with the file name. A file item calls SelectLanguage(mainWindow, fileName); the default item calls
//   SelectLanguage(mainWindow, QString()). Afterwards the caller writes CurrentLanguageName() to `Language`.

#include "engine/language/LanguageFile.h"

#include <QString>

class QWidget;

namespace tintorium {

/// The current language's section `section` applied to `window`; false (and nothing changes) when the
/// current language names no readable file.
bool ApplyLanguage(QWidget* window, const QString& section);
/// The current language's section `section` applied to `part` and its children, a piece plugged into a window
/// after the window's texts were applied (a tool page, a panel). The section's "Caption" is left alone. False
/// (nothing changes) when the current language names no readable file.
bool ApplyLanguageToPart(QWidget* part, const QString& section);
/// The current language's Global section applied to the message texts.
bool ApplyLanguage();
/// `file`'s section `section` applied to `window`.
void ApplyLanguageSection(QWidget* window, const TLanguageFile& file, const QString& section);

/// The entries that would give `window` the texts it shows now, in the order of its components: "Caption",
/// then each named component's caption and its items (by the rules above). Language files are
/// written from these, and tests check them against the files.
QList<TLanguageEntry> CollectLanguageEntries(QWidget* window);

/// Makes `fileName` the current language and applies it to the main window (MainForm) and the messages, then
/// sends every window QEvent::LanguageChange so texts built from messages are made again.
/// An empty name selects the built-in texts, which take effect at the next start.
void SelectLanguage(QWidget* mainWindow, const QString& fileName);

}  // namespace tintorium
