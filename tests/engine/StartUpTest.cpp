#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "engine/StartUp.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/TextFile.h"

namespace {

// Records the window's steps of start-up in order.
class FakeStartUpWindow final : public StartUpWindow {
 public:
  void CreateWorkingObjects() override { steps.append("objects"); }
  void SetReady(bool ready) override { steps.append(ready ? "ready" : "not ready"); }
  void ApplyRunMode(const StartUpContext& context) override {
    steps.append("run mode");
    mode = context.RunMode.Mode;
  }
  void ArrangeOptionsPage() override { steps.append("options page"); }
  void BuildFilterTables() override { steps.append("filter tables"); }
  void CollapseAndPlace(RunMode) override { steps.append("place"); }
  void ShowProgramFolder(const QString& folder) override {
    steps.append("status");
    statusFolder = folder;
  }
  void ApplyCatalog(const CatalogFill& catalog) override {
    steps.append("catalog");
    hideTab = catalog.HideSlideshowTab;
    hideButtons = catalog.HideSlideshowButtons;
  }
  QStringList steps;
  RunMode mode = RunMode::Normal;
  QString statusFolder;
  bool hideTab = false;
  bool hideButtons = false;
};

struct StartUpFixture : ::testing::Test {
  QTemporaryDir root;
  QString programFolder;
  FakeUserDialogs dialogs;
  std::unique_ptr<SlideshowLibrary> library;

  void SetUp() override {
    QDir().mkpath(root.path() + "/prog");
    programFolder = root.path() + "/prog/";
    library = std::make_unique<SlideshowLibrary>(programFolder, dialogs);
  }
  QString Folder(const QString& name) const { return programFolder + "SlideShow/" + name + "/"; }
  void MakeSlideshows(const QStringList& names) {
    for (const QString& n : names) QDir().mkpath(Folder(n));
  }
  void WriteCatalog(const QStringList& names) {
    ASSERT_TRUE(WriteTextLines(programFolder + "SlideShow/SlideShow.dat", names));
  }
  void WriteAppIni(const QStringList& lines) { ASSERT_TRUE(WriteTextLines(programFolder + "App.ini", lines)); }
  QString OpticalMount() const {
    return "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 11:0 / " + QDir(root.path()).canonicalPath() +
           " ro - iso9660 /dev/sr0 ro\n";
  }
};

TEST(CommandLine, OnlyAnExactAutostartSwitchCounts) {
  struct Case {
    QStringList args;
    bool autoStart, hasName;
    QString name;
  };
  const std::vector<Case> cases = {
      {{}, false, false, ""},
      {{"/autostart"}, true, false, ""},
      {{"/autostart", "旅行"}, true, true, "旅行"},
      {{"/autostart", "旅行", "extra"}, true, true, "旅行"},
      {{"/AUTOSTART", "旅行"}, false, false, ""},
      {{"旅行", "/autostart"}, false, false, ""},
  };
  for (const Case& c : cases) {
    const CommandLine cl = ParseCommandLine(c.args);
    EXPECT_EQ(cl.AutoStart, c.autoStart) << c.args.join(' ').toStdString();
    EXPECT_EQ(cl.HasSlideshowName, c.hasName) << c.args.join(' ').toStdString();
    EXPECT_EQ(cl.SlideshowName, c.name);
  }
}

TEST(Captions, BasePerRunModeAndTheSlideshowName) {
  EXPECT_EQ(CaptionBase(RunMode::Normal), " Brinmora");
  EXPECT_EQ(CaptionBase(RunMode::CdMaking), " Brinmora - CD作成モード");
  EXPECT_EQ(CaptionBase(RunMode::CdPlay), " Brinmora - CD再生モード");
  EXPECT_EQ(SlideshowCaption(RunMode::CdMaking, "旅行"), " Brinmora - CD作成モード [旅行]");
  EXPECT_EQ(ProgramFolderStatusText("/opt/brinmora"), "プログラムの場所： /opt/brinmora");
}

TEST(AutoStart, SettingOrSwitchButNeverWhileMakingACd) {
  AppSettings on;
  on.AutoStart = true;
  const AppSettings off;
  const CommandLine sw = ParseCommandLine({"/autostart"});
  const CommandLine none;
  EXPECT_TRUE(ShouldAutoStart(on, none, RunMode::Normal));
  EXPECT_TRUE(ShouldAutoStart(off, sw, RunMode::Normal));
  EXPECT_TRUE(ShouldAutoStart(off, sw, RunMode::CdPlay));
  EXPECT_FALSE(ShouldAutoStart(off, none, RunMode::Normal));
  EXPECT_FALSE(ShouldAutoStart(on, sw, RunMode::CdMaking));
}

TEST_F(StartUpFixture, CatalogueKeepsListedNamesWhoseFoldersExist) {
  MakeSlideshows({"旅行", "家族", "unlisted"});
  WriteCatalog({"旅行", "gone", "家族", "旅行", "../prog", ""});
  const CatalogFill fill = FillSlideshowCatalog(programFolder, RunMode::Normal, "家族");
  EXPECT_EQ(fill.Names, (QStringList{"旅行", "家族", "旅行"}));
  EXPECT_EQ(fill.LastSlideShowName, "家族");
  EXPECT_FALSE(fill.HideSlideshowTab);
  EXPECT_FALSE(fill.HideSlideshowButtons);

  EXPECT_EQ(FillSlideshowCatalog(programFolder, RunMode::Normal, "gone").LastSlideShowName, "旅行");
  MakeSlideshows({"Trip"});
  WriteCatalog({"旅行", "Trip"});
  EXPECT_EQ(FillSlideshowCatalog(programFolder, RunMode::Normal, "TRIP").LastSlideShowName, "Trip");

  WriteCatalog({});
  EXPECT_EQ(FillSlideshowCatalog(programFolder, RunMode::Normal, "gone").LastSlideShowName, "gone")
      << "an empty list keeps the name";
}

TEST_F(StartUpFixture, CdPlayUsesTheFirstNameAndHidesManagement) {
  MakeSlideshows({"a", "b"});
  WriteCatalog({"a"});
  CatalogFill one = FillSlideshowCatalog(programFolder, RunMode::CdPlay, "x");
  EXPECT_EQ(one.LastSlideShowName, "a");
  EXPECT_TRUE(one.HideSlideshowTab);
  EXPECT_FALSE(one.HideSlideshowButtons);
  WriteCatalog({"a", "b"});
  CatalogFill two = FillSlideshowCatalog(programFolder, RunMode::CdPlay, "b");
  EXPECT_EQ(two.LastSlideShowName, "a");
  EXPECT_FALSE(two.HideSlideshowTab);
  EXPECT_TRUE(two.HideSlideshowButtons);
}

TEST_F(StartUpFixture, AutostartWithANameLoadsItOnlyIfItsFolderExists) {
  MakeSlideshows({"旅行"});
  LoadStartUpSlideshow(*library, ParseCommandLine({"/autostart", "旅行"}), "0", "other");
  EXPECT_EQ(library->CurrentName(), "旅行");

  for (const char* name : {"gone", "", "..", "../prog/SlideShow/旅行"}) {
    SlideshowLibrary fresh(programFolder, dialogs);
    LoadStartUpSlideshow(fresh, ParseCommandLine({"/autostart", QString::fromUtf8(name)}), "1.3", "旅行");
    EXPECT_FALSE(fresh.HasCurrentSlideshow()) << name;
  }
  EXPECT_EQ(QDir(programFolder + "SlideShow").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"旅行"});
}

