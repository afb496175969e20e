#pragma once
// The program's icon (the same picture as the desktop entry's).
#include <QIcon>

QIcon ProgramIcon();
