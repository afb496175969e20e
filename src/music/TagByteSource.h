#pragma once
// Bounded reading of the bytes of a music file for the tag readers. Every
// offset and length a tag names is untrusted: reads past the end return
// fewer bytes, never fail loudly.
#include <QFile>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

class TagByteSource {
 public:
  virtual ~TagByteSource() = default;
  virtual int64_t Size() const = 0;
  // Up to `count` bytes from `offset`; fewer (or none) at the end of the data.
  virtual std::vector<uint8_t> ReadAt(int64_t offset, int64_t count) = 0;
};

class FileTagSource final : public TagByteSource {
 public:
  explicit FileTagSource(const QString& path) : file_(path) {}
  bool Open() { return file_.open(QIODevice::ReadOnly); }
  int64_t Size() const override { return file_.size(); }
  std::vector<uint8_t> ReadAt(int64_t offset, int64_t count) override;

 private:
  QFile file_;
};

class MemoryTagSource final : public TagByteSource {
 public:
  explicit MemoryTagSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }
  std::vector<uint8_t> ReadAt(int64_t offset, int64_t count) override;

 private:
  std::span<const uint8_t> bytes_;
};
