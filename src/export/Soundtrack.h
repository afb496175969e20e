#pragma once
// The export's soundtrack: the BGM play list decoded track after track in
// the order the music player would play it, as one endless stream. A missing
// or unplayable track is passed over, as the player passes over it, with one
// line in the export report; when no track plays at all the rest is silence.
#include <QStringList>
#include <cstdint>
#include <memory>

#include "export/AudioSource.h"

class Soundtrack {
 public:
  // tracks: the BgmPlayList; first: the BgmPlayIndex playing first; the
  // order "loop" (repeatOne) plays that track again and again.
  Soundtrack(QStringList tracks, int first, bool repeatOne, AudioOpener open);

  // Fills `frames` sound frames; silence where no track plays.
  void Read(std::int16_t* out, int frames);

  // The tracks that were passed over, one line each ("file: why").
  const QStringList& Skipped() const { return skipped_; }
  // The files that played, in order (a file once per time it started).
  const QStringList& Played() const { return played_; }

 private:
  // Opens the next playable track; false when a whole round found none.
  bool OpenNext();

  QStringList tracks_;
  int next_ = 0;
  bool repeatOne_ = false;
  AudioOpener open_;
  std::unique_ptr<AudioSource> current_;
  bool exhausted_ = false;
  QStringList skipped_;
  QStringList played_;
};

// Fades the last `fadeFrames` of a stream of `totalFrames` out linearly.
// block holds `frames` sound frames starting at frame `position`.
void ApplyFadeOut(std::int16_t* block, int frames, std::int64_t position, std::int64_t totalFrames,
                  std::int64_t fadeFrames);
