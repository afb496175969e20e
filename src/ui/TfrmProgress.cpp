#include "ui/TfrmProgress.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QString kDefaultCaption = QStringLiteral("■データフォルダの編集■");
const QString kDefaultText = QStringLiteral("コピーしています");
}  // namespace

TfrmProgress::TfrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("frmProgress"));
  setModal(false);
  setFixedSize(313, 84);
  lblInfo = new QLabel(this);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->addWidget(lblInfo);
  layout->addWidget(ProgressBar1);
  ResetTexts();
}

void TfrmProgress::ResetTexts() {
  setWindowTitle(kDefaultCaption);
  lblInfo->setText(kDefaultText);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setVisible(true);
}

void TfrmProgress::ShowWork(const QString& caption, const QString& text, bool withBar) {
  setWindowTitle(caption);
  lblInfo->setText(text);
  ProgressBar1->setVisible(withBar);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  show();
  raise();
}
