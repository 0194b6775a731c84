#include "platform/qt/GlobalShortcutPortal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QList>
#include <QVariantMap>

#include "platform/KeyCombination.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("find-button");
// The portal asks the user in some desktops, but the call itself answers at once.
constexpr int kCallTimeoutMs = 5000;

// One entry of the a(sa{sv}) list of BindShortcuts.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)
Q_DECLARE_METATYPE(PortalShortcuts)

namespace {

// Some values arrive still marshalled, depending on their type.
QVariantMap AsMap(const QVariant& value) {
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

QString AsPath(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

GlobalShortcutPortal::GlobalShortcutPortal(QDBusConnection bus, std::function<void()> activated)
    : bus_(std::move(bus)), activated_(std::move(activated)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcuts>();
    bus_.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                 SLOT(OnActivated(QDBusMessage)));
}

GlobalShortcutPortal::~GlobalShortcutPortal() {
    Unbind();
}

unsigned GlobalShortcutPortal::Version(QDBusConnection bus) {
    if (!bus.isConnected())
        return 0;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
}

QString GlobalShortcutPortal::NewToken(QString* requestPath) {
    const QString token =
        QStringLiteral("dorvane%1_%2").arg(QCoreApplication::applicationPid()).arg(++tokens_);
    // The portal names the request after the caller's unique name and the token.
    QString sender = bus_.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    *requestPath = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    return token;
}

bool GlobalShortcutPortal::Expect(const QString& requestPath, const char* slot) {
    request_ = requestPath;
    // Listening before the call, so that a quick answer is not missed.
    return bus_.connect(kService, requestPath, kRequest, QStringLiteral("Response"), this, slot);
}

void GlobalShortcutPortal::Forget() {
    if (request_.isEmpty())
        return;
    bus_.disconnect(kService, request_, kRequest, QStringLiteral("Response"), this,
                    SLOT(OnSessionCreated(QDBusMessage)));
    bus_.disconnect(kService, request_, kRequest, QStringLiteral("Response"), this,
                    SLOT(OnBound(QDBusMessage)));
    request_.clear();
}

void GlobalShortcutPortal::Finish(ShortcutGrab grab) {
    Forget();
    if (done_)
        done_(grab);
}

void GlobalShortcutPortal::Bind(const KeyCombination& combination,
                                std::function<void(ShortcutGrab)> done) {
    Unbind();
    done_ = std::move(done);
    trigger_ = QString::fromStdString(KeyPortalTrigger(combination));
    QString requestPath;
    const QString token = NewToken(&requestPath);
    if (!Expect(requestPath, SLOT(OnSessionCreated(QDBusMessage))))
        return Finish(ShortcutGrab::Unsupported);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CreateSession"));
    call << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("session_handle_token"), token}};
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        Finish(ShortcutGrab::Unsupported);
}

void GlobalShortcutPortal::OnSessionCreated(const QDBusMessage& response) {
    Forget();
    const QList<QVariant> args = response.arguments();
    if (args.size() < 2 || args.at(0).toUInt() != 0)
        return Finish(ShortcutGrab::Refused);
    session_ = AsPath(AsMap(args.at(1)).value(QStringLiteral("session_handle")));
    if (session_.isEmpty())
        return Finish(ShortcutGrab::Refused);

    QString requestPath;
    const QString token = NewToken(&requestPath);
    if (!Expect(requestPath, SLOT(OnBound(QDBusMessage))))
        return Finish(ShortcutGrab::Refused);
    const PortalShortcuts shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), QStringLiteral("Bring up Dorvane and find a button")},
          {QStringLiteral("preferred_trigger"), trigger_}}}};
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(shortcuts)
         << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        Finish(ShortcutGrab::Refused);
}

void GlobalShortcutPortal::OnBound(const QDBusMessage& response) {
    const QList<QVariant> args = response.arguments();
    if (args.size() < 2 || args.at(0).toUInt() != 0)
        return Finish(ShortcutGrab::Refused);
    const QVariant listed = AsMap(args.at(1)).value(QStringLiteral("shortcuts"));
    PortalShortcuts bound;
    if (listed.canConvert<QDBusArgument>())
        bound = qdbus_cast<PortalShortcuts>(listed.value<QDBusArgument>());
    for (const PortalShortcut& shortcut : bound)
        if (shortcut.id == kShortcutId)
            return Finish(ShortcutGrab::Active);
    Finish(ShortcutGrab::Refused);
}

void GlobalShortcutPortal::OnActivated(const QDBusMessage& signal) {
    const QList<QVariant> args = signal.arguments();
    if (args.size() >= 2 && !session_.isEmpty() && AsPath(args.at(0)) == session_ &&
        args.at(1).toString() == kShortcutId && activated_)
        activated_();
}

void GlobalShortcutPortal::Unbind() {
    Forget();
    done_ = nullptr;
    if (session_.isEmpty())
        return;
    bus_.asyncCall(QDBusMessage::createMethodCall(kService, session_,
                                                  QStringLiteral("org.freedesktop.portal.Session"),
                                                  QStringLiteral("Close")));
    session_.clear();
}
