#pragma once
// A decoded sound file read front to back, as the export's soundtrack reads
// it: interleaved signed 16-bit stereo at the export's rate.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class AudioSource {
 public:
  virtual ~AudioSource() = default;
  // Up to `frames` sound frames into out; 0 at the end of the file.
  virtual int Read(std::int16_t* out, int frames) = 0;
};

// Opens a file for reading; null with why set when it cannot be played.
using AudioOpener = std::function<std::unique_ptr<AudioSource>(const QString& path, QString& why)>;
