#include "utilities/FileBackup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"

namespace {

namespace fs = std::filesystem;

TEST(BackupPaths, DestinationKeepsTheWholePathBelowTheRoot) {
    const struct {
        const char *root, *source, *expected;
    } cases[] = {
        {"/bk", "/a/b/f.dat", "/bk/a/b/f.dat"},
        {"/bk/", "/a", "/bk/a"},
        {"/", "/a/b", "/a/b"},
        {"/bk", "/", ""},
        {"/bk", "relative/f", ""},
        {"", "/a", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackupDestination(c.root, c.source), c.expected) << c.root << " " << c.source;
}

TEST(BackupPaths, WithinComparesWholeComponents) {
    EXPECT_TRUE(PathWithin("/data/bk", "/data/bk"));
    EXPECT_TRUE(PathWithin("/data/bk/", "/data/bk"));
    EXPECT_TRUE(PathWithin("/data/bk/x/y", "/data/bk/"));
    EXPECT_TRUE(PathWithin("/anything", "/"));
    EXPECT_FALSE(PathWithin("/data/bk2", "/data/bk"));
    EXPECT_FALSE(PathWithin("/data", "/data/bk"));
    EXPECT_FALSE(PathWithin("", "/data"));
}

class FileBackup : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    TempDir program;
    std::string root = dir.File("backup");

    void SetUp() override {
        model.programFolder = program.Path();
        ResetActionSounds(model.sounds, model.programFolder);
        program.Write("DV_Pop.wav", "RIFF");
        fs::create_directory(root);
        model.settings.FileBackupEnabled = true;
        model.settings.FileBackupRootDir = root;
    }
    // The Part's sample: a folder with two files and a sub-folder with one.
    std::string SampleFolder() {
        dir.Write("src/one.txt", "1");
        dir.Write("src/two.txt", "2");
        dir.Write("src/sub/three.txt", "3");
        return dir.File("src");
    }
    std::string Mirror(const std::string& source) const { return BackupDestination(root, source); }
    // Runs a whole backup; the count text at its end, or "refused".
    std::string Run(CFileBackup& backup, const std::string& path, bool copy = true,
                    bool subFolders = true) {
        if (!backup.Start(path, copy, subFolders))
            return "refused";
        while (backup.Step(3)) {
        }
        return backup.CountText();
    }
    std::string Run(const std::string& path, bool copy = true, bool subFolders = true) {
        CFileBackup backup(model);
        return Run(backup, path, copy, subFolders);
    }
    std::vector<std::string> LeftoverTemporaries() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.path().filename().native().rfind(".dorvane-backup-", 0) == 0)
                found.push_back(entry.path());
        return found;
    }
};

TEST_F(FileBackup, CountsAndCopiesWithAndWithoutSubFolders) {
    const std::string src = SampleFolder();
    EXPECT_EQ(Run(src, false), "5 Files");
    EXPECT_FALSE(fs::exists(Mirror(src)));

    EXPECT_EQ(Run(src, true, false), "3 Files Copied");
    EXPECT_TRUE(fs::is_regular_file(Mirror(src + "/one.txt")));
    EXPECT_FALSE(fs::exists(Mirror(src + "/sub")));

    CFileBackup backup(model);
    EXPECT_EQ(Run(backup, src), "5 Files Copied");
    EXPECT_EQ(backup.Total(), 5);
    EXPECT_EQ(backup.Position(), 5);
    EXPECT_EQ(dir.Read("backup" + src + "/sub/three.txt"), "3");
    // Copying starts with the "Pop" sound.
    ASSERT_FALSE(tp.sound.played.empty());
    EXPECT_NE(tp.sound.played.back().file.find("DV_Pop"), std::string::npos);
}

TEST_F(FileBackup, ASingleFileReplacesItsOldCopyAndKeepsItsTime) {
    const std::string file = dir.Write("docs/report.txt", "new text");
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(48));
    fs::create_directories(fs::path(Mirror(file)).parent_path());
    std::ofstream(Mirror(file)) << "old text that is longer";
    EXPECT_EQ(Run(file), "1 Files Copied");
    EXPECT_EQ(dir.Read("backup" + file), "new text");
    EXPECT_EQ(fs::last_write_time(Mirror(file)), fs::last_write_time(file));
    EXPECT_TRUE(LeftoverTemporaries().empty());
}

