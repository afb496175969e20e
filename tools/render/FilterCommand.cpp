// brinmora-render filter: one catalogue filter on a decoded picture as it
// is (not turned, not fitted), as the preview applies it while no slideshow
// runs. --screen gives the monitor whose height sets the borders of the
// framing filters.
#include <QString>

#include "PngWriter.h"
#include "RenderArgs.h"
#include "RenderCommand.h"
#include "engine/DecodeImageFile.h"
#include "engine/FrameMargin.h"
#include "engine/ImageError.h"
#include "filters/ApplyFilter.h"
#include "filters/FilterKind.h"
#include "filters/FilterTables.h"
#include "platform/Random.h"

namespace {

constexpr const char* kUsage = "filter --kind K [--seed S] [--screen WxH] IN OUT.png";

int RunFilter(const std::vector<std::string>& args) {
  int width = 1920, height = 1080;
  std::int64_t kind = -1, seed = -1;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--kind" && hasValue) {
      if (!ParseNumber(args[++i], kind) || kind < 0 || kind >= kFilterSelectorCount)
        return Fail(QStringLiteral("invalid --kind (0..22): ") + QString::fromStdString(args[i]));
    } else if (a == "--screen" && hasValue) {
      if (!ParseSize(args[++i], width, height)) return Fail(QStringLiteral("invalid --screen: ") + QString::fromStdString(args[i]));
    } else if (a == "--seed" && hasValue) {
      if (!ParseNumber(args[++i], seed) || seed < 0) return Fail(QStringLiteral("invalid --seed: ") + QString::fromStdString(args[i]));
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else {
      files.push_back(a);
    }
  }
  if (kind < 0 || files.size() != 2) return Fail(QStringLiteral("usage: ") + QString::fromLatin1(kUsage));
  ApplySeed(seed);
  BuildFilterTables();

  const QString in = QString::fromLocal8Bit(files[0].c_str());
  const QString out = QString::fromLocal8Bit(files[1].c_str());
  FrameBitmap picture;
  try {
    picture = DecodeImageFile(in);
  } catch (const ImageError& e) {
    return Fail(e.OneLine());
  }
  FilterContext context;
  context.ScreenWidth = width;
  context.ScreenHeight = height;
  context.UprightWidth = picture.Width;
  context.UprightHeight = picture.Height;
  context.FrameMargin = FrameMargin(static_cast<int>(kind), height);
  ApplyFilter(static_cast<int>(kind), picture, context);
  QString error;
  if (!WritePng(picture, out, error)) return Fail(out + QStringLiteral(": ") + error);
  return 0;
}

RenderCommandRegistrar reg("filter", kUsage, RunFilter);

}  // namespace
