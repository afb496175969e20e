#include "ui/TfrmCDMakeClose.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cdmaking/CdMakingTexts.h"
#include "ui/QtUserDialogs.h"

TfrmCDMakeClose::TfrmCDMakeClose(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCDMakeClose"));
  setWindowTitle(kCloseDialogCaption);
  setModal(true);

  auto* group = new QGroupBox(kCloseGroupTitle, this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  rbComp = new QRadioButton(kCloseCompleteText, group);
  rbComp->setObjectName(QStringLiteral("rbComp"));
  rbInComp = new QRadioButton(kCloseInProgressText, group);
  rbInComp->setObjectName(QStringLiteral("rbInComp"));
  auto* choices = new QVBoxLayout(group);
  choices->addWidget(rbComp);
  choices->addWidget(rbInComp);

  auto* note = new QLabel(QtUserDialogs::ToDisplayText(kCloseNoteText), this);
  note->setObjectName(QStringLiteral("lblNote"));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(kCancelButton, this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(note);
  layout->addLayout(buttons);
}

CdEndChoice TfrmCDMakeClose::Ask() {
  rbComp->setChecked(true);
  if (exec() != QDialog::Accepted) return CdEndChoice::Cancelled;
  return rbComp->isChecked() ? CdEndChoice::Complete : CdEndChoice::InProgress;
}
