#pragma once
// Records the programs started and folders opened instead of doing it.
#include <QStringList>

#include "cdmaking/ShellLauncher.h"

class FakeShellLauncher final : public ShellLauncher {
 public:
  bool StartProgram(const QString& programPath) override {
    started.append(programPath);
    return startWorks;
  }
  void OpenFolder(const QString& folder) override { opened.append(folder); }

  QStringList started;
  QStringList opened;
  bool startWorks = true;
};
