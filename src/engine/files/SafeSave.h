#pragma once
// Saving a file whole or not at all: the bytes go to a temporary file in the target's folder, which replaces
// the target only once everything is written, so a failed save leaves the previous file as it was. Only where
// the folder refuses the temporary file but the target itself is writable are the bytes written in place.

#include "engine/files/FileResult.h"

#include <QByteArrayView>
#include <QString>

namespace tintorium {

/// "Could not save file!" (sCantSave) when the file cannot be created, written or renamed into place.
TFileResult SaveFileAtomically(const QString& fileName, QByteArrayView bytes);

}  // namespace tintorium
