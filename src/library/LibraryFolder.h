#pragma once
// The library list: which files of a folder are colour libraries, in the order the views list them.

#include <QString>
#include <QStringList>

namespace tintorium {

/// The extensions of library files, in listing order.
inline constexpr const char* LibraryExtensions[] = {"aco", "act", "tnp", "gpl", "ase"};

/// The file names (no folder) of `folder`'s libraries: every *.aco, then *.act, *.tnp, *.gpl and *.ase
/// (extensions in any case; hidden files included; directories skipped). Within one extension the names are
/// sorted without regard to case, so the list is the same on every file system. A missing folder lists nothing.
QStringList ListLibraries(const QString& folder);

}  // namespace tintorium
