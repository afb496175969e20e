#include "ui/TfrmWork.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "cdmaking/CdMakingTexts.h"
#include "ui/EntryListView.h"

namespace {

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TfrmWork::TfrmWork(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmWork"));
  setWindowTitle(kWorkDialogCaption);
  setModal(true);

  auto* intro = new QLabel(kWorkIntroText, this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setAccessibleName(kWorkLocationLabel);
  btnBrowse = new QPushButton(kWorkBrowseButton, this);
  btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setAccessibleName(kWorkNameLabel);
  // The fields' tooltips always repeat their texts (long paths).
  connect(Edit1, &QLineEdit::textChanged, Edit1, &QLineEdit::setToolTip);
  connect(Edit2, &QLineEdit::textChanged, Edit2, &QLineEdit::setToolTip);

  chkUseSlideShow = new QCheckBox(kWorkUseSlideshowText, this);
  chkUseSlideShow->setObjectName(QStringLiteral("chkUseSlideShow"));
  lblCurrent = new QLabel(this);
  lblCurrent->setObjectName(QStringLiteral("lblCurrent"));
  clbSlideShow = new QListWidget(this);
  clbSlideShow->setObjectName(QStringLiteral("clbSlideShow"));
  clbSlideShow->setAccessibleName(kWorkUseSlideshowText);
  clbSlideShow->setEnabled(false);
  clbSlideShow->setMinimumHeight(120);
  StripeOddRows(clbSlideShow);
  connect(chkUseSlideShow, &QCheckBox::toggled, clbSlideShow, &QWidget::setEnabled);

  btnMakeWorkDir = new QPushButton(kWorkCreateButton, this);
  btnMakeWorkDir->setObjectName(QStringLiteral("btnMakeWorkDir"));
  btnMakeWorkDir->setDefault(true);
  btnCancel = new QPushButton(kCancelButton, this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* fields = new QGridLayout;
  fields->addWidget(BuddyLabel(kWorkLocationLabel, Edit1, this), 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(btnBrowse, 0, 2);
  fields->addWidget(BuddyLabel(kWorkNameLabel, Edit2, this), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnMakeWorkDir);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(fields);
  layout->addWidget(chkUseSlideShow);
  layout->addWidget(lblCurrent);
  layout->addWidget(clbSlideShow);
  for (const QString& note : {kWorkNote1, kWorkNote2, kWorkNote3}) layout->addWidget(new QLabel(note, this));
  layout->addLayout(buttons);
  setMinimumWidth(460);

  connect(btnBrowse, &QPushButton::clicked, this, &TfrmWork::BrowseLocation);
  connect(btnMakeWorkDir, &QPushButton::clicked, this, &TfrmWork::btnMakeWorkDirClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmWork::Prepare(const QStringList& slideshows, const QString& currentName) {
  clbSlideShow->clear();
  for (const QString& name : slideshows) {
    auto* item = new QListWidgetItem(name, clbSlideShow);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  lblCurrent->setText(kWorkCurrentSlideshowPrefix + currentName + kWorkCurrentSlideshowSuffix);
  clbSlideShow->setEnabled(chkUseSlideShow->isChecked());
}

WorkFolderRequest TfrmWork::Request() const {
  WorkFolderRequest request;
  request.Location = Edit1->text();
  request.Name = Edit2->text();
  request.UseSlideshows = chkUseSlideShow->isChecked();
  for (int i = 0; i < clbSlideShow->count(); ++i) {
    if (clbSlideShow->item(i)->checkState() == Qt::Checked) request.CheckedSlideshows.append(clbSlideShow->item(i)->text());
  }
  return request;
}

void TfrmWork::FocusName() { Edit2->setFocus(); }

void TfrmWork::btnMakeWorkDirClick() {
  if (OnMakeWorkDir && OnMakeWorkDir(Request())) accept();
}

void TfrmWork::BrowseLocation() {
  const QString folder = QFileDialog::getExistingDirectory(this, kWorkBrowseTitle, Edit1->text(),
                                                           QFileDialog::ShowDirsOnly);
  if (!folder.isEmpty()) Edit1->setText(folder);
}
