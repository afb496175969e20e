// A slideshow CD made the whole way on real folders: a work folder with two
// slideshows taken over, the copy started in CD-making mode, every row
// copied into the data folders, the check passed and the work finished; the
// CD folder is written to a real ISO image, taken off it again and played by
// the real program in CD-play mode, which must read its pictures and write
// nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "FolderWatch.h"
#include "ProgramRun.h"
#include "cdmaking/CdFinish.h"
#include "cdmaking/FakeShellLauncher.h"
#include "cdmaking/WorkFolder.h"
#include "engine/StartUp.h"
#include "engine/StartUpClose.h"
#include "library/DataFolderCommands.h"
#include "library/FakeUserDialogs.h"
#include "library/LibraryTestFiles.h"
#include "library/SlideshowLibrary.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

namespace {

void WritePng(const QString& path, Qt::GlobalColor colour) {
  QDir().mkpath(path.section(u'/', 0, -2));
  QImage image(16, 12, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
}

// A tenth of a second of silence.
QByteArray SilentWav() {
  const quint32 samples = 4410;
  QByteArray data(samples * 2, '\0');
  QByteArray wav;
  auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xFF)); };
  auto u16 = [&](quint16 v) { for (int i = 0; i < 2; ++i) wav.append(char((v >> (8 * i)) & 0xFF)); };
  wav += "RIFF";
  u32(36 + data.size());
  wav += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(44100);
  u32(88200);
  u16(2);
  u16(16);
  wav += "data";
  u32(data.size());
  return wav + data;
}

QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) files.append(it.next().mid(folder.size()));
  files.sort();
  return files;
}

QByteArray Lines(const QStringList& lines) { return EncodeTextLines(lines); }

class NoWindow final : public StartUpWindow {
 public:
  void SetReady(bool) override {}
  void ApplyRunMode(const StartUpContext&) override {}
};

class FinishedDialogs final : public CdFinishDialogs {
 public:
  CdEndChoice AskEndOfWork() override { return CdEndChoice::Complete; }
  void ShowListReport(const QStringList& lines) override { report = lines; }
  QStringList report;
};

void CopyEveryRow(DataFolderCommands& commands, SlideshowLibrary& library) {
  for (DataListKind kind : {DataListKind::Folders, DataListKind::Music}) {
    const qsizetype rows = kind == DataListKind::Folders ? library.Folders().size() : library.Bgms().size();
    ListSelection all;
    for (int i = 0; i < rows; ++i) all.Rows.append(i);
    all.Focused = 0;
    commands.CopyToDataFolder(kind, all);
  }
}

