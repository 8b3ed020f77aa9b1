#pragma once
// The one action list of the main window. Menus, toolbars and popup menus only refer to these actions, so a
// command's caption, shortcut and enabled/checked state are defined once.

#include "core/CssColor.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QAction;

namespace tintorium {

/// Every command of the main window, created once, each a public member named after its objectName (the
/// language-file key). Captions and shortcuts are the built-in English defaults.
///
/// Ownership: the actions are children of this object; make this object a child of the main window so that
/// `findChildren<QAction*>()` on the window reaches them (language files).
///
/// Enabled state: every action starts disabled. The feature that implements a command connects to its
/// `triggered` signal and decides, in its `UpdateActions(TMainActions&)` (see ActionRules.h), when it is enabled
/// and checked. Nothing else calls setEnabled/setChecked on these actions.
///
/// Tags: tool selection, colour-under-cursor models and palette conversions carry an integer tag, read with
/// `Tag()`. Actions without a tag answer -1.
class TMainActions final : public QObject {
  Q_OBJECT

 public:
  explicit TMainActions(QObject* parent = nullptr);

  /// All actions in list order.
  const QList<QAction*>& All() const { return all_; }
  /// The action with this objectName (exact), or nullptr.
  QAction* Find(const QString& name) const;
  /// The tag of an action (QAction::data as int); -1 when it has none.
  static int Tag(const QAction* action);

  // File: palette document, import and export, printing, exit
  QAction* actFileNew = nullptr;
  QAction* actFileOpen = nullptr;
  QAction* actFileSave = nullptr;
  QAction* actFileSaveAs = nullptr;
  QAction* actImportColors = nullptr;
  QAction* actExportColors = nullptr;
  QAction* actFilePrint = nullptr;
  QAction* actFileCloseWindow = nullptr;  // Ctrl+W: closes the tool window (panel or dialog) with the focus
  QAction* actFileExit = nullptr;

  // Edit: history and base colour commands
  QAction* actEditUndoChange = nullptr;  // Ctrl+Z: the last change, a palette edit or a base colour
  QAction* actEditRedoChange = nullptr;  // Ctrl+Shift+Z and Ctrl+Y
  QAction* actEditUndo = nullptr;        // Previous Base color, Alt+Left
  QAction* actEditRedo = nullptr;        // Next Base color, Alt+Right
  QAction* actEditCopyColor = nullptr;
  QAction* actEditCopyColorHEX = nullptr;
  QAction* actEditCopyColorDelphi = nullptr;
  QAction* actEditCopyColorVSNET = nullptr;
  QAction* actEditRandomize = nullptr;
  QAction* actEditMakeWebsafe = nullptr;
  QAction* actEditMakeWebsmart = nullptr;
  QAction* actEditMakeGrayscale = nullptr;
  QAction* actEditLighten = nullptr;
  QAction* actEditDarken = nullptr;
  QAction* actEditSaturate = nullptr;
  QAction* actEditDesaturate = nullptr;
  // Edit > Copy as CSS: one per CSS form, tag = the form (TCssForm)
  QAction* actEditCopyCssHex = nullptr;
  QAction* actEditCopyCssRgb = nullptr;
  QAction* actEditCopyCssHsl = nullptr;
  QAction* actEditCopyCssHwb = nullptr;
  QAction* actEditCopyCssLab = nullptr;
  QAction* actEditCopyCssLch = nullptr;
  QAction* actEditCopyCssOklab = nullptr;
  QAction* actEditCopyCssOklch = nullptr;
  QAction* actEditCopyCssNamed = nullptr;

  // View
  QAction* actViewMainToolbar = nullptr;
  QAction* actViewAdjustbar = nullptr;
  QAction* actViewBaseColorSection = nullptr;
  QAction* actViewSmallLib = nullptr;
  QAction* actViewPalette = nullptr;
  QAction* actViewAlwaysOnTop = nullptr;
  QAction* actViewColorWheel = nullptr;    // tag 0, Ctrl+1
  QAction* actViewVariations = nullptr;    // tag 1, Ctrl+2
  QAction* actViewColorMixer = nullptr;    // tag 2, Ctrl+3
  QAction* actViewLibrary = nullptr;       // tag 3, Ctrl+4
  QAction* actViewSpectrum = nullptr;      // tag 4, Ctrl+5
  QAction* actViewPhotoScheme = nullptr;   // tag 5, Ctrl+6

