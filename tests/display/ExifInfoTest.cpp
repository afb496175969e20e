#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ExifFixture.h"
#include "display/ExifInfo.h"
#include "engine/ReadOrientation.h"

namespace {

class ExifInfoTest : public ::testing::Test {
 protected:
  ExifInfoTest() {
    reader.OnError = [this](int code) {
      codes.push_back(code);
      return false;
    };
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString WriteExif(const QString& name, const ExifFixture& fixture) {
    return Write(name, BuildExifJpeg(BuildTiff(fixture)));
  }
  QTemporaryDir dir;
  TExifInfo reader;
  std::vector<int> codes;
};

ExifTag Short(int tag, std::vector<std::int64_t> v) { return {tag, 3, std::move(v)}; }
ExifTag Ascii(int tag, std::string text) { return {tag, 2, {}, std::move(text)}; }

}  // namespace

TEST_F(ExifInfoTest, OrientationInBothByteOrders) {
  const int turns[] = {0, 0, 0, 180, 0, 0, 90, 0, 270, 0};  // by tag value 0..9
  for (bool big : {false, true}) {
    for (int value = 0; value <= 9; ++value) {
      ExifFixture f;
      f.bigEndian = big;
      f.ifd0 = {Short(274, {value})};
      const QString path = WriteExif(QStringLiteral("o%1%2.jpg").arg(value).arg(big), f);
      EXPECT_EQ(ReadOrientation(reader, path), turns[value]) << "value " << value << (big ? " MM" : " II");
      EXPECT_EQ(reader.BigEndian(), big);
      EXPECT_EQ(reader.Orientation(), value <= 8 ? value : 0);
    }
  }
  ExifFixture none;
  none.ifd0 = {Ascii(271, "Maker")};
  const QString path = WriteExif("none.jpg", none);
  EXPECT_EQ(ReadOrientation(reader, path), 0);
  EXPECT_EQ(reader.Orientation(), 1);  // a missing tag counts as upright
  EXPECT_EQ(ReadOrientation(reader, Write("plain.png", QByteArray("\x89PNG\r\n\x1a\n", 8))), 0);
}

TEST_F(ExifInfoTest, TypedEntriesByDirectory) {
  for (bool big : {false, true}) {
    ExifFixture f;
    f.bigEndian = big;
    f.ifd0 = {Short(258, {8, 8, 8}), {256, 4, {3000}}, {282, 5, {72, 1}}, Ascii(271, "Brinmora Camera Works")};
    f.exif = {{33434, 5, {1, 250}}, {37380, 10, {1, -3}}, Ascii(36867, "2010:08:15 09:30:00"), {37121, 7, {}, std::string("\1\2\3\0", 4)}};
    f.gps = {{0, 1, {2, 2, 0, 0}}};
    f.interop = {Ascii(1, "R98")};
    f.ifd1 = {Short(259, {6})};
    reader.SetImageFileName(WriteExif(QStringLiteral("t%1.jpg").arg(big), f));
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(reader.ShortValue(258, kIfd0, 2), 8);
    EXPECT_EQ(reader.ShortValue(256, kIfd0), 0);  // a LONG entry is not a SHORT
    EXPECT_EQ(reader.LongValue(256, kIfd0), 3000);
    EXPECT_EQ(reader.ImageWidth(), 3000);
    EXPECT_EQ(reader.ImageLength(), 480);  // no tag 257: the frame header
    EXPECT_EQ(reader.AsciiValue(271, kIfd0), QStringLiteral("Brinmora Camera Works"));
    std::int64_t n = 0, d = 0;
    ASSERT_TRUE(reader.RationalValue(37380, kExifIfd, 0, n, d));
    EXPECT_EQ(FormatRational(n, d), QStringLiteral("-1/3"));
    ASSERT_TRUE(reader.RationalValue(33434, kExifIfd, 0, n, d));
    EXPECT_EQ(FormatRational(n, d), QStringLiteral("1/250"));
    EXPECT_EQ(reader.UndefinedValue(37121, kExifIfd), QByteArray("\1\2\3\0", 4));
    EXPECT_TRUE(reader.HasTag(0, kGpsIfd));
    EXPECT_TRUE(reader.HasTag(1, kInteropIfd));
    EXPECT_FALSE(reader.HasTag(1, kExifIfd));
    EXPECT_FALSE(reader.HasTag(259, kIfd0));  // thumbnail entries are kept apart
    ASSERT_EQ(reader.ThumbnailEntries().size(), 1u);
    EXPECT_EQ(reader.DateTimeOriginalAsDate(), QDateTime(QDate(2010, 8, 15), QTime(9, 30, 0)));
    EXPECT_TRUE(codes.empty());
    // Missing tags and indices report -7 and -6 and give 0.
    EXPECT_EQ(reader.ShortValue(999, kIfd0), 0);
    EXPECT_EQ(reader.ShortValue(258, kIfd0, 3), 0);
    EXPECT_EQ(codes, (std::vector<int>{kExifTagNotFound, kExifBadIndex}));
    codes.clear();
  }
}

TEST_F(ExifInfoTest, DatesThatDoNotConvert) {
  const struct {
    const char* text;
    bool converts;
  } cases[] = {{"2010:08:15 09:30:00", true}, {"0000:00:00 00:00:00", false}, {"2010-08-15 09-30-00", false},
               {"    :  :     :  :  ", false}, {"2010:13:01 00:00:00", false}, {"2010:08:15", false}};
  for (const auto& c : cases) {
    ExifFixture f;
    f.exif = {Ascii(36867, c.text)};
    reader.SetImageFileName(WriteExif("d.jpg", f));
    if (c.converts) {
      EXPECT_NO_THROW(reader.DateTimeOriginalAsDate()) << c.text;
    } else {
      EXPECT_THROW(reader.DateTimeOriginalAsDate(), EExifError) << c.text;
    }
  }
  ExifFixture noColon;
  noColon.exif = {Ascii(36867, "unknown")};
  reader.SetImageFileName(WriteExif("n.jpg", noColon));
  try {
    reader.DateTimeOriginalAsDate();
    ADD_FAILURE();
  } catch (const EExifError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("日時は不明です"));
  }
}

