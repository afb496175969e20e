#pragma once
// SIGTERM, SIGINT and SIGHUP (a session logging out, Ctrl+C in a terminal)
// close the main window the ordinary way, so everything is saved. The signal
// handler only writes a byte into a socket pair; the event loop reads it.
#include <QObject>

class QSocketNotifier;
class QWidget;

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; call first thing in main. A signal that arrives
  // before Watch waits in the socket pair until the window can close.
  static bool InstallHandlers();

  TerminationSignals() = default;
  ~TerminationSignals() override;

  // From now on a signal runs window->close() on the UI thread. Call once
  // start-up has finished, so the close sequence has something to save.
  void Watch(QWidget* window);

 private:
  void OnSignalByte();

  QWidget* window_ = nullptr;
  QSocketNotifier* notifier_ = nullptr;
};