  // Colour-under-cursor readout of the status bar (tag = TColorModel)
  QAction* actCUCModelRGB = nullptr;
  QAction* actCUCModelHSB = nullptr;
  QAction* actCUCModelCMYK = nullptr;
  QAction* actCUCModelLab = nullptr;
  QAction* actCUCModelCSS = nullptr;  // tag 4: the colour as CSS text, in the last CSS form copied

  // Palette
  QAction* actPaletteAddBaseColor = nullptr;
  QAction* actPaletteEditColor = nullptr;
  QAction* actPaletteDeleteColor = nullptr;
  QAction* actPaletteRemoveDuplicates = nullptr;
  QAction* actPaletteSelectAll = nullptr;
  QAction* actPaletteSortColor = nullptr;
  QAction* actPaletteConvertToRGB = nullptr;   // tag 0
  QAction* actPaletteConvertToHSB = nullptr;   // tag 1
  QAction* actPaletteConvertToCMYK = nullptr;  // tag 2
  QAction* actPaletteConvertToLab = nullptr;   // tag 3
  QAction* actPaletteSetasBase = nullptr;
  QAction* actPaletteCopyColor = nullptr;
  QAction* actPaletteCopyColorHEX = nullptr;
  QAction* actPaletteCopyColorDelphi = nullptr;
  QAction* actPaletteCopyColorVSNET = nullptr;
  // Palette popup > Copy as CSS: tag = the form (TCssForm)
  QAction* actPaletteCopyCssHex = nullptr;
  QAction* actPaletteCopyCssRgb = nullptr;
  QAction* actPaletteCopyCssHsl = nullptr;
  QAction* actPaletteCopyCssHwb = nullptr;
  QAction* actPaletteCopyCssLab = nullptr;
  QAction* actPaletteCopyCssLch = nullptr;
  QAction* actPaletteCopyCssOklab = nullptr;
  QAction* actPaletteCopyCssOklch = nullptr;
  QAction* actPaletteCopyCssNamed = nullptr;
  QAction* actPaletteUndo = nullptr;  // the text names the step: "Undo Sort Palette"
  QAction* actPaletteRedo = nullptr;

  // Tool pages: wheel (also used by the mixer and variation popups), mixer, colours from image
  QAction* actCWSetBase = nullptr;
  QAction* actCWAddToPal = nullptr;
  QAction* actCWAddAll = nullptr;
  QAction* actCMAddAll = nullptr;
  QAction* actCFIOpen = nullptr;
  QAction* actCFIAddAll = nullptr;
  QAction* actCFICurrentAdd = nullptr;
  QAction* actCFICurrentSetBase = nullptr;
  QAction* actCFIRandomPick = nullptr;

  // Libraries
  QAction* actLibLoad = nullptr;
  QAction* actLibOpen = nullptr;

  // Tools
  QAction* actToolsScreenPick = nullptr;
  QAction* actToolsContrastTest = nullptr;
  QAction* actToolsContrastMatrix = nullptr;
  QAction* actToolsOptions = nullptr;

  // Help
  QAction* actHelpHelp = nullptr;
  QAction* actHelpGallery = nullptr;
  QAction* actHelpWebsite = nullptr;
  QAction* actHelpSupport = nullptr;
  QAction* actHelpAbout = nullptr;

  /// The Copy as CSS actions of the Edit menu and of the palette popup, in the order of CssForms.
  std::array<QAction*, CssFormCount> EditCopyCssActions() const;
  std::array<QAction*, CssFormCount> PaletteCopyCssActions() const;

  /// The window's own action: triggered when the program is idle; refreshes caption and palette count.
  QAction* actUpdate = nullptr;

 private:
  QList<QAction*> all_;
};

}  // namespace tintorium