TEST_F(FileBackup, RefusalsAreReportedAndCopyNothing) {
    const std::string file = dir.Write("f.txt", "x");
    const struct {
        std::string rootSetting, path, text, caption;
    } cases[] = {
        {"", file, "The root folder has not been defined", "No root folder"},
        {root, root, "Can't copy files from the root folder", "Operation Not Allowed"},
        {root, root + "/", "Can't copy files from the root folder", "Operation Not Allowed"},
        {root, root + "/x/y", "Can't copy files from the root folder", "Operation Not Allowed"},
        {root, root + "/../backup/x", "Can't copy files from the root folder",
         "Operation Not Allowed"},
    };
    for (const auto& c : cases) {
        tp.prompter.messages.clear();
        model.settings.FileBackupRootDir = c.rootSetting;
        EXPECT_EQ(Run(c.path), "refused") << c.path;
        ASSERT_EQ(tp.prompter.messages.size(), 1u) << c.path;
        EXPECT_EQ(tp.prompter.messages[0].text, c.text);
        EXPECT_EQ(tp.prompter.messages[0].caption, c.caption);
        EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Stop);
    }
    model.settings.FileBackupRootDir = root;
    model.settings.FileBackupEnabled = false;
    tp.prompter.messages.clear();
    EXPECT_EQ(Run(file), "refused");
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(FileBackup, AVanishedRootIsReportedOnceThenForgotten) {
    const std::string file = dir.Write("f.txt", "x");
    model.settings.FileBackupRootDir = dir.File("gone");
    EXPECT_EQ(Run(file), "refused");
    EXPECT_EQ(Run(file), "refused");
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[0].text, "The root folder does not exist");
    EXPECT_EQ(tp.prompter.messages[1].text, "The root folder has not been defined");
    EXPECT_TRUE(model.settings.FileBackupRootDir.empty());
}

TEST_F(FileBackup, ADroppedParentOfTheRootNeverCopiesTheBackupIntoItself) {
    // The root lies inside the dropped folder, and a link leads to it as well.
    dir.Write("backup/old/copy.txt", "c");
    const std::string file = dir.Write("mine.txt", "m");
    fs::create_directory_symlink(root, dir.File("link-to-root"));
    EXPECT_EQ(Run(dir.Path()), "3 Files Copied"); // the folder, the file and the link
    EXPECT_TRUE(fs::is_regular_file(Mirror(file)));
    EXPECT_TRUE(fs::is_symlink(Mirror(dir.File("link-to-root"))));
    EXPECT_FALSE(fs::exists(Mirror(root)));
}

TEST_F(FileBackup, LinksAreCopiedAsLinksAndSpecialFilesSkipped) {
    const std::string src = dir.File("src");
    fs::create_directories(src);
    fs::create_directory_symlink(".", src + "/loop"); // followed, it would never end
    fs::create_symlink("/etc/hostname", src + "/outside");
    ASSERT_EQ(::mkfifo((src + "/pipe").c_str(), 0600), 0);
    const std::string odd = src + "/caf\xe9-\xff.txt"; // not UTF-8
    std::ofstream(odd) << "bytes";

    EXPECT_EQ(Run(src), "4 Files Copied, 1 skipped");
    EXPECT_EQ(fs::read_symlink(Mirror(src + "/loop")), ".");
    EXPECT_EQ(fs::read_symlink(Mirror(src + "/outside")), "/etc/hostname");
    EXPECT_FALSE(fs::exists(fs::symlink_status(Mirror(src + "/pipe"))));
    std::ifstream copied(Mirror(odd));
    std::string text;
    copied >> text;
    EXPECT_EQ(text, "bytes");
}

