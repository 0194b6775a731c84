#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// Keeps one copy of the program per user and program folder. The first copy
// holds a lock and listens on a Unix-domain socket, both in the user's runtime
// folder and named after the program folder; a later copy finds the lock
// taken, asks the first copy over the socket to come to the front, and ends.
// Plain sockets keep a network library out of every start.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& programFolder);
    ~SingleInstance() override;

    // True when this is the only copy (it now listens for later ones); false
    // when another copy runs and was asked to come forward.
    bool Claim();

  Q_SIGNALS:
    // A later copy asked this one to show its window.
    void Activated();

  private:
    bool Listen();
    void AcceptPeers();
    void ReadPeer(int peer, QSocketNotifier* notifier);
    bool AskRunningCopy() const;

    QString lockPath_;
    QString socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
};
