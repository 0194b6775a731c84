#include "app/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr char kActivate[] = "activate\n";

// The user's runtime folder, or the temporary folder with the user's id in
// the names when the session has none.
QString RuntimeBase() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/dorvane-");
    return QDir::tempPath() + QStringLiteral("/dorvane-%1-").arg(getuid());
}

// The socket address of `path`; false when the path is too long for one.
bool SocketAddress(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString& programFolder) {
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(canonical.isEmpty() ? programFolder : canonical),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString base = RuntimeBase() + QString::fromLatin1(key);
    lockPath_ = base + QStringLiteral(".lock");
    socketPath_ = base + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance() {
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::Claim() {
    lockFd_ = ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file there is no way to tell: run rather than refuse.
    if (lockFd_ < 0)
        return true;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd_);
        lockFd_ = -1;
        AskRunningCopy();
        return false;
    }
    Listen();
    return true;
}

bool SingleInstance::Listen() {
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address))
        return false;
    // The lock is ours, so a socket left by a copy that died is stale.
    ::unlink(address.sun_path);
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0)
        return false;
    // Only the user may connect: the socket is made without group or other access.
    const mode_t oldMask = ::umask(077);
    const bool bound =
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::umask(oldMask);
    if (!bound || ::listen(listenFd_, 4) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    auto* notifier = new QSocketNotifier(listenFd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::AcceptPeers);
    return true;
}

void SingleInstance::AcceptPeers() {
    for (;;) {
        const int peer = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0)
            return;
        auto* notifier = new QSocketNotifier(peer, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, peer, notifier] { ReadPeer(peer, notifier); });
    }
}

void SingleInstance::ReadPeer(int peer, QSocketNotifier* notifier) {
    char buffer[64];
    const ssize_t got = ::recv(peer, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // One message a connection: closing tells the later copy it was heard.
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(peer);
    if (got >= 8 && std::memcmp(buffer, kActivate, 8) == 0)
        Q_EMIT Activated();
}

bool SingleInstance::AskRunningCopy() const {
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address))
        return false;
    // The running copy listens right after taking the lock; give a copy that
    // is just starting a moment to get there.
    for (int attempt = 0; attempt < 30; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            const bool sent = ::send(fd, kActivate, sizeof kActivate - 1, MSG_NOSIGNAL) > 0;
            // Wait (a little) for the running copy to close its end.
            pollfd wait{fd, POLLIN, 0};
            ::poll(&wait, 1, 1000);
            ::close(fd);
            return sent;
        }
        ::close(fd);
        QThread::msleep(100);
    }
    return false;
}
