// brinmora-render transition: the frames of one image change, exactly as the
// display shows them, written as OUTDIR/frame-0000.png, frame-0001.png, ...
#include <QDir>
#include <QString>
#include <cstdio>
#include <stdexcept>

#include "PngWriter.h"
#include "RenderArgs.h"
#include "RenderCommand.h"
#include "SlideScreen.h"
#include "display/DisplaySurface.h"
#include "engine/ImageError.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "transitions/RunTransition.h"
#include "transitions/TransitionKind.h"
#include "transitions/TransitionShuffle.h"

namespace {

constexpr const char* kUsage =
    "transition --kind K --screen WxH [--seed S] [--background 0xBBGGRR] [--first] OLD NEW OUTDIR";

// Every presented frame becomes the next numbered PNG of the folder.
class PngFolderSurface final : public DisplaySurface {
 public:
  explicit PngFolderSurface(QString folder) : folder_(std::move(folder)) {}
  void PresentFrame(const FrameBitmap& frame) override {
    const QString path = folder_ + QStringLiteral("/frame-%1.png").arg(count_, 4, 10, QLatin1Char('0'));
    QString error;
    if (!WritePng(frame, path, error)) throw std::runtime_error((path + QStringLiteral(": ") + error).toStdString());
    ++count_;
  }
  int Count() const { return count_; }

 private:
  QString folder_;
  int count_ = 0;
};

// Frames follow one another without waiting.
class NoWaitClock final : public Clock {
 public:
  void Sleep(int) override {}
  std::int64_t MonotonicMs() override { return SystemClock().MonotonicMs(); }
  QDateTime Now() override { return SystemClock().Now(); }
};

// A kind by its index or its display name.
bool ParseKind(const std::string& text, int& kind) {
  std::int64_t value = 0;
  if (ParseNumber(text, value) && value >= 0 && value < kTransitionSelectorCount) {
    kind = static_cast<int>(value);
    return true;
  }
  for (int k = 0; k < kTransitionSelectorCount; ++k)
    if (text == kTransitionNames[static_cast<std::size_t>(k)]) {
      kind = k;
      return true;
    }
  return false;
}

int RunTransitionCommand(const std::vector<std::string>& args) {
  int width = 0, height = 0, kind = -1;
  bool haveScreen = false, first = false;
  std::int64_t background = 0, seed = -1;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--kind" && hasValue) {
      if (!ParseKind(args[++i], kind)) return Fail(QStringLiteral("invalid --kind (0..19 or a display name): ") + QString::fromStdString(args[i]));
    } else if (a == "--screen" && hasValue) {
      if (!ParseSize(args[++i], width, height)) return Fail(QStringLiteral("invalid --screen: ") + QString::fromStdString(args[i]));
      haveScreen = true;
    } else if (a == "--background" && hasValue) {
      if (!ParseNumber(args[++i], background) || background < 0 || background > 0xFFFFFF)
        return Fail(QStringLiteral("invalid --background: ") + QString::fromStdString(args[i]));
    } else if (a == "--seed" && hasValue) {
      if (!ParseNumber(args[++i], seed) || seed < 0) return Fail(QStringLiteral("invalid --seed: ") + QString::fromStdString(args[i]));
    } else if (a == "--first") {
      first = true;
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else {
      files.push_back(a);
    }
  }
  if (kind < 0 || !haveScreen || files.size() != 3) return Fail(QStringLiteral("usage: ") + QLatin1String(kUsage));
  ApplySeed(seed);

  const QString oldPath = QString::fromLocal8Bit(files[0].c_str());
  const QString newPath = QString::fromLocal8Bit(files[1].c_str());
  const QString outDir = QString::fromLocal8Bit(files[2].c_str());
  const ScreenLayout layout{width, height, static_cast<ColorRef>(background), 0};

  FrameBitmap previous, next;
  try {
    // As for the first image of a slideshow, --first starts from the plain
    // background; OLD is then not read.
    if (first) {
      previous.SetSize(width, height);
      previous.Fill(layout.Background);
    } else {
      previous = ComposeFileScreen(oldPath, layout);
    }
    next = ComposeFileScreen(newPath, layout);
  } catch (const ImageError& e) {
    return Fail(e.OneLine());
  }
  if (!QDir().mkpath(outDir)) return Fail(outDir + QStringLiteral(": cannot create the folder"));

  // The shuffle entry stands for a draw from all kinds, as with every kind checked.
  if (kind == static_cast<int>(TransitionKind::Shuffle)) {
    TransitionState state;
    TransitionChecks all{};
    all.fill(true);
    bool hasPreviousScreen = !first;
    kind = DrawShuffleTransition(state, all, hasPreviousScreen);
  }

  PngFolderSurface surface(outDir);
  NoWaitClock clock;
  FrameBitmap screen = next;  // the show path composes the new screen first
  TransitionContext context{screen, surface, clock, layout.Background};
  try {
    RunTransition(kind, previous, next, context);
    // A kind without frames of its own shows the new screen at once.
    if (surface.Count() == 0) surface.PresentFrame(screen);
  } catch (const std::runtime_error& e) {
    return Fail(QString::fromStdString(e.what()));
  }
  std::printf("%s: %d frames\n", kTransitionNames[static_cast<std::size_t>(kind)], surface.Count());
  return 0;
}

RenderCommandRegistrar reg("transition", kUsage, RunTransitionCommand);

}  // namespace
