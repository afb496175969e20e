// brinmora-render exif: the Exif box lines of a file, one per line, UTF-8.
// Prints nothing when the reader does not accept the file.
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "RenderArgs.h"
#include "RenderCommand.h"
#include "display/ExifLines.h"

namespace {

int RunExif(const std::vector<std::string>& args) {
  if (args.size() != 1) return Fail(QStringLiteral("usage: exif IN"));
  const QString in = QString::fromLocal8Bit(args[0].c_str());
  if (!QFileInfo(in).isFile()) return Fail(in + QStringLiteral(": ファイルが見つかりません"));
  TExifInfo reader;
  reader.OnError = [](int) { return false; };
  if (!reader.IsExifJpeg(in)) return 0;
  for (const QString& line : BuildExifLines(reader, in)) std::printf("%s\n", line.toUtf8().constData());
  return 0;
}

RenderCommandRegistrar reg("exif", "exif IN", RunExif);

}  // namespace