TEST_F(StartUpFixture, CurrentSettingsLoadTheLastNameEvenWithOldListsBeside) {
  MakeSlideshows({"旅行"});
  MakeFile(programFolder + "DIR.dat");
  LoadStartUpSlideshow(*library, ParseCommandLine({"/autostart"}), "1.3", "旅行");
  EXPECT_EQ(library->CurrentName(), "旅行");
  EXPECT_TRUE(QFile::exists(programFolder + "DIR.dat"));
}

TEST_F(StartUpFixture, FirstStartWithoutOldListsMakesAnUntitledSlideshow) {
  LoadStartUpSlideshow(*library, CommandLine(), "0", "");
  EXPECT_EQ(library->CurrentName(), "無題001");
  EXPECT_TRUE(QDir(Folder("無題001")).exists());
  EXPECT_FALSE(QDir(Folder("旧バージョンのスライドショー")).exists());
}

TEST_F(StartUpFixture, OlderSettingsMoveTheOldListsIntoALegacySlideshow) {
  MakeFile(programFolder + "DIR.dat", "dir");
  MakeFile(programFolder + "BGM.dat", "bgm");
  MakeFile(programFolder + "Slide.ini", "[Option]");
  LoadStartUpSlideshow(*library, CommandLine(), "1.2", "旅行");
  const QString legacy = Folder("旧バージョンのスライドショー");
  EXPECT_EQ(library->CurrentName(), "旧バージョンのスライドショー");
  EXPECT_EQ(FileBytes(legacy + "DIR.dat"), "dir");
  EXPECT_EQ(FileBytes(legacy + "BGM.dat"), "bgm");
  EXPECT_FALSE(QFile::exists(programFolder + "DIR.dat"));
  EXPECT_FALSE(QFile::exists(programFolder + "BGM.dat"));
  EXPECT_FALSE(QFile::exists(programFolder + "Slide.ini")) << "the old options file is deleted, not moved";
  EXPECT_FALSE(QFile::exists(legacy + "Slide.ini"));
}

