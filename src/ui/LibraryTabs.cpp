#include "ui/LibraryTabs.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>

#include "library/DroppedItems.h"
#include "library/ListEditTexts.h"
#include "library/SlideshowLibrary.h"
#include "platform/UserDialogs.h"
#include "ui/EntryListView.h"
#include "ui/QtProgressWindow.h"
#include "ui/SlideshowRowDelegate.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmSlideShow.h"

namespace {

int Index(ListKind kind) { return kind == ListKind::Folders ? 0 : 1; }

// "desc|*.a;*.b|desc|*.c" as Qt's "desc (*.a *.b);;desc (*.c)"; each pattern
// also in capitals, since file names here are case-sensitive.
QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
      patterns << pattern << pattern.toUpper();
    filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace

LibraryTabs::LibraryTabs(TfrmMain& main, SlideshowLibrary& library, UserDialogs& dialogs)
    : QObject(&main),
      main_(main),
      library_(library),
      dialogs_(dialogs),
      tabs_(main.Tabs()),
      progress_(std::make_unique<QtProgressWindow>(&main)),
      editor_(library, dialogs),
      manager_(library, dialogs),
      nameDialog_(new TfrmSlideShow(&main)),
      menu_(BuildListContextMenu(&main)) {
  editor_.SetView(this);
  editor_.SetProgressWindow(progress_.get());
  manager_.SetProgressWindow(progress_.get());
  nameDialog_->SetConfirm(
      [this](NameDialogMode mode, const QString& name) { return manager_.ConfirmName(mode, name); });
  for (ListKind kind : {ListKind::Folders, ListKind::Music}) {
    QTimer& timer = headerTimer_[Index(kind)];
    timer.setSingleShot(true);
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, this, [this, kind] { RefreshListHeader(kind); });
    lastAddFolder_[Index(kind)] = QDir::homePath();
  }
  ConnectSlideshowTab();
  ConnectListTab(ListKind::Folders);
  ConnectListTab(ListKind::Music);
  ConnectContextMenu();
  connect(main.Menu().mnArrowUP, &QAction::triggered, this, [this] { ArrowKey(true); });
  connect(main.Menu().mnArrowDown, &QAction::triggered, this, [this] { ArrowKey(false); });
  // Switching tabs refreshes the buttons, scrolls the focused row into view
  // and gives the list the keyboard focus.
  connect(tabs_.PageControl1, &QTabWidget::currentChanged, this, [this] {
    RefreshListButtons();
    ListKind kind;
    if (!ActiveListKind(kind)) return;
    QTreeWidget* view = View(kind);
    if (view->currentItem()) view->scrollToItem(view->currentItem());
    view->setFocus();
  });
}

LibraryTabs::~LibraryTabs() { editor_.SetView(nullptr); }

QTreeWidget* LibraryTabs::View(ListKind kind) const {
  return kind == ListKind::Folders ? tabs_.lvDirList : tabs_.lvBGMList;
}

const ListTabButtons& LibraryTabs::Buttons(ListKind kind) const {
  return kind == ListKind::Folders ? tabs_.DirButtons : tabs_.BgmButtons;
}

bool LibraryTabs::ActiveListKind(ListKind& kind) const {
  QWidget* current = tabs_.PageControl1->currentWidget();
  if (current == tabs_.TabDir) {
    kind = ListKind::Folders;
    return true;
  }
  if (current == tabs_.TabBGM) {
    kind = ListKind::Music;
    return true;
  }
  return false;
}

void LibraryTabs::TakeSelection(ListKind kind) { editor_.SetSelection(kind, ReadEntryListSelection(View(kind))); }

// ---- slideshow tab -----------------------------------------------------------------------

void LibraryTabs::ConnectSlideshowTab() {
  QListWidget* list = tabs_.lbSlideShow;
  list->setItemDelegate(new SlideshowRowDelegate(list));
  list->setUniformItemSizes(true);
  connect(list, &QListWidget::itemClicked, this,
          [this, list](QListWidgetItem* item) { manager_.SwitchTo(list->row(item)); });
  const QList<QPushButton*>& b = tabs_.SlideshowButtons;
  // 新規作成, インポート, 別名で保存, 名前の変更, 削除, 上へ △, 下へ ▽; the main
  // window connects the import button to its import dialog.
  for (QPushButton* button : b) button->setEnabled(true);
  connect(b[0], &QPushButton::clicked, this, [this] { OpenNameDialog(NameDialogMode::New); });
  connect(b[2], &QPushButton::clicked, this, [this] { OpenNameDialog(NameDialogMode::SaveAs); });
  connect(b[3], &QPushButton::clicked, this, [this] { OpenNameDialog(NameDialogMode::Rename); });
  connect(b[4], &QPushButton::clicked, this, [this] { manager_.DeleteCurrent(); });
  connect(b[5], &QPushButton::clicked, this, [this] { manager_.MoveUp(); });
  connect(b[6], &QPushButton::clicked, this, [this] { manager_.MoveDown(); });
}

