// The display's share of a slide: presenting a 1920 x 1080 frame in the real
// window (run under Xvfb for the X11 path) and laying out all ten labels.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "display/LabelLayout.h"
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

}  // namespace

int main(int argc, char** argv) {
  app = new QApplication(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
