#pragma once
// Message boxes and the event loop for core, on Qt Widgets.
#include "platform/UserDialogs.h"

class QWidget;

class QtUserDialogs final : public UserDialogs {
 public:
  // parent: the window the boxes are centred on (may be null).
  explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowInformation(const QString& text) override;
  void ShowError(const QString& text) override;
  bool AskYesNo(const QString& text) override;
  bool AskOkCancel(const QString& text) override;
  void ProcessPendingMessages() override;

  // The stored texts break lines with "\r"; a label needs "\n".
  static QString ToDisplayText(const QString& text);

 private:
  QWidget* parent_;
};
