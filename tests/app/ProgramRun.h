#pragma once
// Runs a copy of the built program in a folder of its own (the program keeps
// its files beside itself), offscreen, and ends it with a signal.
#include <QProcess>
#include <QString>
#include <QStringList>

// The program built beside this test program.
QString BuiltProgramPath();

class ProgramRun {
 public:
  // Copies the program into folder (which must exist).
  explicit ProgramRun(const QString& folder);
  ~ProgramRun();

  // Starts it; false when it does not start.
  bool Start(const QStringList& arguments = {});
  // Waits until the program catches termination signals, then sends sig and
  // waits for the end. False on a timeout or an abnormal end.
  bool StopWith(int sig);
  int ExitCode() const { return process_.exitCode(); }
  QString Output() { return QString::fromLocal8Bit(process_.readAll()); }

 private:
  bool WaitUntilSignalsAreCaught(int sig);

  QString program_;
  QProcess process_;
};
