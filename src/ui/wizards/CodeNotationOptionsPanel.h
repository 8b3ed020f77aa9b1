#pragma once
// The export wizard's options for code (custom properties, SCSS variables, design tokens): "Color notation:"
// (cboNotation), one item per notation in CodeNotations order, hexadecimal first.

#include "ui/wizards/ExportOptionsPanel.h"

class QComboBox;

namespace tintorium {

class TCodeNotationOptionsPanel final : public TExportOptionsPanel {
  Q_OBJECT
 public:
  explicit TCodeNotationOptionsPanel(QWidget* parent = nullptr);
  void Contribute(TExportOptions& options) const override;

  QComboBox* NotationBox() const { return cboNotation_; }

 private:
  QComboBox* cboNotation_;
};

}  // namespace tintorium
