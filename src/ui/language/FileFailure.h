#pragma once
// The message of a file that could not be read or written: the file's name and what is wrong, in the current
// language. A reader's reason is translated when it is one of the readers' known texts; a bare "could not read"
// is replaced by what the file itself shows (missing, a folder, not readable, not in a format read here).

#include <QString>

namespace tintorium {

class TFileResult;

/// The reason alone (lower case, ending with a full stop, as it follows "Could not read NAME: ").
/// `reading` chooses the words for a generic failure. Empty for a success.
QString FailureReason(const QString& fileName, const TFileResult& result, bool reading = true);
/// "Could not read NAME: reason" (sReadFailed); NAME is the path in native separators (a web address as it is).
QString ReadFailureText(const QString& fileName, const TFileResult& result);
/// "Could not save NAME: reason" (sSaveFailed).
QString SaveFailureText(const QString& fileName, const TFileResult& result);

/// Shows ReadFailureText or SaveFailureText as an error box (the message seam).
void ShowReadFailure(const QString& fileName, const TFileResult& result);
void ShowSaveFailure(const QString& fileName, const TFileResult& result);

}  // namespace tintorium
