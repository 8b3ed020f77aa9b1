#include "tools/SpectrumPage.h"

namespace tintorium {

TSpectrumPage::TSpectrumPage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsSpectrum")); }

}  // namespace tintorium
