#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "engine/StartUp.h"
#include "engine/StartUpClose.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

class SilentWindow final : public StartUpWindow {
 public:
  void SetReady(bool) override {}
  void ApplyRunMode(const StartUpContext&) override {}
};

struct CloseFixture : ::testing::Test {
  QTemporaryDir root;
  QString programFolder;
  FakeUserDialogs dialogs;
  std::unique_ptr<SlideshowLibrary> library;
  StartUpContext context;

  void SetUp() override {
    QDir().mkpath(root.path() + "/prog");
    programFolder = root.path() + "/prog/";
    library = std::make_unique<SlideshowLibrary>(programFolder, dialogs);
  }
  void Start(const QStringList& args = {}, const QString& mountInfo = QString()) {
    SilentWindow window;
    context = RunStartUpSequence(window, *library, args, mountInfo);
  }
  QString Folder(const QString& name) const { return programFolder + "SlideShow/" + name + "/"; }
  QStringList Entries(const QString& folder) const {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
  }
};


TEST_F(CloseFixture, FirstRunOnAnEmptyFolderLeavesTheExpectedFiles) {
  Start();
  QStringList order;
  dialogs.pendingMessageRuns = 0;
  CloseHooks hooks;
  hooks.StopSlideshowIfRunning = [&] {
    order.append(QString("stop after %1 message runs").arg(dialogs.pendingMessageRuns));
  };
  hooks.FinishCdMaking = [&] {
    order.append("finish");
    return true;
  };
  ASSERT_TRUE(CloseSequence(*library, context.Settings, dialogs, hooks));
  EXPECT_EQ(order, QStringList{"stop after 1 message runs"}) << "no CD finishing in the normal mode";

  EXPECT_EQ(Entries(programFolder), (QStringList{"App.ini", "SlideShow"}));
  EXPECT_EQ(Entries(programFolder + "SlideShow"), (QStringList{"SlideShow.dat", "無題001"}));
  EXPECT_EQ(Entries(Folder("無題001")), (QStringList{"BGM.dat", "DIR.dat", "Slide.ini"}));
  EXPECT_EQ(FileBytes(programFolder + "SlideShow/SlideShow.dat"), QByteArray("\x96\xB3\x91\xE8" "001\r\n"));
  EXPECT_EQ(FileBytes(Folder("無題001") + "DIR.dat"), QByteArray());
  EXPECT_EQ(FileBytes(Folder("無題001") + "BGM.dat"), QByteArray());
  EXPECT_EQ(FileBytes(Folder("無題001") + "Slide.ini"), FileBytes(SourceFile("tests/library/data/DefaultSlide.ini")));
  const IniFile app(programFolder + "App.ini");
  EXPECT_EQ(app.ReadString("App", "Ver", ""), "1.3");
  EXPECT_EQ(app.ReadString("SlideShow", "LastSlideShowName", ""), "無題001");
  EXPECT_TRUE(dialogs.errors.isEmpty());

  // The next start finds the same slideshow and no migration.
  SlideshowLibrary again(programFolder, dialogs);
  SilentWindow window;
  RunStartUpSequence(window, again, {}, QString());
  EXPECT_EQ(again.CurrentName(), "無題001");
  EXPECT_EQ(again.Catalog(), QStringList{"無題001"});
}

TEST_F(CloseFixture, SavesTheCatalogueInListOrderAndTheCurrentName) {
  for (const char* n : {"a", "b"}) QDir().mkpath(Folder(n));
  ASSERT_TRUE(WriteTextLines(programFolder + "SlideShow/SlideShow.dat", {"b", "gone", "a"}));
  ASSERT_TRUE(WriteTextLines(programFolder + "App.ini", {"[App]", "Ver=1.3", "[SlideShow]", "LastSlideShowName=a"}));
  Start();
  ASSERT_EQ(library->CurrentName(), "a");
  context.Settings.WMPVol = 33;
  library->LoadSlideshow("b");
  ASSERT_TRUE(CloseSequence(*library, context.Settings, dialogs, {}));
  EXPECT_EQ(ReadTextLines(programFolder + "SlideShow/SlideShow.dat"), (QStringList{"b", "a"}));
  const IniFile app(programFolder + "App.ini");
  EXPECT_EQ(app.ReadString("SlideShow", "LastSlideShowName", ""), "b");
  EXPECT_EQ(app.ReadInteger("Env", "WMPVol", 0), 33);
}

TEST_F(CloseFixture, CdMakingClearsTheResumePointAndMayRefuseToClose) {
  ASSERT_TRUE(WriteTextLines(root.path() + "/Work.ini", {"[Work]", "ParentName=/opt/b/brinmora"}));
  Start();
  ASSERT_EQ(library->Mode(), RunMode::CdMaking);
  library->Options().LastPlayName = "/p/a.jpg";
  library->Options().LastPlayDir = "/p";
  library->Options().LastPlayBGM = "/m/s.mp3";
  const QString slideIni = library->CurrentSlideshowFolder() + "Slide.ini";

  CloseHooks refuse;
  refuse.FinishCdMaking = [] { return false; };
  EXPECT_FALSE(CloseSequence(*library, context.Settings, dialogs, refuse));
  EXPECT_FALSE(QFile::exists(programFolder + "App.ini"));
  EXPECT_FALSE(QFile::exists(slideIni));

  library->Options().LastPlayDir = "/p";
  EXPECT_TRUE(CloseSequence(*library, context.Settings, dialogs, {})) << "no finishing step counts as done";
  const IniFile ini(slideIni);
  EXPECT_EQ(ini.ReadString("List", "LastPlayName", "x"), "");
  EXPECT_EQ(ini.ReadString("List", "LastPlayDir", "x"), "");
  EXPECT_EQ(ini.ReadString("List", "LastPlayBGM", "x"), "");
  EXPECT_TRUE(QFile::exists(programFolder + "App.ini"));
}

TEST_F(CloseFixture, CdPlayWritesNothing) {
  QDir().mkpath(Folder("a"));
  ASSERT_TRUE(WriteTextLines(programFolder + "SlideShow/SlideShow.dat", {"a"}));
  const QString disc = "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 11:0 / " + QDir(root.path()).canonicalPath() +
                       " ro - udf /dev/sr0 ro\n";
  Start({}, disc);
  ASSERT_EQ(library->Mode(), RunMode::CdPlay);
  EXPECT_TRUE(CloseSequence(*library, context.Settings, dialogs, {}));
  EXPECT_EQ(Entries(programFolder), QStringList{"SlideShow"});
  EXPECT_EQ(Entries(Folder("a")), QStringList{});
}

TEST_F(CloseFixture, AutostartOfAMissingSlideshowSavesSettingsButNoSlideshow) {
  ASSERT_TRUE(WriteTextLines(programFolder + "App.ini", {"[App]", "Ver=1.3", "[SlideShow]", "LastSlideShowName=旅行"}));
  Start({"/autostart", "gone"});
  ASSERT_FALSE(library->HasCurrentSlideshow());
  EXPECT_TRUE(CloseSequence(*library, context.Settings, dialogs, {}));
  EXPECT_EQ(IniFile(programFolder + "App.ini").ReadString("SlideShow", "LastSlideShowName", ""), "旅行");
  EXPECT_FALSE(QDir(Folder("gone")).exists());
  EXPECT_EQ(Entries(programFolder + "SlideShow"), QStringList{"SlideShow.dat"});
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

}  // namespace
