#pragma once
// UiThreadPost on the Qt event loop of the thread that creates it.
#include <QObject>

#include "platform/UiThreadPost.h"

class QtUiThreadPost final : public UiThreadPost {
 public:
  void Post(std::function<void()> task) override;

 private:
  // Queued tasks run in this object's thread; destroying it drops the ones
  // that have not run yet.
  QObject receiver_;
};
