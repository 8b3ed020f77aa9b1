#include "tools/VariationsPage.h"

namespace tintorium {

TVariationsPage::TVariationsPage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsVariations")); }

}  // namespace tintorium
