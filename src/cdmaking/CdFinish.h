#pragma once
// Finishing CD making: when a CD-making copy closes, the user says whether
// the CD is finished; a finished CD must have every list row of every
// slideshow in the data folders and checked, and the current options become
// the CD's options.
#include <QString>
#include <QStringList>

class ShellLauncher;
class SlideshowLibrary;
class UserDialogs;

enum class CdEndChoice { Cancelled, InProgress, Complete };

// The two dialogs of finishing, as core sees them.
class CdFinishDialogs {
 public:
  virtual ~CdFinishDialogs() = default;
  // The end dialog "終了の確認" ("完了済み" preselected each time).
  virtual CdEndChoice AskEndOfWork() = 0;
  // The list check dialog "リストの確認" with the report lines.
  virtual void ShowListReport(const QStringList& report) = 0;
};

// What keeps one slideshow's lists from going onto the CD.
struct CdListFindings {
  int FoldersNotCopied = 0;
  int FoldersNotChecked = 0;
  int MusicNotCopied = 0;
  int MusicNotChecked = 0;
  bool Any() const { return FoldersNotCopied || FoldersNotChecked || MusicNotCopied || MusicNotChecked; }
};

// Counts the rows of the stored DIR.dat and BGM.dat of a slideshow folder
// (with a trailing separator) that lie outside the data folders or carry no
// check mark. Pending messages are processed per line when dialogs is given.
CdListFindings CountCdListFindings(const QString& slideshowFolder, UserDialogs* dialogs);

// The report of every slideshow of the stored SlideShow.dat with findings:
// its name line, one line per non-zero count, and a line of 51 hyphens.
QStringList CdListReport(const QString& programFolder, UserDialogs* dialogs);

// Saves the current lists and the slideshow list, then checks the stored
// lists of every slideshow. True when nothing is missing; otherwise the
// report is shown and the check fails.
bool CheckCdLists(SlideshowLibrary& library, UserDialogs& dialogs, CdFinishDialogs& finish);

// Called by the close sequence in CD-making mode; true when closing may go on.
bool FinishCdMaking(SlideshowLibrary& library, UserDialogs& dialogs, CdFinishDialogs& finish, ShellLauncher& shell);
