#pragma once
// The option set of one slideshow, one field per Slide.ini key. Selector
// fields hold the 0-based item index (-1: nothing selected), whether the
// file stores the item's text or its index.
#include <QString>
#include <array>

#include "bitmap/FrameBitmap.h"
#include "filters/FilterKind.h"
#include "transitions/TransitionKind.h"

// The colours of the display window's label panels (0x00BBGGRR).
struct DisplayColours {
  ColorRef SlideNameFColor = 8454016;
  ColorRef SlideNameColor = 4210688;
  ColorRef GNameFColor = 12615935;
  ColorRef GNameColor = 128;
  ColorRef NumFColor = 12632256;
  ColorRef NumColor = 3223857;
  ColorRef DateFColor = 12632256;
  ColorRef DateColor = 3223857;
  ColorRef BGMNameFColor = 16777088;
  ColorRef BGMNameColor = 8404992;
  ColorRef StateFColor = 12632256;
  ColorRef StateColor = 3223857;
  ColorRef ClockFColor = 16777088;
  ColorRef ClockColor = 3223857;
  ColorRef ExifFColor = 16777215;
  ColorRef ExifColor = 3223857;
  ColorRef GuideFColor = 12632256;
  ColorRef GuideColor = 3223857;
};

// The artwork panel has no key of its own: always this colour.
constexpr ColorRef kArtworkPanelColor = 3223857;

struct SlideshowOptions {
  // [Option]
  int Interval = 8;  // 1..60
  int Unit = 0;      // 0 秒, 1 分, -1 none (counts as seconds)
  bool UseLabel = true;
  int cbDir = 0;
  int cbImg = 0;
  bool UseLimit = false;
  int LimitNum = 1;  // 1..100
  int cbBGM = 0;
  bool UseBGM = true;
  int ImgEffect = static_cast<int>(FilterKind::Shuffle);
  int SlideEffect = static_cast<int>(TransitionKind::Shuffle);

  // [Effect]
  std::array<bool, kFilterCount> ImgCheck = filled<kFilterCount>();
  std::array<bool, kTransitionCount> SlideCheck = filled<kTransitionCount>();
  int TimingIdx = 0;
  int ChangeNum = 8;  // 1..100
  int IncreaseIdx = static_cast<int>(FilterKind::Grayscale);
  std::array<bool, kFilterCount> IncreaseCheck = filled<kFilterCount>();
  int IncFrame = 1;
  int PhotoLongSize = 456;  // 200..500, step 2
  bool IncRotate = true;

  // [Label]
  bool SlideName = true;
  bool GName = true;
  bool Num = true;
  bool Date = false;
  bool BGMName = true;
  bool State = true;
  bool Art = true;
  QString ArtName = QStringLiteral("cover.jpg");
  int ArtSize = 2;
  int ArtEffect = 2;
  bool Clock = true;
  bool Exif = false;
  bool Guide = true;
  int SelectGName = 1;
  int GGroupPos = 1;
  int TitleTag = 2;

  // [Color]
  ColorRef BkColor = 0;
  DisplayColours Colours;

  // [List]: the resume point
  QString LastPlayName;
  QString LastPlayDir;
  QString LastPlayBGM;

 private:
  template <std::size_t N>
  static constexpr std::array<bool, N> filled() {
    std::array<bool, N> a{};
    a.fill(true);
    return a;
  }
};

// The slide timer's period in milliseconds.
inline int SlideTimerInterval(const SlideshowOptions& o) {
  return o.Unit == 1 ? o.Interval * 60 * 1000 : o.Interval * 1000;
}
