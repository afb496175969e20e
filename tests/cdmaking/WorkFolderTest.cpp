// Creating a CD work folder from a real program folder, and switching
// between the parent program and its work copies.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "cdmaking/CdMakingTexts.h"
#include "cdmaking/FakeShellLauncher.h"
#include "cdmaking/WorkFolder.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"

namespace {

struct WorkFolderFixture : ::testing::Test {
  QTemporaryDir dir;
  QString root = dir.path() + "/";
  QString program = root + "prog/";
  FakeUserDialogs dialogs;
  int saves = 0;
  WorkFolderSource source;

  void SetUp() override {
    MakeFile(program + "brinmora", "ELF");
    QFile::setPermissions(program + "brinmora", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeOther);
    MakeFile(program + "ReadMe.txt", "readme");
    MakeFile(program + "App.ini", "[App]\r\nVer=1.3\r\n");
    for (const char* name : {"春", "夏", "秋"}) {
      for (const char* file : {"DIR.dat", "BGM.dat", "Slide.ini"})
        MakeFile(program + "SlideShow/" + name + "/" + file, QByteArray(name) + file);
    }
    source.ProgramFolder = program;
    source.ProgramFilePath = program + "brinmora";
    source.SaveCurrentSlideshowAndSettings = [this] { ++saves; };
  }

  QStringList CdFiles(const QString& work) {
    QStringList files;
    QDirIterator it(work, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.append(it.next().mid(work.size()));
    files.sort();
    return files;
  }
};

TEST_F(WorkFolderFixture, EmptyFieldsAreRefusedWithTheirMessage) {
  struct Case {
    QString location, name, message;
  };
  const Case cases[] = {{root, "", "フォルダ名が空欄です。"},
                        {"", "CD1", "作成場所が空欄です。"},
                        {"", "", "作成場所とフォルダ名が空欄です。"},
                        {"  ", " ", "作成場所とフォルダ名が空欄です。"}};
  for (const Case& c : cases) {
    dialogs.informations.clear();
    EXPECT_EQ(CreateWorkFolder({c.location, c.name, false, {}}, source, dialogs, nullptr),
              WorkFolderOutcome::FieldsMissing);
    EXPECT_EQ(dialogs.informations, QStringList({c.message}));
  }
  EXPECT_EQ(WorkFolderPath("/a/b", "W"), "/a/b/W");
  EXPECT_EQ(WorkFolderPath("/a/b/", "W"), "/a/b/W");
}

TEST_F(WorkFolderFixture, TwoOfThreeSlideshowsAreTakenOverInListOrder) {
  QString work;
  ASSERT_EQ(CreateWorkFolder({root + "works/", "旅のCD", true, {"春", "秋"}}, source, dialogs, &work),
            WorkFolderOutcome::Created);
  EXPECT_EQ(work, root + "works/旅のCD");
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(dialogs.informations.isEmpty());
  EXPECT_EQ(CdFiles(work + "/"),
            QStringList({"CD/App.ini", "CD/ReadMe.txt", "CD/SlideShow/SlideShow.dat", "CD/SlideShow/春/BGM.dat",
                         "CD/SlideShow/春/DIR.dat", "CD/SlideShow/春/Slide.ini", "CD/SlideShow/秋/BGM.dat",
                         "CD/SlideShow/秋/DIR.dat", "CD/SlideShow/秋/Slide.ini", "CD/brinmora", "Work.ini"}));
  EXPECT_EQ(FileBytes(work + "/CD/SlideShow/SlideShow.dat"), EncodeCp932("春") + "\r\n" + EncodeCp932("秋") + "\r\n");
  EXPECT_EQ(FileBytes(work + "/CD/SlideShow/秋/DIR.dat"), QByteArray("秋DIR.dat"));
  EXPECT_TRUE(QFileInfo(work + "/CD/brinmora").isExecutable());
  EXPECT_EQ(IniFile(work + "/Work.ini").ReadString("Work", "ParentName", ""), program + "brinmora");

  // The same folder again is refused.
  EXPECT_EQ(CreateWorkFolder({root + "works", "旅のCD", true, {"春"}}, source, dialogs, &work),
            WorkFolderOutcome::FolderExists);
  EXPECT_EQ(dialogs.informations.last(),
            "' " + root + "works/旅のCD '\r\r上記のフォルダ名はすでに存在しているため作成できません。");
}

TEST_F(WorkFolderFixture, WithoutSlideshowsTheCopyHoldsOnlyTheProgram) {
  QString work;
  ASSERT_EQ(CreateWorkFolder({root, "W", false, {"春"}}, source, dialogs, &work), WorkFolderOutcome::Created);
  EXPECT_EQ(saves, 0);
  EXPECT_EQ(CdFiles(work + "/"), QStringList({"CD/ReadMe.txt", "CD/brinmora", "Work.ini"}));
}

TEST_F(WorkFolderFixture, NoCheckedSlideshowStopsAfterMakingTheFolders) {
  EXPECT_EQ(CreateWorkFolder({root, "W", true, {}}, source, dialogs, nullptr), WorkFolderOutcome::Stopped);
  EXPECT_EQ(dialogs.informations, QStringList({"利用するスライドショーにチェックを入れてください。"}));
  EXPECT_TRUE(QFileInfo(root + "W/CD").isDir());
  EXPECT_FALSE(QFileInfo::exists(root + "W/Work.ini"));
}

TEST(RecentWorkFolders, NewestFirstWithoutRepeatsAndAtMostTen) {
  QStringList list = InsertRecentWorkFolder({}, "A");
  list = InsertRecentWorkFolder(list, "B");
  list = InsertRecentWorkFolder(list, "A");
  EXPECT_EQ(list, QStringList({"A", "B"}));
  for (int i = 0; i < 12; ++i) list = InsertRecentWorkFolder(list, QString::number(i));
  EXPECT_EQ(list.size(), 10);
  EXPECT_EQ(list.first(), "11");
}

TEST_F(WorkFolderFixture, HandOverStartsTheOtherProgramOnlyWhenItExistsAndTheUserAgrees) {
  FakeShellLauncher shell;
  ASSERT_EQ(CreateWorkFolder({root, "W", false, {}}, source, dialogs, nullptr), WorkFolderOutcome::Created);

  EXPECT_FALSE(OpenWorkFolder(root + "gone", "brinmora", dialogs, shell));
  EXPECT_TRUE(dialogs.questions.isEmpty());
  dialogs.answer = false;
  EXPECT_FALSE(OpenWorkFolder(root + "W", "brinmora", dialogs, shell));
  dialogs.answer = true;
  EXPECT_TRUE(OpenWorkFolder(root + "W", "brinmora", dialogs, shell));
  EXPECT_EQ(dialogs.questions.last(), kOpenWorkFolderQuestion);
  EXPECT_EQ(shell.started, QStringList({root + "W/CD/brinmora"}));

  EXPECT_FALSE(SwitchToParent("", dialogs, shell));
  EXPECT_FALSE(SwitchToParent(root + "nothing/brinmora", dialogs, shell));
  shell.startWorks = false;
  EXPECT_FALSE(SwitchToParent(program + "brinmora", dialogs, shell));
  EXPECT_EQ(dialogs.questions.last(), kSwitchToParentQuestion);
  EXPECT_EQ(shell.started.last(), program + "brinmora");
}

}  // namespace
