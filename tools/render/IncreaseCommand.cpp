// brinmora-render increase: a photo pile built from a list of pictures, as the
// display shows it with the Increase transition: OUTDIR/pile-01.png after the
// first picture, pile-02.png after the second, ... With --frames every
// presented frame of the cross-fades is written as well (frame-0000.png, ...).
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "PngWriter.h"
#include "RenderArgs.h"
#include "RenderCommand.h"
#include "display/DisplaySurface.h"
#include "display/ExifInfo.h"
#include "engine/ImageShow.h"
#include "engine/IncreasePile.h"
#include "filters/FilterKind.h"
#include "filters/FilterTables.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/UserDialogs.h"

namespace {

constexpr const char* kUsage =
    "increase --screen WxH [--seed S] [--background 0xBBGGRR] [--border 0|1|2] [--long P] [--no-tilt] "
    "[--filter K] [--pile-filter K] [--frames] IN... OUTDIR";

class PileSurface final : public DisplaySurface {
 public:
  PileSurface(QString folder, bool everyFrame) : folder_(std::move(folder)), everyFrame_(everyFrame) {}
  void PresentFrame(const FrameBitmap& frame) override {
    last_ = frame;
    if (!everyFrame_) return;
    Write(frame, QStringLiteral("/frame-%1.png").arg(frames_++, 4, 10, QLatin1Char('0')));
  }
  void WritePile(int n) { Write(last_, QStringLiteral("/pile-%1.png").arg(n, 2, 10, QLatin1Char('0'))); }
  bool Failed() const { return failed_; }

 private:
  void Write(const FrameBitmap& frame, const QString& name) {
    QString error;
    if (!WritePng(frame, folder_ + name, error)) {
      std::fprintf(stderr, "%s\n", (folder_ + name + QStringLiteral(": ") + error).toUtf8().constData());
      failed_ = true;
    }
  }
  QString folder_;
  bool everyFrame_;
  int frames_ = 0;
  bool failed_ = false;
  FrameBitmap last_;
};

class StderrDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString& text) override { Print(text); }
  void ShowError(const QString& text) override {
    Print(text);
    failed = true;
  }
  bool AskYesNo(const QString&) override { return false; }
  void ProcessPendingMessages() override {}
  bool failed = false;

 private:
  static void Print(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  }
};

class NoWaitClock final : public Clock {
 public:
  void Sleep(int) override {}
  std::int64_t MonotonicMs() override { return SystemClock().MonotonicMs(); }
  QDateTime Now() override { return SystemClock().Now(); }
};

int RunIncrease(const std::vector<std::string>& args) {
  int width = 0, height = 0;
  bool haveScreen = false, everyFrame = false;
  std::int64_t seed = -1, background = 0, border = 1, longSide = 456, filter = 0, pileFilter = 1;
  bool tilt = true;
  std::vector<std::string> files;
  const auto number = [&](std::size_t& i, std::int64_t& value, std::int64_t lo, std::int64_t hi) {
    return ParseNumber(args[++i], value) && value >= lo && value <= hi;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    bool ok = true;
    if (a == "--screen" && hasValue) {
      ok = haveScreen = ParseSize(args[++i], width, height);
    } else if (a == "--seed" && hasValue) {
      ok = number(i, seed, 0, INT64_MAX);
    } else if (a == "--background" && hasValue) {
      ok = number(i, background, 0, 0xFFFFFF);
    } else if (a == "--border" && hasValue) {
      ok = number(i, border, 0, 2);
    } else if (a == "--long" && hasValue) {
      ok = number(i, longSide, 200, 500);
    } else if (a == "--filter" && hasValue) {
      ok = number(i, filter, 0, kFilterCount - 1);
    } else if (a == "--pile-filter" && hasValue) {
      ok = number(i, pileFilter, 0, kFilterCount - 1);
    } else if (a == "--no-tilt") {
      tilt = false;
    } else if (a == "--frames") {
      everyFrame = true;
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else {
      files.push_back(a);
    }
    if (!ok) return Fail(QStringLiteral("invalid value for ") + QString::fromStdString(a) + QStringLiteral(": ") +
                         QString::fromStdString(args[i]));
  }
  if (!haveScreen || files.size() < 2) return Fail(QStringLiteral("usage: ") + QLatin1String(kUsage));
  ApplySeed(seed);
  BuildFilterTables();

  const QString outDir = QString::fromLocal8Bit(files.back().c_str());
  files.pop_back();
  if (!QDir().mkpath(outDir)) return Fail(outDir + QStringLiteral(": cannot create the folder"));
  QStringList pictures;
  for (const std::string& f : files) {
    pictures << QString::fromLocal8Bit(f.c_str());
    if (!QFileInfo(pictures.back()).isFile()) return Fail(pictures.back() + QStringLiteral(": no such file"));
  }

  PileSurface surface(outDir, everyFrame);
  StderrDialogs dialogs;
  NoWaitClock clock;
  TExifInfo exif;
  exif.OnError = [](int) { return false; };
  ImageShow show(surface, dialogs, clock, exif);
  IncreasePile pile(surface, clock, dialogs);
  show.Settings = ImageShowSettings{width, height, static_cast<ColorRef>(background), static_cast<int>(filter), 9,
                                    static_cast<int>(border), true};
  int index = 0;
  show.Position = [&] { return ImageShowPosition{&pictures, 0, index, false}; };
  const IncreaseSettings settings{static_cast<int>(longSide), static_cast<int>(border), tilt, static_cast<int>(pileFilter)};
  show.ShowWithIncrease = [&](ImageShow& s) { pile.ShowWithIncrease(s, settings); };
  for (index = 0; index < pictures.size(); ++index) {
    dialogs.failed = false;
    show.ShowCurrentImage();
    if (dialogs.failed) return 1;
    surface.WritePile(index + 1);
    if (surface.Failed()) return 1;
  }
  std::printf("%d photos piled\n", static_cast<int>(pictures.size()));
  return 0;
}

RenderCommandRegistrar reg("increase", kUsage, RunIncrease);

}  // namespace
