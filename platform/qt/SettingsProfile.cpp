#include "platform/qt/SettingsProfile.h"

#include <QByteArray>

namespace {
QString GroupKey(const std::string& key) {
    return QStringLiteral("Settings/") + QString::fromStdString(key);
}

// Whether `s` survives a trip through QString unchanged.
bool IsUtf8(const std::string& s) {
    return QString::fromStdString(s).toStdString() == s;
}
} // namespace

SettingsProfile::SettingsProfile()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ombrell"),
                QStringLiteral("Dorvane")) {}

std::string SettingsProfile::GetString(const std::string& key, const std::string& fallback) const {
    const QVariant v = settings_.value(GroupKey(key));
    if (!v.isValid())
        return fallback;
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray().toStdString();
    return v.toString().toStdString();
}

int SettingsProfile::GetInt(const std::string& key, int fallback) const {
    bool ok = false;
    const int v = settings_.value(GroupKey(key)).toInt(&ok);
    return ok ? v : fallback;
}

void SettingsProfile::SetString(const std::string& key, const std::string& value) {
    // Every start stores the same values again; each write syncs the file to
    // disk, so an unchanged value is not written.
    if (settings_.contains(GroupKey(key)) && GetString(key, {}) == value)
        return;
    // A program folder whose name is not UTF-8 is kept as bytes; QString
    // would replace the odd bytes and the folder would be lost.
    if (IsUtf8(value))
        settings_.setValue(GroupKey(key), QString::fromStdString(value));
    else
        settings_.setValue(GroupKey(key), QByteArray::fromStdString(value));
    settings_.sync(); // written now, not when the program ends normally
}

void SettingsProfile::SetInt(const std::string& key, int value) {
    if (GetInt(key, value == 0 ? 1 : 0) == value)
        return;
    settings_.setValue(GroupKey(key), value);
    settings_.sync();
}