bool RunTool(const QString& program, const QStringList& arguments, QString* output = nullptr) {
  QProcess tool;
  tool.setProcessChannelMode(QProcess::MergedChannels);
  tool.start(program, arguments);
  if (!tool.waitForFinished(120000)) return false;
  if (output) *output = QString::fromUtf8(tool.readAll());
  return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

TEST(CdMakingEndToEnd, MakeFinishBurnAndPlayWithoutWriting) {
  QTemporaryDir temp;
  ASSERT_TRUE(temp.isValid());
  const QString root = QFileInfo(temp.path()).canonicalFilePath() + "/";

  // The parent program with its library: 春 with two picture folders and a
  // song with its album picture, 夏 with one folder, 冬 not taken over.
  const QString parent = root + "parent/";
  QDir().mkpath(parent);
  ASSERT_TRUE(QFile::copy(BuiltProgramPath(), parent + "brinmora"));
  MakeFile(parent + "ReadMe.txt", "readme");
  MakeFile(parent + "Brinmoraヘルプ.html", "<html></html>");
  WritePng(root + "Photos/Spring1/1.png", Qt::red);
  WritePng(root + "Photos/Spring1/2.png", Qt::green);
  MakeFile(root + "Photos/Spring1/notes.txt");
  WritePng(root + "Photos/Spring2/1.png", Qt::blue);
  WritePng(root + "Photos/Summer/1.png", Qt::yellow);
  MakeFile(root + "Music/Album/a.wav", SilentWav());
  MakeFile(root + "Music/Album/cover.jpg", "cover");
  MakeFile(parent + "App.ini", Lines({"[App]", "Ver=1.3", "[SlideShow]", "LastSlideShowName=春"}));
  MakeFile(parent + "SlideShow/SlideShow.dat", Lines({"春", "冬", "夏"}));
  MakeFile(parent + "SlideShow/春/DIR.dat",
           Lines({root + "Photos/Spring1,1", root + "Photos/Spring2,1"}));
  MakeFile(parent + "SlideShow/春/BGM.dat", Lines({root + "Music/Album/a.wav,1"}));
  MakeFile(parent + "SlideShow/春/Slide.ini",
           Lines({"[Option]", "Interval=1", "UseBGM=0", "[List]", "LastPlayDir=" + root + "Photos/Spring2"}));
  MakeFile(parent + "SlideShow/夏/DIR.dat", Lines({root + "Photos/Summer,1"}));
  MakeFile(parent + "SlideShow/夏/BGM.dat", QByteArray());
  MakeFile(parent + "SlideShow/夏/Slide.ini", Lines({"[Option]", "UseBGM=0"}));
  MakeFile(parent + "SlideShow/冬/DIR.dat", QByteArray());

  FakeUserDialogs dialogs;
  WorkFolderSource source;
  source.ProgramFolder = parent;
  source.ProgramFilePath = parent + "brinmora";
  QString work;
  ASSERT_EQ(CreateWorkFolder({root, "旅のCD", true, {"春", "夏"}}, source, dialogs, &work),
            WorkFolderOutcome::Created);
  const QString cd = work + "/CD/";

  {
    // The copy starts in CD-making mode (it finds Work.ini one folder up).
    SlideshowLibrary library(cd, dialogs);
    NoWindow window;
    StartUpContext context = RunStartUpSequence(window, library, {}, QString());
    ASSERT_EQ(context.RunMode.Mode, RunMode::CdMaking);
    EXPECT_EQ(context.RunMode.ParentName, parent + "brinmora");
    ASSERT_EQ(library.CurrentName(), "春");
    EXPECT_EQ(library.Catalog(), QStringList({"春", "夏"}));

    DataFolderCommands commands(library, dialogs, nullptr, nullptr);
    CopyEveryRow(commands, library);
    library.SaveSlideshow();
    library.LoadSlideshow("夏");
    CopyEveryRow(commands, library);
    library.SaveSlideshow();
    library.LoadSlideshow("春");

    FinishedDialogs finish;
    FakeShellLauncher shell;
    CloseHooks hooks;
    hooks.FinishCdMaking = [&] { return FinishCdMaking(library, dialogs, finish, shell); };
    ASSERT_TRUE(CloseSequence(library, context.Settings, dialogs, hooks)) << finish.report.join("\n").toStdString();
    EXPECT_EQ(shell.opened, QStringList({work + "/CD"}));
  }

  const QStringList cdFiles = {"App.ini",
                               "Brinmoraヘルプ.html",
                               "ReadMe.txt",
                               "SlideShow/SlideShow.dat",
                               "SlideShow/夏/BGM.dat",
                               "SlideShow/夏/DIR.dat",
                               "SlideShow/夏/IMG/Summer/1.png",
                               "SlideShow/夏/Slide.ini",
                               "SlideShow/春/BGM.dat",
                               "SlideShow/春/BGM/Album/a.wav",
                               "SlideShow/春/BGM/Album/cover.jpg",
                               "SlideShow/春/DIR.dat",
                               "SlideShow/春/IMG/Spring1/1.png",
                               "SlideShow/春/IMG/Spring1/2.png",
                               "SlideShow/春/IMG/Spring2/1.png",
                               "SlideShow/春/Slide.ini",
                               "brinmora"};
  EXPECT_EQ(FilesBelow(cd), cdFiles);
  EXPECT_EQ(FileBytes(cd + "SlideShow/SlideShow.dat"), Lines({"春", "夏"}));
  EXPECT_EQ(FileBytes(cd + "SlideShow/春/DIR.dat"), Lines({"Spring1,1", "Spring2,1"}));
  EXPECT_EQ(FileBytes(cd + "SlideShow/春/BGM.dat"), Lines({"Album\\a.wav,1"}));
  EXPECT_EQ(FileBytes(cd + "SlideShow/夏/DIR.dat"), Lines({"Summer,1"}));
  const IniFile options(cd + "SlideShow/春/Slide.ini");
  for (const char* key : {"LastPlayName", "LastPlayDir", "LastPlayBGM"})
    EXPECT_EQ(options.ReadString("List", key, "<none>"), "") << key;

  // Burn the CD folder to an ISO image, list it, and take it off again.
  const QString iso = root + "cd.iso";
  QString log;
  ASSERT_TRUE(RunTool("xorriso", {"-as", "mkisofs", "-R", "-J", "-V", "BRINMORA", "-o", iso, cd}, &log))
      << log.toStdString();
  QString listing;
  ASSERT_TRUE(RunTool("xorriso", {"-indev", iso, "-find", "/", "-type", "f"}, &listing));
  QStringList onDisc;
  for (const QString& line : listing.split(u'\n')) {
    if (line.startsWith(u'\'')) onDisc.append(line.mid(2, line.size() - 3));
  }
  onDisc.sort();
  EXPECT_EQ(onDisc, cdFiles) << listing.toStdString();
  const QString disc = root + "disc";
  ASSERT_TRUE(RunTool("xorriso", {"-osirrox", "on", "-indev", iso, "-extract", "/", disc}, &log))
      << log.toStdString();
  EXPECT_EQ(FilesBelow(disc + "/"), cdFiles);

  // Play it from a read-only folder that the mount table calls a CD.
  QDirIterator folders(disc, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  QStringList all = {disc};
  while (folders.hasNext()) all.append(folders.next());
  for (const QString& folder : all) QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                                     QFileDevice::ReadOther | QFileDevice::ExeOther);
  const QString mountInfo = root + "mountinfo";
  MakeFile(mountInfo, "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                      "40 22 11:0 / " + disc.toUtf8() + " ro,relatime shared:20 - iso9660 /dev/sr0 ro\n");
  ProgramRun run(disc);
  FolderWatch watch(disc);
  ASSERT_TRUE(watch.IsValid());
  qputenv("BRINMORA_MOUNTINFO", mountInfo.toUtf8());
  const bool started = run.Start({"/autostart"});
  qunsetenv("BRINMORA_MOUNTINFO");
  ASSERT_TRUE(started);

  QStringList events;
  for (int waited = 0; waited < 300 && !events.contains("OPEN SlideShow/春/IMG/Spring1/2.png"); ++waited) {
    QThread::msleep(100);
    events += watch.Drain();
  }
  ASSERT_TRUE(run.StopWith(SIGTERM)) << run.Output().toStdString();
  events += watch.Drain();
  EXPECT_TRUE(events.contains("OPEN SlideShow/春/IMG/Spring1/1.png")) << events.join("\n").toStdString();
  EXPECT_TRUE(events.contains("OPEN SlideShow/春/IMG/Spring1/2.png")) << events.join("\n").toStdString();
  EXPECT_EQ(events.filter(QRegularExpression("^WRITE")), QStringList()) << run.Output().toStdString();
  EXPECT_EQ(FilesBelow(disc + "/"), cdFiles);
}

}  // namespace
