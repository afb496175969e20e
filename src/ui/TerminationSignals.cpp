#include "ui/TerminationSignals.h"

#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalSockets[2] = {-1, -1};

void OnTerminationSignal(int) {
  const char byte = 1;
  // Only async-signal-safe calls here; a full socket already carries a request.
  [[maybe_unused]] ssize_t written = ::write(g_signalSockets[0], &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

bool TerminationSignals::InstallHandlers() {
  if (g_signalSockets[0] >= 0) return true;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSockets) != 0) {
    g_signalSockets[0] = g_signalSockets[1] = -1;
    return false;
  }
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : kSignals) ::sigaction(sig, &action, nullptr);
  return true;
}

TerminationSignals::~TerminationSignals() {
  delete notifier_;
}

void TerminationSignals::Watch(QWidget* window) {
  if (g_signalSockets[1] < 0 || notifier_) return;
  window_ = window;
  notifier_ = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::OnSignalByte);
}

void TerminationSignals::OnSignalByte() {
  char buffer[64];
  while (::read(g_signalSockets[1], buffer, sizeof buffer) > 0) {
  }
  if (window_) window_->close();
}
