#include "platform/qt/QtShortcutDesktop.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include "platform/qt/GlobalShortcutPortal.h"
#include "platform/qt/GlobalShortcutX11.h"

namespace {

xcb_connection_t* XcbConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool QtShortcutDesktop::X11() const {
    return XcbConnection() != nullptr;
}

bool QtShortcutDesktop::WaylandSession() const {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland");
}

bool QtShortcutDesktop::PortalOffersShortcuts() {
    return GlobalShortcutPortal::Version(QDBusConnection::sessionBus()) >= 1;
}

std::unique_ptr<GlobalShortcut> QtShortcutDesktop::Create(ShortcutBackend backend,
                                                          std::function<void()> activated) {
    if (backend == ShortcutBackend::X11) {
        xcb_connection_t* connection = XcbConnection();
        if (connection == nullptr)
            return nullptr;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        return std::make_unique<GlobalShortcutX11>(connection, screen->root, std::move(activated));
    }
    if (backend == ShortcutBackend::Portal)
        return std::make_unique<GlobalShortcutPortal>(QDBusConnection::sessionBus(),
                                                      std::move(activated));
    return nullptr;
}
