#include "ui/qt/TrayIcon.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/MenuIds.h"

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), menu_(new QMenu) {
    menu_->setObjectName(QStringLiteral("trayMenu"));
    QAction* exit = menu_->addAction(QStringLiteral("Exit"));
    exit->setData(static_cast<int>(IdExit));
    connect(exit, &QAction::triggered, this, &TrayIcon::ExitRequested);
}

TrayIcon::~TrayIcon() {
    Remove();
    delete menu_;
}

bool TrayIcon::Add() {
    if (added_)
        return true;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    icon_ = new QSystemTrayIcon(ProgramIcons::Icon(IconNames::App), this);
    icon_->setToolTip(toolTip_);
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger)
            Q_EMIT ToggleWindowRequested();
    });
    icon_->show();
    added_ = true;
    return true;
}

void TrayIcon::SetToolTip(const QString& text) {
    toolTip_ = text;
    if (icon_)
        icon_->setToolTip(text);
}

void TrayIcon::Remove() {
    if (!added_)
        return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
    added_ = false;
}
