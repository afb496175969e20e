#pragma once
// TExifInfo: the Exif reader. Setting ImageFileName finds the APP1 segment of
// a JPEG file, walks its TIFF directories and keeps every entry, typed, for
// lookup by tag and directory. Everything read from the file is untrusted:
// each read is bounds-checked and a damaged directory leaves no entries.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

// Directory kinds of an entry.
enum ExifDirectory : int { kIfd0 = 0, kExifIfd = 1, kGpsIfd = 2, kInteropIfd = 3 };

// Error codes of the reader and their messages.
enum ExifErrorCode : int {
  kExifFileNotFound = -1,
  kExifNotExif = -2,
  kExifBadUserComment = -3,
  kExifNotAscii = -4,
  kExifBadStream = -5,
  kExifBadIndex = -6,
  kExifTagNotFound = -7,
  kExifUnknownDate = -8,
};
QString ExifErrorMessage(int code);

class EExifError : public std::runtime_error {
 public:
  EExifError(int code, const QString& message);
  int Code() const { return code_; }
  const QString& Message() const { return message_; }

 private:
  int code_;
  QString message_;
};

// One directory entry; the value bytes are kept as the file holds them and
// decoded by the getters of TExifInfo.
struct TEntryItem {
  std::uint16_t Tag = 0;
  std::uint16_t Type = 0;
  std::uint32_t Count = 0;
  int Directory = kIfd0;
  std::uint32_t ValueOffset = 0;  // meaningful when the value lies outside the entry
  bool ValueOutside = false;
  std::vector<std::uint8_t> Data;  // Count values of the type's size, file byte order
};
using TEntryItems = std::vector<TEntryItem>;

// Bytes per value of an entry type; 0 for an unknown type.
int ExifTypeSize(int type);

// "%d/%d" of the absolute values, "-" first when exactly one is negative.
QString FormatRational(std::int64_t numerator, std::int64_t denominator);

class TExifInfo {
 public:
  // How far the APP1 search runs.
  int SearchBytes = 160000;
  // Called with an error code before an error is raised; returning false
  // forbids the raise. Without a handler every error is raised.
  std::function<bool(int code)> OnError;
  // Called when the entries change.
  std::function<void()> OnUpdate;

  // Reads the file at once: clears both entry sets, then (unless name is
  // empty) reports -1 for a missing file, -2 without APP1, -5 for a failed parse.
  void SetImageFileName(const QString& name);
  const QString& ImageFileName() const { return fileName_; }
  // The same reading over bytes already in memory (name as given).
  void ReadBytes(const QByteArray& bytes, const QString& name = QString());

  // File offset of the FF E1 pair within SearchBytes after the start of
  // image, or -1.
  std::int64_t FindApp1(const QString& path) const;
  bool IsExifJpeg(const QString& path) const { return FindApp1(path) > 0; }

  const TEntryItems& MainEntries() const { return main_; }
  const TEntryItems& ThumbnailEntries() const { return thumbnail_; }
  bool BigEndian() const { return bigEndian_; }
  std::int64_t TiffBase() const { return tiffBase_; }

  bool HasTag(int tag, int directory) const;
  const TEntryItem* FindEntry(int tag, int directory) const;

  // Typed getters over the main entries. A missing tag reports -7, an index
  // past the values -6; both give 0 or an empty value. SHORT getters read
  // only SHORT and SSHORT entries, LONG getters only LONG and SLONG entries.
  std::int64_t ShortValue(int tag, int directory, int index = 0);
  std::int64_t LongValue(int tag, int directory, int index = 0);
  // A SHORT or a LONG entry.
  std::int64_t IntegerValue(int tag, int directory, int index = 0);
  QString AsciiValue(int tag, int directory);
  QByteArray UndefinedValue(int tag, int directory);
  // Numerator and denominator (each read as a signed 32-bit number).
  bool RationalValue(int tag, int directory, int index, std::int64_t& numerator, std::int64_t& denominator);
  int ValueCount(int tag, int directory) const;

  // Tags 256 / 257 of IFD0, else the size in the JPEG frame header.
  int ImageWidth();
  int ImageLength();
  // Tag 274 of IFD0: 1 when missing, 0 when outside 0..8.
  int Orientation();
  // Tag 36867 of the Exif directory as a date and time; throws EExifError
  // "日時は不明です" when the text does not convert, and EExifError with
  // another text for an impossible date.
  QDateTime DateTimeOriginalAsDate();

 private:
  void Clear();
  // Reports code through OnError; throws EExifError unless the handler forbids it.
  void ReportError(int code);
  bool Parse();
  int FrameHeaderSize(bool width);
  std::int64_t Decode(const TEntryItem& e, int index) const;

  QString fileName_;
  QByteArray bytes_;  // the start of the file, as far as the reader needs
  TEntryItems main_;
  TEntryItems thumbnail_;
  bool bigEndian_ = false;
  std::int64_t tiffBase_ = -1;
  std::int64_t app1_ = -1;
};
