#include "export/Soundtrack.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "export/VideoEncoder.h"

Soundtrack::Soundtrack(QStringList tracks, int first, bool repeatOne, AudioOpener open)
    : tracks_(std::move(tracks)), repeatOne_(repeatOne), open_(std::move(open)) {
  next_ = first >= 0 && first < tracks_.size() ? first : 0;
  exhausted_ = tracks_.isEmpty();
}

bool Soundtrack::OpenNext() {
  // Each track is tried at most once per round; a round without any sound
  // ends the music.
  for (int tried = 0; tried < tracks_.size(); ++tried) {
    const QString file = tracks_.at(next_);
    if (!repeatOne_) next_ = (next_ + 1) % static_cast<int>(tracks_.size());
    QString why;
    if (!QFileInfo(file).isFile()) {
      why = QStringLiteral("ファイルが見つかりません");
    } else {
      current_ = open_(file, why);
      if (current_) {
        played_ << file;
        return true;
      }
    }
    const QString line = file + QStringLiteral(": ") + why;
    if (!skipped_.contains(line)) skipped_ << line;
    if (repeatOne_) break;
  }
  return false;
}

void Soundtrack::Read(std::int16_t* out, int frames) {
  int done = 0;
  // A track that ends straight away counts as a try, so that a list of empty
  // files cannot spin for ever.
  int emptyTracks = 0;
  while (done < frames && !exhausted_) {
    if (!current_ && !OpenNext()) {
      exhausted_ = true;
      break;
    }
    const int got = current_->Read(out + static_cast<std::size_t>(done) * kExportAudioChannels, frames - done);
    done += got;
    if (got == 0) {
      current_.reset();
      if (++emptyTracks > tracks_.size()) exhausted_ = true;
    } else {
      emptyTracks = 0;
    }
  }
  if (done < frames)
    std::memset(out + static_cast<std::size_t>(done) * kExportAudioChannels, 0,
                static_cast<std::size_t>(frames - done) * kExportAudioChannels * sizeof(std::int16_t));
}

void ApplyFadeOut(std::int16_t* block, int frames, std::int64_t position, std::int64_t totalFrames,
                  std::int64_t fadeFrames) {
  if (fadeFrames <= 0) return;
  const std::int64_t fadeStart = totalFrames - fadeFrames;
  for (int i = 0; i < frames; ++i) {
    const std::int64_t at = position + i;
    if (at < fadeStart) continue;
    const double gain = at >= totalFrames ? 0.0 : static_cast<double>(totalFrames - at) / static_cast<double>(fadeFrames);
    for (int c = 0; c < kExportAudioChannels; ++c) {
      std::int16_t& s = block[static_cast<std::size_t>(i) * kExportAudioChannels + c];
      s = static_cast<std::int16_t>(s * gain);
    }
  }
}
