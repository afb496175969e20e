#pragma once
// The folder that holds the program: every stored file lies below it.
#include <QString>

// The folder of the running executable, with a trailing separator.
// Needs a QCoreApplication.
QString RunningProgramFolder();
