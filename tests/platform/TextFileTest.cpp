#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/Cp932.h"
#include "platform/TextFile.h"

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(Cp932, EncodesAndDecodesTheWindowsCodePage) {
  bool ok = false;
  // ソ and 表 carry a backslash code as second byte; ～ and ① exist only in
  // the Windows code page, not in plain Shift-JIS.
  EXPECT_EQ(EncodeCp932("ソ表～①A", &ok), QByteArray("\x83\x5C\x95\x5C\x81\x60\x87\x40" "A"));
  EXPECT_TRUE(ok);
  EXPECT_EQ(DecodeCp932(QByteArray("\x83\x5C\x95\x5C\x81\x60\x87\x40" "A")), "ソ表～①A");
  EncodeCp932("😀", &ok);
  EXPECT_FALSE(ok);
  // A broken sequence reads as a replacement character and the rest still reads.
  EXPECT_EQ(DecodeCp932(QByteArray("a\x81\x2C" "b")), QStringLiteral("a\uFFFD,b"));
}

TEST(TextFile, WritesCp932WithCrLfAndReadsCrLfOrLf) {
  QTemporaryDir dir;
  const QString path = dir.filePath("list.dat");
  ASSERT_TRUE(WriteTextLines(path, {"旅行", "", "b"}));
  EXPECT_EQ(ReadBytes(path), QByteArray("\x97\xB7\x8D\x73\r\n\r\nb\r\n"));
  EXPECT_EQ(ReadTextLines(path), (QStringList{"旅行", "", "b"}));

  WriteBytes(path, "a\nb\r\nc");
  EXPECT_EQ(ReadTextLines(path), (QStringList{"a", "b", "c"}));

  ASSERT_TRUE(WriteTextLines(path, {}));
  EXPECT_EQ(ReadBytes(path), QByteArray());
  EXPECT_EQ(ReadTextLines(path), QStringList{});
  EXPECT_EQ(ReadTextLines(dir.filePath("missing")), std::nullopt);
}

TEST(TextFile, TextOutsideCp932IsKeptAsUtf8WithByteOrderMark) {
  QTemporaryDir dir;
  const QString path = dir.filePath("list.dat");
  ASSERT_TRUE(WriteTextLines(path, {"写真😀", "é"}));
  EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF") + QStringLiteral("写真😀\r\né\r\n").toUtf8());
  EXPECT_EQ(ReadTextLines(path), (QStringList{"写真😀", "é"}));
  const std::optional<RawTextLines> raw = ReadRawTextLines(path);
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->Encoding, TextEncoding::Utf8WithBom);
}

TEST(TextFile, ReplacingAFileIntoAMissingFolderFails) {
  QTemporaryDir dir;
  EXPECT_FALSE(WriteTextLines(dir.filePath("no/such/list.dat"), {"a"}));
}

}  // namespace
