#pragma once
// The message box for a music file the player could not play.
#include <QString>

class UserDialogs;

QString MusicFailureText(const QString& path, const QString& detail);
void ReportMusicFailure(UserDialogs& dialogs, const QString& path, const QString& detail);
