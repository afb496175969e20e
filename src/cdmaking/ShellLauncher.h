#pragma once
// What CD making asks of the desktop: start another copy of the program, and
// show a folder in the file manager. The window layer implements it with
// QProcess::startDetached and QDesktopServices; tests record the calls.
#include <QString>

class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;
  // Starts the program file as a process of its own; false when it did not start.
  virtual bool StartProgram(const QString& programPath) = 0;
  virtual void OpenFolder(const QString& folder) = 0;
};
