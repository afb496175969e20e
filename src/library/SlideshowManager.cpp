#include "library/SlideshowManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/ProgressWindow.h"
#include "library/BusyScope.h"
#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "library/SlideshowFolders.h"
#include "library/SlideshowLibrary.h"
#include "platform/CommaText.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/UserDialogs.h"

namespace {

const QString kEmptyNameMessage = QStringLiteral("スライドショー名が空欄です。");
const QString kNameExistsMessage = QStringLiteral("このスライドショー名はすでに存在します。\r別な名前を付けてください。");
const QString kCreateFailedMessage = QStringLiteral("スライドショーの作成に失敗しました。");
const QString kRenamedMessage = QStringLiteral("スライドショー名を変更しました。");
const QString kRenameFailedMessage = QStringLiteral("スライドショー名の変更に失敗しました。");
const QString kSavedAsMessage = QStringLiteral("スライドショーを別名で保存しました。");
const QString kSaveAsFailedMessage = QStringLiteral("スライドショーの別名保存に失敗しました。");
const QString kDeleteQuestion = QStringLiteral("現在のスライドショーを削除します。\rよろしいですか？");
const QString kDeleteSourceMissingMessage = QStringLiteral("削除元が存在しません。");
const QString kDeleteFailedMessage = QStringLiteral("スライドショーの削除に失敗しました。");
const QString kDeletedMessage = QStringLiteral("スライドショーを削除しました。");
const QString kLoadingCaption = QStringLiteral("■スライドショーの読み込み■");
const QString kLoadingText = QStringLiteral("選択スライドショーを読み込み中です。");
const QString kSavingCaption = QStringLiteral("■スライドショーの保存■");
const QString kSavingText = QStringLiteral("選択スライドショーを別名で保存中です。");

constexpr int kUntitledCount = 100;

bool IsUnusableNameCharacter(QChar c) {
  return c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
}

}  // namespace

NameDialogTexts TextsForNameDialog(NameDialogMode mode) {
  switch (mode) {
    case NameDialogMode::New:
      return {QStringLiteral("新規スライドショーを作成します。"), QStringLiteral("スライドショー名 ："),
              QStringLiteral("スライドショーを作成")};
    case NameDialogMode::Rename:
      return {QStringLiteral("現在のスライドショーの名前を変更します。"), QStringLiteral("新スライドショー名 ："),
              QStringLiteral("名前を変更")};
    case NameDialogMode::SaveAs:
      break;
  }
  return {QStringLiteral("現在のスライドショーをコピーして別名で保存します。"), QStringLiteral("保存スライドショー名 ："),
          QStringLiteral("別名で保存")};
}

NameProblem CheckSlideshowName(const QString& programFolder, const QStringList& catalog, const QString& name) {
  if (name.isEmpty()) return NameProblem::Empty;
  if (name == QStringLiteral(".") || name == QStringLiteral("..")) return NameProblem::Unusable;
  for (QChar c : name) {
    if (IsUnusableNameCharacter(c)) return NameProblem::Unusable;
  }
  const QString root = SlideshowRoot(programFolder);
  if (QFileInfo::exists(root + name)) return NameProblem::Exists;
  for (const QString& taken : catalog) {
    if (taken.compare(name, Qt::CaseInsensitive) == 0) return NameProblem::Exists;
  }
  const QStringList entries = QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return NameProblem::Exists;
  }
  return NameProblem::None;
}

SlideshowManager::SlideshowManager(SlideshowLibrary& library, UserDialogs& dialogs)
    : library_(library), dialogs_(dialogs) {}

void SlideshowManager::Process() { dialogs_.ProcessPendingMessages(); }

QString SlideshowManager::InitialName(NameDialogMode mode, const QString& previous) const {
  if (mode != NameDialogMode::New) return library_.CurrentName();
  for (int n = 1; n <= kUntitledCount; ++n) {
    const QString candidate = kUntitledBaseName + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    if (!QFileInfo::exists(SlideshowRoot(library_.ProgramFolder()) + candidate)) return candidate;
  }
  return previous;
}

