#pragma once
// Hands work from any thread to the user-interface thread. The window layer
// queues it on the event loop; tests run the queued work by hand.
#include <functional>

class UiThreadPost {
 public:
  virtual ~UiThreadPost() = default;
  // Queues task to run later on the user-interface thread. Safe to call from
  // any thread; never runs task before returning.
  virtual void Post(std::function<void()> task) = 0;
};
