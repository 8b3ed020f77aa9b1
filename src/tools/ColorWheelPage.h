#pragma once
// The "Color Wheel" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TColorWheelPage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TColorWheelPage(QWidget* parent = nullptr);
};

}  // namespace tintorium
