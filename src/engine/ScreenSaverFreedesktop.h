#pragma once
// The screen saver switch of the desktop session: org.freedesktop.ScreenSaver
// on the session bus. Without a bus or without the service nothing happens.
#include <QString>
#include <cstdint>

#include "engine/ScreenSaver.h"

class ScreenSaverFreedesktop final : public ScreenSaver {
 public:
  bool Inhibit() override;
  void UnInhibit() override;

 private:
  std::uint32_t cookie_ = 0;
  bool held_ = false;
};
