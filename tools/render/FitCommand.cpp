// brinmora-render fit: one slide as the display composes it without a transition.
#include <QString>

#include "PngWriter.h"
#include "RenderArgs.h"
#include "RenderCommand.h"
#include "SlideScreen.h"
#include "engine/ImageError.h"
#include "platform/Random.h"

namespace {

int RunFit(const std::vector<std::string>& args) {
  int width = 0, height = 0;
  bool haveScreen = false;
  std::int64_t background = 0, filter = 0, seed = -1;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--screen" && hasValue) {
      if (!ParseSize(args[++i], width, height)) return Fail(QStringLiteral("invalid --screen: ") + QString::fromStdString(args[i]));
      haveScreen = true;
    } else if (a == "--background" && hasValue) {
      if (!ParseNumber(args[++i], background) || background < 0 || background > 0xFFFFFF)
        return Fail(QStringLiteral("invalid --background: ") + QString::fromStdString(args[i]));
    } else if (a == "--filter" && hasValue) {
      if (!ParseNumber(args[++i], filter) || filter < 0 || filter > 21)
        return Fail(QStringLiteral("invalid --filter (0..21): ") + QString::fromStdString(args[i]));
    } else if (a == "--seed" && hasValue) {
      if (!ParseNumber(args[++i], seed) || seed < 0) return Fail(QStringLiteral("invalid --seed: ") + QString::fromStdString(args[i]));
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else {
      files.push_back(a);
    }
  }
  if (!haveScreen || files.size() != 2) return Fail(QStringLiteral("usage: fit --screen WxH [--background 0xBBGGRR] [--filter K] [--seed S] IN OUT.png"));
  ApplySeed(seed);

  const QString in = QString::fromLocal8Bit(files[0].c_str());
  const QString out = QString::fromLocal8Bit(files[1].c_str());
  const ScreenLayout layout{width, height, static_cast<ColorRef>(background), static_cast<int>(filter)};
  FrameBitmap screen;
  try {
    screen = ComposeFileScreen(in, layout);
  } catch (const ImageError& e) {
    return Fail(e.OneLine());
  }
  QString error;
  if (!WritePng(screen, out, error)) return Fail(out + QStringLiteral(": ") + error);
  return 0;
}

RenderCommandRegistrar reg("fit", "fit --screen WxH [--background 0xBBGGRR] [--filter K] [--seed S] IN OUT.png", RunFit);

}  // namespace
