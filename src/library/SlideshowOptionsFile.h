#pragma once
// Slide.ini: reading and writing the options of one slideshow key by key in
// a fixed order, so a file made from nothing always looks the same.
#include "library/SlideshowOptions.h"

class IniFile;
class UserDialogs;

// Reads every option but the 18 label colours (those belong to the display
// window: ReadDisplayColours). Missing or unreadable values give the
// defaults; out-of-range numbers are brought to the nearest bound; an
// out-of-range index becomes -1. Pending messages are processed after each
// check item.
void ReadSlideshowOptions(const IniFile& ini, SlideshowOptions& options, UserDialogs* dialogs);

// Writes every key in order into ini (in memory); the caller saves the file.
void WriteSlideshowOptions(IniFile& ini, const SlideshowOptions& options, UserDialogs* dialogs);

// The label colours of section "Color" (missing keys keep their defaults).
void ReadDisplayColours(const IniFile& ini, DisplayColours& colours);

// Sets the screen background to black and every label colour but the
// slide-name pair to its default.
void ResetDisplayColours(SlideshowOptions& options);
