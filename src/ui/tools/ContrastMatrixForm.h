#pragma once
// The palette contrast window (Tools > "Palette contrast...", language section ContrastMatrixForm): every ordered
// pair of the checked palette colours as a grid of text on background, by the WCAG 2 ratio and APCA Lc, as seen
// with normal vision or one kind of colour-vision deficiency, optionally only the pairs meeting a target. It
// follows the palette live; the figures are computed once per change of the palette, the checked colours or the
// view, never while painting. Modeless; the main window makes one on first use and keeps it.
//
// Composition (objectName = language key):
//   lblColors over lstMatrixColors (a check box per palette colour), btnCheckAll, btnCheckNone
//   lblViewAs + cboViewAs (normal vision, then the kinds of TVisionKind), lblSeverity + seSeverity (0-1, for the
//   anomalous kinds; the others are simulated in full)
//   lblFilter + cboFilter (all pairs, then the targets of ContrastTargets)
//   grdMatrix (TContrastMatrixView) or lblMatrixEmpty when fewer than two colours are checked
//   lblSummary (the pairs meeting each target)
//   btnSave (CSV, Markdown or HTML), btnClose
//   pmCell: actMatrixAnalyze, miMatrixSuggest (actMatrixFixInfo, actMatrixReplace, actMatrixAddFix)

#include "core/ColorTypes.h"
#include "core/ContrastFix.h"
#include "core/ContrastTarget.h"
#include "engine/formats/ContrastTable.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace tintorium {

class TContrastMatrixView;
class TPaletteDocument;

class TContrastMatrixForm final : public QWidget {
  Q_OBJECT
 public:
  /// Opens the analyser on a pair (text, background), both RGB; the default opens a contrast analyser window.
  using TAnalyzerOpener = std::function<void(TColor text, TColor background)>;

  /// `palette` may go away before the window (the grid then empties). Every colour starts checked.
  explicit TContrastMatrixForm(TPaletteDocument* palette, QWidget* parent = nullptr);
  ~TContrastMatrixForm() override;

  TContrastMatrixView* View() const { return view_; }
  /// The check box list: row i is palette entry i.
  QListWidget* ColorList() const { return lstColors_; }
  QComboBox* ViewBox() const { return cboViewAs_; }
  QComboBox* FilterBox() const { return cboFilter_; }
  QDoubleSpinBox* SeverityBox() const { return seSeverity_; }
  QLabel* Summary() const { return lblSummary_; }
  /// The plain message shown instead of the grid when fewer than two colours are checked.
  QLabel* EmptyMessage() const { return lblEmpty_; }
  /// Whether the grid (not the message) is shown.
  bool ShowsGrid() const;

  /// The view chosen in "View as" (none: normal vision).
  std::optional<TVisionView> ChosenView() const;
  /// The filter chosen (none: all pairs).
  std::optional<TContrastTarget> ChosenFilter() const;
  /// Chooses the view (none: normal vision; a severity outside 0-1 is clamped) and the filter (none: all pairs).
  void SetChoices(std::optional<TVisionView> view, std::optional<TContrastTarget> filter);
  /// The target of the suggestions: the filter's, AA when every pair is shown.
  TContrastTarget SuggestionTarget() const;
  /// The palette index of grid row or column `index`; -1 when out of range.
  int PaletteIndexOf(int index) const;

  void SetAnalyzerOpener(TAnalyzerOpener opener) { openAnalyzer_ = std::move(opener); }

  /// The cell menu for the pair (row, column), filled for it: what a right click pops up.
  QMenu* CellMenu(int row, int column);
  /// The suggestion for the pair (row, column) by SuggestionTarget(); none when no colour of the hue meets it.
  std::optional<TContrastFix> Suggestion(int row, int column) const;
  /// "Replace text colour": the palette entry of `row` takes the suggestion (one undo step); false when none.
  bool ReplaceTextColor(int row, int column);
  /// "Add to palette": the suggestion appended, named by its hex text; false when none.
  bool AddSuggestion(int row, int column);
  /// Opens the analyser on the pair through the opener.
  void OpenAnalyzer(int row, int column);

  /// Asks for a file and writes the table (the filter applied) as CSV, Markdown or HTML by its extension.
  void SaveTable();
  /// Writes the table to `fileName` in the format of its extension (.csv, .md, anything else HTML).
  bool SaveTableTo(const QString& fileName) const;

  /// Recomputes the figures from the palette and the checks now (otherwise done on the next event loop turn
  /// after a change).
  void Refresh();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CreateControls();
  void ConnectPalette();
  void FillColorList();
  void ScheduleRefresh();
  void ShowSummary();
  void RetranslateRuntime();
  void ColorItemChanged(QListWidgetItem* item);
  void ViewChanged();

  QPointer<TPaletteDocument> palette_;
  std::vector<char> checked_;  // by palette index
  std::vector<int> indexes_;   // grid index -> palette index
  TAnalyzerOpener openAnalyzer_;
  bool refreshPending_ = false;
  bool filling_ = false;

  QListWidget* lstColors_ = nullptr;
  QComboBox* cboViewAs_ = nullptr;
  QComboBox* cboFilter_ = nullptr;
  QDoubleSpinBox* seSeverity_ = nullptr;
  QLabel* lblSeverity_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  TContrastMatrixView* view_ = nullptr;
  QLabel* lblEmpty_ = nullptr;
  QLabel* lblSummary_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  QMenu* pmCell_ = nullptr;
  QMenu* miSuggest_ = nullptr;
  QAction* actAnalyze_ = nullptr;
  QAction* actFixInfo_ = nullptr;
  QAction* actReplace_ = nullptr;
  QAction* actAddFix_ = nullptr;
  int menuRow_ = -1;
  int menuColumn_ = -1;
};

}  // namespace tintorium