TEST_F(ExifInfoTest, DirectoryLoopsEnd) {
  // The Exif pointer leads back to IFD0 and IFD1 is IFD0 again.
  ExifFixture f;
  f.ifd0 = {Short(274, {6}), {34665, 4, {8}}};
  f.ifd1Offset = 8;
  reader.SetImageFileName(WriteExif("loop.jpg", f));
  EXPECT_TRUE(codes.empty());
  EXPECT_EQ(reader.Orientation(), 6);
  EXPECT_TRUE(reader.HasTag(274, kExifIfd));
  EXPECT_EQ(reader.ThumbnailEntries().size(), 4u);  // IFD1 and its Exif pointer, each read once
}

TEST_F(ExifInfoTest, DamagedFilesLeaveNoEntries) {
  struct Case {
    const char* name;
    QByteArray bytes;
    int code;
  };
  ExifFixture pastEnd;
  pastEnd.ifd0 = {Short(274, {6}), {271, 2, {}, "", 100, 0xFFFF0000u}};
  ExifFixture hugeCount;
  hugeCount.ifd0 = {Short(274, {6}), {271, 7, {}, "", 0xFFFFFFFFu, 8}};
  ExifFixture badPointer;
  badPointer.ifd0 = {Short(274, {6}), {34665, 4, {0x7FFFFFF0}}};
  QByteArray badOrder = BuildTiff(pastEnd);
  badOrder[0] = 'X';
  // APP0 data holding FF E1 before the real APP1: the search stops there.
  ExifFixture good;
  good.ifd0 = {Short(274, {6})};
  const QByteArray falsePair("\xFF\xE0\x00\x06\xFF\xE1\x00\x00", 8);
  // A large APP0 pushes APP1 past the search length.
  QByteArray bigApp0("\xFF\xE0\xFF\xF0", 4);
  bigApp0.append(QByteArray(0xFFEE, 'a'));
  QByteArray farApp1;
  for (int i = 0; i < 3; ++i) farApp1.append(bigApp0);

  const Case cases[] = {
      {"past.jpg", BuildExifJpeg(BuildTiff(pastEnd)), kExifBadStream},
      {"huge.jpg", BuildExifJpeg(BuildTiff(hugeCount)), kExifBadStream},
      {"order.jpg", BuildExifJpeg(badOrder), kExifBadStream},
      {"false.jpg", BuildExifJpeg(BuildTiff(good), 640, 480, falsePair), kExifBadStream},
      {"far.jpg", BuildExifJpeg(BuildTiff(good), 640, 480, farApp1), kExifNotExif},
      {"cut.jpg", BuildExifJpeg(BuildTiff(good)).left(20), kExifBadStream},
      {"notjpeg.jpg", QByteArray("GIF89a\xFF\xE1", 8), kExifNotExif},
      {"empty.jpg", QByteArray(), kExifNotExif},
  };
  for (const Case& c : cases) {
    codes.clear();
    const QString path = Write(c.name, c.bytes);
    reader.SetImageFileName(path);
    EXPECT_TRUE(reader.MainEntries().empty()) << c.name;
    EXPECT_EQ(codes, std::vector<int>{c.code}) << c.name;
    EXPECT_EQ(ReadOrientation(reader, path), 0) << c.name;
  }
  // A bad Exif pointer damages the main directories; the orientation is lost too.
  codes.clear();
  reader.SetImageFileName(Write("ptr.jpg", BuildExifJpeg(BuildTiff(badPointer))));
  EXPECT_TRUE(reader.MainEntries().empty());
  EXPECT_EQ(codes, std::vector<int>{kExifBadStream});

  codes.clear();
  reader.SetImageFileName(dir.filePath("missing.jpg"));
  EXPECT_EQ(codes, std::vector<int>{kExifFileNotFound});
  EXPECT_FALSE(reader.IsExifJpeg(dir.filePath("missing.jpg")));
}

