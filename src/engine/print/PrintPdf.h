#pragma once
// The printed scheme as a PDF file, without a printer or a display.

#include "engine/files/FileResult.h"
#include "engine/print/PrintCards.h"

#include <QPageSize>
#include <QString>

namespace tintorium {

/// The resolution the cards are placed at in a PDF (the text and shapes stay vectors).
inline constexpr int kPdfDpi = 300;

/// Writes `cards` on pages of `pageSize` (portrait, half-inch margins) to `fileName`, whole or not at all: the
/// file is written beside the target and renamed over it when complete. `title` becomes the document's title.
/// No cards: nothing is written and the result fails with "There are no colors to print.". A file that cannot
/// be written: "Could not save file!" (sCantSave).
TFileResult WritePrintPdf(const QString& fileName, const TPrintCards& cards, const QPageSize& pageSize,
                          const QString& title);

}  // namespace tintorium
