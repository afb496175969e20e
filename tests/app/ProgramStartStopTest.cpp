// The program itself, started in an empty folder or on an existing library
// and ended by the desktop's termination signals: everything it keeps must
// be on disk, in its formats, afterwards.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "ProgramRun.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
}

QByteArray Cp932Lines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += EncodeCp932(line) + "\r\n";
  return bytes;
}

class ProgramEndsBySignal : public testing::TestWithParam<int> {};

TEST_P(ProgramEndsBySignal, FirstStartLeavesSettingsCatalogAndAnUntitledSlideshow) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ProgramRun run(folder.path());
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.StopWith(GetParam())) << run.Output().toStdString();
  EXPECT_EQ(run.ExitCode(), 0);

  const QString root = folder.path() + QStringLiteral("/");
  const IniFile app(root + QStringLiteral("App.ini"));
  EXPECT_EQ(app.ReadString("App", "Ver", ""), QStringLiteral("1.3"));
  EXPECT_EQ(app.ReadString("SlideShow", "LastSlideShowName", ""), QStringLiteral("無題001"));
  EXPECT_EQ(app.ReadString("Option", "AutoStart", ""), QStringLiteral("0"));
  EXPECT_EQ(app.ReadString("Option", "NoSaver", ""), QStringLiteral("1"));
  EXPECT_EQ(app.ReadString("Env", "WMPVol", ""), QStringLiteral("50"));
  for (int key = 1; key <= 10; ++key) EXPECT_TRUE(app.HasKey("Work", QString::number(key))) << key;
  EXPECT_TRUE(Bytes(root + "App.ini").contains("LastSlideShowName=" + EncodeCp932("無題001") + "\r\n"));

  EXPECT_EQ(Bytes(root + "SlideShow/SlideShow.dat"), Cp932Lines({"無題001"}));
  const QString slideshow = root + QStringLiteral("SlideShow/無題001/");
  EXPECT_EQ(Bytes(slideshow + "DIR.dat"), QByteArray());
  EXPECT_EQ(Bytes(slideshow + "BGM.dat"), QByteArray());
  const QByteArray slideIni = Bytes(slideshow + "Slide.ini");
  EXPECT_TRUE(slideIni.startsWith("[Option]\r\nInterval=8\r\nUnit=0\r\n")) << slideIni.left(60).toStdString();
  const IniFile options(slideshow + QStringLiteral("Slide.ini"));
  EXPECT_EQ(options.ReadString("Option", "ImgEffect", ""), QStringLiteral("シャッフル"));
  EXPECT_EQ(options.ReadString("Effect", "SlideCheck18", ""), QStringLiteral("1メルト"));
  EXPECT_EQ(options.ReadString("Label", "ArtName", ""), QStringLiteral("cover.jpg"));
  EXPECT_EQ(options.ReadString("Color", "SlideNameFColor", ""), QStringLiteral("8454016"));
}

INSTANTIATE_TEST_SUITE_P(TermIntHup, ProgramEndsBySignal, testing::Values(SIGTERM, SIGINT, SIGHUP));

