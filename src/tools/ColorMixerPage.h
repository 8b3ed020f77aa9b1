#pragma once
// The "Color Mixer" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TColorMixerPage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TColorMixerPage(QWidget* parent = nullptr);
};

}  // namespace tintorium
