#pragma once
// The tag record the music title label is built from.
#include <QString>

#include "music/BgmTag.h"

// Artist, title and album of an MP3 file (each from ID3v2, else ID3v1);
// for any other file only the album. An empty album becomes the name of the
// folder that holds the file (empty for a file in the root folder). Read
// afresh on every call; a missing or unreadable file gives empty fields.
BgmTag ReadBgmTag(const QString& path);

// The last component of the file's folder path; empty in the root folder.
QString HoldingFolderName(const QString& path);
