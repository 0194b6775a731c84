#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;

// The icon in the desktop's notification area: a left click shows or hides
// the window, a right click opens a menu whose only entry is "Exit".
class TrayIcon : public QObject {
    Q_OBJECT
  public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon when the desktop has a notification area. False when it
    // has none: the window then keeps its taskbar entry.
    bool Add();
    void SetToolTip(const QString& text);
    void Remove();
    bool IsAdded() const { return added_; }
    QMenu* Menu() const { return menu_; }

  Q_SIGNALS:
    void ToggleWindowRequested();
    void ExitRequested();

  private:
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    bool added_ = false;
    QString toolTip_ = QStringLiteral("Dorvane");
};
