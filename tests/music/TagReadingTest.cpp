// ID3v2 and ID3v1 reading and the tag record of the title label, on tags
// built byte by byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "TagFixtures.h"
#include "music/Id3v1Tag.h"
#include "music/Id3v2Tag.h"
#include "music/ReadBgmTag.h"
#include "music/TagText.h"
#include "music/TsMediaTagReader.h"

namespace {

const Bytes kNihongoCp932 = {0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA};  // 日本語

TagFields V2(const Bytes& file) {
  MemoryTagSource source(file);
  return ReadId3v2(source);
}

TagFields V1(const Bytes& file) {
  MemoryTagSource source(file);
  return ReadId3v1(source);
}

Bytes Audio() { return Bytes(300, 0x55); }

struct VersionCase {
  int version;
  const char* title;
  const char* artist;
  const char* album;
};

class Id3v2Versions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(Id3v2Versions, ReadsTheThreeTextFrames) {
  const VersionCase& c = GetParam();
  const int v = c.version;
  const Bytes file = Concat({Id3v2(v, Concat({Frame(v, c.title, Latin(Ascii("T"))), Frame(v, c.artist, Latin(Ascii("A"))),
                                              Frame(v, c.album, Latin(kNihongoCp932)), Bytes(20, 0)})),
                             Audio()});
  const TagFields f = V2(file);
  EXPECT_EQ(f.value("Title"), "T");
  EXPECT_EQ(f.value("Artist"), "A");
  EXPECT_EQ(f.value("Album"), QString::fromUtf8("日本語"));
}

TEST_P(Id3v2Versions, FallbackFramesStandInOneByOne) {
  const VersionCase& c = GetParam();
  const int v = c.version;
  const bool two = v == 2;
  // The preferred title frame is there; artist and album only in their
  // fallback frames; the fallback title frame loses to the preferred one.
  const Bytes file = Concat({Id3v2(v, Concat({Frame(v, two ? "TT1" : "TIT1", Latin(Ascii("group"))),
                                              Frame(v, c.title, Latin(Ascii("title"))),
                                              Frame(v, two ? "TOA" : "TOPE", Latin(Ascii("original artist"))),
                                              Frame(v, two ? "TOT" : "TOAL", Latin(Ascii("original album")))})),
                             Audio()});
  const TagFields f = V2(file);
  EXPECT_EQ(f.value("Title"), "title");
  EXPECT_EQ(f.value("Artist"), "original artist");
  EXPECT_EQ(f.value("Album"), "original album");
}

INSTANTIATE_TEST_SUITE_P(EachVersion, Id3v2Versions,
                         ::testing::Values(VersionCase{2, "TT2", "TP1", "TAL"}, VersionCase{3, "TIT2", "TPE1", "TALB"},
                                           VersionCase{4, "TIT2", "TPE1", "TALB"}),
                         [](const auto& info) { return "v2_" + std::to_string(info.param.version); });

TEST(Id3v2Text, EncodingsAndByteOrders) {
  struct Case {
    const char* name;
    Bytes payload;
    QString expected;
  };
  const std::u16string kana = u"曲ヿ名";  // ヿ is U+30FF: its low byte is 0xFF
  const Case cases[] = {
      {"CP932 bytes, trimmed", Latin(Concat({Ascii("  "), kNihongoCp932, Ascii(" \t"), Bytes{0, 0}})), QString::fromUtf8("日本語")},
      {"UTF-16 low byte first with mark", Utf16(kana, false), QString::fromStdU16String(kana)},
      {"UTF-16 low byte first without mark", Utf16(kana, false, false), QString::fromStdU16String(kana)},
      {"UTF-16 big-endian mark", Utf16(kana, true), QString::fromStdU16String(kana)},
      {"UTF-16 ends at a zero unit", Concat({Utf16(u" Song ", false), Bytes{0, 0}, Ascii("xy")}), "Song"},
      {"UTF-16 odd byte dropped", Concat({Utf16(u"AB", false), Bytes{'C'}}), "AB"},
      {"UTF-8 ignored", Concat({Bytes{3}, Ascii("Song")}), ""},
      {"UTF-16 without mark (encoding 2) ignored", Concat({Bytes{2}, Ascii("S\0o\0")}), ""},
      {"no text at all", Latin({}), ""},
  };
  for (const Case& c : cases) {
    const Bytes file = Concat({Id3v2(3, Frame(3, "TIT2", c.payload)), Audio()});
    EXPECT_EQ(V2(file).value("Title"), c.expected) << c.name;
  }
}

TEST(Id3v2Frames, LaterFrameReplacesEarlierAndUnreadableOnesAreLeftOut) {
  const Bytes body = Concat({Frame(3, "TIT2", Latin(Ascii("first"))), Frame(3, "TIT2", Latin(Ascii("second"))),
                             Frame(3, "TPE1", Latin(Ascii("compressed")), 0x80), Frame(3, "TALB", Concat({Bytes{3}, Ascii("utf8")})),
                             Frame(3, "TOAL", Latin(Ascii("fallback album")))});
  const TagFields f = V2(Concat({Id3v2(3, body), Audio()}));
  EXPECT_EQ(f.value("Title"), "second");
  EXPECT_EQ(f.value("Artist"), "");  // the flagged frame is skipped, yet the next one is found
  EXPECT_EQ(f.value("Album"), "fallback album");
}

TEST(Id3v2Frames, AtMostFiveHundredBytesOfAFrameAreKept) {
  const Bytes body = Concat({Frame(4, "TIT2", Latin(Bytes(700, 'x'))), Frame(4, "TPE1", Latin(Ascii("after")))});
  const TagFields f = V2(Concat({Id3v2(4, body), Audio()}));
  EXPECT_EQ(f.value("Title"), QString(499, 'x'));
  EXPECT_EQ(f.value("Artist"), "after");  // the next frame follows the full size
}

TEST(Id3v2Frames, ReadingStopsAtAFrameIdThatIsNotACapitalLetter) {
  const Bytes body = Concat({Frame(3, "TIT2", Latin(Ascii("kept"))), Bytes(10, 0), Frame(3, "TPE1", Latin(Ascii("lost")))});
  const TagFields f = V2(Concat({Id3v2(3, body), Audio()}));
  EXPECT_EQ(f.value("Title"), "kept");
  EXPECT_EQ(f.value("Artist"), "");
}

TEST(Id3v2Header, WhatCountsAsATag) {
  const Bytes frames = Frame(3, "TIT2", Latin(Ascii("title")));
  struct Case {
    const char* name;
    Bytes file;
    const char* title;
  };
  Bytes notId3 = Concat({Id3v2(3, frames), Audio()});
  notId3[2] = 'X';
  const Case cases[] = {
      {"version 3", Concat({Id3v2(3, frames), Audio()}), "title"},
      {"version 1 is no ID3v2", Concat({Id3v2(1, frames), Audio()}), ""},
      {"version 5 is no ID3v2", Concat({Id3v2(5, frames), Audio()}), ""},
      {"no ID3 mark", notId3, ""},
      {"size beyond the file", Concat({Id3v2(3, frames, 0, 100000)}), ""},
      {"size zero holds no frames", Concat({Id3v2(3, frames, 0, 0), Audio()}), ""},
      {"footer counts ten more bytes", Concat({Id3v2(3, frames, 0x10, 0), Audio()}), "title"},
      {"an extended header is read as frames", Concat({Id3v2(3, Concat({Bytes{0, 0, 0, 6, 0, 0, 0, 0, 0, 0}, frames}), 0x40), Audio()}), ""},
      {"file shorter than a header", Ascii("ID3\3"), ""},
      {"empty file", Bytes{}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(V2(c.file).value("Title"), c.title) << c.name;
}

TEST(Id3v2Header, LyingAndTruncatedSizesNeverReadOutOfBounds) {
  const Bytes good = Frame(3, "TIT2", Latin(Ascii("title")));
  Bytes hugeFrame = Frame(3, "TPE1", Latin(Ascii("artist")));
  hugeFrame[4] = hugeFrame[5] = hugeFrame[6] = hugeFrame[7] = 0xFF;
  // The tag claims more than the frames it holds, the second frame claims
  // four gigabytes; the file ends inside it.
  Bytes file = Id3v2(3, Concat({good, hugeFrame}), 0, 0);
  file[6] = 0;
  file[7] = 0;
  file[8] = 0;
  file[9] = static_cast<uint8_t>(file.size() - 10);
  TagFields f = V2(file);
  EXPECT_EQ(f.value("Title"), "title");
  EXPECT_EQ(f.value("Artist"), "artist");  // what there is of it

  // Every truncation of a tag reads without harm.
  const Bytes whole = Concat({Id3v2(2, Concat({Frame(2, "TT2", Utf16(u"Title", false)), Frame(2, "TP1", Latin(Ascii("Artist")))})),
                              Id3v1({Ascii("v1"), Ascii("v1"), Ascii("v1"), {}})});
  for (size_t n = 0; n <= whole.size(); ++n) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(n));
    V2(cut);
    V1(cut);
  }
  EXPECT_EQ(V2(whole).value("Title"), "Title");
}

TEST(Id3v1, VersionsAndTrimming) {
  V1Fields plain{Concat({kNihongoCp932, Ascii("   ")}), Ascii(" Artist"), Ascii("Album"), Ascii("a comment of thirty bytes....")};
  plain.padding = ' ';
  TagFields f = V1(Concat({Audio(), Id3v1(plain)}));
  EXPECT_EQ(f.value("Title"), QString::fromUtf8("日本語"));
  EXPECT_EQ(f.value("Artist"), " Artist");  // only trailing blanks go
  EXPECT_EQ(f.value("Album"), "Album");
  EXPECT_EQ(f.value("Year"), "2009");
  EXPECT_EQ(f.value("Track"), "");

  V1Fields v11{Ascii("Title"), Ascii("Artist"), Ascii("Album"), Ascii("comment")};
  v11.track = 7;
  f = V1(Concat({Audio(), Id3v1(v11)}));
  EXPECT_EQ(f.value("Title"), "Title");
  EXPECT_EQ(f.value("Track"), "7");
  EXPECT_EQ(f.value("Comment"), "comment");

  const Bytes tagOnly = Id3v1(v11);
  EXPECT_TRUE(V1(Audio()).isEmpty());
  EXPECT_FALSE(V1(tagOnly).isEmpty());                              // exactly 128 bytes
  EXPECT_TRUE(V1(Bytes(tagOnly.begin() + 1, tagOnly.end())).isEmpty());  // 127 bytes
}

class BgmTagFiles : public ::testing::Test {
 protected:
  QString Write(const QString& relative, const Bytes& bytes) {
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    WriteFile(path.toStdString(), bytes);
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(BgmTagFiles, EachFieldFallsBackFromId3v2ToId3v1Separately) {
  const Bytes v2 = Id3v2(3, Concat({Frame(3, "TIT2", Latin(Ascii("v2 title"))), Frame(3, "TPE1", Concat({Bytes{3}, Ascii("utf8 artist")}))}));
  const Bytes v1 = Id3v1({Ascii("v1 title"), Ascii("v1 artist"), Ascii("v1 album"), {}});
  const BgmTag tag = ReadBgmTag(Write("Live/song.mp3", Concat({v2, Audio(), v1})));
  EXPECT_EQ(tag.Title, "v2 title");
  EXPECT_EQ(tag.Artist, "v1 artist");
  EXPECT_EQ(tag.Album, "v1 album");
}

TEST_F(BgmTagFiles, OnlyId3v1OrNoTagAtAll) {
  const BgmTag v1Only = ReadBgmTag(Write("Live/v1.MP3", Concat({Audio(), Id3v1({Ascii("T"), Ascii("A"), {}, {}})})));
  EXPECT_EQ(v1Only.Title, "T");
  EXPECT_EQ(v1Only.Artist, "A");
  EXPECT_EQ(v1Only.Album, "Live");  // the folder stands in for a missing album

  const QString bare = Write("Live/bare.mp3", Audio());
  TsMediaTagReader reader;
  EXPECT_TRUE(reader.Open(bare));
  EXPECT_EQ(reader.Value("Title"), "");
  const BgmTag none = ReadBgmTag(bare);
  EXPECT_EQ(none.Title, "");
  EXPECT_EQ(none.Artist, "");
  EXPECT_EQ(none.Album, "Live");
}

TEST_F(BgmTagFiles, OtherTypesAndMissingFilesGiveOnlyTheFolder) {
  const Bytes tagged = Concat({Id3v2(3, Frame(3, "TIT2", Latin(Ascii("title")))), Audio()});
  for (const char* name : {"Live/a.wav", "Live/a.wma", "Live/a.mid", "Live/a.mp3.txt"}) {
    const BgmTag tag = ReadBgmTag(Write(name, tagged));
    EXPECT_EQ(tag.Title, "") << name;
    EXPECT_EQ(tag.Album, "Live") << name;
  }
  TsMediaTagReader reader;
  EXPECT_FALSE(reader.Open(dir_.filePath("Live/missing.mp3")));
  EXPECT_EQ(ReadBgmTag(dir_.filePath("Live/missing.mp3")).Album, "Live");
}

TEST(HoldingFolderName, LastComponentOfTheFolder) {
  EXPECT_EQ(HoldingFolderName("/music/Live/song.mp3"), "Live");
  EXPECT_EQ(HoldingFolderName("/song.mp3"), "");
  EXPECT_EQ(HoldingFolderName("song.mp3"), "");
}

TEST(DecodeCp932, InvalidAndCutSequences) {
  EXPECT_EQ(DecodeCp932(Bytes{'a', 0xA0, 'b'}), QString("a") + QChar(0xFFFD) + "b");
  EXPECT_EQ(DecodeCp932(Bytes{'a', 0x93}), "a");  // lead byte cut off by the field end
  EXPECT_EQ(DecodeCp932(Bytes{'a', 0, 'b'}), "a");
}

}  // namespace