TEST_F(FileBackup, AFailedCopyIsReportedNotCountedAndLeavesNoTemporaryFile) {
    const std::string src = SampleFolder();
    // A folder where the copy of two.txt must go, and a link where a folder must go.
    fs::create_directories(Mirror(src + "/two.txt") + "/in-the-way");
    fs::create_directory_symlink(dir.Path(), Mirror(src + "/sub"));

    CFileBackup backup(model);
    EXPECT_EQ(Run(backup, src), "2 Files Copied, 3 failed");
    std::vector<std::string> failed;
    for (const BackupFailure& failure : backup.Failures())
        failed.push_back(failure.path);
    std::sort(failed.begin(), failed.end());
    EXPECT_EQ(failed,
              (std::vector<std::string>{src + "/sub", src + "/sub/three.txt", src + "/two.txt"}));
    EXPECT_NE(backup.FailureReport().find(src + "/two.txt"), std::string::npos);
    EXPECT_TRUE(LeftoverTemporaries().empty());
    // Nothing was written through the link to outside the root.
    EXPECT_FALSE(fs::exists(dir.File("three.txt")));
}

TEST_F(FileBackup, AnUnreadableFileIsReportedAsFailed) {
    std::string file = dir.Write("secret.txt", "s");
    if (::geteuid() == 0) {
        // Permission bits do not stop the superuser; this file refuses reads to all.
        file = "/proc/sys/vm/drop_caches";
        if (::access(file.c_str(), F_OK) != 0)
            GTEST_SKIP() << "no unreadable file available";
    } else {
        ::chmod(file.c_str(), 0);
    }
    CFileBackup backup(model);
    EXPECT_EQ(Run(backup, file), "0 Files Copied, 1 failed");
    EXPECT_FALSE(fs::exists(Mirror(file)));
    EXPECT_TRUE(LeftoverTemporaries().empty());
}

TEST_F(FileBackup, StopsWhenStoppedOrSwitchedOff) {
    const std::string src = SampleFolder();
    CFileBackup backup(model);
    ASSERT_TRUE(backup.Start(src, true, true));
    EXPECT_TRUE(backup.Step(1));
    EXPECT_FALSE(backup.Start(src, true, true)); // one run at a time
    backup.Stop();
    EXPECT_FALSE(backup.Running());
    EXPECT_FALSE(backup.Step(10));
    EXPECT_FALSE(fs::exists(Mirror(src)));

    ASSERT_TRUE(backup.Start(src, true, true));
    model.settings.FileBackupEnabled = false;
    EXPECT_FALSE(backup.Step(100));
    EXPECT_FALSE(fs::exists(Mirror(src)));
}

TEST_F(FileBackup, RootFolderCommands) {
    tp.prompter.folders.push_back(dir.Path() + "/");
    SetBackupRootFolder(model);
    EXPECT_EQ(model.settings.FileBackupRootDir, dir.Path());
    EXPECT_TRUE(model.settingsModified);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text, "The root folder is now:\r\n   " + dir.Path());
    EXPECT_EQ(tp.prompter.messages[0].caption, "Root Folder Has Been Defined");

    tp.prompter.folders.push_back(std::nullopt); // cancelled
    SetBackupRootFolder(model);
    EXPECT_EQ(model.settings.FileBackupRootDir, dir.Path());

    model.settings.FileBackupRootDir.clear();
    ShowBackupRootFolder(model);
    EXPECT_EQ(tp.prompter.messages.back().text,
              "The root folder for file backups has not been defined");
}

TEST_F(FileBackup, ButtonCommandsFollowTheBackupFlag) {
    const std::string file = dir.Write("work.doc", "w");
    model.CreateCategory(0, "Work");
    CButtonDef::CreateAt(model, 0, 4, "", file, "", 0, 1);
    model.editState.rightClickedSlot = 4;
    EXPECT_EQ(BackupCommandPath(model), file);
    ToggleAllowBackup(model);
    EXPECT_FALSE(model.GetButton(0, 4)->BackupEnabled());
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(BackupCommandPath(model), "");

    EXPECT_TRUE(DropGoesToBackup(model, true));
    EXPECT_FALSE(DropGoesToBackup(model, false));
    ToggleFileBackup(model);
    EXPECT_FALSE(DropGoesToBackup(model, true));
    EXPECT_EQ(BackupEnableText(model), "File Backup Disabled");
}

} // namespace
