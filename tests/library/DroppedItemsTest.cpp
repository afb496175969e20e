// Sorting dropped files and folders into picture folders and music.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "library/DroppedItems.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"

namespace {

TEST(DroppedItems, FoldersBringTheirSubfoldersAndAlbumsFeedOnlyMusic) {
  QTemporaryDir dir;
  const QString root = dir.path() + "/Trip";
  MakeImageFolder(root);
  MakeImageFolder(root + "/day2");
  MakeImageFolder(root + "/Day1");
  MakeImageFolder(root + "/Day1/morning/early", "x.PNG");
  MakeFile(root + "/empty/notes.txt");  // no image: left out
  MakeFile(root + "/album/b.mp3");
  MakeFile(root + "/album/a.MP3");
  MakeImageFolder(root + "/album", "cover.jpg");  // songs and artwork: music only
  MakeFile(root + "/mixed/s.wav");
  MakeImageFolder(root + "/mixed");  // songs and images but no artwork: both
  // A link back up the tree ends instead of looping.
  ASSERT_TRUE(QFile::link(root, root + "/Day1/loop"));
  const QString other = dir.path() + "/Other";
  MakeImageFolder(other, "p.gif");
  MakeFile(dir.path() + "/song.mid");
  MakeFile(dir.path() + "/readme.txt");

  FakeUserDialogs dialogs;
  const DroppedItems items = CollectDroppedItems(
      {dir.path() + "/song.mid", root + "/", other + "/p.gif", dir.path() + "/readme.txt", other}, "cover.jpg",
      &dialogs);
  EXPECT_EQ(items.ImageFolders, (QStringList{other, root, root + "/Day1", root + "/Day1/morning/early",
                                             root + "/day2", root + "/mixed"}));
  EXPECT_EQ(items.MusicFiles,
            (QStringList{root + "/album/a.MP3", root + "/album/b.mp3", root + "/mixed/s.wav", dir.path() + "/song.mid"}));
  EXPECT_GT(dialogs.pendingMessageRuns, 0);
}

TEST(DroppedItems, UnreadableFoldersAndOverlongPathsAreSkipped) {
  QTemporaryDir dir;
  MakeImageFolder(dir.path() + "/ok");
  MakeImageFolder(dir.path() + "/locked/inner");
  QFile::setPermissions(dir.path() + "/locked", QFile::WriteOwner);
  QString deep = dir.path();
  while (deep.size() <= kMaxDroppedPathLength) deep += "/abcdefghij";
  MakeImageFolder(deep);

  const DroppedItems items = CollectDroppedItems({dir.path(), deep}, "cover.jpg");
  QFile::setPermissions(dir.path() + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(items.ImageFolders.contains(dir.path() + "/ok"));
  // The super-user reads every folder; anyone else finds this one locked.
  if (geteuid() != 0) EXPECT_FALSE(items.ImageFolders.contains(dir.path() + "/locked/inner"));
  // Reached from its top, a deep folder is collected like any other.
  EXPECT_TRUE(items.ImageFolders.contains(deep));
  EXPECT_TRUE(CollectDroppedItems({deep}, "cover.jpg").ImageFolders.isEmpty()) << "an overlong dropped path is ignored";
}

}  // namespace
