#include "ui/actions/MainActions.h"

#include <QAction>
#include <QKeySequence>

#include <array>

namespace tintorium {
namespace {

struct TActionDef {
  QAction* TMainActions::*member;
  const char* name;
  const char* caption;
  QKeyCombination shortcut;
  int tag;
  bool checkable;
};

constexpr QKeyCombination kNone{};
constexpr QKeyCombination Ctrl(Qt::Key k) { return Qt::CTRL | k; }
constexpr QKeyCombination CtrlAlt(Qt::Key k) { return Qt::CTRL | Qt::ALT | k; }
constexpr QKeyCombination Alt(Qt::Key k) { return Qt::ALT | k; }
constexpr QKeyCombination CtrlShift(Qt::Key k) { return Qt::CTRL | Qt::SHIFT | k; }
constexpr QKeyCombination AltShift(Qt::Key k) { return Qt::ALT | Qt::SHIFT | k; }

#define TACT(member, caption, shortcut, tag, checkable) \
  TActionDef { &TMainActions::member, #member, caption, shortcut, tag, checkable }

const std::array kActions{
    TACT(actFileNew, "New Palette", Ctrl(Qt::Key_N), -1, false),
    TACT(actFileOpen, "Open...", Ctrl(Qt::Key_O), -1, false),
    TACT(actFileSave, "Save", Ctrl(Qt::Key_S), -1, false),
    TACT(actFileSaveAs, "Save As...", kNone, -1, false),
    TACT(actImportColors, "Import...", kNone, -1, false),
    TACT(actExportColors, "Export...", kNone, -1, false),
    TACT(actFilePrint, "Print Scheme...", Ctrl(Qt::Key_P), -1, false),
    TACT(actFileCloseWindow, "Close Window", Ctrl(Qt::Key_W), -1, false),
    TACT(actFileExit, "Exit", Ctrl(Qt::Key_Q), -1, false),

    TACT(actEditUndoChange, "Undo", Ctrl(Qt::Key_Z), -1, false),
    TACT(actEditRedoChange, "Redo", CtrlShift(Qt::Key_Z), -1, false),  // and Ctrl+Y, see below
    TACT(actEditUndo, "Previous Base color", Alt(Qt::Key_Left), -1, false),
    TACT(actEditRedo, "Next Base color", Alt(Qt::Key_Right), -1, false),
    TACT(actEditCopyColor, "Copy Base color as string (depends on model)", Ctrl(Qt::Key_C), -1, false),
    TACT(actEditCopyColorHEX, "Copy Base color - HTML value", CtrlAlt(Qt::Key_C), -1, false),
    TACT(actEditCopyColorDelphi, "Copy Base color - Delphi style", kNone, -1, false),
    TACT(actEditCopyColorVSNET, "Copy Base color - Visual Studio style", kNone, -1, false),
    TACT(actEditCopyCssHex, "#rrggbb", kNone, 0, false),
    TACT(actEditCopyCssRgb, "rgb(r g b)", kNone, 1, false),
    TACT(actEditCopyCssHsl, "hsl(h s% l%)", kNone, 2, false),
    TACT(actEditCopyCssHwb, "hwb(h w% b%)", kNone, 3, false),
    TACT(actEditCopyCssLab, "lab(L a b)", kNone, 4, false),
    TACT(actEditCopyCssLch, "lch(L C h)", kNone, 5, false),
    TACT(actEditCopyCssOklab, "oklab(L a b)", kNone, 6, false),
    TACT(actEditCopyCssOklch, "oklch(L C h)", kNone, 7, false),
    TACT(actEditCopyCssNamed, "Color name", kNone, 8, false),
    TACT(actEditRandomize, "Randomize", kNone, -1, false),
    TACT(actEditMakeWebsafe, "Make Websafe", CtrlShift(Qt::Key_W), -1, false),
    TACT(actEditMakeWebsmart, "Make Websmart", CtrlAlt(Qt::Key_W), -1, false),
    TACT(actEditMakeGrayscale, "Make Grayscale", kNone, -1, false),
    TACT(actEditLighten, "Brighten", Alt(Qt::Key_B), -1, false),
    TACT(actEditDarken, "Darken", Alt(Qt::Key_K), -1, false),
    TACT(actEditSaturate, "Saturate", Alt(Qt::Key_S), -1, false),
    TACT(actEditDesaturate, "Desaturate", Alt(Qt::Key_D), -1, false),

    TACT(actViewMainToolbar, "Main toolbar", kNone, -1, true),
    TACT(actViewAdjustbar, "Adjust toolbar", kNone, -1, true),
    TACT(actViewBaseColorSection, "Base Color Section", kNone, -1, true),
    TACT(actViewSmallLib, "Swatches", kNone, -1, true),
    TACT(actViewPalette, "Palette Section", kNone, -1, true),
    TACT(actViewAlwaysOnTop, "Always On Top", kNone, -1, true),
    TACT(actViewColorWheel, "Color Wheel", Ctrl(Qt::Key_1), 0, true),
    TACT(actViewVariations, "Variations", Ctrl(Qt::Key_2), 1, true),
    TACT(actViewColorMixer, "Color Mixer", Ctrl(Qt::Key_3), 2, true),
    TACT(actViewLibrary, "Library", Ctrl(Qt::Key_4), 3, true),
    TACT(actViewSpectrum, "Spectrum", Ctrl(Qt::Key_5), 4, true),
    TACT(actViewPhotoScheme, "Colors from Image", Ctrl(Qt::Key_6), 5, true),

    TACT(actCUCModelRGB, "View RGB", kNone, 0, true),
    TACT(actCUCModelHSB, "View HSB", kNone, 1, true),
    TACT(actCUCModelCMYK, "View CMYK", kNone, 2, true),
    TACT(actCUCModelLab, "View Lab", kNone, 3, true),
    TACT(actCUCModelCSS, "View CSS", kNone, 4, true),

    TACT(actPaletteAddBaseColor, "Add Base Color", Ctrl(Qt::Key_B), -1, false),
    TACT(actPaletteEditColor, "Edit Color...", kNone, -1, false),
    TACT(actPaletteDeleteColor, "Delete Color", QKeyCombination(Qt::Key_Delete), -1, false),
    TACT(actPaletteRemoveDuplicates, "Remove duplicate colors", kNone, -1, false),
    TACT(actPaletteSelectAll, "Select All", Ctrl(Qt::Key_A), -1, false),
    TACT(actPaletteSortColor, "Sort palette...", Ctrl(Qt::Key_R), -1, false),
    TACT(actPaletteConvertToRGB, "Convert values to RGB", kNone, 0, false),
    TACT(actPaletteConvertToHSB, "Convert values to HSB", kNone, 1, false),
    TACT(actPaletteConvertToCMYK, "Convert values to CMYK", kNone, 2, false),
    TACT(actPaletteConvertToLab, "Convert values to Lab", kNone, 3, false),
    TACT(actPaletteSetasBase, "Set as Base color", kNone, -1, false),
    TACT(actPaletteCopyColor, "Copy color string", kNone, -1, false),
    TACT(actPaletteCopyColorHEX, "Copy color - HTML value", kNone, -1, false),
    TACT(actPaletteCopyColorDelphi, "Copy color - Delphi style", kNone, -1, false),
    TACT(actPaletteCopyColorVSNET, "Copy color - Visual Studio style", kNone, -1, false),
    TACT(actPaletteCopyCssHex, "#rrggbb", kNone, 0, false),
    TACT(actPaletteCopyCssRgb, "rgb(r g b)", kNone, 1, false),
    TACT(actPaletteCopyCssHsl, "hsl(h s% l%)", kNone, 2, false),
    TACT(actPaletteCopyCssHwb, "hwb(h w% b%)", kNone, 3, false),
    TACT(actPaletteCopyCssLab, "lab(L a b)", kNone, 4, false),
    TACT(actPaletteCopyCssLch, "lch(L C h)", kNone, 5, false),
    TACT(actPaletteCopyCssOklab, "oklab(L a b)", kNone, 6, false),
    TACT(actPaletteCopyCssOklch, "oklch(L C h)", kNone, 7, false),
    TACT(actPaletteCopyCssNamed, "Color name", kNone, 8, false),
    // Ctrl+Z undoes the last change of either kind; these undo palette steps only.
    TACT(actPaletteUndo, "Undo", Alt(Qt::Key_Backspace), -1, false),
    TACT(actPaletteRedo, "Redo", AltShift(Qt::Key_Backspace), -1, false),

    TACT(actCWSetBase, "Set as Base", kNone, -1, false),
    TACT(actCWAddToPal, "Add to Palette", kNone, -1, false),
    TACT(actCWAddAll, "Add all to palette", kNone, -1, false),
    TACT(actCMAddAll, "Add all to palette", kNone, -1, false),
    TACT(actCFIOpen, "Load image...", kNone, -1, false),
    TACT(actCFIAddAll, "Add all to palette", kNone, -1, false),
    TACT(actCFICurrentAdd, "Add to palette", kNone, -1, false),
    TACT(actCFICurrentSetBase, "Set as Base", kNone, -1, false),
    TACT(actCFIRandomPick, "Mix pickers", kNone, -1, false),

    TACT(actLibLoad, "Load selected library", kNone, -1, false),
    TACT(actLibOpen, "Open custom library...", kNone, -1, false),

    TACT(actToolsScreenPick, "Screen Picker", QKeyCombination(Qt::Key_F10), -1, false),
    TACT(actToolsContrastTest, "Contrast Analyze...", kNone, -1, false),
    TACT(actToolsContrastMatrix, "Palette contrast...", kNone, -1, false),
    TACT(actToolsOptions, "Options...", kNone, -1, false),

    TACT(actHelpHelp, "Tintorium Help", QKeyCombination(Qt::Key_F1), -1, false),
    TACT(actHelpGallery, "Tintorium Color Online Library", kNone, -1, false),
    TACT(actHelpWebsite, "Tintorium Website", kNone, -1, false),
    TACT(actHelpSupport, "E-mail Support", kNone, -1, false),
    TACT(actHelpAbout, "About...", kNone, -1, false),

    TACT(actUpdate, "", kNone, -1, false),
};

#undef TACT

}  // namespace

TMainActions::TMainActions(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("alMain"));
  all_.reserve(int(kActions.size()));
  for (const TActionDef& def : kActions) {
    auto* action = new QAction(QString::fromLatin1(def.caption), this);
    action->setObjectName(QString::fromLatin1(def.name));
    if (def.shortcut != kNone) action->setShortcut(QKeySequence(def.shortcut));
    if (def.tag >= 0) action->setData(def.tag);
    action->setCheckable(def.checkable);
    action->setEnabled(false);
    this->*def.member = action;
    all_.append(action);
  }
  // Both redo keys of the desktop's standard bindings.
  actEditRedoChange->setShortcuts({QKeySequence(CtrlShift(Qt::Key_Z)), QKeySequence(Ctrl(Qt::Key_Y))});
  // It closes whichever tool window has the focus, so it must also answer there.
  actFileCloseWindow->setShortcutContext(Qt::ApplicationShortcut);
}

QAction* TMainActions::Find(const QString& name) const {
  for (QAction* action : all_)
    if (action->objectName() == name) return action;
  return nullptr;
}

std::array<QAction*, CssFormCount> TMainActions::EditCopyCssActions() const {
  return {actEditCopyCssHex, actEditCopyCssRgb,   actEditCopyCssHsl,   actEditCopyCssHwb,  actEditCopyCssLab,
          actEditCopyCssLch, actEditCopyCssOklab, actEditCopyCssOklch, actEditCopyCssNamed};
}

std::array<QAction*, CssFormCount> TMainActions::PaletteCopyCssActions() const {
  return {actPaletteCopyCssHex,   actPaletteCopyCssRgb,   actPaletteCopyCssHsl,
          actPaletteCopyCssHwb,   actPaletteCopyCssLab,   actPaletteCopyCssLch,
          actPaletteCopyCssOklab, actPaletteCopyCssOklch, actPaletteCopyCssNamed};
}

int TMainActions::Tag(const QAction* action) {
  bool ok = false;
  const int tag = action ? action->data().toInt(&ok) : -1;
  return ok ? tag : -1;
}

}  // namespace tintorium
