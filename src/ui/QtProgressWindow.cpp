#include "ui/QtProgressWindow.h"

#include <QLabel>

#include "ui/TfrmProgress.h"

QtProgressWindow::QtProgressWindow(QWidget* parent) : window_(new TfrmProgress(parent)) {}

void QtProgressWindow::Open(const QString& title, const QString& text, bool withBar) {
  window_->ShowWork(title, text, withBar);
}

void QtProgressWindow::SetText(const QString& text) { window_->lblInfo->setText(text); }

void QtProgressWindow::Close() { window_->hide(); }

bool QtProgressWindow::IsShowing() const { return window_->isVisible(); }
