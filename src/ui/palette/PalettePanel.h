#pragma once
// The Palette panel: the palette and history lists on two tabs, the palette toolbar and pop-up menu, and the
// file and palette commands on the palette document.

#include "ui/actions/ActionRules.h"
#include "core/ColorTypes.h"
#include "core/CssColor.h"

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QToolButton;

namespace tintorium {

class TColorList;
class THistoryListModel;
class TPaletteDocument;
class TPaletteListModel;
class TWorkspace;
struct TColorDragOffer;

class TMainActions;

class TPalettePanel final : public QWidget, public TActionRules {
  Q_OBJECT

 public:
  enum TPage : int { pgPalette = 0, pgHistory = 1 };

  /// Shows `document` and the history of `workspace` (neither owned; both must outlive the panel).
  TPalettePanel(TPaletteDocument& document, TWorkspace& workspace, QWidget* parent = nullptr);
  ~TPalettePanel() override;

  /// Connects the file and palette actions to the commands below and fills tbPalBar and pmnu_palette.
  void AttachActions(TMainActions& actions);

  TColorList* PaletteList() const { return lstPalette_; }
  TColorList* HistoryList() const { return lstHistory_; }
  QTabBar* Tabs() const { return tsPal_; }
  QToolBar* PaletteToolBar() const { return tbPalBar_; }
  QMenu* PopupMenu() const { return pmnu_palette_; }

  TPage ShownPage() const;
  void ShowPage(TPage page);
  /// The list of the page shown.
  TColorList* ShownList() const;

  /// Option CompactDraw of the palette list.
  void SetCompactDraw(bool compact);

  // File commands. Each returns false when it was cancelled or failed.
  /// The question before New, Open and closing: false only for Cancel. Yes saves as Save does.
  bool AskToSave();
  bool NewPaletteCommand();
  bool OpenPaletteCommand();
  /// Writes back to the file the palette came from, in that file's format (a swatch file stays one). When the
  /// format cannot hold what the palette holds, asks first: Yes saves anyway, No goes to Save As (a .tnp beside
  /// it proposed), Cancel saves nothing.
  bool SaveCommand();
  bool SaveAsCommand();

  // Palette commands; those needing a current item do nothing without one.
  void AddBaseColor();
  void EditColor();
  void DeleteColor();
  void RemoveDuplicates();
  void SelectAll();
  void SortColors();
  void ConvertValues(TColorModel model);
  void SetAsBase();
  /// Puts the current entry of the shown list on the clipboard as text of kind `kind` (TCopyTextKind).
  void CopyColor(int kind);
  /// Puts the current entry of the shown list on the clipboard in a CSS form (nothing for Named when it has no
  /// name), and makes it the form of the readout's CSS view.
  void CopyColorAsCss(TCssForm form);
  QMenu* CopyCssMenu() const { return miPaletteCopyCss_; }

  /// Opens `path` as the palette without the question (the file named on the command line); reports a
  /// failure itself. True on success.
  bool OpenPalette(const QString& path);
  /// Whether a file dropped on the window is one OpenDroppedFile takes: a palette or swatch file, or a file
  /// the import reads colours from (by its format's row).
  static bool IsDroppableFile(const QString& path);
  /// A file dropped on the window: a palette or swatch file opens as the palette (after AskToSave; read first,
  /// so a failed read leaves the palette as it was and says why); any other importable file adds its colours
  /// as one import step. Returns whether the palette changed.
  bool OpenDroppedFile(const QString& path);

  // TActionRules
  void UpdateActions(TMainActions& actions) override;

 private:
  /// An action's caption from the language (shown while there is no step to name) and the text last shown.
  struct TStepCaption {
    QString base;
    QString shown;
  };

  // Undo and redo of the palette's steps.
  void AttachUndoActions(TMainActions& actions);
  void UpdateUndoActions(TMainActions& actions);
  void SelectStepRows(const QList<int>& rows);

  void BuildLayout();
  void ConnectLists();
  void SyncHistorySelection();
  bool AcceptsPaletteDrop(const QObject* source, const TColorDragOffer& offer) const;
  void DropOnPalette(const QObject* source, const TColorDragOffer& offer, int row);
  void ShowPopup(TColorList* list, const QPoint& viewportPos);
  bool WritePalette(const QString& fileName);
  QString DialogFolder() const;

  TPaletteDocument& document_;
  TWorkspace& workspace_;
  TMainActions* actions_ = nullptr;

  QTabBar* tsPal_;
  QStackedWidget* nbPal_;
  QToolBar* tbPalBar_;
  QToolButton* btnConvert_;
  QMenu* miConvert_;
  TColorList* lstPalette_;
  TColorList* lstHistory_;
  QMenu* pmnu_palette_;
  QMenu* miPaletteCopyCss_;
  TPaletteListModel* paletteModel_;
  THistoryListModel* historyModel_;
  TStepCaption undoCaption_;
  TStepCaption redoCaption_;
};

}  // namespace tintorium