bool SlideshowManager::ConfirmName(NameDialogMode mode, const QString& name) {
  if (library_.Mode() == RunMode::CdPlay) return true;
  BusyScope busy(busy_);
  if (!busy.Entered()) return false;
  switch (CheckSlideshowName(library_.ProgramFolder(), library_.Catalog(), name)) {
    case NameProblem::Empty:
      dialogs_.ShowInformation(kEmptyNameMessage);
      return false;
    case NameProblem::Exists:
      dialogs_.ShowInformation(kNameExistsMessage);
      return false;
    case NameProblem::Unusable:
      // The name could never become a folder: the command fails as a
      // rejected folder would make it fail, and the user may type another.
      dialogs_.ShowInformation(mode == NameDialogMode::New      ? kCreateFailedMessage
                               : mode == NameDialogMode::Rename ? kRenameFailedMessage
                                                                : kSaveAsFailedMessage);
      return false;
    case NameProblem::None:
      break;
  }
  switch (mode) {
    case NameDialogMode::New:
      CreateSlideshow(name);
      break;
    case NameDialogMode::Rename:
      RenameSlideshow(name);
      break;
    case NameDialogMode::SaveAs:
      SaveSlideshowAs(name);
      break;
  }
  return true;
}

void SlideshowManager::CreateSlideshow(const QString& name) {
  const QString target = SlideshowRoot(library_.ProgramFolder()) + name;
  CreateFolder(SlideshowRoot(library_.ProgramFolder()));
  if (!QDir().mkdir(target)) {
    dialogs_.ShowInformation(kCreateFailedMessage);
    return;
  }
  library_.SetCatalog(library_.Catalog() + QStringList{name});
  library_.SaveSlideshow();
  library_.LoadSlideshow(name);
  library_.SaveCatalog();
}

void SlideshowManager::RenameSlideshow(const QString& name) {
  const QString root = SlideshowRoot(library_.ProgramFolder());
  const QString source = root + library_.CurrentName();
  if (library_.CurrentName().isEmpty() || !QFileInfo(source).isDir() || !QDir().rename(source, root + name)) {
    dialogs_.ShowInformation(kRenameFailedMessage);
    return;
  }
  library_.RenameCurrent(name);
  library_.SaveCatalog();
  dialogs_.ShowInformation(kRenamedMessage);
}

// DIR.dat and BGM.dat of the current slideshow into folder. In CD-making mode
// data-folder rows become absolute paths into this slideshow's data folders,
// so the copy keeps using them.
bool SlideshowManager::CopyListsInto(const QString& folder) {
  const QString source = library_.CurrentSlideshowFolder();
  if (library_.Mode() != RunMode::CdMaking) {
    for (const QString& file : {kFolderListName, kBgmListName}) {
      if (QFileInfo::exists(source + file) && !QFile::copy(source + file, folder + file)) return false;
    }
    return true;
  }
  if (progress_) progress_->Open(kSavingCaption, kSavingText, false);
  const struct {
    QString File;
    QString DataFolder;
  } lists[] = {{kFolderListName, kImageDataFolderName}, {kBgmListName, kMusicDataFolderName}};
  for (const auto& list : lists) {
    QStringList lines;
    if (const std::optional<QStringList> stored = ReadTextLines(source + list.File)) {
      for (const QString& line : *stored) {
        QStringList fields = SplitCommaText(line);
        if (!fields.isEmpty() && !HasDrivePart(fields[0])) {
          QString relative = fields[0];
          relative.replace(u'\\', kPathSeparator);
          fields[0] = source + list.DataFolder + kPathSeparator + relative;
          lines.append(JoinCommaText(fields));
        } else {
          lines.append(line);
        }
        Process();
      }
    }
    if (!WriteTextLines(folder + list.File, lines)) return false;
  }
  return true;
}

