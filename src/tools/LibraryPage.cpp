#include "tools/LibraryPage.h"

namespace tintorium {

TLibraryPage::TLibraryPage(QWidget* parent) : TToolPage(parent) { setObjectName(QStringLiteral("tsLibrary")); }

}  // namespace tintorium
