#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Paths.h"

namespace {

void Touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(Paths, NameParentAndJoin) {
  struct Case {
    QString path, name, parent;
  };
  const std::vector<Case> cases = {
      {"/home/u/Trip", "Trip", "/home/u"},
      {"/Trip", "Trip", "/"},  // the root keeps its separator
      {"Trip", "Trip", ""},
      {"Album/song.mp3", "song.mp3", "Album"},
      {"/a/b/", "", "/a/b"},
      {"/写真/ソ表", "ソ表", "/写真"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NamePart(c.path), c.name) << c.path.toStdString();
    EXPECT_EQ(ParentPart(c.path), c.parent) << c.path.toStdString();
  }
  EXPECT_EQ(JoinPath("/", "Trip"), "/Trip");
  EXPECT_EQ(JoinPath("/home/u", "Trip"), "/home/u/Trip");
  EXPECT_EQ(JoinPath("/home/u/", "Trip"), "/home/u/Trip");
  EXPECT_EQ(JoinPath("/home/u  ", "Trip  "), "/home/u/Trip");
  EXPECT_EQ(JoinPath(" /lead", " x"), " /lead/ x");
  EXPECT_EQ(WithoutTrailingSeparator("/a//"), "/a");
  EXPECT_EQ(WithoutTrailingSeparator("/"), "/");
  EXPECT_EQ(WithTrailingSeparator("/a"), "/a/");
}

TEST(Paths, DrivePartIncludesWindowsPathsOfOldLists) {
  EXPECT_TRUE(HasDrivePart("/home/u"));
  EXPECT_TRUE(HasDrivePart("C:\\Photos\\Trip"));
  EXPECT_TRUE(HasDrivePart("d:"));
  EXPECT_TRUE(HasDrivePart("\\\\server\\share"));
  EXPECT_FALSE(HasDrivePart("Trip"));
  EXPECT_FALSE(HasDrivePart("Album\\song.mp3"));
  EXPECT_FALSE(HasDrivePart("1:x"));
  EXPECT_FALSE(HasDrivePart(""));
}

TEST(Paths, ImageAndMusicExtensionsIgnoreCase) {
  for (const char* p : {"a.jpg", "a.JPEG", "a.Jpe", "a.bmp", "a.gif", "/x.y/a.PNG"}) EXPECT_TRUE(IsImageFile(p)) << p;
  for (const char* p : {"a.tif", "a", "jpg", "a.jpg.txt", "/x.jpg/a"}) EXPECT_FALSE(IsImageFile(p)) << p;
  for (const char* p : {"a.mp3", "a.MID", "a.wav", "a.Wma"}) EXPECT_TRUE(IsMusicFile(p)) << p;
  for (const char* p : {"a.ogg", "a.midi", "a.jpg"}) EXPECT_FALSE(IsMusicFile(p)) << p;
}

TEST(Paths, ListFolderImagesSortsIgnoringCaseAndSkipsFolders) {
  QTemporaryDir dir;
  for (const char* name : {"b.JPG", "A.png", "c.txt", "a.gif", "song.mp3", ".hidden.jpg"}) Touch(dir.filePath(name));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  Touch(dir.filePath("sub/deep.jpg"));

  const QString base = dir.path() + "/";
  EXPECT_EQ(ListFolderImages(dir.path(), FolderContent::Images),
            (QStringList{base + ".hidden.jpg", base + "a.gif", base + "A.png", base + "b.JPG"}));
  EXPECT_EQ(ListFolderImages(base, FolderContent::Music), QStringList{base + "song.mp3"});
  EXPECT_TRUE(FolderHasImages(dir.path(), FolderContent::Images));
  EXPECT_FALSE(FolderHasImages(dir.filePath("sub/none"), FolderContent::Images));
  EXPECT_TRUE(ListFolderImages(dir.filePath("missing"), FolderContent::Images).isEmpty());

  QTemporaryDir empty;
  Touch(empty.filePath("readme.txt"));
  EXPECT_FALSE(FolderHasImages(empty.path(), FolderContent::Images));
  EXPECT_FALSE(FolderHasImages(empty.path(), FolderContent::Music));
}

TEST(Paths, ExistenceAndFolderCreation) {
  QTemporaryDir dir;
  Touch(dir.filePath("f"));
  EXPECT_TRUE(FileExists(dir.filePath("f")));
  EXPECT_FALSE(FolderExists(dir.filePath("f")));
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_FALSE(FileExists(dir.path()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(CreateFolder(dir.filePath("x/y/z")));
  EXPECT_TRUE(FolderExists(dir.filePath("x/y/z")));
  EXPECT_FALSE(CreateFolder(dir.filePath("f/below-a-file")));
}

}  // namespace
