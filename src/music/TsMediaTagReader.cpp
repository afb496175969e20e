#include "music/TsMediaTagReader.h"

#include "music/MpegAudioTagReader.h"

bool TsMediaTagReader::Open(const QString& path) {
  reader_.reset();
  auto reader = std::make_unique<MpegAudioTagReader>();
  if (!reader->Read(path)) return false;
  reader_ = std::move(reader);
  return true;
}

QString TsMediaTagReader::Value(const QString& name) const {
  if (!reader_) return {};
  QString value = reader_->Field(name);
  if (!value.isEmpty()) return value;
  for (const char* subTag : {"ID3v2", "ID3v1", "APEtag"}) {
    if (const TagFields* fields = reader_->SubTag(QString::fromLatin1(subTag))) {
      value = fields->value(name);
      if (!value.isEmpty()) return value;
    }
  }
  return {};
}
