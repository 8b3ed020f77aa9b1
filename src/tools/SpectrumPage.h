#pragma once
// The "Spectrum" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TSpectrumPage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TSpectrumPage(QWidget* parent = nullptr);
};

}  // namespace tintorium
