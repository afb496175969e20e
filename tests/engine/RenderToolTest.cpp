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
