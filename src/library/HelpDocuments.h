#pragma once
// The documents shipped beside the program and opened from the Help menu.
#include <QString>
#include <functional>

class UserDialogs;

inline const QString kHelpFileName = QStringLiteral("Brinmoraヘルプ.html");
inline const QString kReadMeFileName = QStringLiteral("ReadMe.txt");

// Hands programFolder + fileName to open (the desktop's default application).
// The desktop says nothing about a file that is missing or that no
// application takes, so the program says it instead. True when handed over.
bool OpenProgramDocument(const QString& programFolder, const QString& fileName, UserDialogs& dialogs,
                         const std::function<bool(const QString& path)>& open);
