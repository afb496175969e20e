#include "display/ExifInfo.h"

#include "display/ExifText.h"

#include <QFile>
#include <cstdlib>

namespace {

// The TIFF data must lie within this distance after the APP1 marker; an
// APP1 segment holds at most 64 KiB, so real files stay far inside it.
constexpr std::int64_t kParseWindow = 1 << 20;
// All value bytes of one file together; more means a hostile file.
constexpr std::size_t kValueBudget = 8u << 20;

struct ParseFailure {};

std::int64_t FindApp1In(const QByteArray& bytes, int searchBytes) {
  const auto* d = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  const std::int64_t size = bytes.size();
  if (size < 2 || d[0] != 0xFF || d[1] != 0xD8) return -1;
  std::int64_t pos = 2, count = 0;
  while (count <= searchBytes) {
    if (pos >= size) return -1;
    const std::uint8_t b = d[pos++];
    ++count;
    if (b != 0xFF) continue;
    if (pos >= size) return -1;
    ++count;
    if (d[pos++] == 0xE1) return pos - 2;
    --pos;  // the second byte may itself start the pair
  }
  return -1;
}

// Bounds-checked reads in the byte order of the TIFF header.
struct TiffBytes {
  const std::uint8_t* data;
  std::int64_t size;
  bool big;

  void Need(std::int64_t pos, std::int64_t n) const {
    if (pos < 0 || n < 0 || pos > size || n > size - pos) throw ParseFailure{};
  }
  std::uint32_t U16(std::int64_t pos) const {
    Need(pos, 2);
    const std::uint8_t* p = data + pos;
    return big ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
  }
  std::uint32_t U32(std::int64_t pos) const {
    Need(pos, 4);
    const std::uint8_t* p = data + pos;
    return big ? (std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3])
               : (std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0]);
  }
};

std::uint32_t BigEndian16(const QByteArray& bytes, std::int64_t pos) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + pos;
  return std::uint32_t(p[0]) << 8 | p[1];
}

bool IsStartOfFrame(std::uint32_t m) {
  return (m >= 0xC0 && m <= 0xC3) || (m >= 0xC5 && m <= 0xC7) || (m >= 0xC9 && m <= 0xCB) || (m >= 0xCD && m <= 0xCF);
}

}  // namespace

QString ExifErrorMessage(int code) {
  switch (code) {
    case kExifFileNotFound: return QStringLiteral("ファイルが見つかりません");
    case kExifNotExif: return QStringLiteral("Exif、またはDCF形式ではありません");
    case kExifBadUserComment: return QStringLiteral("ユーザコメントは不明な形式です");
    case kExifNotAscii: return QStringLiteral("ASCII文字以外は書き込みできません");
    case kExifBadStream: return QStringLiteral("不正なストリーム");
    case kExifBadIndex: return QStringLiteral("不正なインデックス");
    case kExifTagNotFound: return QStringLiteral("タグが見つかりません");
    case kExifUnknownDate: return QStringLiteral("日時は不明です");
    default: return QStringLiteral("不明なエラーです");
  }
}

EExifError::EExifError(int code, const QString& message)
    : std::runtime_error(message.toStdString()), code_(code), message_(message) {}

int ExifTypeSize(int type) {
  switch (type) {
    case 1: case 2: case 6: case 7: return 1;
    case 3: case 8: return 2;
    case 4: case 9: case 11: return 4;
    case 5: case 10: case 12: return 8;
    default: return 0;
  }
}

QString FormatRational(std::int64_t numerator, std::int64_t denominator) {
  const bool negative = (numerator < 0) != (denominator < 0);
  return (negative ? QStringLiteral("-") : QString()) +
         QStringLiteral("%1/%2").arg(std::llabs(numerator)).arg(std::llabs(denominator));
}

void TExifInfo::Clear() {
  main_.clear();
  thumbnail_.clear();
  bytes_.clear();
  tiffBase_ = -1;
  app1_ = -1;
  bigEndian_ = false;
}

