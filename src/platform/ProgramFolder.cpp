#include "platform/ProgramFolder.h"

#include <QCoreApplication>

#include "platform/Paths.h"

QString RunningProgramFolder() {
  return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}