TEST_F(ExifInfoTest, ErrorsRaiseUnlessTheHandlerForbids) {
  TExifInfo loud;
  EXPECT_THROW(loud.SetImageFileName(dir.filePath("missing.jpg")), EExifError);
  loud.OnError = [](int) { return true; };
  try {
    loud.SetImageFileName(Write("x.jpg", QByteArray("\xFF\xD8\xFF\xD9", 4)));
    ADD_FAILURE();
  } catch (const EExifError& e) {
    EXPECT_EQ(e.Code(), kExifNotExif);
    EXPECT_EQ(e.Message(), QStringLiteral("Exif、またはDCF形式ではありません"));
  }
  EXPECT_EQ(ExifErrorMessage(-99), QStringLiteral("不明なエラーです"));
  EXPECT_NO_THROW(loud.SetImageFileName(QString()));
}

TEST_F(ExifInfoTest, RationalsAreUnsignedAndSRationalsSigned) {
  struct Case {
    int type;
    std::int64_t numerator, denominator;
    const char* shown;
  };
  const Case cases[] = {
      {5, 0x80000000LL, 1, "2147483648/1"},    // a camera's "infinite" aperture
      {5, 0xFFFFFFFFLL, 0xFFFFFFFFLL, "4294967295/4294967295"},
      {5, 28, 10, "28/10"},
      {10, -1, 3, "-1/3"},
      {10, 0x80000000LL, 1, "-2147483648/1"},  // the same bits, signed
      {10, 5, -2, "-5/2"},
      {10, -7, -2, "7/2"},
  };
  for (bool big : {false, true}) {
    for (const Case& c : cases) {
      ExifFixture f;
      f.bigEndian = big;
      f.exif = {{37378, c.type, {c.numerator, c.denominator}}};
      reader.SetImageFileName(WriteExif(QStringLiteral("r%1.jpg").arg(big), f));
      std::int64_t n = 0, d = 0;
      ASSERT_TRUE(reader.RationalValue(37378, kExifIfd, 0, n, d));
      EXPECT_EQ(FormatRational(n, d), QString::fromLatin1(c.shown)) << "type " << c.type << (big ? " MM" : " II");
    }
  }
}

TEST_F(ExifInfoTest, AsciiTextIsUtf8OrElseCp932) {
  struct Case {
    std::string bytes;
    QString shown;
  };
  const Case cases[] = {
      {"Canon", QStringLiteral("Canon")},
      {"\x8E\x52\x93\x63\x91\xBE\x98\x59", QStringLiteral("山田太郎")},  // CP932
      {"\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E", QStringLiteral("山田太郎")},  // UTF-8
      {"(c) \xA9 Foto", QStringLiteral("(c) \uFF69 Foto")},  // a lone 0xA9 is a CP932 half-width kana
      {"a\x81\x0A" "b\tc", QStringLiteral("a\uFFFD b c")},     // neither: replaced, still one line
  };
  for (const Case& c : cases) {
    ExifFixture f;
    f.ifd0 = {Ascii(315, c.bytes)};
    reader.SetImageFileName(WriteExif("a.jpg", f));
    EXPECT_EQ(reader.AsciiValue(315, kIfd0), c.shown) << c.bytes;
  }
}
