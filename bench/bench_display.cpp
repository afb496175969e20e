// The display's share of a slide: presenting a 1920 x 1080 frame in the real
// window (run under Xvfb for the X11 path), laying out all ten labels, and
// each transition as the user sees it: real sleeps, every frame presented in
// the window, on a screen of the monitor's size (Xvfb -screen 0 1920x1080x24).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "display/LabelLayout.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"
#include "ui/TfrmDisplay.h"

namespace {

QApplication* app = nullptr;

void BM_PresentFrame(benchmark::State& state) {
  TfrmDisplay display;
  display.ShowFullScreen();
  QApplication::processEvents();
  FrameBitmap frame(1920, 1080);
  std::uint8_t shade = 0;
  for (auto _ : state) {
    state.PauseTiming();
    frame.Fill(MakeColorRef(shade, 255 - shade, 128));  // every frame differs
    state.ResumeTiming();
    display.PresentFrame(frame);
    ++shade;
  }
  display.CloseDisplay();
}
BENCHMARK(BM_PresentFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LayOutLabelsAllOn(benchmark::State& state) {
  TfrmDisplay display;
  display.ShowFullScreen();
  QApplication::processEvents();
  LabelLayoutInput in;
  in.MW = 1920;
  in.MH = 1080;
  in.DisplayShowing = true;
  in.Settings.fill(true);
  in.MusicOn = true;
  in.BgmPlayListEmpty = false;
  in.PlayerHoldsFile = true;
  in.SlideName = QStringLiteral("デモ");
  in.GName = QStringLiteral("★02/03. 海");
  in.Num = QStringLiteral("03/12 Folder Shuffle Image Shuffle");
  in.Date = QStringLiteral("2024/05/06 07:08:09");
  in.BGMName = QStringLiteral("♪03/10. Artist / Title / Album");
  in.StateLayout = QStringLiteral("--:--/--:-- Playing Shuffle Volume 000");
  in.State = QStringLiteral("01:23/04:56 Playing Shuffle Volume 050");
  in.Clock = QStringLiteral("12:34:56");
  in.Guide = QStringLiteral("スライドショー開始/一時停止： Space");
  in.ExifLines = {"メーカー名： Brinmora", "機種名： Demo", "撮影日時： 2024:05:06 07:08:09",
                  "露出時間： 1/125", "F値： 5.6", "ISO感度： 200"};
  in.ArtWidth = 150;
  in.ArtHeight = 150;
  int second = 0;
  for (auto _ : state) {
    in.Clock = QStringLiteral("12:34:%1").arg(second++ % 60, 2, 10, QLatin1Char('0'));
    const auto layout = ComputeLabelLayout(in, display);
    display.ApplyLabelLayout(*layout);
    QApplication::processEvents();  // the boxes repaint
  }
  display.CloseDisplay();
}
BENCHMARK(BM_LayOutLabelsAllOn)->Unit(benchmark::kMicrosecond);

// The real clock, keeping the sum of the sleeps asked for.
class SummingRealClock final : public Clock {
 public:
  void Sleep(int ms) override {
    SystemClock().Sleep(ms);
    SleptMs += ms;
  }
  std::int64_t MonotonicMs() override { return SystemClock().MonotonicMs(); }
  QDateTime Now() override { return SystemClock().Now(); }
  long SleptMs = 0;
};

// A plain screen: the loops do not depend on the pixels' values.
FrameBitmap Plain(const QSize& size, ColorRef colour) {
  FrameBitmap b(size.width(), size.height());
  b.Fill(colour);
  return b;
}

// Wall time of one whole transition; the directions follow the seeded draws.
void BM_TransitionAsSeen(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  TfrmDisplay display;
  display.ShowFullScreen();
  QApplication::processEvents();
  const QSize m = display.MonitorSize();
  const FrameBitmap oldScreen = Plain(m, MakeColorRef(200, 120, 40));
  const FrameBitmap newScreen = Plain(m, MakeColorRef(30, 90, 220));
  FrameBitmap previous, screen;
  SummingRealClock clock;
  const TransitionContext context{screen, display, clock};
  SeedRandom(1);
  for (auto _ : state) {
    state.PauseTiming();
    previous.Assign(oldScreen);
    screen.Assign(newScreen);  // the show path composes the new screen first
    display.PresentFrame(oldScreen);
    clock.SleptMs = 0;
    state.ResumeTiming();
    RunTransition(kind, previous, newScreen, context);
  }
  state.SetLabel(std::string(kTransitionNames[static_cast<std::size_t>(kind)]) + " " +
                 std::to_string(m.width()) + "x" + std::to_string(m.height()));
  state.counters["sleeps_ms"] = static_cast<double>(clock.SleptMs);
  display.CloseDisplay();
}
BENCHMARK(BM_TransitionAsSeen)
    ->ArgName("kind")
    ->Arg(static_cast<int>(TransitionKind::FadeOutIn))
    ->Arg(static_cast<int>(TransitionKind::CrossFade))
    ->Arg(static_cast<int>(TransitionKind::Melt))
    ->Arg(static_cast<int>(TransitionKind::Wipe))
    ->Arg(static_cast<int>(TransitionKind::Slide))
    ->Arg(static_cast<int>(TransitionKind::Push))
    ->Arg(static_cast<int>(TransitionKind::Fit))
    ->Arg(static_cast<int>(TransitionKind::Blind))
    ->Arg(static_cast<int>(TransitionKind::Square))
    ->Arg(static_cast<int>(TransitionKind::Shutter))
    ->Arg(static_cast<int>(TransitionKind::Squeeze))
    ->Arg(static_cast<int>(TransitionKind::Separate))
    ->Arg(static_cast<int>(TransitionKind::ZoomInOut))
    ->Arg(static_cast<int>(TransitionKind::Puzzle))
    ->Arg(static_cast<int>(TransitionKind::Flip))
    ->Arg(static_cast<int>(TransitionKind::Page))
    ->Arg(static_cast<int>(TransitionKind::Peel))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  app = new QApplication(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
