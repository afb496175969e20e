#pragma once
// Which play position the prefetched picture belongs to.
#include <QString>

struct PrefetchKey {
  int FolderIndex = -1;  // FolderPlayIndex when it was decoded
  int ImageIndex = -1;   // its index in ImagePlayList
  bool operator==(const PrefetchKey&) const = default;
};

// The slide the timer shows next if nothing else happens first.
struct PlannedSlide {
  PrefetchKey Key;
  QString File;  // empty: nothing to decode ahead
  // The play list is rebuilt before that slide: File is the image the
  // rebuild would put first if it ran now, a guess that a random draw or a
  // changed folder in between can prove wrong.
  bool NewPass = false;
  // The filter and transition in force at that slide when they are known
  // now (no shuffle draw comes before it); -1 when not.
  int Filter = -1;
  int Transition = -1;
};
