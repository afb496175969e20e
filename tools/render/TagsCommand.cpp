// brinmora-render tags: what the music title label reads from each file
// (title, artist, album) and the label text it shows, one field a line,
// UTF-8, the files numbered as a play list of them would be.
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "RenderArgs.h"
#include "RenderCommand.h"
#include "display/MusicLabel.h"
#include "music/ReadBgmTag.h"

namespace {

constexpr const char* kUsage = "tags [--title-tag N] FILE...";

void PrintField(const char* name, const QString& value) {
  std::printf("%s: %s\n", name, value.toUtf8().constData());
}

int RunTags(const std::vector<std::string>& args) {
  std::int64_t titleTag = 2;  // a new slideshow's choice
  std::vector<QString> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--title-tag" && i + 1 < args.size()) {
      if (!ParseNumber(args[++i], titleTag) || titleTag < 0 || titleTag > 7)
        return Fail(QStringLiteral("invalid --title-tag (0..7): ") + QString::fromStdString(args[i]));
    } else if (a.rfind("--", 0) == 0) {
      return Fail(QStringLiteral("unknown or incomplete option: ") + QString::fromStdString(a));
    } else {
      files.push_back(QString::fromLocal8Bit(a.c_str()));
    }
  }
  if (files.empty()) return Fail(QStringLiteral("usage: ") + QString::fromLatin1(kUsage));
  for (const QString& file : files)
    if (!QFileInfo(file).isFile()) return Fail(file + QStringLiteral(": ファイルが見つかりません"));

  const int count = static_cast<int>(files.size());
  for (int i = 0; i < count; ++i) {
    const BgmTag tag = ReadBgmTag(files[static_cast<std::size_t>(i)]);
    if (i > 0) std::printf("\n");
    PrintField("file", files[static_cast<std::size_t>(i)]);
    PrintField("title", tag.Title);
    PrintField("artist", tag.Artist);
    PrintField("album", tag.Album);
    PrintField("label", ComposeBgmTitle(files[static_cast<std::size_t>(i)], i, count, static_cast<int>(titleTag), tag));
  }
  return 0;
}

RenderCommandRegistrar reg("tags", kUsage, RunTags);

}  // namespace
