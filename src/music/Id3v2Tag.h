#pragma once
// The ID3 version 2 tag (versions 2.2, 2.3 and 2.4) at the start of a file,
// read as far as the title label needs it: Title, Artist and Album from
// their text frames in encoding 0 (CP932 bytes) or 1 (UTF-16).
#include "music/TagByteSource.h"
#include "music/TagFields.h"

TagFields ReadId3v2(TagByteSource& source);
