#include "ui/TfrmCDMakeCheck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cdmaking/CdMakingTexts.h"

TfrmCDMakeCheck::TfrmCDMakeCheck(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmCDMakeCheck"));
  setWindowTitle(kCheckDialogCaption);
  setModal(true);

  auto* heading = new QLabel(kCheckHeading, this);
  memLog = new QPlainTextEdit(this);
  memLog->setObjectName(QStringLiteral("memLog"));
  memLog->setAccessibleName(kCheckHeading);
  memLog->setReadOnly(true);
  memLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memLog->setMinimumSize(400, 200);
  btnCopy = new QPushButton(kCheckCopyButton, this);
  btnCopy->setObjectName(QStringLiteral("btnCopy"));
  btnClose = new QPushButton(kCheckCloseButton, this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setDefault(true);
  connect(btnCopy, &QPushButton::clicked, this, &TfrmCDMakeCheck::CopyToClipboard);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnCopy);
  buttons->addStretch();
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(memLog);
  for (const QString& note : {kCheckNote1, kCheckNote2, kCheckNote3, kCheckNote4})
    layout->addWidget(new QLabel(note, this));
  layout->addLayout(buttons);
}

void TfrmCDMakeCheck::SetReport(const QStringList& lines) { memLog->setPlainText(lines.join(u'\n')); }

void TfrmCDMakeCheck::ShowReport(const QStringList& lines) {
  SetReport(lines);
  exec();
}

void TfrmCDMakeCheck::CopyToClipboard() {
  memLog->selectAll();
  memLog->copy();
}
