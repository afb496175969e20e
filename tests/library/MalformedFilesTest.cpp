#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <random>

#include "library/AppSettings.h"
#include "library/FakeLibraryView.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"

namespace {

// Bytes that look a little like the real files: brackets, '=', commas,
// quotes, line ends, CP932 lead bytes, NULs and noise.
QByteArray RandomText(std::mt19937& rng) {
  static const char kAlphabet[] = "[]=,\"\r\n \t/\\01abcOptionIntervalLastPlayDir\x81\x82\x9F\xE0\xFC\xFF\x00";
  static const QByteArray alphabet(kAlphabet, sizeof kAlphabet - 1);  // the NUL written out included
  std::uniform_int_distribution<int> length(0, 400);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
  QByteArray text;
  const int n = length(rng);
  for (int i = 0; i < n; ++i) text.append(alphabet[pick(rng)]);
  return text;
}

TEST(MalformedFiles, RandomContentNeverBreaksLoadingOrSaving) {
  QTemporaryDir dir;
  const QString programFolder = dir.path() + "/";
  const QString folder = programFolder + "SlideShow/s/";
  MakeImageFolder(dir.path() + "/Photos");
  std::mt19937 rng(20261210);
  for (int round = 0; round < 150; ++round) {
    MakeFile(programFolder + "App.ini", RandomText(rng));
    MakeFile(folder + "Slide.ini", RandomText(rng));
    MakeFile(folder + "DIR.dat", RandomText(rng) + (dir.path() + "/Photos,1\r\n").toUtf8() + RandomText(rng));
    MakeFile(folder + "BGM.dat", RandomText(rng));
    const AppSettings settings = ReadAppSettings(programFolder);
    EXPECT_GE(settings.WMPVol, 0);
    EXPECT_LE(settings.WMPVol, 100);

    FakeUserDialogs dialogs;
    FakeLibraryView view;
    SlideshowLibrary library(programFolder, dialogs);
    library.SetView(&view);
    library.LoadSlideshow("s");
    ASSERT_EQ(library.CurrentName(), "s");
    const SlideshowOptions& o = library.Options();
    EXPECT_TRUE(o.Interval >= 1 && o.Interval <= 60);
    EXPECT_TRUE(o.PhotoLongSize >= 200 && o.PhotoLongSize <= 500);
    EXPECT_TRUE(library.SaveSlideshow());
    EXPECT_TRUE(dialogs.errors.isEmpty());
  }
}

}  // namespace
