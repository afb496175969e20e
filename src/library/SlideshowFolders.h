#pragma once
// Folder operations of slideshow management that must not leave half a
// slideshow behind: a folder is moved aside before its tree is deleted, and
// a copy is built in a hidden folder that is renamed into place at the end.
#include <QString>

// Deletes folder with everything in it, read-only entries included. The
// folder is first renamed to a hidden name beside it; when something inside
// cannot be deleted, what is left is renamed back. False on failure.
bool DeleteFolderTreeSafely(const QString& folder);

// Removes a folder tree (read-only entries included); true when it is gone.
bool RemoveFolderTree(const QString& folder);

// A new empty hidden folder inside parent (with a trailing separator) whose
// name starts with "." and tag; empty when it could not be made.
QString MakeHiddenWorkFolder(const QString& parent, const QString& tag);
