#pragma once
// Which file system holds a path, from the text of /proc/self/mountinfo. Used
// to tell whether the program runs from a CD or DVD (iso9660 or udf).
#include <QString>

// The file-system type of the mount whose mount point is the longest one
// holding path (a later line wins over an earlier one with the same point);
// empty when no line matches. path should be absolute and canonical.
QString MountFileSystemType(const QString& mountInfo, const QString& path);

bool IsOpticalDiscFileSystem(const QString& fileSystemType);

// The text of /proc/self/mountinfo, or of the file named by the environment
// variable BRINMORA_MOUNTINFO when it is set (whole-program checks of CD
// play); empty when it cannot be read.
QString ReadSystemMountInfo();
