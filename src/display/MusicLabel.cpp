#include "display/MusicLabel.h"

#include "music/ReadBgmTag.h"

namespace {

QString FileNameWithoutExtension(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

bool IsMp3(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  const qsizetype dot = name.lastIndexOf('.');
  return dot >= 0 && name.mid(dot).toUpper() == QLatin1String(".MP3");
}

QString ComposeTag(const BgmTag& tag, int titleTag) {
  const QString& a = tag.Artist;
  const QString& t = tag.Title;
  const QString& al = tag.Album;
  switch (titleTag) {
    case 1: return a + " - " + t;
    case 2: return a + " / " + t + " / " + al;
    case 3: return a + " - " + t + " - " + al;
    case 4: return t + " / " + a;
    case 5: return t + " - " + a;
    case 6: return t + " / " + a + " / " + al;
    case 7: return t + " - " + a + " - " + al;
    default: return a + " / " + t;
  }
}

QString OrderWord(int bgmOrder) {
  if (bgmOrder == 2) return QStringLiteral(" Shuffle");
  if (bgmOrder == 3) return QStringLiteral(" Loop");
  return {};
}

QString VolumeText(int volume) { return QStringLiteral(" Volume ") + QString::asprintf("%.3d", volume); }

}  // namespace

QString FormatBgmCount(int n, int total) {
  int digits = 0;
  if (total >= 1 && total <= 99) digits = 2;
  else if (total >= 100 && total <= 999) digits = 3;
  else if (total >= 1000 && total <= 9999) digits = 4;
  else if (total >= 10000 && total <= 99999) digits = 5;
  else if (total >= 100000 && total <= 999999) digits = 6;
  if (digits == 0) return QString::number(n) + "/" + QString::number(total);
  return QString::asprintf("%.*d/%.*d", digits, n, digits, total);
}

QString ComposeBgmTitle(const QString& currentBgmFile, int bgmPlayIndex, int playListCount, int titleTag,
                        const BgmTag& tag) {
  const QString prefix = QStringLiteral("♪") + FormatBgmCount(bgmPlayIndex + 1, playListCount) + ". ";
  if (IsMp3(currentBgmFile) && !tag.Artist.isEmpty() && !tag.Title.isEmpty()) return prefix + ComposeTag(tag, titleTag);
  return prefix + FileNameWithoutExtension(currentBgmFile);
}

QString BgmTitleText(const QString& currentBgmFile, int bgmPlayIndex, int playListCount, int titleTag) {
  const BgmTag tag = IsMp3(currentBgmFile) ? ReadBgmTag(currentBgmFile) : BgmTag{};
  return ComposeBgmTitle(currentBgmFile, bgmPlayIndex, playListCount, titleTag, tag);
}

QString BgmStateLayoutText(PlayerState state, int bgmOrder) {
  QString word = QStringLiteral("Playing");
  if (state == PlayerState::Paused) word = QStringLiteral("Paused");
  else if (state == PlayerState::Stopped) word = QStringLiteral("Stopped");
  return QStringLiteral("--:--/--:-- ") + word + OrderWord(bgmOrder) + VolumeText(0);
}

QString BgmStateRunningText(const QString& position, const QString& duration, PlayerState state, int bgmOrder,
                            int volume) {
  QString word = QStringLiteral("Ready");
  if (state == PlayerState::Playing) word = QStringLiteral("Playing");
  else if (state == PlayerState::Paused) word = QStringLiteral("Paused");
  else if (state == PlayerState::Stopped) word = QStringLiteral("Stopped");
  const QString zero = QStringLiteral("00:00");
  return (position.isEmpty() ? zero : position) + "/" + (duration.isEmpty() ? zero : duration) + " " + word +
         OrderWord(bgmOrder) + VolumeText(volume);
}

QString BgmStateReadyText(int bgmOrder, int volume) {
  return QStringLiteral("00:00/00:00 Ready") + OrderWord(bgmOrder) + VolumeText(volume);
}
