#include "ui/tools/ToolPage.h"

namespace tintorium {

TToolPage::TToolPage(QWidget* parent) : QWidget(parent) {}

void TToolPage::ShowTool(bool) {}

}  // namespace tintorium