void TExifInfo::ReportError(int code) {
  if (OnError && !OnError(code)) return;
  throw EExifError(code, ExifErrorMessage(code));
}

std::int64_t TExifInfo::FindApp1(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return FindApp1In(file.read(static_cast<qint64>(SearchBytes) + 4), SearchBytes);
}

void TExifInfo::SetImageFileName(const QString& name) {
  Clear();
  fileName_ = name;
  if (name.isEmpty()) return;
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    ReportError(kExifFileNotFound);
    return;
  }
  ReadBytes(file.read(static_cast<qint64>(SearchBytes) + 4 + kParseWindow), name);
}

void TExifInfo::ReadBytes(const QByteArray& bytes, const QString& name) {
  Clear();
  fileName_ = name;
  bytes_ = bytes;
  app1_ = FindApp1In(bytes_, SearchBytes);
  if (app1_ < 0) {
    ReportError(kExifNotExif);
    return;
  }
  if (!Parse()) {
    main_.clear();
    thumbnail_.clear();
    ReportError(kExifBadStream);
    return;
  }
  if (OnUpdate) OnUpdate();
}

bool TExifInfo::Parse() {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes_.constData());
  const std::int64_t size = std::min<std::int64_t>(bytes_.size(), app1_ + kParseWindow);
  // The TIFF header follows the identifier "Exif" and its two zero bytes.
  std::int64_t pos = app1_;
  int zeros = 0;
  for (;;) {
    if (pos >= size) return false;
    if (data[pos++] == 0) ++zeros;
    if (zeros >= 2 && pos < size && data[pos] != 0) break;
  }
  tiffBase_ = pos;
  if (pos + 2 > size) return false;
  if (data[pos] == 'I' && data[pos + 1] == 'I') bigEndian_ = false;
  else if (data[pos] == 'M' && data[pos + 1] == 'M') bigEndian_ = true;
  else return false;
  const TiffBytes tiff{data, size, bigEndian_};
  std::size_t budget = kValueBudget;

  auto readDirectory = [&](std::int64_t offset, int kind, TEntryItems& into) -> std::uint32_t {
    const std::int64_t start = tiffBase_ + offset;
    const std::uint32_t count = tiff.U16(start);
    tiff.Need(start + 2, static_cast<std::int64_t>(count) * 12 + 4);
    for (std::uint32_t k = 0; k < count; ++k) {
      const std::int64_t at = start + 2 + static_cast<std::int64_t>(k) * 12;
      TEntryItem e;
      e.Tag = static_cast<std::uint16_t>(tiff.U16(at));
      e.Type = static_cast<std::uint16_t>(tiff.U16(at + 2));
      e.Count = tiff.U32(at + 4);
      e.Directory = kind;
      const std::int64_t bytes = static_cast<std::int64_t>(ExifTypeSize(e.Type)) * e.Count;
      std::int64_t valueAt = at + 8;
      if (bytes > 4) {
        e.ValueOutside = true;
        e.ValueOffset = tiff.U32(at + 8);
        valueAt = tiffBase_ + e.ValueOffset;
      }
      tiff.Need(valueAt, bytes);
      if (static_cast<std::size_t>(bytes) > budget) throw ParseFailure{};
      budget -= static_cast<std::size_t>(bytes);
      e.Data.assign(data + valueAt, data + valueAt + bytes);
      into.push_back(std::move(e));
    }
    return tiff.U32(start + 2 + static_cast<std::int64_t>(count) * 12);
  };
  // The pointer tags name a fixed set of directories; none is followed
  // twice, so a pointer back to an earlier directory cannot loop.
  auto pointer = [&](const TEntryItems& list, int tag, int kind, std::int64_t& offset) {
    for (const TEntryItem& e : list)
      if (e.Tag == tag && e.Directory == kind && (e.Type == 4 || e.Type == 3) && e.Count >= 1) {
        offset = Decode(e, 0);
        return true;
      }
    return false;
  };

  std::uint32_t ifd1 = 0;
  try {
    ifd1 = readDirectory(tiff.U32(tiffBase_ + 4), kIfd0, main_);
    std::int64_t at = 0;
    if (pointer(main_, 34665, kIfd0, at)) readDirectory(at, kExifIfd, main_);
    if (pointer(main_, 34853, kIfd0, at)) readDirectory(at, kGpsIfd, main_);
    if (pointer(main_, 40965, kExifIfd, at)) readDirectory(at, kInteropIfd, main_);
  } catch (const ParseFailure&) {
    return false;
  }
  // The thumbnail directories are optional: damage there loses only them.
  if (ifd1 != 0) {
    try {
      readDirectory(ifd1, kIfd0, thumbnail_);
      std::int64_t at = 0;
      if (pointer(thumbnail_, 34665, kIfd0, at)) readDirectory(at, kExifIfd, thumbnail_);
      if (pointer(thumbnail_, 40965, kExifIfd, at)) readDirectory(at, kInteropIfd, thumbnail_);
    } catch (const ParseFailure&) {
      thumbnail_.clear();
    }
  }
  return true;
}

