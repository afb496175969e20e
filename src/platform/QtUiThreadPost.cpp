#include "platform/QtUiThreadPost.h"

#include <QMetaObject>

void QtUiThreadPost::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(&receiver_, std::move(task), Qt::QueuedConnection);
}
