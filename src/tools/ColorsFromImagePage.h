#pragma once
// The "Colors from Image" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TColorsFromImagePage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TColorsFromImagePage(QWidget* parent = nullptr);
};

}  // namespace tintorium