void SlideshowManager::SaveSlideshowAs(const QString& name) {
  library_.SaveSlideshow();
  const QString root = SlideshowRoot(library_.ProgramFolder());
  // The copy is built in a hidden folder and renamed into place when whole.
  const QString work = MakeHiddenWorkFolder(root, QStringLiteral("saving"));
  if (work.isEmpty()) {
    dialogs_.ShowInformation(kSaveAsFailedMessage);
    return;
  }
  const QString folder = work + kPathSeparator;
  bool copied = CopyListsInto(folder);
  const QString ini = library_.CurrentSlideshowFolder() + kSlideIniName;
  copied = copied && QFile::copy(ini, folder + kSlideIniName);
  if (progress_ && progress_->IsShowing()) progress_->Close();
  copied = copied && QFileInfo::exists(folder + kFolderListName) && QFileInfo::exists(folder + kBgmListName) &&
           QFileInfo::exists(folder + kSlideIniName);
  if (!copied || !QDir().rename(work, root + name)) {
    RemoveFolderTree(work);
    dialogs_.ShowInformation(kSaveAsFailedMessage);
    return;
  }
  library_.SetCatalog(library_.Catalog() + QStringList{name});
  library_.LoadSlideshow(name);
  library_.SaveCatalog();
  dialogs_.ShowInformation(kSavedAsMessage);
}

void SlideshowManager::SwitchTo(int row) {
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  if (!library_.IsLoaded() || row < 0 || row >= library_.Catalog().size()) return;
  const QString name = library_.Catalog()[row];
  if (name == library_.CurrentName()) return;
  if (library_.Mode() != RunMode::CdPlay) library_.SaveSlideshow();
  if (progress_) progress_->Open(kLoadingCaption, kLoadingText, false);
  library_.LoadSlideshow(name);
  if (progress_ && progress_->IsShowing()) progress_->Close();
}

void SlideshowManager::DeleteCurrent() {
  if (library_.Mode() == RunMode::CdPlay) return;
  BusyScope busy(busy_);
  if (!busy.Entered()) return;
  if (!dialogs_.AskYesNo(kDeleteQuestion)) return;
  const QString folder = SlideshowRoot(library_.ProgramFolder()) + library_.CurrentName();
  if (library_.CurrentName().isEmpty() || !QFileInfo(folder).isDir()) {
    dialogs_.ShowInformation(kDeleteSourceMissingMessage);
    dialogs_.ShowInformation(kDeleteFailedMessage);
    return;
  }
  if (!DeleteFolderTreeSafely(folder)) {
    dialogs_.ShowInformation(kDeleteFailedMessage);
    return;
  }
  const QString deleted = library_.CurrentName();
  QStringList catalog = library_.Catalog();
  int row = library_.CatalogIndex();
  if (row < 0 || row >= catalog.size()) row = static_cast<int>(catalog.indexOf(deleted));
  // Every row naming the deleted folder goes; the row that takes the place
  // of the selected one becomes current.
  int before = 0;
  for (int i = 0; i < catalog.size(); ++i) {
    if (catalog[i] == deleted && i < row) ++before;
  }
  catalog.removeAll(deleted);
  if (catalog.isEmpty()) {
    library_.SetCatalog(catalog);
    library_.LoadSlideshow(QString());
  } else {
    int next = std::clamp(row - before, 0, static_cast<int>(catalog.size()) - 1);
    library_.SetCatalogIndex(next);
    library_.SetCatalog(catalog);
    library_.LoadSlideshow(catalog[next]);
  }
  library_.SaveCatalog();
  dialogs_.ShowInformation(kDeletedMessage);
}

void SlideshowManager::Move(int delta) {
  QStringList catalog = library_.Catalog();
  const int row = library_.CatalogIndex();
  const int to = row + delta;
  if (row < 0 || row >= catalog.size() || to < 0 || to >= catalog.size()) return;
  catalog.swapItemsAt(row, to);
  library_.SetCatalogIndex(to);
  library_.SetCatalog(catalog);
  library_.SaveCatalog();
}

void SlideshowManager::MoveUp() { Move(-1); }
void SlideshowManager::MoveDown() { Move(+1); }
