#include "tests/config/ConfigFixture.h"

#include "config/ConfigWriter.h"
#include "model/ButtonDef.h"
#include "tests/support/FailingFileSystem.h"

#include <filesystem>

namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_F(ConfigTest, DefaultConfigurationIsWrittenExactly) {
    tp.clock.now = {2024, 3, 7, 9, 5, 3, 4};
    model.CreateCategory(0, "Untitled");
    ASSERT_TRUE(WriteConfiguration(model));

    const std::string text = dir.Read("Buttons.cfg");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    const std::vector<std::string> lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 53u);
    EXPECT_EQ(lines[0], "DORVANE CONFIGURATION FILE v10.0");
    EXPECT_EQ(lines[1], "03/07/2024  09:05:03");
    EXPECT_EQ(lines[2], "SETTINGS");
    EXPECT_EQ(lines[3], "ActiveOptionsPropPage 0");
    EXPECT_EQ(lines[4], "CatNameFormat 4");
    EXPECT_EQ(lines[9], "ButtonHeight 64");
    EXPECT_EQ(lines[45], "FileBackupEnabled 0");
    const std::vector<std::string> tail(lines.begin() + 46, lines.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"BUTTONS", "CATEGORY Untitled", "FILE_DIALOG_PARAMETERS",
                                        "ButtonApp 0 default", "Icons 0 default",
                                        "PropsSound 0 default", "Sounds 0 default"}));
}

TEST_F(ConfigTest, WriterWritesTheTableUpToItsFirstGapAndButtonsBySlotNumber) {
    const std::string doc = dir.Write("doc.txt", "x");
    model.CreateCategory(0, "A");
    model.CreateCategory(2, "B");
    CButtonDef::CreateAt(model, 0, 56, "", doc, "", 0, 1);
    CButtonDef::CreateAt(model, 2, 0, "", doc, "", 0, 1);
    model.settings.CategoryOnEntry = "A";
    model.DialogEntry(1) = {3, "/usr/share/icons"};
    const std::string odd("/a\0b", 4); // file names are bytes
    model.DialogEntry(2) = {0, odd};

    const std::vector<std::string> lines = SplitCrLf(ConfigurationText(model));
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("CategoryOnEntry A"));
    EXPECT_TRUE(has("CATEGORY A"));
    EXPECT_FALSE(has("CATEGORY B"));
    EXPECT_TRUE(has("BUTTON 57 " + doc));
    EXPECT_FALSE(has("BUTTON 1 " + doc));
    EXPECT_TRUE(has("Icons 3 /usr/share/icons"));
    EXPECT_TRUE(has("PropsSound 0 " + odd));
}

TEST_F(ConfigTest, SuccessfulSaveClearsModifiedAndRemembersWindowLocks) {
    model.CreateCategory(0, "A");
    model.settingsModified = true;
    model.settings.AutoHide = false;
    model.settings.LockWindowPosition = false;
    ASSERT_TRUE(WriteConfiguration(model, "Other"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("Other.cfg")));
    EXPECT_FALSE(std::filesystem::exists(ConfigPath()));
    EXPECT_FALSE(model.settingsModified);
    EXPECT_FALSE(model.savedAutoHide);
    EXPECT_FALSE(model.savedLockWindowPosition);
}

TEST_F(ConfigTest, SaveDuringLoadWriteOrCloseDoesNothing) {
    model.CreateCategory(0, "A");
    for (bool CModel::*flag : {&CModel::loading, &CModel::writing, &CModel::closing}) {
        model.*flag = true;
        model.settingsModified = true;
        EXPECT_TRUE(WriteConfiguration(model));
        EXPECT_TRUE(model.settingsModified);
        EXPECT_FALSE(std::filesystem::exists(ConfigPath()));
        model.*flag = false;
    }
}

TEST_F(ConfigTest, FailedSaveLeavesThePreviousFileIntact) {
    FailingFileSystem fs;
    Platform platform{fs,       tp.profile,   tp.clock, tp.prompter,
                      tp.icons, tp.shortcuts, tp.sound, tp.shell};
    CModel saving(platform);
    saving.programFolder = dir.Path();
    saving.CreateCategory(0, "Old");
    ASSERT_TRUE(WriteConfiguration(saving));
    const std::string previous = dir.Read("Buttons.cfg");

    saving.CreateCategory(1, "New");
    const long long size = static_cast<long long>(ConfigurationText(saving).size());
    for (long long limit : {0LL, 1LL, 100LL, size / 2, size - 1}) {
        SCOPED_TRACE(limit);
        fs.writeLimit = limit;
        saving.settingsModified = true;
        EXPECT_FALSE(WriteConfiguration(saving));
        EXPECT_TRUE(saving.settingsModified);
        EXPECT_FALSE(saving.writing);
        EXPECT_EQ(dir.Read("Buttons.cfg"), previous);
        EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"Buttons.cfg"});
    }

    // The file still loads as before.
    TestPlatform other;
    CModel reader(other.platform);
    reader.programFolder = dir.Path();
    LoadConfiguration(reader, true);
    EXPECT_TRUE(other.prompter.messages.empty());
    EXPECT_EQ(reader.CategoryCount(), 1);

    fs.writeLimit = -1;
    EXPECT_TRUE(WriteConfiguration(saving));
    EXPECT_NE(dir.Read("Buttons.cfg"), previous);
}

TEST_F(ConfigTest, SaveIntoAMissingFolderFails) {
    model.programFolder = dir.File("gone");
    model.CreateCategory(0, "A");
    model.settingsModified = true;
    EXPECT_FALSE(WriteConfiguration(model));
    EXPECT_TRUE(model.settingsModified);
}
