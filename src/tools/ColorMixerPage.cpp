#include "tools/ColorMixerPage.h"

namespace tintorium {

TColorMixerPage::TColorMixerPage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsColorMixer")); }

}  // namespace tintorium
