#pragma once
// The "Library" page of the tool area.

#include "tools/ToolPage.h"

namespace tintorium {

class TLibraryPage final : public TToolPage {
  Q_OBJECT

 public:
  explicit TLibraryPage(QWidget* parent = nullptr);
};

}  // namespace tintorium
