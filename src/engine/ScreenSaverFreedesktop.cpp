#include "engine/ScreenSaverFreedesktop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr int kCallTimeoutMs = 2000;

// The service's interface, or nothing when there is no session bus or no
// screen saver on it (a bare X server, a test run).
std::unique_ptr<QDBusInterface> Service() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return nullptr;
  if (!bus.interface()->isServiceRegistered(kService).value()) return nullptr;
  auto iface = std::make_unique<QDBusInterface>(kService, kPath, kService, bus);
  if (!iface->isValid()) return nullptr;
  iface->setTimeout(kCallTimeoutMs);
  return iface;
}

}  // namespace

bool ScreenSaverFreedesktop::Inhibit() {
  if (held_) return true;
  auto iface = Service();
  if (!iface) return false;
  const QDBusReply<std::uint32_t> reply =
      iface->call(QStringLiteral("Inhibit"), QStringLiteral("Brinmora"),
                  QStringLiteral("スライドショー再生中"));
  if (!reply.isValid()) return false;
  cookie_ = reply.value();
  held_ = true;
  return true;
}

void ScreenSaverFreedesktop::UnInhibit() {
  if (!held_) return;
  held_ = false;
  auto iface = Service();
  if (iface) iface->call(QStringLiteral("UnInhibit"), cookie_);
}
