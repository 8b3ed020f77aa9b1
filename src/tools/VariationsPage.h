#pragma once
// The "Variations" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TVariationsPage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TVariationsPage(QWidget* parent = nullptr);
};

}  // namespace tintorium
