#include "music/MpegAudioTagReader.h"

#include "music/Id3v1Tag.h"
#include "music/Id3v2Tag.h"
#include "music/TagByteSource.h"

bool MpegAudioTagReader::Read(const QString& path) {
  FileTagSource source(path);
  if (!source.Open()) return false;
  TagFields v2 = ReadId3v2(source);
  if (!v2.isEmpty()) id3v2_ = std::move(v2);
  TagFields v1 = ReadId3v1(source);
  if (!v1.isEmpty()) id3v1_ = std::move(v1);
  return true;
}

const TagFields* MpegAudioTagReader::SubTag(const QString& name) const {
  if (name == QLatin1String("ID3v2") && id3v2_) return &*id3v2_;
  if (name == QLatin1String("ID3v1") && id3v1_) return &*id3v1_;
  return nullptr;
}
