#include "platform/QtTimer.h"

QtTimer::QtTimer() {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick_) onTick_();
  });
}
