#include "ui/ProgramIcon.h"

QIcon ProgramIcon() {
  // The resource lives in a static library, which registers it only when asked.
  Q_INIT_RESOURCE(ProgramIcon);
  // Built into the program, so the windows show it wherever the program runs.
  static const QIcon icon(QStringLiteral(":/brinmora/brinmora.svg"));
  return icon;
}
