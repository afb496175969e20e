#pragma once
// Answers the modal message boxes a window command shows, so a test can run
// the real command: each box that opens is answered with its default button
// (accept) or its escape button (reject), and its text is recorded.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class MessageBoxAnswer {
 public:
  explicit MessageBoxAnswer(bool accept = true) : accept_(accept) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      texts << box->text();
      QAbstractButton* button = accept_ ? static_cast<QAbstractButton*>(box->defaultButton()) : nullptr;
      for (QAbstractButton* b : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(b);
        if (!accept_ && (role == QMessageBox::RejectRole || role == QMessageBox::NoRole)) button = b;
      }
      if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
      if (button) button->click();
    });
    timer_.start();
  }
  void SetAccept(bool accept) { accept_ = accept; }
  QStringList texts;

 private:
  bool accept_;
  QTimer timer_;
};
