#include "music/Id3v2Tag.h"

#include <array>

#include "music/TagText.h"

namespace {

constexpr int64_t kHeaderSize = 10;
constexpr int64_t kStoredFrameBytes = 500;

struct FieldFrames {
  const char* field;
  const char* preferred;  // versions 3 and 4
  const char* fallback;
  const char* preferredV2;
  const char* fallbackV2;
};

constexpr std::array<FieldFrames, 3> kFieldFrames = {{
    {"Title", "TIT2", "TIT1", "TT2", "TT1"},
    {"Artist", "TPE1", "TOPE", "TP1", "TOA"},
    {"Album", "TALB", "TOAL", "TAL", "TOT"},
}};

QString FrameText(const std::vector<uint8_t>& frame) {
  const auto text = std::span(frame).subspan(1);
  return TrimTagText(frame[0] == 0 ? DecodeCp932(text) : DecodeUtf16Tag(text));
}

bool IsWanted(const QString& id, int version) {
  for (const FieldFrames& f : kFieldFrames) {
    if (version == 2 ? (id == f.preferredV2 || id == f.fallbackV2) : (id == f.preferred || id == f.fallback))
      return true;
  }
  return false;
}

}  // namespace

TagFields ReadId3v2(TagByteSource& source) {
  const std::vector<uint8_t> header = source.ReadAt(0, kHeaderSize);
  if (header.size() != kHeaderSize || header[0] != 'I' || header[1] != 'D' || header[2] != '3') return {};
  const int version = header[3];
  if (version < 2 || version > 4) return {};
  int64_t tagLength = ((header[6] & 0x7F) << 21 | (header[7] & 0x7F) << 14 | (header[8] & 0x7F) << 7 |
                       (header[9] & 0x7F)) + kHeaderSize;
  if (header[5] & 0x10) tagLength += kHeaderSize;  // footer
  if (tagLength > source.Size()) tagLength = 0;
  if (tagLength <= 0) return {};

  // The texts of the wanted frames by frame ID; a later frame replaces an
  // earlier one with the same ID.
  QHash<QString, QString> frames;
  const int64_t frameHeaderSize = version == 2 ? 6 : 10;
  int64_t position = kHeaderSize;  // an extended header is not skipped
  while (position < tagLength) {
    const std::vector<uint8_t> frameHeader = source.ReadAt(position, frameHeaderSize);
    if (static_cast<int64_t>(frameHeader.size()) < frameHeaderSize) break;
    if (frameHeader[0] < 'A' || frameHeader[0] > 'Z') break;
    const int idLength = version == 2 ? 3 : 4;
    const QString id = QString::fromLatin1(reinterpret_cast<const char*>(frameHeader.data()), idLength);
    int64_t size = 0;
    for (int i = idLength; i < 2 * idLength; ++i) size = size << 8 | frameHeader[i];
    const bool skipped = version != 2 && (frameHeader[9] & 0x80) != 0;
    const int64_t dataStart = position + frameHeaderSize;
    if (!skipped && size > 0 && IsWanted(id, version)) {
      const std::vector<uint8_t> frame = source.ReadAt(dataStart, std::min(size, kStoredFrameBytes));
      if (!frame.empty() && (frame[0] == 0 || frame[0] == 1)) frames[id] = FrameText(frame);
    }
    position = dataStart + size;
  }

  TagFields fields;
  for (const FieldFrames& f : kFieldFrames) {
    const QString preferred = version == 2 ? f.preferredV2 : f.preferred;
    const QString fallback = version == 2 ? f.fallbackV2 : f.fallback;
    QString text = frames.value(preferred);
    if (text.isEmpty()) text = frames.value(fallback);
    fields[f.field] = text;
  }
  return fields;
}
