#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (the end of the desktop session, a closed
// terminal, Ctrl+C) into a Qt signal delivered on the event loop, so the
// program closes its window the normal way and saves a changed configuration
// instead of dying with it unsaved.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

  Q_SIGNALS:
    void Requested();

  private:
    QSocketNotifier* notifier_ = nullptr;
};