TEST_F(StartUpFixture, OnlyOneOldListIsEnoughToMigrate) {
  MakeFile(programFolder + "BGM.dat", "bgm");
  LoadStartUpSlideshow(*library, CommandLine(), "0", "");
  EXPECT_EQ(library->CurrentName(), "旧バージョンのスライドショー");
  EXPECT_EQ(FileBytes(Folder("旧バージョンのスライドショー") + "BGM.dat"), "bgm");
}

TEST_F(StartUpFixture, AnExistingLegacySlideshowIsNotOverwritten) {
  MakeFile(programFolder + "DIR.dat", "new");
  MakeFile(Folder("旧バージョンのスライドショー") + "DIR.dat", "kept");
  LoadStartUpSlideshow(*library, CommandLine(), "0", "旅行");
  EXPECT_EQ(library->CurrentName(), "無題001");
  EXPECT_EQ(FileBytes(Folder("旧バージョンのスライドショー") + "DIR.dat"), "kept");
  EXPECT_EQ(FileBytes(programFolder + "DIR.dat"), "new");
}

TEST_F(StartUpFixture, AFailedMigrationLeavesTheOldListsAndLoadsAnUntitledSlideshow) {
  MakeFile(programFolder + "DIR.dat", "dir");
  MakeFile(programFolder + "SlideShow", "a file where the library folder should be");
  LoadStartUpSlideshow(*library, CommandLine(), "0", "");
  EXPECT_EQ(library->CurrentName(), "無題001");
  EXPECT_EQ(FileBytes(programFolder + "DIR.dat"), "dir");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << "a failed move is not reported";
}

TEST_F(StartUpFixture, SequenceRunsTheWindowStepsInOrder) {
  FakeStartUpWindow window;
  const StartUpContext context = RunStartUpSequence(window, *library, {}, QString());
  EXPECT_EQ(window.steps, (QStringList{"objects", "not ready", "run mode", "options page", "filter tables", "place",
                                       "ready", "status", "catalog"}));
  EXPECT_EQ(window.statusFolder, root.path() + "/prog");
  EXPECT_EQ(context.RunMode.Mode, RunMode::Normal);
  EXPECT_EQ(context.Settings.Ver, "0");
  EXPECT_EQ(library->CurrentName(), "無題001");
  EXPECT_EQ(library->Catalog(), QStringList{"無題001"});
}

TEST_F(StartUpFixture, SequenceInAWorkFolderIsCdMaking) {
  ASSERT_TRUE(WriteTextLines(root.path() + "/Work.ini", {"[Work]", "ParentName=/opt/brinmora/brinmora"}));
  FakeStartUpWindow window;
  const StartUpContext context = RunStartUpSequence(window, *library, {"/autostart"}, OpticalMount());
  EXPECT_EQ(window.mode, RunMode::CdMaking);
  EXPECT_EQ(context.RunMode.ParentName, "/opt/brinmora/brinmora");
  EXPECT_EQ(library->Mode(), RunMode::CdMaking);
  EXPECT_FALSE(ShouldAutoStart(context.Settings, context.Arguments, context.RunMode.Mode));
}

TEST_F(StartUpFixture, SequenceOnADiscIsCdPlayAndWritesNothing) {
  MakeSlideshows({"a", "b"});
  WriteCatalog({"b", "a"});
  WriteAppIni({"[App]", "Ver=1.3", "[SlideShow]", "LastSlideShowName=a"});
  FakeStartUpWindow window;
  RunStartUpSequence(window, *library, {}, OpticalMount());
  EXPECT_EQ(window.mode, RunMode::CdPlay);
  EXPECT_EQ(library->CurrentName(), "b");
  EXPECT_TRUE(window.hideButtons);
  EXPECT_FALSE(QFile::exists(Folder("b") + "Slide.ini"));
}

TEST_F(StartUpFixture, CdPlayWithNoSlideshowsLoadsAnUntitledOneWithoutFolder) {
  FakeStartUpWindow window;
  RunStartUpSequence(window, *library, {}, OpticalMount());
  EXPECT_EQ(library->CurrentName(), "無題001");
  EXPECT_TRUE(window.hideTab);
  EXPECT_FALSE(QDir(programFolder + "SlideShow").exists());
}

}  // namespace
