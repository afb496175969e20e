#include "ui/TfrmSlideShow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmSlideShow::TfrmSlideShow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSlideShow"));
  setWindowTitle(kNameDialogCaption);
  setModal(true);
  lblInfo = new QLabel(this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  lblName = new QLabel(this);
  lblName->setObjectName(QStringLiteral("lblSlideShowName"));
  edtSlideShowName = new QLineEdit(this);
  edtSlideShowName->setObjectName(QStringLiteral("edtSlideShowName"));
  edtSlideShowName->setMinimumWidth(240);
  lblName->setBuddy(edtSlideShowName);
  btnSlideShowOK = new QPushButton(this);
  btnSlideShowOK->setObjectName(QStringLiteral("btnSlideShowOK"));
  btnSlideShowOK->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* field = new QHBoxLayout;
  field->addWidget(lblName);
  field->addWidget(edtSlideShowName, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnSlideShowOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblInfo);
  layout->addLayout(field);
  layout->addLayout(buttons);

  connect(btnSlideShowOK, &QPushButton::clicked, this, &TfrmSlideShow::btnSlideShowOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSlideShow::Open(NameDialogMode mode, const QString& name) {
  mode_ = mode;
  const NameDialogTexts texts = TextsForNameDialog(mode);
  lblInfo->setText(texts.Info);
  lblName->setText(texts.FieldLabel);
  btnSlideShowOK->setText(texts.OkButton);
  edtSlideShowName->setText(name);
  edtSlideShowName->selectAll();
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  edtSlideShowName->setFocus();
  exec();
}

void TfrmSlideShow::btnSlideShowOKClick() {
  if (!confirm_ || confirm_(mode_, edtSlideShowName->text())) accept();
}
