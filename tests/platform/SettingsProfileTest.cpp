#include "platform/qt/SettingsProfile.h"

#include <sys/stat.h>

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

// The profile file's inode: a write replaces the file, so a new inode.
ino_t ProfileInode(const SettingsProfile& profile) {
    struct stat st {};
    return ::stat(profile.FileName().c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(SettingsProfileTest, UnchangedValuesAreNotWrittenAgain) {
    QStandardPaths::setTestModeEnabled(true);
    SettingsProfile profile;
    profile.SetString("DVPath", "/home/ann/Dorvane");
    profile.SetInt("DVFirstUse", 0);
    const ino_t written = ProfileInode(profile);
    ASSERT_NE(written, 0u);
    profile.SetString("DVPath", "/home/ann/Dorvane");
    profile.SetInt("DVFirstUse", 0);
    EXPECT_EQ(ProfileInode(profile), written);

    profile.SetInt("DVFirstUse", 1);
    EXPECT_NE(ProfileInode(profile), written);
    profile.SetString("DVPath", "/home/ann/Other");
    SettingsProfile reread;
    EXPECT_EQ(reread.GetString("DVPath", ""), "/home/ann/Other");
    EXPECT_EQ(reread.GetInt("DVFirstUse", 0), 1);
}

} // namespace
