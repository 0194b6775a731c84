#pragma once

#include <functional>

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "platform/GlobalShortcut.h"

class QDBusMessage;

// A global shortcut through the XDG desktop portal's GlobalShortcuts
// interface, for Wayland desktops: a session holds one shortcut whose
// preferred trigger is the combination; the desktop may ask the user and
// answers later. A new combination gets a new session.
class GlobalShortcutPortal : public QObject, public GlobalShortcut {
    Q_OBJECT
  public:
    GlobalShortcutPortal(QDBusConnection bus, std::function<void()> activated);
    ~GlobalShortcutPortal() override;

    void Bind(const KeyCombination& combination, std::function<void(ShortcutGrab)> done) override;
    void Unbind() override;

    // The interface's version on the session bus; 0 when no portal offers it.
    static unsigned Version(QDBusConnection bus);

  private Q_SLOTS:
    void OnSessionCreated(const QDBusMessage& response);
    void OnBound(const QDBusMessage& response);
    void OnActivated(const QDBusMessage& signal);

  private:
    // A fresh token and the path its request object will have.
    QString NewToken(QString* requestPath);
    bool Expect(const QString& requestPath, const char* slot);
    void Forget();
    void Finish(ShortcutGrab grab);

    QDBusConnection bus_;
    std::function<void()> activated_;
    std::function<void(ShortcutGrab)> done_;
    QString trigger_;
    QString session_;
    QString request_; // the request whose answer is awaited
    int tokens_ = 0;
};
