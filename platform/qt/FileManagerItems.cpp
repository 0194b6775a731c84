#include "platform/qt/FileManagerItems.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QStringList>
#include <QUrl>

namespace {

// A file manager that has to be started first may take a moment to answer.
constexpr int kReplyTimeoutMs = 3000;

} // namespace

bool ShowItemsInFileManager(const std::string& path) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    // Names are bytes; decodeName keeps names that are not UTF-8 intact.
    const QUrl url = QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
    call << QStringList{QString::fromLatin1(url.toEncoded())} << QString();
    const QDBusMessage reply = bus.call(call, QDBus::Block, kReplyTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
