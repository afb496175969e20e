#include "ProgramRun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <csignal>

QString BuiltProgramPath() {
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2) +
         QStringLiteral("/brinmora");
}

ProgramRun::ProgramRun(const QString& folder) : program_(folder + QStringLiteral("/brinmora")) {
  QFile::copy(BuiltProgramPath(), program_);
  QFile::setPermissions(program_, QFile::permissions(program_) | QFileDevice::ExeOwner);
}

ProgramRun::~ProgramRun() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

bool ProgramRun::Start(const QStringList& arguments) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process_.setProcessEnvironment(environment);
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.start(program_, arguments);
  return process_.waitForStarted(10000);
}

// The handlers are installed first thing in main; from then on a signal is
// kept until the window can close. /proc tells when that point is passed.
bool ProgramRun::WaitUntilSignalsAreCaught(int sig) {
  const QString status = QStringLiteral("/proc/%1/status").arg(process_.processId());
  QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    QFile file(status);
    if (file.open(QIODevice::ReadOnly)) {
      for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.startsWith("SigCgt:")) continue;
        bool ok = false;
        const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
        if (ok && (mask & (1ULL << (sig - 1)))) return true;
      }
    }
    if (process_.state() == QProcess::NotRunning) return false;
    QThread::msleep(20);
  }
  return false;
}

bool ProgramRun::StopWith(int sig) {
  if (!WaitUntilSignalsAreCaught(sig)) return false;
  ::kill(static_cast<pid_t>(process_.processId()), sig);
  if (!process_.waitForFinished(60000)) return false;
  return process_.exitStatus() == QProcess::NormalExit;
}