std::int64_t TExifInfo::Decode(const TEntryItem& e, int index) const {
  const int size = ExifTypeSize(e.Type);
  const std::int64_t at = static_cast<std::int64_t>(index) * size;
  if (size == 0 || index < 0 || at + size > static_cast<std::int64_t>(e.Data.size())) return 0;
  const TiffBytes t{e.Data.data(), static_cast<std::int64_t>(e.Data.size()), bigEndian_};
  switch (e.Type) {
    case 1: return e.Data[static_cast<std::size_t>(at)];
    case 6: return static_cast<std::int8_t>(e.Data[static_cast<std::size_t>(at)]);
    case 3: return t.U16(at);
    case 8: return static_cast<std::int16_t>(t.U16(at));
    case 4: return t.U32(at);
    case 9: return static_cast<std::int32_t>(t.U32(at));
    default: return 0;
  }
}

const TEntryItem* TExifInfo::FindEntry(int tag, int directory) const {
  for (const TEntryItem& e : main_)
    if (e.Tag == tag && e.Directory == directory) return &e;
  return nullptr;
}

bool TExifInfo::HasTag(int tag, int directory) const { return FindEntry(tag, directory) != nullptr; }

int TExifInfo::ValueCount(int tag, int directory) const {
  const TEntryItem* e = FindEntry(tag, directory);
  return e ? static_cast<int>(std::min<std::uint32_t>(e->Count, 1u << 30)) : 0;
}

std::int64_t TExifInfo::ShortValue(int tag, int directory, int index) {
  const TEntryItem* e = FindEntry(tag, directory);
  if (!e) return ReportError(kExifTagNotFound), 0;
  if (e->Type != 3 && e->Type != 8) return 0;
  if (index < 0 || static_cast<std::uint32_t>(index) >= e->Count) return ReportError(kExifBadIndex), 0;
  return Decode(*e, index);
}

std::int64_t TExifInfo::LongValue(int tag, int directory, int index) {
  const TEntryItem* e = FindEntry(tag, directory);
  if (!e) return ReportError(kExifTagNotFound), 0;
  if (e->Type != 4 && e->Type != 9) return 0;
  if (index < 0 || static_cast<std::uint32_t>(index) >= e->Count) return ReportError(kExifBadIndex), 0;
  return Decode(*e, index);
}

std::int64_t TExifInfo::IntegerValue(int tag, int directory, int index) {
  const TEntryItem* e = FindEntry(tag, directory);
  if (e && (e->Type == 4 || e->Type == 9)) return LongValue(tag, directory, index);
  return ShortValue(tag, directory, index);
}

QString TExifInfo::AsciiValue(int tag, int directory) {
  const TEntryItem* e = FindEntry(tag, directory);
  if (!e) return ReportError(kExifTagNotFound), QString();
  if (e->Type != 2) return QString();
  std::size_t n = 0;
  while (n < e->Data.size() && e->Data[n] != 0) ++n;
  return ExifText(QByteArray(reinterpret_cast<const char*>(e->Data.data()), static_cast<qsizetype>(n)));
}

