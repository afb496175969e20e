// Copying a large picture folder into a slideshow's data folder the way the
// list command does, with the real progress window in an offscreen
// application: how long it takes, and the longest time the event loop had
// to wait (a timer ticks every 10 ms; the gap between two ticks is how long
// the window could not repaint or take a key).
//
//   build/bin/bench_datafolder [--benchmark_filter=...]
// Arguments: number of pictures, kilobytes per picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

#include "library/DataFolderCommands.h"
#include "library/SlideshowLibrary.h"
#include "platform/UserDialogs.h"
#include "ui/ProgressWindowPort.h"
#include "ui/TfrmProgress.h"

namespace {

// Agrees to every question and keeps the event loop turning.
class AgreeingDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString&) override {}
  void ShowError(const QString&) override {}
  bool AskYesNo(const QString&) override { return true; }
  void ProcessPendingMessages() override { QCoreApplication::processEvents(); }
};

void BM_CopyPictureFolder(benchmark::State& state) {
  const int pictures = static_cast<int>(state.range(0));
  const qint64 bytes = state.range(1) * 1024;
  QTemporaryDir temp(QDir::currentPath() + QStringLiteral("/bench-datafolder-XXXXXX"));
  const QString root = temp.path() + u'/';
  const QString source = root + QStringLiteral("Photos/Trip");
  QDir().mkpath(source);
  QByteArray picture(bytes, '\0');
  for (qint64 i = 0; i < bytes; ++i) picture[i] = static_cast<char>(QRandomGenerator::global()->bounded(256));
  {
    QFile first(source + QStringLiteral("/0000.jpg"));
    first.open(QIODevice::WriteOnly);
    first.write(picture);
  }
  // Links to one file: the source side costs no disk, the copies are real.
  for (int i = 1; i < pictures; ++i)
    QFile::link(source + QStringLiteral("/0000.jpg"), source + QStringLiteral("/%1.jpg").arg(i, 4, 10, QLatin1Char('0')));

  AgreeingDialogs dialogs;
  TfrmProgress window;
  ProgressWindowPort progress(&window, nullptr);
  double longestGapMs = 0;
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString program = root + QStringLiteral("prog/");
    QDir(program).removeRecursively();
    QDir().mkpath(program + QStringLiteral("SlideShow/bench"));
    SlideshowLibrary library(program, dialogs);
    library.SetRunMode(RunMode::CdMaking);
    library.LoadSlideshow(QStringLiteral("bench"));
    library.Folders() = {{true, QStringLiteral("Trip"), root + QStringLiteral("Photos")}};
    library.SetCurrentFolderIndex(0);
    DataFolderCommands commands(library, dialogs, nullptr, &progress);
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      longestGapMs = std::max(longestGapMs, sinceTick.nsecsElapsed() / 1e6);
      sinceTick.restart();
    });
    ticker.start();
    QElapsedTimer clock;
    state.ResumeTiming();

    clock.start();
    commands.CopyToDataFolder(DataListKind::Folders, ListSelection{{0}, 0});
    seconds = clock.nsecsElapsed() / 1e9;

    state.PauseTiming();
    ticker.stop();
    const int copied = static_cast<int>(QDir(program + QStringLiteral("SlideShow/bench/IMG/Trip")).count()) - 2;
    if (copied != pictures) state.SkipWithError("not every picture was copied");
    state.ResumeTiming();
  }
  state.counters["pictures"] = pictures;
  state.counters["MB_per_s"] = pictures * bytes / 1e6 / seconds;
  state.counters["longest_event_gap_ms"] = longestGapMs;
}

BENCHMARK(BM_CopyPictureFolder)->Args({2000, 1024})->Args({2000, 64})->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
