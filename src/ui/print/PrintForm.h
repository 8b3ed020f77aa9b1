#pragma once
// The print window ("TPrintForm", language section PrintForm, title "Print"): builds the printed scheme from
// the palette, the history and the colour wheel as the user ticks them, previews it page by page and prints it
// through the system's print and page set-up dialogs (which also print to a PDF file).
//
// Composition (objectName in quotes; these are the language-file keys):
//   toolbar   "tbPrint" (Print Bar): actPrint, actPrintSetup | actFirst, actPrev, actNext, actLast |
//             actViewOptions, actViewBorder | the scale box "cboScale"
//   dock      "tbtwToPrint" (Print Options), left, closable: group "gbToPrint" with "chkPTPalette",
//             "chkPTHistory", "chkPTCWheel"
//   centre    the preview "jvpc" (TPrintPreview)
//   status    "sbPrint": panel "sbPanel0" the page count, panel "sbPanel1" empty
// The toolbar and dock layout is kept in the settings group given to the constructor, under "PrintForm".

#include "engine/print/PrintCards.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QDockWidget;
class QLabel;
class QMainWindow;
class QPrinter;
class QSettings;
class QToolBar;

namespace tintorium {

class TPrintPreview;

class TPrintForm final : public QDialog {
  Q_OBJECT

 public:
  /// `sources` is asked for the colours on every rebuild. `settings` (which must outlive the window) keeps the
  /// toolbar layout in `toolbarsGroup`. Reads the current printer; the document is empty until
  /// BuildPrintDocument.
  TPrintForm(std::function<TPrintSources()> sources, QSettings& settings, const QString& toolbarsGroup,
             QWidget* parent = nullptr);
  ~TPrintForm() override;

  /// Rebuilds the document from the sources with the parts named by `contents` (TPrintContent bits), ticks
  /// the matching boxes, and lays it out on the current page.
  void BuildPrintDocument(int contents);
  /// The TPrintContent bits of the ticked boxes.
  int CheckedContents() const;
  /// Reads the printer's page size, resolution and unprintable margins, and lays the document out again.
  void RefreshPageSetup();

  /// "Print": the system print dialog (through the dialog seam); on OK, prints the chosen pages and copies.
  void Print();
  /// "Print Setup...": the system page set-up dialog, then RefreshPageSetup.
  void PrintSetup();
  /// Prints the pages `printer` asks for (all, a range, or the page in view) on it, as laid out now; false
  /// when the printer could not be started or a page not begun.
  bool PrintPages(QPrinter& printer);

  QPrinter& Printer() { return *printer_; }
  TPrintPreview* Preview() const { return jvpc_; }
  QComboBox* ScaleBox() const { return cboScale_; }
  QToolBar* PrintBar() const { return tbPrint_; }
  QDockWidget* OptionsDock() const { return tbtwToPrint_; }
  QCheckBox* PaletteBox() const { return chkPTPalette_; }
  QCheckBox* HistoryBox() const { return chkPTHistory_; }
  QCheckBox* WheelBox() const { return chkPTCWheel_; }
  QAction* PrintAction() const { return actPrint_; }
  QAction* PrintSetupAction() const { return actPrintSetup_; }
  QAction* FirstAction() const { return actFirst_; }
  QAction* PrevAction() const { return actPrev_; }
  QAction* NextAction() const { return actNext_; }
  QAction* LastAction() const { return actLast_; }
  QAction* ViewOptionsAction() const { return actViewOptions_; }
  QAction* ViewBorderAction() const { return actViewBorder_; }
  /// Status panel 0: "1 page", "%d pages".
  QString PageCountText() const;

 private:
  void CreateActions();
  void CreateToolBar();
  void CreateOptions();
  void CreateStatusBar();
  void ConnectControls();
  void FitOptionsTitle();
  void RestoreLayout();
  void SaveLayout();
  void ScaleChosen(int index);
  void PreviewChanged();

  std::function<TPrintSources()> sources_;
  QSettings& settings_;
  QString toolbarsGroup_;
  std::unique_ptr<QPrinter> printer_;
  QMainWindow* frame_ = nullptr;
  QToolBar* tbPrint_ = nullptr;
  QDockWidget* tbtwToPrint_ = nullptr;
  TPrintPreview* jvpc_ = nullptr;
  QComboBox* cboScale_ = nullptr;
  QCheckBox* chkPTPalette_ = nullptr;
  QCheckBox* chkPTHistory_ = nullptr;
  QCheckBox* chkPTCWheel_ = nullptr;
  QLabel* sbPanel0_ = nullptr;
  QLabel* sbPanel1_ = nullptr;
  QAction* actPrint_ = nullptr;
  QAction* actPrintSetup_ = nullptr;
  QAction* actFirst_ = nullptr;
  QAction* actPrev_ = nullptr;
  QAction* actNext_ = nullptr;
  QAction* actLast_ = nullptr;
  QAction* actViewOptions_ = nullptr;
  QAction* actViewBorder_ = nullptr;
};

}  // namespace tintorium
