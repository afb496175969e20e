// libFuzzer entry: the ID3v2 and ID3v1 readers on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "music/Id3v1Tag.h"
#include "music/Id3v2Tag.h"
#include "music/TagByteSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryTagSource source({data, size});
  const TagFields v2 = ReadId3v2(source);
  const TagFields v1 = ReadId3v1(source);
  // Keep the results alive so the reading is not optimised away.
  return static_cast<int>(v2.size() + v1.size()) & 0;
}
