#pragma once
// The main window's CD-making commands: the work folder dialog and the
// recent work folders of the Tools menu, the switch back to the parent
// program, the data-folder items of the list context menu, and the end of
// CD making when the window closes. Every rule lives in core (cdmaking/,
// library/DataFolder*); this class connects the controls to it.
#include <QObject>
#include <memory>

#include "cdmaking/CdFinish.h"
#include "cdmaking/WorkFolder.h"
#include "library/DataFolderCommands.h"
#include "library/ListKind.h"

class QMenu;
class QPoint;
class QTreeWidget;
class ShellLauncher;
class TfrmCDMakeCheck;
class TfrmCDMakeClose;
class TfrmMain;
class TfrmProgress;
class TfrmWork;
class ProgressWindowPort;

class CdMakingUi : public QObject, public CdFinishDialogs {
  Q_OBJECT
 public:
  explicit CdMakingUi(TfrmMain& main);
  ~CdMakingUi() override;

  // The program's own dialogs (made by the program entry); any left null is
  // made on first use.
  void UseDialogs(TfrmWork* work, TfrmCDMakeClose* close, TfrmCDMakeCheck* check);
  // Tests put a recorder here instead of starting programs.
  void UseShell(ShellLauncher* shell) { shell_ = shell; }

  // The list context menu goes with both lists in every mode but CD play.
  void ApplyRunMode(RunMode mode);
  // Rebuilds "CDの編集(&C)" with one item per recent work folder.
  void FillRecentWorkMenu(QMenu* menu);

  // The close sequence's step in CD-making mode; false refuses closing.
  bool FinishCdMaking();
  // True while a data-folder command runs.
  bool IsBusy() const { return commands_->IsBusy(); }

  TfrmWork* WorkDialog();
  TfrmCDMakeClose* CloseDialog();
  TfrmCDMakeCheck* CheckDialog();

  // The menu commands.
  void mnMakeWorkDirClick();
  void OpenRecentWorkFolder(const QString& folder);
  void mnParentExeClick();
  void CD1Click();
  void mnCDMakeCloseClick();

  // CdFinishDialogs
  CdEndChoice AskEndOfWork() override;
  void ShowListReport(const QStringList& report) override;

 private:
  bool MakeWorkDir(const WorkFolderRequest& request);
  QTreeWidget* ListOfKind(ListKind kind) const;
  DataListKind KindOf(const QTreeWidget* list) const;

  TfrmMain& main_;
  std::unique_ptr<ShellLauncher> ownShell_;
  ShellLauncher* shell_;
  TfrmWork* work_ = nullptr;
  TfrmCDMakeClose* close_ = nullptr;
  TfrmCDMakeCheck* check_ = nullptr;
  std::unique_ptr<ProgressWindowPort> progress_;
  std::unique_ptr<DataFolderCommands> commands_;
  QString createdWorkFolder_;
};
