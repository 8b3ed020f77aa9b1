#pragma once
// The per-type options of the export wizard's options page: one panel per TExportOptionsKind, stacked in
// "nbOptions" inside the group "Export options". Every panel keeps its values while the wizard is open, and
// each adds its part to the options of whatever writer the path selects.

#include "engine/formats/ExportRules.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QSpinBox;

namespace tintorium {

class TExportOptionsPanel : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  /// Writes this panel's values into `options`.
  virtual void Contribute(TExportOptions& options) const = 0;
};

/// The panel of `kind`, or nullptr for a kind without options.
TExportOptionsPanel* CreateExportOptionsPanel(TExportOptionsKind kind, QWidget* parent);

/// The swatch picture's options: "Draw text information" (chkImgShowName), "Colors per line:" (seImgPerLine,
/// 1-256, 8) and "Swatch size:" (seSSX "x" seSSY, each 1-256, 32).
class TSwatchImageOptionsPanel final : public TExportOptionsPanel {
  Q_OBJECT
 public:
  explicit TSwatchImageOptionsPanel(QWidget* parent = nullptr);
  void Contribute(TExportOptions& options) const override;

  QCheckBox* DrawTextBox() const { return chkImgShowName_; }
  QSpinBox* PerLineBox() const { return seImgPerLine_; }
  QSpinBox* WidthBox() const { return seSSX_; }
  QSpinBox* HeightBox() const { return seSSY_; }

 private:
  QCheckBox* chkImgShowName_;
  QSpinBox* seImgPerLine_;
  QSpinBox* seSSX_;
  QSpinBox* seSSY_;
};

}  // namespace tintorium
