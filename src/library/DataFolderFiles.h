#pragma once
// The file operations behind the data folders: copying image folders and
// single files into a slideshow's IMG/ and BGM/ folders and deleting them
// again. Copies never replace an existing file, and a copy that fails
// halfway never leaves a partial file under its final name: the bytes go to
// a temporary file beside the target, which takes the target's name only
// when it is complete. Deleting never follows a symbolic link: a link is
// removed as the link itself.
#include <QString>
#include <QStringList>
#include <functional>

class UserDialogs;

inline const QString kCopySourceMissingText = QStringLiteral("コピー元が存在しません。");
inline const QString kDeleteSourceMissingText = QStringLiteral("削除元が存在しません。");

enum class CopyResult { Copied, TargetExists, Failed };

// Copies source to target without replacing an existing target; keeps the
// file's modification time (the date label shows it). Creates no folder.
// Pending messages are processed between large blocks, so a big file keeps
// the window painted.
CopyResult CopyFileNoOverwrite(const QString& source, const QString& target, UserDialogs& dialogs);

// Copies the image files lying directly in source into target (made with
// missing parents when absent). True when target then holds as many entries
// as source holds image files. A missing source shows "コピー元が存在しません。".
// When the copy fails, the files this call copied are removed again, and the
// target folder too when this call made it, so a second attempt starts clean.
// onImageCopied, when given, hears (images copied so far, images in all)
// after each image, so a long folder can be followed on a bar.
bool CopyFolderImages(const QString& source, const QString& target, UserDialogs& dialogs,
                      const std::function<void(int, int)>& onImageCopied = {});

// Copies one file, making the target's folder when needed. True when the
// target exists afterwards. A missing source shows "コピー元が存在しません。".
bool CopyOneFile(const QString& source, const QString& target, UserDialogs& dialogs);

// Which entries ListFolderTree reports. Symbolic links count as files: they
// are listed but never entered.
enum TreeEntryMask : unsigned { kTreeFiles = 1, kTreeFolders = 2, kTreeAll = 3 };

// Lists the entries of folder (full paths). Folders get a trailing separator
// when markFolders is set and come before their contents; they are entered
// when recurse is set. clearAttributes makes every visited file and folder
// writable by its owner first, so it can be deleted.
void ListFolderTree(const QString& folder, unsigned mask, bool clearAttributes, bool markFolders, bool recurse,
                    QStringList& result, bool emptyFirst);

// Deletes folder with everything in it. A missing folder shows
// "削除元が存在しません。". A folder that is a symbolic link loses only the link.
bool DeleteFolderTree(const QString& folder, UserDialogs& dialogs);

// Deletes one file (a link: the link). A missing file shows "削除元が存在しません。".
bool DeleteOneFile(const QString& path, UserDialogs& dialogs);
