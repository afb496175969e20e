#include "ui/CdMakingUi.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTreeWidget>

#include "cdmaking/CdMakingTexts.h"
#include "cdmaking/WorkFolder.h"
#include "library/AppSettings.h"
#include "platform/Paths.h"
#include "ui/EntryListView.h"
#include "ui/LibraryTabs.h"
#include "ui/ProgressWindowPort.h"
#include "ui/QtShellLauncher.h"
#include "ui/TfrmCDMakeCheck.h"
#include "ui/TfrmCDMakeClose.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmWork.h"

namespace {

QString RunningProgramFileName() { return NamePart(QCoreApplication::applicationFilePath()); }

}  // namespace

CdMakingUi::CdMakingUi(TfrmMain& main)
    : QObject(&main),
      main_(main),
      ownShell_(std::make_unique<QtShellLauncher>()),
      shell_(ownShell_.get()),
      progress_(std::make_unique<ProgressWindowPort>(nullptr, &main)),
      commands_(std::make_unique<DataFolderCommands>(main.Library(), main.Dialogs(), &main, progress_.get())) {
  const MainMenuActions& menu = main.Menu();
  for (QAction* action : {menu.mnMakeWorkDir, menu.mnParentExe, menu.CD1, menu.mnCDMakeClose})
    action->setEnabled(true);
  connect(menu.mnMakeWorkDir, &QAction::triggered, this, &CdMakingUi::mnMakeWorkDirClick);
  connect(menu.mnParentExe, &QAction::triggered, this, &CdMakingUi::mnParentExeClick);
  connect(menu.CD1, &QAction::triggered, this, &CdMakingUi::CD1Click);
  connect(menu.mnCDMakeClose, &QAction::triggered, this, &CdMakingUi::mnCDMakeCloseClick);

  // The copy and delete items of the lists' context menu run the data-folder
  // commands on the list the menu was opened on.
  if (LibraryTabs* tabs = main.LibraryTabCommands()) {
    connect(tabs->ContextMenu().pmnCopyDataDir, &QAction::triggered, this, [this, tabs] {
      QTreeWidget* list = ListOfKind(tabs->MenuKind());
      commands_->CopyToDataFolder(KindOf(list), ReadEntryListSelection(list));
    });
    connect(tabs->ContextMenu().pmnDelDataDir, &QAction::triggered, this, [this, tabs] {
      QTreeWidget* list = ListOfKind(tabs->MenuKind());
      commands_->DeleteFromDataFolder(KindOf(list), ReadEntryListSelection(list));
    });
  }
}

CdMakingUi::~CdMakingUi() = default;

void CdMakingUi::UseDialogs(TfrmWork* work, TfrmCDMakeClose* close, TfrmCDMakeCheck* check) {
  work_ = work;
  close_ = close;
  check_ = check;
}

TfrmWork* CdMakingUi::WorkDialog() {
  if (!work_) work_ = new TfrmWork(&main_);
  return work_;
}

TfrmCDMakeClose* CdMakingUi::CloseDialog() {
  if (!close_) close_ = new TfrmCDMakeClose(&main_);
  return close_;
}

TfrmCDMakeCheck* CdMakingUi::CheckDialog() {
  if (!check_) check_ = new TfrmCDMakeCheck(&main_);
  return check_;
}

void CdMakingUi::ApplyRunMode(RunMode mode) {
  const Qt::ContextMenuPolicy policy = mode == RunMode::CdPlay ? Qt::NoContextMenu : Qt::CustomContextMenu;
  main_.Tabs().lvDirList->setContextMenuPolicy(policy);
  main_.Tabs().lvBGMList->setContextMenuPolicy(policy);
}

void CdMakingUi::FillRecentWorkMenu(QMenu* menu) {
  menu->clear();
  for (const QString& folder : main_.Settings().RecentWorkFolders.mid(0, kRecentWorkFolderKeys)) {
    QAction* item = menu->addAction(folder);
    connect(item, &QAction::triggered, this, [this, folder] { OpenRecentWorkFolder(folder); });
  }
}

// ---- the work folder ------------------------------------------------------------

void CdMakingUi::mnMakeWorkDirClick() {
  TfrmWork* dialog = WorkDialog();
  dialog->Prepare(main_.Library().Catalog(), main_.Library().CurrentName());
  createdWorkFolder_.clear();
  bool started = false;
  dialog->OnMakeWorkDir = [this, &started](const WorkFolderRequest& request) {
    if (!MakeWorkDir(request)) return false;
    started = shell_->StartProgram(WorkCopyProgramPath(createdWorkFolder_, RunningProgramFileName()));
    return true;
  };
  const bool accepted = dialog->exec() == QDialog::Accepted;
  dialog->OnMakeWorkDir = nullptr;
  if (!accepted || createdWorkFolder_.isEmpty()) return;
  AppSettings& settings = main_.Settings();
  settings.RecentWorkFolders = InsertRecentWorkFolder(settings.RecentWorkFolders, createdWorkFolder_);
  // A copy that did not start leaves this program open; the work folder
  // stays in the list for "CDの編集".
  if (started) main_.close();
}

bool CdMakingUi::MakeWorkDir(const WorkFolderRequest& request) {
  SlideshowLibrary& library = main_.Library();
  WorkFolderSource source;
  source.ProgramFolder = library.ProgramFolder();
  source.ProgramFilePath = QCoreApplication::applicationFilePath();
  source.SaveCurrentSlideshowAndSettings = [this, &library] {
    main_.CollectControls();
    library.SaveSlideshow();
    AppSettings& settings = main_.Settings();
    settings.Ver = kCurrentSettingsVersion;
    if (library.HasCurrentSlideshow()) settings.LastSlideShowName = library.CurrentName();
    WriteAppSettings(library.ProgramFolder(), settings, main_.Dialogs());
  };
  QString folder;
  const WorkFolderOutcome outcome = CreateWorkFolder(request, source, main_.Dialogs(), &folder);
  if (outcome == WorkFolderOutcome::FolderExists) WorkDialog()->FocusName();
  if (outcome != WorkFolderOutcome::Created) return false;
  main_.Dialogs().ShowInformation(kWorkCreatedText);
  createdWorkFolder_ = folder;
  return true;
}

void CdMakingUi::OpenRecentWorkFolder(const QString& folder) {
  if (OpenWorkFolder(folder, RunningProgramFileName(), main_.Dialogs(), *shell_)) main_.close();
}

void CdMakingUi::mnParentExeClick() {
  if (SwitchToParent(main_.Context().RunMode.ParentName, main_.Dialogs(), *shell_)) main_.close();
}

// ---- finishing --------------------------------------------------------------------

void CdMakingUi::CD1Click() { CheckCdLists(main_.Library(), main_.Dialogs(), *this); }

void CdMakingUi::mnCDMakeCloseClick() { CloseDialog()->Ask(); }

bool CdMakingUi::FinishCdMaking() { return ::FinishCdMaking(main_.Library(), main_.Dialogs(), *this, *shell_); }

CdEndChoice CdMakingUi::AskEndOfWork() { return CloseDialog()->Ask(); }

void CdMakingUi::ShowListReport(const QStringList& report) { CheckDialog()->ShowReport(report); }

// ---- the list context menu ------------------------------------------------------------

QTreeWidget* CdMakingUi::ListOfKind(ListKind kind) const {
  return kind == ListKind::Folders ? main_.Tabs().lvDirList : main_.Tabs().lvBGMList;
}

DataListKind CdMakingUi::KindOf(const QTreeWidget* list) const {
  return list == main_.Tabs().lvBGMList ? DataListKind::Music : DataListKind::Folders;
}
