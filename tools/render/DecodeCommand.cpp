// brinmora-render decode: the decoded picture as stored, not turned upright.
#include <QString>

#include "PngWriter.h"
#include "RenderArgs.h"
#include "RenderCommand.h"
#include "engine/DecodeImageFile.h"
#include "engine/ImageError.h"

namespace {

int RunDecode(const std::vector<std::string>& args) {
  if (args.size() != 2) return Fail(QStringLiteral("usage: decode IN OUT.png"));
  const QString in = QString::fromLocal8Bit(args[0].c_str());
  const QString out = QString::fromLocal8Bit(args[1].c_str());
  FrameBitmap decoded;
  try {
    decoded = DecodeImageFile(in);
  } catch (const ImageError& e) {
    return Fail(e.OneLine());
  }
  QString error;
  if (!WritePng(decoded, out, error)) return Fail(out + QStringLiteral(": ") + error);
  return 0;
}

RenderCommandRegistrar reg("decode", "decode IN OUT.png", RunDecode);

}  // namespace
