#include "music/Id3v1Tag.h"

#include "music/TagText.h"

namespace {

QString Text(const std::vector<uint8_t>& tag, size_t first, size_t length) {
  return TrimTagTextEnd(DecodeCp932(std::span(tag).subspan(first, length)));
}

}  // namespace

TagFields ReadId3v1(TagByteSource& source) {
  constexpr int64_t kTagSize = 128;
  if (source.Size() < kTagSize) return {};
  const std::vector<uint8_t> tag = source.ReadAt(source.Size() - kTagSize, kTagSize);
  if (tag.size() != kTagSize || tag[0] != 'T' || tag[1] != 'A' || tag[2] != 'G') return {};
  TagFields fields;
  fields["Title"] = Text(tag, 3, 30);
  fields["Artist"] = Text(tag, 33, 30);
  fields["Album"] = Text(tag, 63, 30);
  fields["Year"] = Text(tag, 93, 4);
  // Version 1.1 keeps a track number in the last two bytes of the comment.
  const bool v11 = (tag[125] == 0 && tag[126] != 0) || (tag[125] == ' ' && tag[126] != ' ');
  if (v11) {
    fields["Comment"] = Text(tag, 97, 28);
    fields["Track"] = QString::number(tag[126]);
  } else {
    fields["Comment"] = Text(tag, 97, 30);
  }
  fields["GenreID"] = QString::number(tag[127]);
  return fields;
}
