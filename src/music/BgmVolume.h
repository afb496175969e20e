#pragma once
// The music volume 0..100 (App.ini Env/WMPVol).
#include <algorithm>

inline constexpr int kDefaultBgmVolume = 50;

inline int ClampBgmVolume(int volume) { return std::clamp(volume, 0, 100); }
