#include "library/WindowCaption.h"

QString CaptionBase(RunMode mode) {
  switch (mode) {
    case RunMode::CdMaking:
      return QStringLiteral(" Brinmora - CD作成モード");
    case RunMode::CdPlay:
      return QStringLiteral(" Brinmora - CD再生モード");
    case RunMode::Normal:
      break;
  }
  return QStringLiteral(" Brinmora");
}

QString SlideshowCaption(RunMode mode, const QString& name) {
  return CaptionBase(mode) + QStringLiteral(" [") + name + u']';
}
