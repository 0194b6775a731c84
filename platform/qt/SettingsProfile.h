#pragma once

#include "platform/Profile.h"

#include <QSettings>

// The per-user profile in QSettings: organisation "Ombrell", application
// "Dorvane", group "Settings".
class SettingsProfile : public Profile {
  public:
    SettingsProfile();
    std::string GetString(const std::string& key, const std::string& fallback) const override;
    int GetInt(const std::string& key, int fallback) const override;
    void SetString(const std::string& key, const std::string& value) override;
    void SetInt(const std::string& key, int value) override;
    // The file the values live in.
    std::string FileName() const { return settings_.fileName().toStdString(); }

  private:
    mutable QSettings settings_;
};
