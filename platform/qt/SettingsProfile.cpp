#include "platform/qt/SettingsProfile.h"

namespace {
QString GroupKey(const std::string& key) {
    return QStringLiteral("Settings/") + QString::fromStdString(key);
}
} // namespace

SettingsProfile::SettingsProfile()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ombrell"),
                QStringLiteral("Dorvane")) {}

std::string SettingsProfile::GetString(const std::string& key, const std::string& fallback) const {
    const QVariant v = settings_.value(GroupKey(key));
    return v.isValid() ? v.toString().toStdString() : fallback;
}

int SettingsProfile::GetInt(const std::string& key, int fallback) const {
    bool ok = false;
    const int v = settings_.value(GroupKey(key)).toInt(&ok);
    return ok ? v : fallback;
}

void SettingsProfile::SetString(const std::string& key, const std::string& value) {
    settings_.setValue(GroupKey(key), QString::fromStdString(value));
}

void SettingsProfile::SetInt(const std::string& key, int value) {
    settings_.setValue(GroupKey(key), value);
}
