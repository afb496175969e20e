// brinmora-render transition, run as a user runs it: the frames it writes are
// the frames RunTransition presents to the display, in order.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "TransitionRig.h"
#include "engine/DecodeImageFile.h"
#include "platform/Random.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"

namespace {
QString ToolPath() {
  return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")))
      .dir()
      .filePath(QStringLiteral("brinmora-render"));
}

int RunTool(const QStringList& args, QByteArray* err = nullptr) {
  QProcess p;
  p.start(ToolPath(), args);
  p.waitForFinished(60000);
  if (err) *err = p.readAllStandardError();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Saves bitmap as a PNG (blue, green, red bytes to RGB).
bool SavePng(const FrameBitmap& bitmap, const QString& path) {
  QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB888);
  for (int y = 0; y < bitmap.Height; ++y)
    for (int x = 0; x < bitmap.Width; ++x) {
      const std::uint8_t* p = bitmap.At(x, y);
      image.setPixel(x, y, qRgb(p[2], p[1], p[0]));
    }
  return image.save(path, "PNG");
}

std::vector<FrameBitmap> ReadFrames(const QString& folder) {
  std::vector<FrameBitmap> frames;
  const QStringList names = QDir(folder).entryList({QStringLiteral("frame-*.png")}, QDir::Files, QDir::Name);
  for (const QString& name : names) frames.push_back(DecodeImageFile(QDir(folder).filePath(name)));
  return frames;
}

class TransitionRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFileInfo::exists(ToolPath())) GTEST_SKIP() << "brinmora-render not built";
    // Pictures of exactly the screen size are placed unchanged, so the
    // screens the engine builds are these pictures themselves.
    ASSERT_TRUE(SavePng(rig.Old, dir.filePath("old.png")));
    ASSERT_TRUE(SavePng(rig.New, dir.filePath("new.png")));
  }
  QTemporaryDir dir;
  TransitionRig rig{64, 36};
};
}  // namespace

TEST_F(TransitionRenderTest, WritesExactlyThePresentedFramesInOrder) {
  for (int kind : {static_cast<int>(TransitionKind::Slide), static_cast<int>(TransitionKind::Square),
                   static_cast<int>(TransitionKind::Shutter)}) {
    SCOPED_TRACE(kTransitionNames[static_cast<std::size_t>(kind)]);
    const QString out = dir.filePath(QStringLiteral("frames-%1").arg(kind));
    QByteArray err;
    ASSERT_EQ(RunTool({"transition", "--kind", QString::number(kind), "--screen", "64x36", "--seed", "17",
                       dir.filePath("old.png"), dir.filePath("new.png"), out},
                      &err),
              0)
        << err.toStdString();

    TransitionRig display(64, 36);
    // The tool's seed also fixes the clock that Square reseeds from.
    SeedRandom(17);
    FixReseedClock(17);
    RunTransition(kind, display.Old, display.New, display.Context());
    FixReseedClock(std::nullopt);
    const std::vector<FrameBitmap> written = ReadFrames(out);
    ASSERT_EQ(written.size(), display.Frames().size());
    for (std::size_t i = 0; i < written.size(); ++i) ASSERT_EQ(written[i], display.Frames()[i]) << "frame " << i;
    EXPECT_EQ(written.back(), rig.New);
  }
}

TEST_F(TransitionRenderTest, FirstStartsFromThePlainBackground) {
  const QString out = dir.filePath("first");
  ASSERT_EQ(RunTool({"transition", "--kind", "クロスフェード", "--screen", "64x36", "--background", "0x203040",
                     "--first", dir.filePath("missing-old.png"), dir.filePath("new.png"), out}),
            0);
  const std::vector<FrameBitmap> written = ReadFrames(out);
  ASSERT_EQ(written.size(), 33u);
  FrameBitmap plain(64, 36);
  plain.Fill(0x203040);
  EXPECT_EQ(written.front(), plain);
  EXPECT_EQ(written.back(), rig.New);
}

TEST_F(TransitionRenderTest, RefusesBadArgumentsAndUnreadableImages) {
  const QString out = dir.filePath("bad");
  EXPECT_NE(RunTool({"transition", "--kind", "99", "--screen", "64x36", dir.filePath("old.png"),
                     dir.filePath("new.png"), out}),
            0);
  EXPECT_NE(RunTool({"transition", "--kind", "2", "--screen", "64x", dir.filePath("old.png"),
                     dir.filePath("new.png"), out}),
            0);
  QFile broken(dir.filePath("broken.png"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("\x89PNG\r\n\x1a\n-- cut short");
  broken.close();
  QByteArray err;
  EXPECT_NE(RunTool({"transition", "--kind", "2", "--screen", "64x36", dir.filePath("old.png"),
                     dir.filePath("broken.png"), out},
                    &err),
            0);
  EXPECT_FALSE(err.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(out));  // nothing written when the input fails
}
