#pragma once
// Marks a command as running for its scope; a command that arrives while
// pending messages are processed finds the flag set and does nothing
// (Entered() is false for it, and it leaves the flag to the running one).
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
  ~BusyScope() {
    if (entered_) busy_ = false;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  bool Entered() const { return entered_; }

 private:
  bool& busy_;
  bool entered_;
};
