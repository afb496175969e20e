#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "ImageFixtures.h"
#include "engine/BackgroundDecoder.h"
#include "engine/DecodeImageFile.h"
#include "support/ManualPost.h"

namespace {

std::vector<std::uint8_t> Gradient(int width, int height) {
  std::vector<std::uint8_t> v;
  v.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      v.insert(v.end(), {static_cast<std::uint8_t>(x * 7 + y), static_cast<std::uint8_t>(y * 3), static_cast<std::uint8_t>(x ^ y)});
  return v;
}

class BackgroundDecoderTest : public ::testing::Test {
 protected:
  QString Jpeg(const QString& name, int width, int height) {
    const QString path = dir.filePath(name);
    WriteFile(path, MakeJpeg(width, height, JCS_RGB, Gradient(width, height), 90));
    return path;
  }
  QString File(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    WriteFile(path, bytes);
    return path;
  }
  // Runs handed-back work until a last small request has come back: every
  // request asked before it has then been finished and handed back too.
  void Drain() {
    bool back = false;
    DecodeRequest last = decoder.Start(Jpeg("last.jpg", 4, 4), {}, [&](DecodeResult) { back = true; });
    while (!back) post.WaitAndRun();
  }

  QTemporaryDir dir;
  ManualPost post;
  BackgroundDecoder decoder{post};
};

}  // namespace

TEST_F(BackgroundDecoderTest, HandsBackWhatTheDecoderGivesOnTheUiThread) {
  PngFixture png;
  png.width = 5;
  png.height = 3;
  png.colorType = 2;  // RGB
  for (int i = 0; i < 5 * 3 * 3; ++i) png.samples.push_back(static_cast<std::uint8_t>(i * 5));
  const struct {
    QString path;
  } cases[] = {
      {Jpeg("a.jpg", 61, 37)},
      {File("b.png", MakePng(png))},
      {File("broken.jpg", QByteArray("not a picture"))},
      {File("png-named.JPG", MakePng(png))},
      {File("unknown.tif", QByteArray("II*"))},
  };
  DecodeOptions options;
  options.Matte = MakeColorRef(1, 2, 3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    int calls = 0;
    std::thread::id ranOn;
    DecodeResult got;
    DecodeRequest request = decoder.Start(c.path, options, [&](DecodeResult r) {
      ++calls;
      ranOn = std::this_thread::get_id();
      got = std::move(r);
    });
    EXPECT_EQ(calls, 0);  // never before the user-interface thread runs it
    while (calls == 0) post.WaitAndRun();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_FALSE(request.Active());
    try {
      const FrameBitmap want = DecodeImageFile(c.path, options);
      EXPECT_FALSE(got.Error.has_value());
      EXPECT_EQ(got.Picture, want);
    } catch (const ImageError& e) {
      ASSERT_TRUE(got.Error.has_value());
      EXPECT_EQ(got.Error->Message(), e.Message());
      EXPECT_TRUE(got.Picture.Empty());
    }
  }
}

TEST_F(BackgroundDecoderTest, NewestRequestWinsAndCancelledOnesStayQuiet) {
  const QString big = Jpeg("big.jpg", 1600, 1200);
  const QString small = Jpeg("small.jpg", 16, 12);
  std::vector<QString> handedBack;
  auto note = [&](const QString& name) { return [&handedBack, name](DecodeResult) { handedBack.push_back(name); }; };

  // Stepping quickly through a folder: each request replaces the one before.
  DecodeRequest preview = decoder.Start(big, {}, note("first"));
  preview = decoder.Start(big, {}, note("second"));
  preview = decoder.Start(small, {}, note("third"));
  DecodeRequest dropped = decoder.Start(small, {}, note("cancelled"));
  dropped.Cancel();
  {
    DecodeRequest outOfScope = decoder.Start(small, {}, note("destroyed"));
  }
  Drain();
  EXPECT_EQ(handedBack, (std::vector<QString>{"third"}));
}

TEST_F(BackgroundDecoderTest, WaitTakesTheResultInsteadOfTheHandBack) {
  const QString big = Jpeg("big.jpg", 1200, 900);
  const QString next = Jpeg("next.jpg", 40, 30);
  int handedBack = 0;
  DecodeRequest busy = decoder.Start(big, {}, [&](DecodeResult) { ++handedBack; });
  // Still queued behind the big file: decoded on this thread at once.
  DecodeRequest queued = decoder.Start(next, {}, [&](DecodeResult) { ++handedBack; });
  const DecodeResult r = queued.Wait();
  EXPECT_EQ(r.Picture, DecodeImageFile(next));
  EXPECT_FALSE(queued.Active());
  const DecodeResult r2 = busy.Wait();
  EXPECT_EQ(r2.Picture, DecodeImageFile(big));
  // Waiting again, or on nothing, gives nothing.
  EXPECT_TRUE(busy.Wait().Picture.Empty());
  EXPECT_TRUE(DecodeRequest().Wait().Picture.Empty());
  Drain();
  EXPECT_EQ(handedBack, 0);
}

TEST_F(BackgroundDecoderTest, PrepareRunsOnTheWorkerAndItsErrorNamesTheFile) {
  const QString path = Jpeg("a.jpg", 20, 10);
  std::thread::id preparedOn;
  DecodeResult got;
  bool back = false;
  DecodeRequest r = decoder.Start(
      path, {}, [&](DecodeResult result) { got = std::move(result), back = true; },
      [&](FrameBitmap& picture) {
        preparedOn = std::this_thread::get_id();
        picture.SetSize(picture.Width / 2, picture.Height / 2);
      });
  while (!back) post.WaitAndRun();
  EXPECT_NE(preparedOn, std::this_thread::get_id());
  EXPECT_EQ(got.Picture.Width, 10);

  back = false;
  r = decoder.Start(
      path, {}, [&](DecodeResult result) { got = std::move(result), back = true; },
      [](FrameBitmap&) { throw ImageError(QString(), QStringLiteral("縮小後の大きさが不正です。")); });
  while (!back) post.WaitAndRun();
  ASSERT_TRUE(got.Error.has_value());
  EXPECT_EQ(got.Error->File(), path);
  EXPECT_TRUE(got.Picture.Empty());
}

TEST_F(BackgroundDecoderTest, ACancelledJpegStopsWithoutAPicture) {
  const QString path = Jpeg("a.jpg", 64, 64);
  std::atomic<bool> cancelled{true};
  DecodeOptions options;
  options.Cancelled = &cancelled;
  EXPECT_THROW(DecodeImageFile(path, options), ImageError);
  cancelled = false;
  EXPECT_EQ(DecodeImageFile(path, options), DecodeImageFile(path));
}

TEST(BackgroundDecoderShutdown, DestroyingItWithWorkInFlightDropsTheWork) {
  QTemporaryDir dir;
  const QString big = dir.filePath("big.jpg");
  WriteFile(big, MakeJpeg(2000, 1500, JCS_RGB, Gradient(2000, 1500), 95));
  ManualPost post;
  int handedBack = 0;
  std::vector<DecodeRequest> requests;
  {
    BackgroundDecoder decoder(post);
    for (int i = 0; i < 4; ++i) requests.push_back(decoder.Start(big, {}, [&](DecodeResult) { ++handedBack; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
  }  // the exit: a decode is in flight or done, the rest are queued
  post.RunPosted();
  EXPECT_EQ(handedBack, 0);
  for (DecodeRequest& r : requests) EXPECT_FALSE(r.Active());
}
