#include "tools/ColorsFromImagePage.h"

namespace tintorium {

TColorsFromImagePage::TColorsFromImagePage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsColorsFromImage")); }

}  // namespace tintorium
