#pragma once
// Which play position the prefetched picture belongs to.

struct PrefetchKey {
  int FolderIndex = -1;  // FolderPlayIndex when it was decoded
  int ImageIndex = -1;   // its index in ImagePlayList
  bool operator==(const PrefetchKey&) const = default;
};
