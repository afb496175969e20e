#include "ui/QtShellLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

bool QtShellLauncher::StartProgram(const QString& programPath) {
  return QProcess::startDetached(programPath, {}, QFileInfo(programPath).absolutePath());
}

void QtShellLauncher::OpenFolder(const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); }
