#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/MountInfo.h"
#include "platform/RunMode.h"
#include "platform/TextFile.h"

namespace {

const QString kMountInfo = QStringLiteral(
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "30 22 0:25 / /proc rw,nosuid shared:12 - proc proc rw\n"
    "41 22 11:0 / /media/cdrom ro,relatime shared:30 - iso9660 /dev/sr0 ro\n"
    "42 22 11:1 / /media/dvd\\040disc ro shared:31 - udf /dev/sr1 ro,utf8\n"
    "43 22 0:40 / /media/cdrom/overlay rw - tmpfs tmpfs rw\n"
    "44 22 0:41 / /mnt rw - ext4 /dev/sdb1 rw\n"
    "45 44 0:42 / /mnt rw - iso9660 /dev/sr2 ro\n");

TEST(MountInfo, TheLongestMountPointHoldingThePathDecides) {
  struct Case {
    const char* path;
    const char* type;
  };
  const std::vector<Case> cases = {
      {"/home/u/brinmora", "ext4"},
      {"/media/cdrom", "iso9660"},
      {"/media/cdrom/Brinmora", "iso9660"},
      {"/media/cdromx/Brinmora", "ext4"},  // a prefix of the name is no parent
      {"/media/cdrom/overlay/x", "tmpfs"},
      {"/media/dvd disc/Brinmora", "udf"},  // \040 is a blank
      {"/mnt/x", "iso9660"},               // mounted over: the later line wins
  };
  for (const Case& c : cases) EXPECT_EQ(MountFileSystemType(kMountInfo, c.path), c.type) << c.path;
  EXPECT_EQ(MountFileSystemType(QString(), "/x"), "");
  EXPECT_EQ(MountFileSystemType("garbage line\n1 2 3\n", "/x"), "");
  EXPECT_TRUE(IsOpticalDiscFileSystem("iso9660"));
  EXPECT_TRUE(IsOpticalDiscFileSystem("udf"));
  EXPECT_FALSE(IsOpticalDiscFileSystem("ext4"));
  EXPECT_FALSE(ReadSystemMountInfo().isEmpty());
}

// A program folder <tmp>/work/Brinmora/ with an optional Work.ini in <tmp>/work.
struct ProgramFolderFixture {
  QTemporaryDir root;
  QString programFolder;
  ProgramFolderFixture() {
    QDir(root.path()).mkpath("work/Brinmora");
    programFolder = root.path() + "/work/Brinmora/";
  }
  void WriteWorkIni(const QStringList& lines) const { ASSERT_TRUE(WriteTextLines(root.path() + "/work/Work.ini", lines)); }
  QString MountedAs(const char* type) const {
    return QStringLiteral("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 8:2 / %1 ro - %2 /dev/sr0 ro\n")
        .arg(QDir(root.path()).canonicalPath(), QString::fromLatin1(type));
  }
};

TEST(RunMode, DecidedFromWorkIniFirstThenTheMediumType) {
  {
    ProgramFolderFixture f;
    EXPECT_EQ(WorkIniPath(f.programFolder), f.root.path() + "/work/Work.ini");
    EXPECT_EQ(DecideRunMode(f.programFolder, f.MountedAs("ext4")).Mode, RunMode::Normal);
    EXPECT_EQ(DecideRunMode(f.programFolder, f.MountedAs("iso9660")).Mode, RunMode::CdPlay);
    EXPECT_EQ(DecideRunMode(f.programFolder, f.MountedAs("udf")).Mode, RunMode::CdPlay);
    EXPECT_EQ(DecideRunMode(f.programFolder).Mode, RunMode::Normal);
  }
  {
    ProgramFolderFixture f;
    f.WriteWorkIni({"[Work]", "ParentName=/opt/brinmora/brinmora"});
    const RunModeDecision d = DecideRunMode(f.programFolder, f.MountedAs("iso9660"));
    EXPECT_EQ(d.Mode, RunMode::CdMaking) << "a work copy is CD-making even on a disc";
    EXPECT_EQ(d.ParentName, "/opt/brinmora/brinmora");
  }
  {
    ProgramFolderFixture f;
    f.WriteWorkIni({"[Work]", "ParentName="});
    EXPECT_EQ(DecideRunMode(f.programFolder, f.MountedAs("ext4")).Mode, RunMode::Normal);
    f.WriteWorkIni({"[Other]", "ParentName=x"});
    EXPECT_EQ(DecideRunMode(f.programFolder, f.MountedAs("ext4")).Mode, RunMode::Normal);
  }
}

}  // namespace
