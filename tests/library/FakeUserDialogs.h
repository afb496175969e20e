#pragma once
// Records what core shows to the user; answers questions with a fixed reply.
#include <QString>
#include <QStringList>

#include "platform/UserDialogs.h"

class FakeUserDialogs final : public UserDialogs {
 public:
  void ShowInformation(const QString& text) override { informations.append(text); }
  void ShowError(const QString& text) override { errors.append(text); }
  bool AskYesNo(const QString& text) override {
    questions.append(text);
    return answer;
  }
  void ProcessPendingMessages() override { ++pendingMessageRuns; }

  QStringList informations;
  QStringList errors;
  QStringList questions;
  bool answer = true;
  int pendingMessageRuns = 0;
};
