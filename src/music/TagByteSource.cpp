#include "music/TagByteSource.h"

#include <algorithm>

std::vector<uint8_t> FileTagSource::ReadAt(int64_t offset, int64_t count) {
  const int64_t size = Size();
  if (offset < 0 || count <= 0 || offset >= size) return {};
  count = std::min(count, size - offset);
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  if (!file_.seek(offset)) return {};
  const qint64 got = file_.read(reinterpret_cast<char*>(bytes.data()), count);
  bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return bytes;
}

std::vector<uint8_t> MemoryTagSource::ReadAt(int64_t offset, int64_t count) {
  const int64_t size = Size();
  if (offset < 0 || count <= 0 || offset >= size) return {};
  count = std::min(count, size - offset);
  return {bytes_.begin() + offset, bytes_.begin() + offset + count};
}
