#include "tools/ColorWheelPage.h"

namespace tintorium {

TColorWheelPage::TColorWheelPage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsColorWheel")); }

}  // namespace tintorium