void LibraryTabs::OpenNameDialog(NameDialogMode mode) {
  if (library_.Mode() == RunMode::CdPlay) return;
  nameDialog_->Open(mode, manager_.InitialName(mode, nameDialog_->edtSlideShowName->text()));
}

// ---- list tabs ---------------------------------------------------------------------------

void LibraryTabs::ConnectListTab(ListKind kind) {
  QTreeWidget* view = View(kind);
  const ListTabButtons& b = Buttons(kind);
  auto command = [this, kind](void (ListEditor::*run)(ListKind)) {
    return [this, kind, run] {
      TakeSelection(kind);
      (editor_.*run)(kind);
    };
  };
  connect(b.Add, &QPushButton::clicked, this, [this, kind] { AddThroughDialog(kind); });
  connect(b.Up, &QPushButton::clicked, this, command(&ListEditor::MoveUp));
  connect(b.Down, &QPushButton::clicked, this, command(&ListEditor::MoveDown));
  connect(b.Cut, &QPushButton::clicked, this, command(&ListEditor::Cut));
  connect(b.Paste, &QPushButton::clicked, this, command(&ListEditor::Paste));
  connect(b.DelSame, &QPushButton::clicked, this, command(&ListEditor::RemoveDuplicates));
  connect(b.Clear, &QPushButton::clicked, this, command(&ListEditor::Clear));
  connect(b.Reload, &QPushButton::clicked, this, command(&ListEditor::Reload));
  connect(b.Del, &QPushButton::clicked, this, [this, kind] {
    TakeSelection(kind);
    editor_.Delete(kind, true);
  });
  connect(b.Explorer, &QPushButton::clicked, this, [this] { OpenInFileManager(QStringLiteral("/")); });

  // Any change of rows, check marks or selection refreshes the header once
  // the current event is done.
  QTimer* header = &headerTimer_[Index(kind)];
  auto refresh = [header] { header->start(); };
  QAbstractItemModel* model = view->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, refresh);
  connect(model, &QAbstractItemModel::rowsRemoved, this, refresh);
  connect(model, &QAbstractItemModel::dataChanged, this, refresh);
  connect(model, &QAbstractItemModel::modelReset, this, refresh);
  connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, refresh);
  // A list loaded anew (another slideshow, a reload) may change the buttons.
  connect(model, &QAbstractItemModel::rowsInserted, this, [this] { RefreshListButtons(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { RefreshListButtons(); });
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { RefreshListButtons(); });

  view->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view, &QWidget::customContextMenuRequested, this,
          [this, kind](const QPoint& at) { ShowContextMenu(kind, at); });
  view->viewport()->setMouseTracking(true);
  view->viewport()->installEventFilter(this);
}

