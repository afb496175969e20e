#pragma once
// The texts of the two music labels of the display: the song title
// (pnlBGMName) and the play state (pnlState).
#include <QString>

#include "music/BgmTag.h"
#include "music/PlayerState.h"

// "♪" + numbering "n/N. " + the song: for an MP3 file whose tag has both an
// artist and a title, the tag composed by TitleTag (0..7); otherwise the
// file name without its extension. `tag` is what ReadBgmTag gave.
QString ComposeBgmTitle(const QString& currentBgmFile, int bgmPlayIndex, int playListCount, int titleTag,
                        const BgmTag& tag);
// The same, reading the tags of `currentBgmFile` afresh.
QString BgmTitleText(const QString& currentBgmFile, int bgmPlayIndex, int playListCount, int titleTag);

// The text the play-state box is sized by: "--:--/--:-- Paused Loop Volume 000".
QString BgmStateLayoutText(PlayerState state, int bgmOrder);
// The text written every 100 ms: "01:23/04:56 Playing Shuffle Volume 050".
// Empty position or duration texts count as "00:00".
QString BgmStateRunningText(const QString& position, const QString& duration, PlayerState state, int bgmOrder,
                            int volume);
// The text shown when the music starts: "00:00/00:00 Ready Shuffle Volume 050".
QString BgmStateReadyText(int bgmOrder, int volume);

// A position n of a total N, both padded to the digits that N needs
// ("03/12", "003/120"); plain decimal from a million on.
QString FormatBgmCount(int n, int total);
