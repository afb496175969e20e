#include "display/ExifLines.h"

#include <QFileInfo>
#include <map>

namespace {

using Table = std::map<std::int64_t, const char*>;

const Table kCompression = {{1, "非圧縮"}, {6, "JPEG"}};
const Table kPhotometric = {{2, "RGB"}, {6, "YCbCr"}};
const Table kResolutionUnit = {{2, "インチ"}, {3, "センチメートル"}};
const Table kColorSpace = {{1, "sRGB"}, {65535, "Uncalibrated"}};
const Table kMeteringMode = {{0, ""}, {1, "平均"}, {2, "中央重点"}, {3, "スポット"}, {4, "マルチスポット"},
                             {5, "分割測光"}, {6, "部分測光"}, {255, "その他"}};
const Table kLightSource = {{0, ""}, {1, "昼光"}, {2, "蛍光灯"}, {3, "タングステン"}, {17, "標準光 A"},
                            {18, "標準光 B"}, {19, "標準光 C"}, {20, "D55"}, {21, "D65"}, {22, "D75"}, {255, "その他"}};
const Table kExposureProgram = {{0, "未定義"}, {1, "マニュアル"}, {2, "ノーマルプログラム"}, {3, "露出優先"},
                                {4, "シャッタ優先"}, {5, "creativeプログラム"}, {6, "actionプログラム"},
                                {7, "ポートレイトモード"}, {8, "ランドスケープモード"}};
const Table kSensingMethod = {{1, "未定義"}, {2, "単チップカラーセンサ"}, {3, "2チップカラーセンサ"},
                              {4, "3チップカラーセンサ"}, {5, "色順次カラーセンサ"}, {7, "3線リニアセンサ"},
                              {8, "色順次リニアセンサ"}};

enum class Format { Dec, DecOneOrTwo, Rat, Text, Chars, Table, Bits, SubSampling, Components, SubSec, Iso, Location, FirstByte };

struct Line {
  const char* label;
  int tag;
  int directory;
  Format format;
  const Table* table = nullptr;
};

const Line kLines[] = {
    {"BitsPerSample : ", 258, 0, Format::Bits},
    {"Compression : ", 259, 0, Format::Table, &kCompression},
    {"Photometric : ", 262, 0, Format::Table, &kPhotometric},
    {"Orientation : ", 274, 0, Format::Dec},
    {"SamplesPerPixel : ", 277, 0, Format::Dec},
    {"PlanarConfiguration : ", 284, 0, Format::DecOneOrTwo},
    {"YCbCrSubSampling : ", 530, 0, Format::SubSampling},
    {"YCbCrPositioning : ", 531, 0, Format::DecOneOrTwo},
    {"XResolution : ", 282, 0, Format::Rat},
    {"YResolution : ", 283, 0, Format::Rat},
    {"ResolutionUnit : ", 296, 0, Format::Table, &kResolutionUnit},
    {"DateTime : ", 306, 0, Format::Text},
    {"Make : ", 271, 0, Format::Text},
    {"Model : ", 272, 0, Format::Text},
    {"Software : ", 305, 0, Format::Text},
    {"Artist : ", 315, 0, Format::Text},
    {"Copyright : ", 33432, 0, Format::Text},
    {"ExifVersion : ", 0x9000, 1, Format::Chars},
    {"FlashPixVersion : ", 40960, 1, Format::Chars},
    {"ColorSpace : ", 40961, 1, Format::Table, &kColorSpace},
    {"PixelXDimension : ", 40962, 1, Format::Dec},
    {"PixelYDimension : ", 40963, 1, Format::Dec},
    {"ComponentsConfiguration : ", 37121, 1, Format::Components},
    {"CompressedBitsPerPixel : ", 37122, 1, Format::Rat},
    {"RelatedSoundFile : ", 40964, 1, Format::Text},
    {"DateTimeOriginal : ", 36867, 1, Format::Text},
    {"DateTimeDigitized : ", 36868, 1, Format::Text},
    {"SubSecTime : ", 37520, 1, Format::SubSec},
    {"SubSecTimeOriginal : ", 37521, 1, Format::SubSec},
    {"SubSecTimeDigitized : ", 37522, 1, Format::SubSec},
    {"ExposureTime : ", 33434, 1, Format::Rat},
    {"ShutterSpeedValue : ", 37377, 1, Format::Rat},
    {"ApertureValue : ", 37378, 1, Format::Rat},
    {"BrightnessValue : ", 37379, 1, Format::Rat},
    {"ExposureBiasValue : ", 37380, 1, Format::Rat},
    {"MaxApertureValue : ", 37381, 1, Format::Rat},
    {"SubjectDistance : ", 37382, 1, Format::Rat},
    {"MeteringMode : ", 37383, 1, Format::Table, &kMeteringMode},
    {"LightSource : ", 37384, 1, Format::Table, &kLightSource},
    {"Flash : ", 37385, 1, Format::Dec},
    {"FocalLength : ", 37386, 1, Format::Rat},
    {"FNumber : ", 33437, 1, Format::Rat},
    {"ExposureProgram : ", 34850, 1, Format::Table, &kExposureProgram},
    {"SpectralSensitivity : ", 34852, 1, Format::Text},
    {"ISOSpeedRatings : ", 34855, 1, Format::Iso},
    {"FlashEnergy : ", 41483, 1, Format::Rat},
    {"FocalPlaneXResolution : ", 41486, 1, Format::Rat},
    {"FocalPlaneYResolution : ", 41487, 1, Format::Rat},
    {"SubjectLocation : ", 41492, 1, Format::Location},
    {"ExposureIndex : ", 41493, 1, Format::Rat},
    {"SensingMethod : ", 41495, 1, Format::Table, &kSensingMethod},
    {"FileSource : ", 0xA300, 1, Format::FirstByte},
    {"SceneType : ", 41729, 1, Format::FirstByte},
};

QString Dec(std::int64_t v) { return QString::number(v); }

QString ValueText(TExifInfo& r, const Line& line) {
  const int tag = line.tag, dir = line.directory;
  switch (line.format) {
    case Format::Dec:
      if (tag == 274) return Dec(r.Orientation());
      return Dec(r.IntegerValue(tag, dir));
    case Format::DecOneOrTwo: {
      const std::int64_t v = r.ShortValue(tag, dir);
      return Dec(v == 1 || v == 2 ? v : 0);
    }
    case Format::SubSampling: {
      if (r.ShortValue(tag, dir, 0) != 2) return Dec(0);
      const std::int64_t v = r.ShortValue(tag, dir, 1);
      return Dec(v == 1 || v == 2 ? v : 0);
    }
    case Format::Rat: {
      std::int64_t n = 0, d = 0;
      r.RationalValue(tag, dir, 0, n, d);
      return FormatRational(n, d);
    }
    case Format::Text: return r.AsciiValue(tag, dir);
    case Format::Chars: return QString::fromLatin1(r.UndefinedValue(tag, dir));
    case Format::Table: {
      const auto it = line.table->find(r.ShortValue(tag, dir));
      return it == line.table->end() ? QString() : QString::fromUtf8(it->second);
    }
    case Format::Bits:
      return QStringLiteral("%1 %2 %3").arg(r.ShortValue(tag, dir, 0)).arg(r.ShortValue(tag, dir, 1)).arg(r.ShortValue(tag, dir, 2));
    case Format::Components: {
      static const char* const kNames[] = {" ", "Y", "Cb", "Cr", "R", "G", "B"};
      QString text;
      for (char c : r.UndefinedValue(tag, dir)) {
        const auto b = static_cast<std::uint8_t>(c);
        text += QLatin1String(b <= 6 ? kNames[b] : " ");
      }
      return text;
    }
    case Format::SubSec: {
      // A text that is not a decimal integer is shown as it stands.
      const QString text = r.AsciiValue(tag, dir).trimmed();
      bool ok = false;
      const qlonglong v = text.toLongLong(&ok);
      return ok ? Dec(v) : text;
    }
    case Format::Iso: {
      QString text;
      for (int i = 0; i < r.ValueCount(tag, dir); ++i) text += Dec(r.ShortValue(tag, dir, i)) + QLatin1Char(' ');
      return text;
    }
    case Format::Location:
      return QStringLiteral("(%1, %2)").arg(r.ShortValue(tag, dir, 0)).arg(r.ShortValue(tag, dir, 1));
    case Format::FirstByte: {
      const QByteArray bytes = r.UndefinedValue(tag, dir);
      return Dec(bytes.isEmpty() ? 0 : static_cast<std::uint8_t>(bytes[0]));
    }
  }
  return QString();
}

}  // namespace

QStringList BuildExifLines(TExifInfo& reader, const QString& file) {
  reader.SetImageFileName(file);
  return ExifLinesOfReader(reader, file);
}

QStringList ExifLinesOfReader(TExifInfo& reader, const QString& fileName) {
  QStringList lines;
  lines << QStringLiteral("FileName : ") + QFileInfo(fileName).fileName()
        << QStringLiteral("ImageWidth : ") + Dec(reader.ImageWidth())
        << QStringLiteral("ImageLength : ") + Dec(reader.ImageLength());
  for (const Line& line : kLines)
    if (reader.HasTag(line.tag, line.directory)) lines << QString::fromUtf8(line.label) + ValueText(reader, line);
  if (lines.size() == 3) lines.clear();
  return lines;
}
