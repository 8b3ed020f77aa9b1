#pragma once
// The pictures on the left of the wizards.

#include <QPixmap>

#include <cstdint>

namespace tintorium {

enum class TWizardKind : std::uint8_t { Import, Export };

/// Swatches beside a document, with an arrow into the palette (import) or out of it (export): 112 x 340 logical
/// pixels drawn at `ratio` device pixels each (the ratio is set on the pixmap; below 1 counts as 1).
QPixmap WizardPicture(TWizardKind kind, qreal ratio);

}  // namespace tintorium
