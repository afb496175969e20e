#pragma once
// The MPEG audio (MP3) format reader: an ID3v2 tag at the start and an
// ID3v1 tag at the end. It has no fields of its own and takes any readable
// file; the audio frames are not examined.
#include <optional>

#include "music/TagFormatReader.h"

class MpegAudioTagReader final : public TagFormatReader {
 public:
  bool Read(const QString& path) override;
  QString Field(const QString&) const override { return {}; }
  const TagFields* SubTag(const QString& name) const override;

 private:
  std::optional<TagFields> id3v2_;
  std::optional<TagFields> id3v1_;
};
