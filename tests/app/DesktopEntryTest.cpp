// The desktop entry script on a throw-away data folder.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "library/LibraryTestFiles.h"

namespace {

struct ScriptRun {
  int exitCode = -1;
  QString output;
};

ScriptRun RunScript(const QStringList& arguments, const QString& dataHome) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_DATA_HOME", dataHome);
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start("bash", QStringList{SourceFile("scripts/install-desktop-entry.sh")} + arguments);
  process.waitForFinished(60000);
  return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

TEST(DesktopEntry, InstallsAValidEntryThatStartsTheProgramInItsFolder) {
  QTemporaryDir dir;
  // A folder name with a blank and a dollar sign, which Exec must quote.
  const QString program = dir.filePath("my apps/bri$mora");
  MakeFile(program + "/brinmora", "#!/bin/sh\n");
  QFile::setPermissions(program + "/brinmora", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString dataHome = dir.filePath("share");

  const ScriptRun run = RunScript({program}, dataHome);
  ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
  const QString entry = dataHome + "/applications/brinmora.desktop";
  const QString text = QString::fromUtf8(FileBytes(entry));
  EXPECT_TRUE(text.contains("\nExec=\"" + dir.filePath("my apps/bri\\\\$mora") + "/brinmora\"\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nPath=" + program + "\n"));
  EXPECT_TRUE(text.contains("\nName[ja]="));
  EXPECT_TRUE(QFile::exists(dataHome + "/icons/hicolor/scalable/apps/brinmora.svg"));

  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
  QProcess validate;
  validate.setProcessChannelMode(QProcess::MergedChannels);
  validate.start(validator, {entry});
  validate.waitForFinished(60000);
  EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();

  EXPECT_EQ(RunScript({"--remove"}, dataHome).exitCode, 0);
  EXPECT_FALSE(QFile::exists(entry));
}

TEST(DesktopEntry, RefusesAFolderWithoutTheProgram) {
  QTemporaryDir dir;
  const ScriptRun run = RunScript({dir.path()}, dir.filePath("share"));
  EXPECT_NE(run.exitCode, 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("share/applications/brinmora.desktop")));
}

}  // namespace
