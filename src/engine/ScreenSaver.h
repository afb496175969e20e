#pragma once
// Holding off the desktop screen saver while a slideshow plays.
class ScreenSaver {
 public:
  virtual ~ScreenSaver() = default;
  // Asks the desktop to keep the screen saver off; true when it agreed.
  virtual bool Inhibit() = 0;
  // Gives the screen saver back.
  virtual void UnInhibit() = 0;
};
