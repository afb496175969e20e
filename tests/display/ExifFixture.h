#pragma once
// JPEG files with Exif data built byte by byte, in either byte order, with
// hooks for damaged pointers and offsets.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ExifTag {
  ExifTag(int tag, int type, std::vector<std::int64_t> ints = {}, std::string text = {},
          std::optional<std::uint32_t> rawCount = {}, std::optional<std::uint32_t> rawOffset = {})
      : tag(tag), type(type), ints(std::move(ints)), text(std::move(text)), rawCount(rawCount), rawOffset(rawOffset) {}
  int tag = 0;
  int type = 0;
  // SHORT, LONG, BYTE values; RATIONAL values as numerator, denominator pairs.
  std::vector<std::int64_t> ints;
  // ASCII text (a zero byte is added) or UNDEFINED bytes.
  std::string text;
  // When set, count and value field are written as given and no data.
  std::optional<std::uint32_t> rawCount, rawOffset;
};

struct ExifFixture {
  bool bigEndian = false;
  std::vector<ExifTag> ifd0, exif, gps, interop, ifd1;
  // Replaces the offset of IFD1 (0 = none unless ifd1 has tags).
  std::optional<std::uint32_t> ifd1Offset;
};

// The TIFF block: header, directories (pointer tags added for the
// directories that have tags, unless a tag of that number is given), data.
QByteArray BuildTiff(const ExifFixture& fixture);

// SOI, extra segments, APP1 "Exif\0\0" + tiff, a frame header of the given
// size (none when 0), EOI.
QByteArray BuildExifJpeg(const QByteArray& tiff, int frameWidth = 640, int frameHeight = 480,
                         const QByteArray& segmentsBeforeApp1 = QByteArray());
