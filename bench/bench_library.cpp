// Dropping a tree of 10,000 picture folders from a file manager on the real
// main window: the time until every folder is a row of the folder list, and
// the longest stretch in which the window did not get to process its events
// (measured by a 1 ms timer; a long gap is a window that feels frozen).
// Run offscreen or under Xvfb.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <benchmark/benchmark.h>

#include "ui/TfrmMain.h"

namespace {

QApplication* app = nullptr;

// 100 folders of 100 folders (and the 100 of the first level), one small
// picture file each.
void MakeTree(const QString& root, int width) {
  for (int i = 0; i < width; ++i) {
    const QString top = root + QStringLiteral("/Trip%1").arg(i, 3, 10, QLatin1Char('0'));
    for (int j = 0; j < width; ++j) {
      const QString day = top + QStringLiteral("/Day%1").arg(j, 3, 10, QLatin1Char('0'));
      QDir().mkpath(day);
      QFile f(day + QStringLiteral("/p.jpg"));
      f.open(QIODevice::WriteOnly);
    }
    QFile f(top + QStringLiteral("/p.jpg"));
    f.open(QIODevice::WriteOnly);
  }
}

void BM_DropFolderTree(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  const QString tree = dir.path() + QStringLiteral("/Photos");
  MakeTree(tree, width);
  const int expected = width * width + width;
  double longestGapMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir program;
    TfrmMain window(program.path() + u'/');
    window.StartUpSequence({});
    window.show();
    QApplication::processEvents();
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      longest = std::max(longest, sinceTick.restart());
    });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(tree)});
    state.ResumeTiming();

    tick.start();
    sinceTick.start();
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QElapsedTimer limit;
    limit.start();
    while (window.Tabs().lvDirList->topLevelItemCount() < expected && limit.elapsed() < 120000)
      QApplication::processEvents();
    if (window.Tabs().lvDirList->topLevelItemCount() != expected) {
      state.SkipWithError(QStringLiteral("%1 rows").arg(window.Tabs().lvDirList->topLevelItemCount()).toUtf8().constData());
      break;
    }

    state.PauseTiming();
    tick.stop();
    longestGapMs = std::max<double>(longestGapMs, static_cast<double>(longest));
    window.hide();
    state.ResumeTiming();
  }
  state.counters["folders"] = expected;
  state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_DropFolderTree)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  app = &application;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
