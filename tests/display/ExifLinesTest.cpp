#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ExifFixture.h"
#include "display/ExifLines.h"

namespace {
QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}
}  // namespace

TEST(ExifLinesTest, CaptionsAndFormatsInOrder) {
  ExifFixture f;
  f.bigEndian = true;
  f.ifd0 = {{258, 3, {8, 8, 8}},    {259, 3, {6}},  {262, 3, {2}},  {274, 3, {6}},     {277, 3, {3}},
            {284, 3, {5}},          {530, 3, {2, 1}}, {531, 3, {2}}, {282, 5, {72, 1}}, {283, 5, {300, 1}},
            {296, 3, {3}},          {306, 2, {}, "2010:08:16 10:00:00"}, {271, 2, {}, "Make Co"},
            {272, 2, {}, "Model 7"}, {256, 3, {3000}}, {257, 4, {2000}}};
  f.exif = {{0x9000, 7, {}, "0230"},   {40961, 3, {65535}}, {40962, 4, {3000}},  {40963, 3, {2000}},
            {37121, 7, {}, std::string("\1\2\3\0\7", 5)},   {37520, 2, {}, "042"}, {37521, 2, {}, "ab"},
            {33434, 5, {1, 250}},      {37380, 10, {1, -3}}, {37383, 3, {5}},     {37384, 3, {99}},
            {34850, 3, {2}},           {34855, 3, {100, 200}}, {41492, 3, {12, 34}}, {41495, 3, {2}},
            {0xA300, 7, {}, "\3"},     {36867, 2, {}, "2010:08:15 09:30:00"}};
  QTemporaryDir dir;
  TExifInfo reader;
  reader.OnError = [](int) { return false; };
  const QStringList lines = BuildExifLines(reader, Write(dir, "IMG_0001.JPG", BuildExifJpeg(BuildTiff(f))));
  const QStringList want = {
      "FileName : IMG_0001.JPG",
      "ImageWidth : 3000",
      "ImageLength : 2000",
      "BitsPerSample : 8 8 8",
      "Compression : JPEG",
      "Photometric : RGB",
      "Orientation : 6",
      "SamplesPerPixel : 3",
      "PlanarConfiguration : 0",
      "YCbCrSubSampling : 1",
      "YCbCrPositioning : 2",
      "XResolution : 72/1",
      "YResolution : 300/1",
      "ResolutionUnit : センチメートル",
      "DateTime : 2010:08:16 10:00:00",
      "Make : Make Co",
      "Model : Model 7",
      "ExifVersion : 0230",
      "ColorSpace : Uncalibrated",
      "PixelXDimension : 3000",
      "PixelYDimension : 2000",
      "ComponentsConfiguration : YCbCr  ",
      "DateTimeOriginal : 2010:08:15 09:30:00",
      "SubSecTime : 42",
      "SubSecTimeOriginal : ab",
      "ExposureTime : 1/250",
      "ExposureBiasValue : -1/3",
      "MeteringMode : 分割測光",
      "LightSource : ",
      "ExposureProgram : ノーマルプログラム",
      "ISOSpeedRatings : 100 200 ",
      "SubjectLocation : (12, 34)",
      "SensingMethod : 単チップカラーセンサ",
      "FileSource : 3",
  };
  EXPECT_EQ(lines, want);
}

TEST(ExifLinesTest, OnlyTheFixedLinesMeanNoBox) {
  ExifFixture f;
  f.ifd0 = {{999, 3, {1}}};
  QTemporaryDir dir;
  TExifInfo reader;
  reader.OnError = [](int) { return false; };
  EXPECT_TRUE(BuildExifLines(reader, Write(dir, "a.jpg", BuildExifJpeg(BuildTiff(f)))).isEmpty());
  // Without tags 256 and 257 the frame header gives the size.
  f.ifd0 = {{274, 3, {1}}};
  const QStringList lines = BuildExifLines(reader, Write(dir, "b.jpg", BuildExifJpeg(BuildTiff(f), 1234, 567)));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[1], QStringLiteral("ImageWidth : 1234"));
  EXPECT_EQ(lines[2], QStringLiteral("ImageLength : 567"));
}
