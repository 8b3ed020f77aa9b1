#pragma once
// The Swatches panel (in the dock twLibrary): the library list cboLib and, below it, the swatch table ctLib with
// the chosen library's colours. A left click on a swatch (press and release on it) makes it the base colour; Enter
// in cboLib loads its choice again; the colour under the pointer goes to the status readout.

#include <QStringList>
#include <QWidget>

class QComboBox;

namespace tintorium {

class TColorLibTable;
class TWorkspace;

class TLibraryPanel final : public QWidget {
  Q_OBJECT

 public:
  /// Lists the libraries of `folders` (shipped first; see LibraryFolders()). `workspace` must outlive the panel.
  TLibraryPanel(TWorkspace& workspace, const QStringList& folders, QWidget* parent = nullptr);
  ~TLibraryPanel() override;

  /// Start-up: lists the libraries, selects the one named `remembered` (any case) or the first, and loads it.
  void Start(const QString& remembered);
  /// The selected library's name, as remembered at exit (empty when the list is empty).
  QString SelectedLibrary() const;

  /// Loads the selected library into ctLib (the handler of every selection change of cboLib). A reader's
  /// failure is shown with its own message; the table then keeps its colours, unless the file is a palette,
  /// whose colours read before the failure are shown.
  void ShowSmallLibrary();

  QComboBox* LibraryBox() const { return cboLib_; }
  TColorLibTable* Table() const { return ctLib_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectTable();
  void PickSelected();
  void ShowSelectedUnderCursor();

  TWorkspace& workspace_;
  QStringList folders_;
  QComboBox* cboLib_;
  TColorLibTable* ctLib_;
};

}  // namespace tintorium
