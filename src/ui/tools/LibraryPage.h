#pragma once
// The "Library" page of the tool area: browse a colour library as large swatches with their names and values.
//
//   panOptLib (white bar): lblLibBrowse, cboLibraryBrowse (editable: a listed name or a path; a name chosen from
//   its list loads at once), btnLibLoad (actLibLoad, for typed names), btnLibOpen (actLibOpen); lblLibFile and
//   lblLibCOunt above the list lstLib, and beside it the navigation strip lstLibNav with one stripe per colour
//   and a scroll bar when the stripes are taller than the strip.
//
// A double click or Enter in lstLib makes the item's colour object (its model included) the base colour; a right
// press opens the tool popup for it; a drag offers it to every colour drop target.

#include "ui/actions/ActionRules.h"
#include "ui/tools/ToolPage.h"

#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QListView;
class QToolButton;

namespace tintorium {

class TColorList;
class TColorToolPopup;
class TLibraryItemDelegate;
class TLibraryListModel;
class TLibraryNavDelegate;
class TMainActions;
class TWorkspace;

class TLibraryPage final : public TToolPage, public TActionRules {
  Q_OBJECT

 public:
  /// Lists the libraries of `folders` (shipped first; see LibraryFolders()). `workspace`, `popup` and `actions`
  /// must outlive the page.
  TLibraryPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions, const QStringList& folders,
               QWidget* parent = nullptr);
  ~TLibraryPage() override;

  /// Start-up: lists the libraries and selects the one named `remembered` (any case) or the first. The library is
  /// loaded when the page is first shown, so a page nobody opens costs nothing.
  void Start(const QString& remembered);
  /// The selected library's item text, as remembered at exit (empty when none is selected).
  QString SelectedLibrary() const;

  /// actLibLoad: loads the library named by cboLibraryBrowse's text (a text holding '/' is a path).
  void LibLoad();
  /// actLibOpen: lets the user choose a library file, adds its path to cboLibraryBrowse and loads it.
  void LibOpen();
  /// Fills the page from the file at `path`; shows "Selected library does not exists!" when there is none, the
  /// reader's own message for a damaged file and "Could not read file!" for one that holds no colours.
  void LoadLibraryPage(const QString& path);

  /// Option ViewLibOnlyColor: the items show the swatch only (32 pixels high instead of 104).
  void SetOnlyColor(bool on);
  bool OnlyColor() const;

  /// actLibLoad and actLibOpen are always available.
  void UpdateActions(TMainActions& actions) override;

  QComboBox* BrowseBox() const { return cboLibraryBrowse_; }
  TColorList* LibraryList() const { return lstLib_; }
  QListView* NavList() const { return lstLibNav_; }
  QLabel* FileLabel() const { return lblLibFile_; }
  QLabel* CountLabel() const { return lblLibCOunt_; }
  /// Whether the start-up load still waits for the page to be shown.
  bool LoadPending() const { return loadPending_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls(TMainActions& actions);
  void ConnectControls(TWorkspace& workspace, TMainActions& actions);
  void FillLibraryList(const QString& path);
  void ShowCount();
  void UpdateStripeHeight();
  void SetBaseFromList();
  void SyncNav();
  void SyncList();
  QString OpenFolder() const;

  TColorToolPopup& popup_;
  TWorkspace& workspace_;
  QStringList folders_;
  QFrame* panOptLib_ = nullptr;
  QLabel* lblLibBrowse_ = nullptr;
  QComboBox* cboLibraryBrowse_ = nullptr;
  QToolButton* btnLibLoad_ = nullptr;
  QToolButton* btnLibOpen_ = nullptr;
  QLabel* lblLibFile_ = nullptr;
  QLabel* lblLibCOunt_ = nullptr;
  TColorList* lstLib_ = nullptr;
  QListView* lstLibNav_ = nullptr;
  TLibraryListModel* model_ = nullptr;
  TLibraryItemDelegate* itemDelegate_ = nullptr;
  TLibraryNavDelegate* navDelegate_ = nullptr;
  QAction* libLoad_ = nullptr;
  QString lastOpenFolder_;
  bool loadPending_ = false;
};

}  // namespace tintorium
