#pragma once
// Title, artist and album of the current track, as the title label shows
// them. Empty fields are absent.
#include <QString>

struct BgmTag {
  QString Title;
  QString Artist;
  QString Album;
};