QByteArray TExifInfo::UndefinedValue(int tag, int directory) {
  const TEntryItem* e = FindEntry(tag, directory);
  if (!e) return ReportError(kExifTagNotFound), QByteArray();
  return QByteArray(reinterpret_cast<const char*>(e->Data.data()), static_cast<qsizetype>(e->Data.size()));
}

bool TExifInfo::RationalValue(int tag, int directory, int index, std::int64_t& numerator, std::int64_t& denominator) {
  numerator = denominator = 0;
  const TEntryItem* e = FindEntry(tag, directory);
  if (!e) return ReportError(kExifTagNotFound), false;
  if (e->Type != 5 && e->Type != 10) return false;
  if (index < 0 || static_cast<std::uint32_t>(index) >= e->Count) return ReportError(kExifBadIndex), false;
  const TiffBytes t{e->Data.data(), static_cast<std::int64_t>(e->Data.size()), bigEndian_};
  const std::uint32_t n = t.U32(static_cast<std::int64_t>(index) * 8);
  const std::uint32_t d = t.U32(static_cast<std::int64_t>(index) * 8 + 4);
  // RATIONAL holds two unsigned numbers; only SRATIONAL is signed.
  const bool isSigned = e->Type == 10;
  numerator = isSigned ? std::int64_t{static_cast<std::int32_t>(n)} : std::int64_t{n};
  denominator = isSigned ? std::int64_t{static_cast<std::int32_t>(d)} : std::int64_t{d};
  return true;
}

int TExifInfo::FrameHeaderSize(bool width) {
  const std::int64_t size = bytes_.size();
  if (size < 2 || BigEndian16(bytes_, 0) != 0xFFD8) return 0;
  std::int64_t pos = 2;
  while (pos + 4 <= size) {
    const std::uint32_t marker = BigEndian16(bytes_, pos);
    if ((marker >> 8) != 0xFF) return 0;
    if (IsStartOfFrame(marker & 0xFF)) {
      if (pos + 9 > size) return 0;
      return static_cast<int>(BigEndian16(bytes_, pos + (width ? 7 : 5)));
    }
    pos += 2 + BigEndian16(bytes_, pos + 2);
  }
  return 0;
}

int TExifInfo::ImageWidth() {
  const TEntryItem* e = FindEntry(256, kIfd0);
  if (!e) return FrameHeaderSize(true);
  if (e->Type != 3 && e->Type != 4) return ReportError(kExifBadStream), 0;
  return static_cast<int>(IntegerValue(256, kIfd0));
}

int TExifInfo::ImageLength() {
  const TEntryItem* e = FindEntry(257, kIfd0);
  if (!e) return FrameHeaderSize(false);
  if (e->Type != 3 && e->Type != 4) return ReportError(kExifBadStream), 0;
  return static_cast<int>(IntegerValue(257, kIfd0));
}

int TExifInfo::Orientation() {
  if (!HasTag(274, kIfd0)) return 1;
  const std::int64_t v = ShortValue(274, kIfd0);
  return v < 0 || v > 8 ? 0 : static_cast<int>(v);
}

QDateTime TExifInfo::DateTimeOriginalAsDate() {
  const QString text = AsciiValue(36867, kExifIfd);
  const EExifError unknown(kExifUnknownDate, ExifErrorMessage(kExifUnknownDate));
  if (!text.contains(QLatin1Char(':'))) throw unknown;
  int parts[6];
  const int starts[6] = {0, 5, 8, 11, 14, 17}, lengths[6] = {4, 2, 2, 2, 2, 2};
  for (int i = 0; i < 6; ++i) {
    bool ok = false;
    parts[i] = text.mid(starts[i], lengths[i]).trimmed().toInt(&ok);
    if (!ok) throw unknown;
  }
  const QDate date(parts[0], parts[1], parts[2]);
  const QTime time(parts[3], parts[4], parts[5]);
  if (!date.isValid() || !time.isValid())
    throw EExifError(kExifUnknownDate, QStringLiteral("日付または時刻が正しくありません"));
  return QDateTime(date, time);
}
