#pragma once
// The 128-byte ID3 version 1 (and 1.1) tag at the end of a file: Title,
// Artist, Album, Year, Comment, Track and GenreID. No tag gives no fields.
#include "music/TagByteSource.h"
#include "music/TagFields.h"

TagFields ReadId3v1(TagByteSource& source);
