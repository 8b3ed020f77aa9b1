#pragma once
// The hub: the base colour, BaseColorChanged, the history, the colour-under-cursor readout and
// AddPaletteColor. Views are reached through the interfaces of BaseColorViews.h.

#include "core/ColorObject.h"
#include "core/CssColor.h"
#include "ui/workspace/BaseColorViews.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

namespace tintorium {

class TColorHistory;
class TCommonColorControl;
class TPaletteDocument;

class TWorkspace : public QObject {
  Q_OBJECT

 public:
  /// The base colour starts as black in RGB until the start-up sets it and announces it.
  explicit TWorkspace(QObject* parent = nullptr);
  ~TWorkspace() override;

  /// The base colour object. Whoever changes it calls BaseColorChanged afterwards.
  TColorObject& BaseColor() { return base_; }
  const TColorObject& BaseColor() const { return base_; }

  /// Announces a change of the base colour, in this order: 1. swatch and web indicators, 2. the editors
  /// (all four models when refreshAll, else all but `model`), 3. the wheel (unless it sent the change), the
  /// spectrum (likewise) and the variation strips, 4. the history (recorded unless fromHistory; repainted).
  /// `sender` is the control or action that made the change (may be null).
  void BaseColorChanged(QObject* sender, TColorModel model, bool refreshAll, bool fromHistory);
  /// Assigns `color` (records and Model) to the base colour, then BaseColorChanged(sender, its Model, true,
  /// fromHistory).
  void AssignBaseColor(const TColorObject& color, QObject* sender, bool fromHistory = false);

  /// The editors of steps 1 and 2 (not owned; null: none).
  void SetEditors(TBaseColorEditors* editors) { editors_ = editors; }
  /// Registers a tool for step 3 (not owned; remove it before it is destroyed); tools of one slot are called
  /// in registration order.
  void AddFollower(TFollowerSlot slot, TBaseColorFollower* follower);
  void RemoveFollower(TBaseColorFollower* follower);

  TColorHistory& History() { return *history_; }
  const TColorHistory& History() const { return *history_; }
  /// Previous Base color: the history selection moves one entry towards older ones and becomes the base.
  void Previous(QObject* sender);
  /// Next Base color: the selection moves one entry towards newer ones and becomes the base.
  void Next(QObject* sender);
  bool CanPrevious() const;
  bool CanNext() const;

  /// The status readout of the colour under the pointer, in the colour-under-cursor model.
  void ShowColorUnderCursor(TColor color);
  void ClearColorUnderCursor();
  /// Model of the readout (setting ColorUnCursorModel); default cmRGB. Choosing a model ends the CSS view.
  TColorModel ColorUnderCursorModel() const { return cursorColor_.Model(); }
  void SetColorUnderCursorModel(TColorModel model);
  /// The readout shows the colour as CSS text in CssForm() instead of a model's values.
  bool ColorUnderCursorCss() const { return cursorCss_; }
  void SetColorUnderCursorCss() { cursorCss_ = true; }
  /// The setting ColorUnCursorModel: 0-3 a model (TColorModel), 4 the CSS view; other values give RGB.
  static constexpr int CursorCssSetting = 4;
  int ColorUnderCursorSetting() const { return cursorCss_ ? CursorCssSetting : cursorColor_.Model(); }
  void SetColorUnderCursorSetting(int setting);
  /// The CSS form last copied (Copy as CSS), which the readout's CSS view shows; default oklch.
  TCssForm CssForm() const { return cssForm_; }
  void SetCssForm(TCssForm form) { cssForm_ = form; }
  /// The setting CssForm: the form's index in CssForms; other values give oklch.
  void SetCssFormSetting(int setting) {
    cssForm_ = setting >= 0 && setting < CssFormCount ? CssForms[static_cast<std::size_t>(setting)] : TCssForm::Oklch;
  }
  /// Text of status panel 0: empty, or seven spaces and the ValuesText of the colour under the pointer (in the
  /// CSS view its CSS text; for the named form the name, or #rrggbb when the colour has none).
  QString ColorUnderCursorText() const { return cursorText_; }
  /// Shows `color` in the base swatch only (a grid previewing the cell under a held button); the base colour
  /// is unchanged and the next BaseColorChanged paints the swatch again.
  void PreviewBaseColor(TColor color) { emit BaseColorPreviewed(color); }
  /// Feeds the readout from a colour control: own colours under the pointer are shown, others clear it;
  /// leaving the control clears it.
  void WatchColorUnderCursor(TCommonColorControl* control);

  /// The palette document colours are added to (not owned; null: none).
  void SetPalette(TPaletteDocument* palette) { palette_ = palette; }
  TPaletteDocument* Palette() const { return palette_; }
  /// Appends a copy of `color` named `name` to the palette, which becomes modified. Ignored without one.
  void AddPaletteColor(const TColorObject& color, const QString& name);

  /// Option cfAdjust: the step of Brighten, Darken, Saturate and Desaturate, 1-100 (clamped), default 10.
  int AdjustAmount() const { return adjustAmount_; }
  void SetAdjustAmount(int amount);
  /// Option HTMLSharp: whether the HTML copy starts with "#". Default true.
  bool HtmlSharp() const { return htmlSharp_; }
  void SetHtmlSharp(bool on) { htmlSharp_ = on; }

 signals:
  /// After every BaseColorChanged (for views outside the four steps, e.g. action states).
  void BaseColorAnnounced();
  /// The readout of status panel 0 shows `color` with `text` (seven spaces and its ValuesText).
  void ColorUnderCursorShown(tintorium::TColor color, const QString& text);
  /// The readout is emptied and its image hidden.
  void ColorUnderCursorCleared();
  /// The base swatch shows `color` for a moment (a drag over a grid); the base colour itself is unchanged.
  void BaseColorPreviewed(tintorium::TColor color);

 private:
  TColorObject base_;
  TColorObject cursorColor_;
  QString cursorText_;
  bool cursorCss_ = false;
  TCssForm cssForm_ = TCssForm::Oklch;
  TColorHistory* history_;
  TBaseColorEditors* editors_ = nullptr;
  std::array<std::vector<TBaseColorFollower*>, 3> followers_;
  TPaletteDocument* palette_ = nullptr;
  int adjustAmount_ = 10;
  bool htmlSharp_ = true;
};

}  // namespace tintorium
