// The fit, decode and exif subcommands of brinmora-render, run as a user runs them.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <unistd.h>

#include "ImageFixtures.h"
#include "display/MusicLabel.h"
#include "engine/DecodeImageFile.h"

namespace {

QString ToolPath() {
  // The tool lands in the same folder as this test program.
  return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).dir().filePath(QStringLiteral("brinmora-render"));
}

struct ToolRun {
  int status;
  QByteArray out, err;
};

ToolRun RunTool(const QStringList& args) {
  QProcess p;
  p.start(ToolPath(), args);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

class RenderToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFileInfo::exists(ToolPath())) GTEST_SKIP() << "brinmora-render not built";
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 40 * 30; ++i) samples.insert(samples.end(), {200, 40, 10});
    jpeg = dir.filePath("photo.jpg");
    ASSERT_TRUE(WriteFile(jpeg, MakeJpeg(40, 30, JCS_RGB, samples)));
  }
  QTemporaryDir dir;
  QString jpeg;
};

}  // namespace

TEST_F(RenderToolTest, FitComposesTheSlide) {
  const QString out = dir.filePath("slide.png");
  const ToolRun r = RunTool({"fit", "--screen", "100x60", "--background", "0x00FF00", jpeg, out});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const FrameBitmap screen = DecodeImageFile(out);
  ASSERT_EQ(screen.Width, 100);
  ASSERT_EQ(screen.Height, 60);
  // 40 x 30 fits as 80 x 60 at left 10: green background outside, the photo inside.
  EXPECT_EQ(screen.At(9, 30)[1], 255);
  EXPECT_EQ(screen.At(9, 30)[2], 0);
  EXPECT_NEAR(screen.At(50, 30)[2], 200, 3);
  EXPECT_NEAR(screen.At(50, 30)[0], 10, 3);

  const QString stored = dir.filePath("stored.png");
  ASSERT_EQ(RunTool({"decode", jpeg, stored}).status, 0);
  EXPECT_EQ(DecodeImageFile(stored).Width, 40);
}

TEST_F(RenderToolTest, FailuresGiveOneLineAndNonZeroStatus) {
  const QString fake = dir.filePath("fake.jpg");
  WriteFile(fake, QByteArray("not a picture"));
  for (const QStringList& args : {QStringList{"fit", "--screen", "0x10", jpeg, dir.filePath("a.png")},
                                  QStringList{"fit", jpeg, dir.filePath("a.png")},
                                  QStringList{"decode", fake, dir.filePath("a.png")},
                                  QStringList{"decode", dir.filePath("none.jpg"), dir.filePath("a.png")},
                                  QStringList{"exif", dir.filePath("none.jpg")}}) {
    const ToolRun r = RunTool(args);
    EXPECT_NE(r.status, 0) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.png")));
  const ToolRun plain = RunTool({"exif", jpeg});
  EXPECT_EQ(plain.status, 0);
  EXPECT_TRUE(plain.out.isEmpty());
}

// A pile from a list of pictures: one PNG per photo added, the same for the
// same seed, and the frames of the cross-fades on request.
TEST_F(RenderToolTest, IncreaseBuildsARepeatablePile) {
  const QString a = dir.filePath("a"), b = dir.filePath("b");
  const QStringList args = {"increase", "--screen", "400x300", "--seed", "9", "--long", "200", jpeg, jpeg};
  ToolRun r = RunTool(QStringList(args) << a);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  r = RunTool(QStringList(args) << "--frames" << b);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  for (const char* pile : {"pile-01.png", "pile-02.png"}) {
    const FrameBitmap one = DecodeImageFile(QDir(a).filePath(pile));
    EXPECT_EQ(one.Width, 400);
    EXPECT_EQ(one, DecodeImageFile(QDir(b).filePath(pile))) << pile;
  }
  EXPECT_NE(DecodeImageFile(QDir(a).filePath("pile-01.png")), DecodeImageFile(QDir(a).filePath("pile-02.png")));
  EXPECT_EQ(QDir(b).entryList({"frame-*.png"}).size(), 2 * 34);
  EXPECT_NE(RunTool({"increase", "--screen", "400x300", dir.filePath("none.jpg"), a}).status, 0);
}

// Under a real memory limit a screen too large to hold ends the tool with a
// one-line reason and a failure status instead of an abort.
TEST_F(RenderToolTest, RunningOutOfMemoryIsAReasonNotACrash) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
  const QString out = dir.filePath("huge.png");
  QProcess p;
  p.start(QStringLiteral("/bin/bash"),
          {QStringLiteral("-c"), QStringLiteral("ulimit -v 1000000 && exec \"$0\" fit --screen 30000x30000 \"$1\" \"$2\""),
           ToolPath(), jpeg, out});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 1);
  const QByteArray err = p.readAllStandardError();
  EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
  EXPECT_TRUE(err.contains("memory")) << err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(out));
}

// A seed repeats the whole run, also through filters that reseed the
// generator from the clock: the clock they read is fixed by the seed too.
TEST_F(RenderToolTest, SeedRepeatsFiltersThatReseedFromTheClock) {
  for (int seed = 0; seed < 6; ++seed) {
    QByteArray outputs[2];
    for (QByteArray& bytes : outputs) {
      const QString out = dir.filePath("cross.png");
      const ToolRun r = RunTool({"filter", "--kind", "14", "--seed", QString::number(seed), "--screen", "80x60", jpeg, out});
      ASSERT_EQ(r.status, 0) << r.err.toStdString();
      QFile file(out);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      bytes = file.readAll();
    }
    EXPECT_EQ(outputs[0], outputs[1]) << "seed " << seed;
  }
}

TEST_F(RenderToolTest, TagsPrintsTheFieldsAndTheLabelOfEachFile) {
  // An MP3 file that is only an ID3 version 1 tag, and a WAV file in a folder "Album".
  QByteArray v1("TAG");
  for (const char* field : {"Twinkle", "Mozart", "Night Songs"}) v1 += QByteArray(field).leftJustified(30, '\0');
  v1 += QByteArray(4, '0') + QByteArray(30, '\0') + QByteArray(1, '\xFF');
  const QString mp3 = dir.filePath("song.mp3");
  WriteFile(mp3, v1);
  QDir(dir.path()).mkdir("Album");
  const QString wav = dir.filePath("Album/tune.wav");
  WriteFile(wav, QByteArray("RIFF"));

  const ToolRun r = RunTool({"tags", mp3, wav});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QString want = QStringLiteral("file: %1\ntitle: Twinkle\nartist: Mozart\nalbum: Night Songs\nlabel: %2\n\n"
                                      "file: %3\ntitle: \nartist: \nalbum: Album\nlabel: %4\n")
                           .arg(mp3, BgmTitleText(mp3, 0, 2, 2), wav, BgmTitleText(wav, 1, 2, 2));
  EXPECT_EQ(QString::fromUtf8(r.out), want);
  EXPECT_TRUE(want.contains(QStringLiteral("label: ♪02/02. tune")));

  EXPECT_NE(RunTool({"tags", dir.filePath("none.mp3")}).status, 0);
  EXPECT_NE(RunTool({"tags", "--title-tag", "9", mp3}).status, 0);
}
