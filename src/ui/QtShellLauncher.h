#pragma once
// Starting another copy of the program and showing a folder, on the desktop.
#include "cdmaking/ShellLauncher.h"

class QtShellLauncher final : public ShellLauncher {
 public:
  // Started detached, in the program's own folder, so it outlives this process.
  bool StartProgram(const QString& programPath) override;
  void OpenFolder(const QString& folder) override;
};
