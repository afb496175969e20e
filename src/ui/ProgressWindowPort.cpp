#include "ui/ProgressWindowPort.h"

#include <QLabel>
#include <QProgressBar>

#include <algorithm>

#include "ui/TfrmProgress.h"

ProgressWindowPort::ProgressWindowPort(TfrmProgress* window, QWidget* parent)
    : window_(window ? window : new TfrmProgress(parent)) {}

void ProgressWindowPort::Open(const QString& title, const QString& text, bool withBar) {
  window_->ProgressBar1->setRange(0, 100);
  window_->ProgressBar1->setValue(0);
  window_->ShowWork(title, text, withBar);
}

void ProgressWindowPort::SetText(const QString& text) { window_->lblInfo->setText(text); }

void ProgressWindowPort::Close() { window_->hide(); }

bool ProgressWindowPort::IsShowing() const { return window_->isVisible(); }

void ProgressWindowPort::SetBarMaximum(int maximum) {
  window_->ProgressBar1->setRange(0, maximum);
  window_->ProgressBar1->setValue(0);
}

void ProgressWindowPort::SetBarValue(int value) {
  window_->ProgressBar1->setValue(std::clamp(value, 0, window_->ProgressBar1->maximum()));
}
