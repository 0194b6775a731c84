#include "utilities/qt/FileBackupDialog.h"

#include <filesystem>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

namespace fs = std::filesystem;

class FileBackupDialog : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    std::string root = dir.File("backup");

    void SetUp() override {
        fs::create_directory(root);
        model.settings.FileBackupEnabled = true;
        model.settings.FileBackupRootDir = root;
    }
    template <typename T> T* Find(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget;
    }
    static void WaitWhileRunning(const CFileBackupDlg& dialog) {
        while (dialog.Backup().Running())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};

TEST_F(FileBackupDialog, ADroppedFolderIsCopiedWithProgressAndCount) {
    dir.Write("src/one.txt", "1");
    dir.Write("src/two.txt", "2");
    dir.Write("src/sub/three.txt", "3");
    const std::string src = dir.File("src");

    CFileBackupDlg dialog(model);
    dialog.show();
    auto* copyFiles = Find<QCheckBox>(dialog, "copyFiles");
    auto* subFolders = Find<QCheckBox>(dialog, "subFolders");
    auto* progress = Find<QProgressBar>(dialog, "progress");
    auto* count = Find<QLabel>(dialog, "count");
    auto* destination = Find<QLineEdit>(dialog, "destination");
    ASSERT_TRUE(copyFiles && subFolders && progress && count && destination);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" File Backup"));
    EXPECT_TRUE(copyFiles->isChecked() && subFolders->isChecked());
    EXPECT_TRUE(count->text().isEmpty());
    EXPECT_FALSE(progress->isVisible());

    dialog.DropPath(src);
    EXPECT_TRUE(dialog.Backup().Running());
    WaitWhileRunning(dialog);
    EXPECT_EQ(count->text(), QStringLiteral("5 Files Copied"));
    EXPECT_TRUE(fs::is_regular_file(root + src + "/sub/three.txt"));
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(copyFiles->isVisible());
    EXPECT_FALSE(destination->text().isEmpty());
    EXPECT_FALSE(Find<QPushButton>(dialog, "failures")->isVisible());

    // Counting only: the switch is read at each drop.
    copyFiles->setChecked(false);
    subFolders->setChecked(false);
    fs::remove_all(root + src);
    dialog.DropPath(src);
    WaitWhileRunning(dialog);
    EXPECT_EQ(count->text(), QStringLiteral("3 Files"));
    EXPECT_FALSE(fs::exists(root + src));
}

TEST_F(FileBackupDialog, TheEnableButtonSwitchesTheUtilityAndItsDrops) {
    const std::string file = dir.Write("f.txt", "x");
    CFileBackupDlg dialog(model);
    auto* enable = Find<QPushButton>(dialog, "enable");
    ASSERT_TRUE(enable);
    EXPECT_EQ(enable->text(), QStringLiteral("File Backup Enabled"));
    enable->click();
    EXPECT_EQ(enable->text(), QStringLiteral("File Backup Disabled"));
    EXPECT_FALSE(model.settings.FileBackupEnabled);
    EXPECT_TRUE(model.settingsModified);
    dialog.DropPath(file);
    EXPECT_FALSE(dialog.Backup().Running());
    EXPECT_FALSE(fs::exists(root + file));
}

TEST_F(FileBackupDialog, CloseStopsARunningBackup) {
    for (int i = 0; i < 50; ++i)
        dir.Write("many/f" + std::to_string(i), "x");
    CFileBackupDlg dialog(model);
    dialog.show();
    dialog.DropPath(dir.File("many"));
    ASSERT_TRUE(dialog.Backup().Running());
    Find<QPushButton>(dialog, "close")->click();
    EXPECT_FALSE(dialog.Backup().Running());
    EXPECT_FALSE(dialog.isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(fs::exists(root + dir.File("many")));
}

TEST_F(FileBackupDialog, ABackupGivenAtOpeningRunsThenClosesTheDialog) {
    const std::string file = dir.Write("docs/report.txt", "r");
    // Should the dialog stay open, the test ends it rather than hang.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(10000);
    CFileBackupDlg::Open(model, nullptr, file, true);
    EXPECT_TRUE(guard.isActive()) << "the dialog did not close itself";
    EXPECT_TRUE(fs::is_regular_file(root + file));
    EXPECT_FALSE(model.modal);
}

} // namespace
