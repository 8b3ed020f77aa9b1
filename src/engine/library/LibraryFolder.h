#pragma once
// The library list: which files of a folder are colour libraries, in the order the views list them.

#include <QString>
#include <QStringList>

namespace tintorium {

/// The extensions of library files (lower case, no dot), in listing order: those of the palette formats of
/// the format table (LibraryFormats): aco, act, tnp, gpl, ase.
QStringList LibraryExtensions();
/// Whether `path`'s file name ends in a library extension (any case).
bool IsLibraryFileName(const QString& path);

/// The file names (no folder) of `folder`'s libraries: every *.aco, then *.act, *.tnp, *.gpl and *.ase
/// (extensions in any case; hidden files included; directories skipped). Within one extension the names are
/// sorted without regard to case, so the list is the same on every file system. A missing folder lists nothing.
QStringList ListLibraries(const QString& folder);

/// The folders the library views list, in order: the shipped libraries (PalettesFolder()), then the user's own
/// (UserPalettesFolder()), so a user adds a library without root.
QStringList LibraryFolders();

/// Every folder's libraries in turn, each folder listed as above; a name an earlier folder already lists
/// (without regard to case) is left out, since LibraryPath would find the earlier file.
QStringList ListLibraries(const QStringList& folders);

/// Where the library `name` is: a name holding a '/' is a path as it stands; otherwise the file of that name in
/// the first of `folders` that holds one (without regard to case), or the first folder's file when none does,
/// so a missing library is reported at the place it was expected.
QString LibraryPath(const QStringList& folders, const QString& name);

}  // namespace tintorium
