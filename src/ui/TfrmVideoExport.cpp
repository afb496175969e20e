#include "ui/TfrmVideoExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "export/ExportTexts.h"
#include "export/VideoExport.h"

namespace {
QString SizeText(QSize s) { return QStringLiteral("%1 × %2").arg(s.width()).arg(s.height()); }
}  // namespace

TfrmVideoExport::TfrmVideoExport(QSize monitor, const QString& suggestedPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmVideoExport"));
  setWindowTitle(kExportDialogTitle);
  setModal(true);

  edtFile = new QLineEdit(suggestedPath, this);
  edtFile->setObjectName(QStringLiteral("edtFile"));
  edtFile->setAccessibleName(QStringLiteral("出力ファイル"));
  edtFile->setMinimumWidth(320);
  btnBrowse = new QPushButton(QStringLiteral("参照(&B)..."), this);
  btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(edtFile, 1);
  fileRow->addWidget(btnBrowse);

  cbSize = new QComboBox(this);
  cbSize->setObjectName(QStringLiteral("cbSize"));
  cbSize->addItem(QStringLiteral("モニターと同じ (%1)").arg(SizeText(monitor)), monitor);
  for (const QSize s : {QSize(1920, 1080), QSize(1280, 720), QSize(3840, 2160)}) cbSize->addItem(SizeText(s), s);

  seFps = new QSpinBox(this);
  seFps->setObjectName(QStringLiteral("seFps"));
  seFps->setRange(1, 60);
  seFps->setValue(30);
  seFps->setSuffix(QStringLiteral(" fps"));

  chkMusic = new QCheckBox(QStringLiteral("BGMを入れる(&M)"), this);
  chkMusic->setObjectName(QStringLiteral("chkMusic"));
  chkMusic->setChecked(true);
  chkLabels = new QCheckBox(QStringLiteral("ラベルを入れる(&L)"), this);
  chkLabels->setObjectName(QStringLiteral("chkLabels"));

  auto* form = new QFormLayout;
  auto* fileLabel = new QLabel(QStringLiteral("出力ファイル(&F):"), this);
  fileLabel->setBuddy(edtFile);
  form->addRow(fileLabel, fileRow);
  auto* sizeLabel = new QLabel(QStringLiteral("大きさ(&S):"), this);
  sizeLabel->setBuddy(cbSize);
  form->addRow(sizeLabel, cbSize);
  auto* fpsLabel = new QLabel(QStringLiteral("フレームレート(&R):"), this);
  fpsLabel->setBuddy(seFps);
  form->addRow(fpsLabel, seFps);
  form->addRow(QString(), chkMusic);
  form->addRow(QString(), chkLabels);

  btnOK = new QPushButton(QStringLiteral("書き出し"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(btnBrowse, &QPushButton::clicked, this, &TfrmVideoExport::Browse);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(edtFile, &QLineEdit::textChanged, this, &TfrmVideoExport::UpdateOk);
  UpdateOk();
}

void TfrmVideoExport::Browse() {
  const QString path = QFileDialog::getSaveFileName(
      this, kExportDialogTitle, edtFile->text(),
      QStringLiteral("MP4 動画 (*.mp4);;WebM 動画 (*.webm)"));
  if (!path.isEmpty()) edtFile->setText(path);
}

void TfrmVideoExport::UpdateOk() {
  VideoContainer container;
  btnOK->setEnabled(VideoContainerOf(edtFile->text().trimmed(), container));
}

VideoExportChoice TfrmVideoExport::Choice() const {
  VideoExportChoice c;
  c.Path = edtFile->text().trimmed();
  c.Size = cbSize->currentData().toSize();
  c.Fps = seFps->value();
  c.Music = chkMusic->isChecked();
  c.Labels = chkLabels->isChecked();
  return c;
}
