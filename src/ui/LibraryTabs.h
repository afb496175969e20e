#pragma once
// Joins the slideshow tab and the two list tabs of the main window to the
// slideshow management and list editing of core: buttons, the name dialog,
// the file dialogs, the list context menu, clicks, arrow keys, list headers
// and files dropped on the window. Holds no rules.
#include <QObject>
#include <QTimer>
#include <memory>

#include "library/ListEditor.h"
#include "library/ListEditorView.h"
#include "library/SlideshowManager.h"
#include "ui/ListContextMenu.h"

class QTreeWidget;
class SlideshowLibrary;
class TfrmMain;
class TfrmSlideShow;
class QtProgressWindow;
class UserDialogs;
struct DetailTabs;
struct ListTabButtons;
struct MainMenuActions;

class LibraryTabs final : public QObject, public ListEditorView {
 public:
  LibraryTabs(TfrmMain& main, SlideshowLibrary& library, UserDialogs& dialogs);
  ~LibraryTabs() override;

  ListEditor& Editor() { return editor_; }
  SlideshowManager& Manager() { return manager_; }
  TfrmSlideShow* NameDialog() const { return nameDialog_; }
  ListContextMenu& ContextMenu() { return menu_; }
  // The list the context menu was last opened on.
  ListKind MenuKind() const { return menuKind_; }
  QtProgressWindow& Progress() { return *progress_; }

  // Local files and folders dropped on the main window; they are added once
  // the drop itself has finished.
  void DropFiles(const QStringList& paths);

  // ListEditorView
  void ShowListRows(ListKind kind) override;
  void ShowListSelection(ListKind kind) override;
  void RefreshListHeader(ListKind kind) override;
  void RefreshListButtons() override;
  bool ShowListTab(ListKind kind) override;
  void OpenOptionsPanel() override;
  void RefreshPreview() override;
  void OpenInFileManager(const QString& folder) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* View(ListKind kind) const;
  const ListTabButtons& Buttons(ListKind kind) const;
  // The list of the active tab, if it is a list tab.
  bool ActiveListKind(ListKind& kind) const;
  // The view's selection handed to the editor before a command.
  void TakeSelection(ListKind kind);
  void ConnectSlideshowTab();
  void ConnectListTab(ListKind kind);
  void ConnectContextMenu();
  void AddThroughDialog(ListKind kind);
  void OpenNameDialog(NameDialogMode mode);
  void ArrowKey(bool up);
  void ShowContextMenu(ListKind kind, const QPoint& at);

  TfrmMain& main_;
  SlideshowLibrary& library_;
  UserDialogs& dialogs_;
  const DetailTabs& tabs_;
  std::unique_ptr<QtProgressWindow> progress_;
  ListEditor editor_;
  SlideshowManager manager_;
  TfrmSlideShow* nameDialog_;
  ListContextMenu menu_;
  ListKind menuKind_ = ListKind::Folders;
  QTimer headerTimer_[2];
  QString lastAddFolder_[2];
};
