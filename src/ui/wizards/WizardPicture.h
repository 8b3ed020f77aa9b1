#pragma once
// The pictures on the left of the wizards.

#include <QPixmap>

namespace tintorium {

enum class TWizardKind : std::uint8_t { Import, Export };

/// Swatches beside a document, with an arrow into the palette (import) or out of it (export).
QPixmap WizardPicture(TWizardKind kind);

}  // namespace tintorium
