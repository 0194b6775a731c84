#include "platform/qt/SettingsProfile.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

TEST(SettingsProfileTest, ValuesSurviveANewProfileObjectAsBytes) {
    QStandardPaths::setTestModeEnabled(true); // never the user's real settings
    const std::string folder = "/home/ann/Dorvane caf\xe9";
    const std::string name = "Kn\xc3\xb6pfe";
    {
        SettingsProfile profile;
        profile.SetString("DVPath", folder);
        profile.SetString("DVLastConfig", name);
        profile.SetInt("DVFirstUse", 0);
        profile.SetString("DVEmpty", "");
    }
    SettingsProfile profile;
    EXPECT_EQ(profile.GetString("DVPath", "x"), folder);
    EXPECT_EQ(profile.GetString("DVLastConfig", "x"), name);
    EXPECT_EQ(profile.GetInt("DVFirstUse", 1), 0);
    EXPECT_EQ(profile.GetString("DVEmpty", "x"), "");
    EXPECT_EQ(profile.GetString("DVMissing", "fallback"), "fallback");
    EXPECT_EQ(profile.GetInt("DVLastConfig", 7), 7); // not a number
}

} // namespace
