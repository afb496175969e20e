#pragma once
// The run mode of the process, decided once at start from where the program
// lies: a CD work copy (Work.ini with a ParentName one folder up), a copy on
// a CD or DVD, or a normal installation.
#include <QString>

enum class RunMode : int { Normal = 1, CdMaking = 2, CdPlay = 3 };

struct RunModeDecision {
  RunMode Mode = RunMode::Normal;
  // The program file that made the work folder (CD-making mode only).
  QString ParentName;
};

// programFolder ends with a separator. mountInfo is the text of
// /proc/self/mountinfo (passed in so tests can give their own).
RunModeDecision DecideRunMode(const QString& programFolder, const QString& mountInfo);
// The same with the running system's mount table.
RunModeDecision DecideRunMode(const QString& programFolder);

// The path of Work.ini for a program folder: in its parent folder.
QString WorkIniPath(const QString& programFolder);
