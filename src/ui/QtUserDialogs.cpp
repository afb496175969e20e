#include "ui/QtUserDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Brinmora");

void ShowOk(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, kTitle, QtUserDialogs::ToDisplayText(text), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

QString QtUserDialogs::ToDisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void QtUserDialogs::ShowInformation(const QString& text) {
  ShowOk(parent_, QMessageBox::Information, text);
}

void QtUserDialogs::ShowError(const QString& text) { ShowOk(parent_, QMessageBox::Critical, text); }

bool QtUserDialogs::AskYesNo(const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, ToDisplayText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  // Japanese captions even where Qt's own translations are missing.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

bool QtUserDialogs::AskOkCancel(const QString& text) {
  QMessageBox box(QMessageBox::Question, kTitle, ToDisplayText(text),
                  QMessageBox::Ok | QMessageBox::Cancel, parent_);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

void QtUserDialogs::ProcessPendingMessages() { QApplication::processEvents(); }