bool LibraryTabs::eventFilter(QObject* watched, QEvent* event) {
  for (ListKind kind : {ListKind::Folders, ListKind::Music}) {
    QTreeWidget* view = View(kind);
    if (watched != view->viewport()) continue;
    if (event->type() == QEvent::MouseMove && !view->hasFocus() && view->isActiveWindow()) {
      view->setFocus();
    } else if (event->type() == QEvent::MouseButtonRelease && kind == ListKind::Folders) {
      // After the view has applied the click to its selection.
      QTimer::singleShot(0, this, [this] {
        TakeSelection(ListKind::Folders);
        editor_.FolderListClicked();
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

void LibraryTabs::AddThroughDialog(ListKind kind) {
  const bool folders = kind == ListKind::Folders;
  QFileDialog dialog(&main_, folders ? kAddFolderDialogTitle : kAddMusicDialogTitle, lastAddFolder_[Index(kind)],
                     QtFileFilter(folders ? kAddFolderDialogFilter : kAddMusicDialogFilter));
  dialog.setObjectName(folders ? QStringLiteral("OpenDialogDir") : QStringLiteral("OpenDialogBGM"));
  dialog.setFileMode(folders ? QFileDialog::ExistingFile : QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return;
  lastAddFolder_[Index(kind)] = dialog.directory().absolutePath();
  TakeSelection(kind);
  editor_.Add(kind, files);
}

void LibraryTabs::ArrowKey(bool up) {
  ListKind kind;
  if (!main_.IsDetailOptionsShown() || !ActiveListKind(kind) || !View(kind)->hasFocus()) return;
  TakeSelection(kind);
  editor_.ArrowKey(kind, up);
}

// ---- context menu -------------------------------------------------------------------------

void LibraryTabs::ConnectContextMenu() {
  ListContextMenu& m = menu_;
  auto checks = [this](bool on, bool all) {
    return [this, on, all] { editor_.SetChecks(menuKind_, on, all); };
  };
  auto sort = [this](SortColumn column, bool descending) {
    return [this, column, descending] { editor_.Sort(menuKind_, column, descending); };
  };
  connect(m.pmnSelChkOn, &QAction::triggered, this, checks(true, false));
  connect(m.pmnAllChkOn, &QAction::triggered, this, checks(true, true));
  connect(m.pmnSelChkOff, &QAction::triggered, this, checks(false, false));
  connect(m.pmnAllChkOff, &QAction::triggered, this, checks(false, true));
  connect(m.pmnSrtNameAsc, &QAction::triggered, this, sort(SortColumn::Name, false));
  connect(m.pmnSrtNameDsc, &QAction::triggered, this, sort(SortColumn::Name, true));
  connect(m.pmnSrtPathAsc, &QAction::triggered, this, sort(SortColumn::Location, false));
  connect(m.pmnSrtPathDsc, &QAction::triggered, this, sort(SortColumn::Location, true));
  connect(m.pmnOpenSelDir, &QAction::triggered, this, [this] {
    const QString folder = editor_.SelectedRowFolder(menuKind_);
    if (!folder.isEmpty()) OpenInFileManager(folder);
  });
  connect(m.pmnOpenDir, &QAction::triggered, this,
          [this] { OpenInFileManager(editor_.PrepareDataFolder(menuKind_)); });
}

void LibraryTabs::ShowContextMenu(ListKind kind, const QPoint& at) {
  // The list has no context menu when nothing may be changed.
  if (library_.Mode() == RunMode::CdPlay) return;
  menuKind_ = kind;
  TakeSelection(kind);
  const ListSelection& selection = editor_.Selection(kind);
  menu_.Apply(BuildListMenuItems(kind, library_.Mode(),
                                 kind == ListKind::Folders ? library_.Folders() : library_.Bgms(), selection));
  menu_.PopupList->popup(View(kind)->viewport()->mapToGlobal(at));
}

// ---- drops ---------------------------------------------------------------------------------

void LibraryTabs::DropFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  // Collected after the drop has returned, so the file manager is not kept waiting.
  QTimer::singleShot(0, this, [this, paths] {
    if (editor_.IsBusy()) return;
    progress_->Open(kListEditCaption, kDropProgressText, false);
    dialogs_.ProcessPendingMessages();
    const DroppedItems items = CollectDroppedItems(paths, library_.Options().ArtName, &dialogs_);
    TakeSelection(ListKind::Folders);
    TakeSelection(ListKind::Music);
    editor_.AddDropped(items);
    if (progress_->IsShowing()) progress_->Close();
    ListKind kind;
    if (ActiveListKind(kind) && ShowListTab(kind)) View(kind)->setFocus();
  });
}

// ---- ListEditorView -------------------------------------------------------------------------

void LibraryTabs::ShowListRows(ListKind kind) {
  const QList<ListEntry>& rows = kind == ListKind::Folders ? library_.Folders() : library_.Bgms();
  QTreeWidget* view = View(kind);
  FillEntryListView(view, rows, -1);
  ShowEntryListSelection(view, editor_.Selection(kind));
}

void LibraryTabs::ShowListSelection(ListKind kind) { ShowEntryListSelection(View(kind), editor_.Selection(kind)); }

void LibraryTabs::RefreshListHeader(ListKind kind) {
  QTreeWidget* view = View(kind);
  const int total = view->topLevelItemCount();
  const int selected = static_cast<int>(view->selectionModel()->selectedRows().size());
  view->headerItem()->setText(0, ListHeaderText(kind, total, editor_.CheckedCount(kind), selected));
}

void LibraryTabs::RefreshListButtons() {
  for (ListKind kind : {ListKind::Folders, ListKind::Music}) {
    const ListButtonStates s = editor_.ButtonStates(kind);
    const ListTabButtons& b = Buttons(kind);
    b.Add->setEnabled(s.Add);
    b.Up->setEnabled(s.Up);
    b.Down->setEnabled(s.Down);
    b.Cut->setEnabled(s.Cut);
    b.Paste->setEnabled(s.Paste);
    b.DelSame->setEnabled(s.DelSame);
    b.Del->setEnabled(s.Del);
    b.Clear->setEnabled(s.Clear);
    b.Explorer->setEnabled(s.Explorer);
    b.Reload->setEnabled(s.Reload);
  }
}

bool LibraryTabs::ShowListTab(ListKind kind) {
  tabs_.PageControl1->setCurrentWidget(kind == ListKind::Folders ? tabs_.TabDir : tabs_.TabBGM);
  const bool mayFocus = main_.IsDetailOptionsShown() && !main_.IsDisplayShowing();
  if (mayFocus) View(kind)->setFocus();
  return mayFocus;
}

void LibraryTabs::OpenOptionsPanel() {
  if (!main_.IsDetailOptionsShown()) main_.ToggleDetailOptions();
}

void LibraryTabs::RefreshPreview() { main_.RefreshPreview(); }

void LibraryTabs::OpenInFileManager(const QString& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
