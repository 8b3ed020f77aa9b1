#pragma once
// "Enter Color": a colour typed as hexadecimal text or as the values of any of the four models (dlgColorEntry).
//
//   lblEntryHex + edEntryHex, then one row per model (lblEntryRGB, lblEntryHSB, lblEntryCMYK, lblEntryLab) of
//   number boxes seEntry<model><1-4>, a preview shEntry, and btnOK / btnCancel.
//
// A field applies what was typed when it is left (Tab, a click elsewhere) or with Enter, as any Qt form does;
// every other field then shows the new colour. The hex field reads as every hex field (ReadHexColorText); a text
// it refuses is marked (property "refused", a pink base) and the field shows the last good value again.

#include "core/ColorObject.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tintorium {

class TColorSwatch;

class TColorEntryDialog final : public QDialog {
  Q_OBJECT

 public:
  /// Starts with `color` (resolved to RGB) in the RGB model.
  explicit TColorEntryDialog(TColor color, QWidget* parent = nullptr);
  ~TColorEntryDialog() override;

  /// The colour as entered (RGB, no system colour).
  TColor Color() const;
  const TColorObject& ColorObject() const { return color_; }
  /// Shows `color` in every field.
  void SetColor(TColor color);

  QLineEdit* HexField() const { return edEntryHex_; }
  /// The number box of `channel` (0-3; CMYK only has a fourth) of `model`; nullptr for none.
  QSpinBox* Field(TColorModel model, int channel) const;
  TColorSwatch* Preview() const { return shEntry_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateModelRow(TColorModel model, QWidget* parent);
  void ApplyModel(TColorModel model);
  void ApplyHex();
  void MarkHexRefused(bool refused);
  void ShowColor();

  TColorObject color_;
  QLabel* lblEntryHex_ = nullptr;
  QLineEdit* edEntryHex_ = nullptr;
  std::array<QLabel*, 4> modelLabels_{};
  std::array<std::vector<QSpinBox*>, 4> fields_{};
  TColorSwatch* shEntry_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnCancel_ = nullptr;
};

}  // namespace tintorium