// The options pass through the window's controls between loading and saving;
// what the user set must come back as it was, lists and resume point too.
TEST(ProgramRoundTrip, ExistingSlideshowIsSavedAsItWasLoaded) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString root = folder.path() + QStringLiteral("/");
  const QString photos = root + QStringLiteral("photos/夏 休み, 2024");
  QDir().mkpath(photos);
  WriteBytes(photos + "/a.jpg", "");
  const QString song = root + QStringLiteral("music/曲.mp3");
  WriteBytes(song, "");

  WriteBytes(root + "App.ini", Cp932Lines({"[App]", "Ver=1.3", "[Option]", "AutoStart=0", "NoSaver=0",
                                          "[Env]", "WMPVol=70", "[SlideShow]", "LastSlideShowName=旅行"}));
  WriteBytes(root + "SlideShow/SlideShow.dat", Cp932Lines({"旅行", "消えたスライドショー"}));
  const QString slideshow = root + QStringLiteral("SlideShow/旅行/");
  const QByteArray dirDat = Cp932Lines({"\"" + photos + "\",0"});
  const QByteArray bgmDat = Cp932Lines({song + ",1"});
  WriteBytes(slideshow + "DIR.dat", dirDat);
  WriteBytes(slideshow + "BGM.dat", bgmDat);
  WriteBytes(slideshow + "Slide.ini",
             Cp932Lines({"[Option]", "Interval=3", "Unit=1", "cbImg=シャッフル（全画像）", "UseLimit=1",
                         "LimitNum=5", "ImgEffect=セピア", "[Effect]", "ImgCheck0=0なし", "TimingIdx=1",
                         "PhotoLongSize=300", "[Label]", "Date=1", "ArtName=", "TitleTag=9",
                         "[Color]", "BkColor=255", "GuideColor=65280", "[List]",
                         "LastPlayDir=" + photos, "LastPlayBGM=" + song}));

  ProgramRun run(folder.path());
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.StopWith(SIGTERM)) << run.Output().toStdString();

  EXPECT_EQ(Bytes(slideshow + "DIR.dat"), dirDat);
  EXPECT_EQ(Bytes(slideshow + "BGM.dat"), bgmDat);
  EXPECT_EQ(Bytes(root + "SlideShow/SlideShow.dat"), Cp932Lines({"旅行"}));
  const IniFile app(root + QStringLiteral("App.ini"));
  EXPECT_EQ(app.ReadString("SlideShow", "LastSlideShowName", ""), QStringLiteral("旅行"));
  EXPECT_EQ(app.ReadString("Option", "NoSaver", ""), QStringLiteral("0"));
  EXPECT_EQ(app.ReadString("Env", "WMPVol", ""), QStringLiteral("70"));

  const IniFile o(slideshow + QStringLiteral("Slide.ini"));
  const struct {
    const char* section;
    const char* key;
    QString value;
  } expected[] = {
      {"Option", "Interval", "3"},
      {"Option", "Unit", "1"},
      {"Option", "cbImg", "シャッフル（全画像）"},
      {"Option", "UseLimit", "1"},
      {"Option", "LimitNum", "5"},
      {"Option", "ImgEffect", "セピア"},
      {"Effect", "ImgCheck0", "0なし"},
      {"Effect", "ImgCheck1", "1グレースケール"},
      {"Effect", "TimingIdx", "1"},
      {"Effect", "PhotoLongSize", "300"},
      {"Label", "Date", "1"},
      {"Label", "ArtName", ""},
      {"Label", "TitleTag", "-1"},
      {"Color", "BkColor", "255"},
      {"Color", "GuideColor", "65280"},
      {"List", "LastPlayDir", photos},
      {"List", "LastPlayBGM", song},
  };
  for (const auto& e : expected)
    EXPECT_EQ(o.ReadString(e.section, e.key, "<none>"), e.value) << e.section << "/" << e.key;
}

}  // namespace

// While a slideshow plays, the effect selectors show the effects in use (a
// shuffle shows the kind it drew); ending the program must save the effects
// the user configured, not those.
TEST(ProgramRoundTrip, EndingDuringASlideshowSavesTheConfiguredEffects) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString root = folder.path() + QStringLiteral("/");
  const QString photos = root + QStringLiteral("photos");
  QDir().mkpath(photos);
  for (int i = 0; i < 3; ++i) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(40 * i, 90, 200));
    ASSERT_TRUE(image.save(photos + QStringLiteral("/%1.jpg").arg(i)));
  }
  WriteBytes(root + "App.ini", Cp932Lines({"[App]", "Ver=1.3", "[SlideShow]", "LastSlideShowName=旅行"}));
  WriteBytes(root + "SlideShow/SlideShow.dat", Cp932Lines({"旅行"}));
  const QString slideshow = root + QStringLiteral("SlideShow/旅行/");
  WriteBytes(slideshow + "DIR.dat", Cp932Lines({"\"" + photos + "\",1"}));
  WriteBytes(slideshow + "BGM.dat", QByteArray());
  WriteBytes(slideshow + "Slide.ini", Cp932Lines({"[Option]", "ImgEffect=シャッフル", "SlideEffect=シャッフル",
                                                  "UseBGM=0", "[Effect]", "ImgCheck0=0なし", "SlideCheck0=0なし"}));

  ProgramRun run(folder.path());
  ASSERT_TRUE(run.Start({QStringLiteral("/autostart"), QStringLiteral("旅行")}));
  ASSERT_TRUE(run.StopWith(SIGTERM)) << run.Output().toStdString();

  const IniFile o(slideshow + QStringLiteral("Slide.ini"));
  EXPECT_EQ(o.ReadString("Option", "ImgEffect", ""), QStringLiteral("シャッフル"));
  EXPECT_EQ(o.ReadString("Option", "SlideEffect", ""), QStringLiteral("シャッフル"));
  // The show was really playing: the resume point names the folder.
  EXPECT_EQ(o.ReadString("List", "LastPlayDir", ""), photos);
}
