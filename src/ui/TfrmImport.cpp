#include "ui/TfrmImport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "library/AppSettings.h"
#include "library/SlideshowLibrary.h"

namespace {

const QString kBrowseTitle = QStringLiteral("リスト（DIR.dat、BGM.dat）の直上のフォルダを指定してください。");

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Note(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace

TfrmImport::TfrmImport(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(QStringLiteral("リストのインポート"));
  setModal(true);

  BrowseFolder = [this](const QString& start) {
    return QFileDialog::getExistingDirectory(this, kBrowseTitle, start, QFileDialog::ShowDirsOnly);
  };

  auto* intro = Note("現在のスライドショーに既存のリストデータをインポート（取り込み）します。", this);

  auto* source = Named(new QGroupBox(QStringLiteral(" インポート元の指定方法 "), this), "grpSource");
  rbSlideShow = Named(new QRadioButton(QStringLiteral("スライドショー名で指定 ： "), source), "rbSlideShow");
  cbSlideShow = Named(new QComboBox(source), "cbSlideShow");
  cbSlideShow->setAccessibleName(QStringLiteral("インポート元のスライドショー"));
  cbSlideShow->setMinimumWidth(200);
  rbDir = Named(new QRadioButton(QStringLiteral("フォルダで指定 ："), source), "rbDir");
  edtDir = Named(new QLineEdit(source), "edtDir");
  edtDir->setAccessibleName(QStringLiteral("インポート元のフォルダ"));
  btnDir = Named(new QPushButton(QStringLiteral("参照..."), source), "btnDir");
  auto* grid = new QGridLayout(source);
  grid->addWidget(rbSlideShow, 0, 0);
  grid->addWidget(cbSlideShow, 0, 1, 1, 2);
  grid->addWidget(rbDir, 1, 0);
  grid->addWidget(edtDir, 1, 1);
  grid->addWidget(btnDir, 1, 2);
  auto* notes = new QVBoxLayout;
  notes->setSpacing(0);
  for (const char* line : {"※ リスト（DIR.dat、BGM.dat）の直上のフォルダ（スライドショーと同名）", "　 を指定してください。",
                           "※ Quillet（別ソフト）のリストを利用する場合はプログラム", "　 フォルダを指定してください。"})
    notes->addWidget(Note(line, source));
  grid->addLayout(notes, 2, 1, 1, 2);
  auto* sourceGroup = new QButtonGroup(this);
  sourceGroup->addButton(rbSlideShow);
  sourceGroup->addButton(rbDir);

  chkDirList = Named(new QCheckBox(QStringLiteral("フォルダリスト"), this), "chkDirList");
  chkBGMList = Named(new QCheckBox(QStringLiteral("BGMリスト"), this), "chkBGMList");
  chkDirList->setChecked(true);
  chkBGMList->setChecked(true);
  auto* targets = new QHBoxLayout;
  targets->addWidget(Note("インポート対象リスト ：", this));
  targets->addWidget(chkDirList);
  targets->addWidget(chkBGMList);
  targets->addStretch();

  auto* method = Named(new QGroupBox(QStringLiteral(" インポート方法 "), this), "grpMethod");
  rbAdd = Named(new QRadioButton(QStringLiteral("現在のリストに追加"), method), "rbAdd");
  rbWrite = Named(new QRadioButton(QStringLiteral("現在のリストに上書き"), method), "rbWrite");
  rbAdd->setChecked(true);
  auto* methods = new QHBoxLayout(method);
  methods->addWidget(rbAdd);
  methods->addWidget(rbWrite);
  methods->addStretch();

  chkDelSame = Named(new QCheckBox(QStringLiteral("インポート後に重複項目を削除する"), this), "chkDelSame");

  btnImport = Named(new QPushButton(QStringLiteral("インポート"), this), "btnImport");
  btnCancel = Named(new QPushButton(QStringLiteral("キャンセル"), this), "btnCancel");
  btnImport->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnImport);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(source);
  layout->addLayout(targets);
  layout->addWidget(method);
  layout->addWidget(chkDelSame);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(rbSlideShow, &QRadioButton::clicked, this, &TfrmImport::SourceRadioClick);
  connect(rbDir, &QRadioButton::clicked, this, &TfrmImport::SourceRadioClick);
  connect(btnDir, &QPushButton::clicked, this, &TfrmImport::btnDirClick);
  connect(btnImport, &QPushButton::clicked, this, &TfrmImport::btnImportClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  // The field's tooltip always repeats its text, which may be longer than the field.
  connect(edtDir, &QLineEdit::textChanged, edtDir, &QLineEdit::setToolTip);
}

void TfrmImport::Attach(SlideshowLibrary& library, AppSettings& settings, UserDialogs& dialogs,
                        ImportHooks hooks) {
  library_ = &library;
  settings_ = &settings;
  dialogs_ = &dialogs;
  hooks_ = std::move(hooks);
  defaultFolder_ = DefaultImportFolder(settings.QuilletDir);
}

void TfrmImport::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TfrmImport::FormShow() {
  if (edtDir->text().isEmpty()) edtDir->setText(defaultFolder_);
  cbSlideShow->clear();
  if (library_) cbSlideShow->addItems(ImportableSlideshows(library_->Catalog(), library_->CurrentName()));
  if (cbSlideShow->count() > 0) {
    cbSlideShow->setCurrentIndex(0);
    rbSlideShow->setChecked(true);
  } else {
    rbDir->setChecked(true);
  }
  ApplySourceEnableRule();
}

void TfrmImport::SourceRadioClick() {
  if (cbSlideShow->count() == 0) rbDir->setChecked(true);
  ApplySourceEnableRule();
}

void TfrmImport::ApplySourceEnableRule() {
  const bool byName = rbSlideShow->isChecked();
  cbSlideShow->setEnabled(byName);
  edtDir->setEnabled(!byName);
  btnDir->setEnabled(!byName);
}

void TfrmImport::btnDirClick() {
  const QString chosen = BrowseFolder(edtDir->text());
  if (!chosen.isEmpty()) edtDir->setText(chosen);
}

void TfrmImport::btnImportClick() {
  ImportRequest request;
  request.BySlideshow = rbSlideShow->isChecked();
  request.SlideshowName = cbSlideShow->currentText();
  request.Folder = edtDir->text();
  request.FolderList = chkDirList->isChecked();
  request.BgmList = chkBGMList->isChecked();
  request.Overwrite = rbWrite->isChecked();
  request.DeleteSame = chkDelSame->isChecked();
  if (!library_ || !ImportLists(*library_, request, *dialogs_, hooks_).Done) return;
  settings_->QuilletDir = edtDir->text();
  accept();
}
