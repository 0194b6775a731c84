#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "model/Category.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "ui/MenuIds.h"

namespace {

std::string Config(const std::string& category) {
    return "DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
           "AutoHide 0\r\nLockWindowPosition 0\r\nTextOnButtons 2\r\nLayoutRowType 2\r\n"
           "LayoutColType 2\r\nNRowsConstant 1\r\nNColsConstant 4\r\nBUTTONS\r\nCATEGORY " +
           category + "\r\n";
}

// The texts of the configuration entries of `menu`, a check mark shown as "*".
QStringList ListedEntries(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        const int id = action->data().toInt();
        if (id >= kFirstConfigurationId && id <= kLastConfigurationId)
            texts << action->text() + (action->isChecked() ? QStringLiteral("*") : QString());
    }
    return texts;
}

QAction* Entry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

class ConfigurationMenuTest : public WindowFixture {
  protected:
    void Start() {
        dir.Write("Work.cfg", Config("Office"));
        dir.Write("Buttons_Backup.cfg", Config("Old"));
        StartWindow(Config("Tools"));
    }

    // The Configurations popup of the menu bar, as it is about to open.
    QMenu* OpenedPopup() {
        for (QAction* action : frame->menuBar()->actions())
            if (action->menu() &&
                action->menu()->objectName() == QStringLiteral("Configurations")) {
                Q_EMIT action->menu()->aboutToShow();
                return action->menu();
            }
        return nullptr;
    }

    // The same list in the system menu's copy of the main menu.
    QMenu* SystemCopy() {
        for (QMenu* menu : frame->SystemMenu()->findChildren<QMenu*>())
            if (!ListedEntries(menu).isEmpty())
                return menu;
        return nullptr;
    }
};

} // namespace

TEST_F(ConfigurationMenuTest, ListFollowsTheFixedItemsWithTheCurrentOneChecked) {
    Start();
    QMenu* popup = OpenedPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(ListedEntries(popup), (QStringList{"&1 Buttons*", "&2 Work"}));
    // The submenu, "Save Current Configuration" and a separator come first.
    EXPECT_EQ(popup->actions().indexOf(Entry(popup, QStringLiteral("&1 Buttons"))), 3);
    ASSERT_NE(SystemCopy(), nullptr);
    EXPECT_EQ(ListedEntries(SystemCopy()), ListedEntries(popup));
}

TEST_F(ConfigurationMenuTest, ChoosingAnEntrySwitchesAndRebuildsTheList) {
    Start();
    QAction* work = Entry(OpenedPopup(), QStringLiteral("&2 Work"));
    ASSERT_NE(work, nullptr);
    work->trigger();
    QApplication::processEvents();
    EXPECT_EQ(model->configName, "Work");
    EXPECT_EQ(model->Category(0)->Name(), "Office");
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Work: Office")), -1);
    EXPECT_EQ(tp.profile.strings["DVLastConfig"], "Work");
    EXPECT_EQ(ListedEntries(OpenedPopup()), (QStringList{"&1 Buttons", "&2 Work*"}));
    EXPECT_EQ(ListedEntries(SystemCopy()), (QStringList{"&1 Buttons", "&2 Work*"}));
}

TEST_F(ConfigurationMenuTest, OpeningTheMenuShowsFilesAddedMeanwhileAndEnablesLoadAndDelete) {
    dir.Write("Buttons.cfg", Config("Tools"));
    model = std::make_unique<CModel>(tp.platform);
    model->programFolder = dir.Path();
    frame = std::make_unique<CMainFrame>(*model);
    frame->Start(StartupState{});
    const auto enabled = [this](int id) {
        return frame->MenuStates().State(id, frame->Facts()).enabled;
    };
    OpenedPopup();
    EXPECT_FALSE(enabled(IdConfigDelete));
    EXPECT_FALSE(enabled(IdConfigLoad));
    EXPECT_TRUE(enabled(IdConfigRename));

    dir.Write("Later.cfg", Config("Later"));
    EXPECT_EQ(ListedEntries(OpenedPopup()), (QStringList{"&1 Buttons*", "&2 Later"}));
    EXPECT_TRUE(enabled(IdConfigDelete));
    EXPECT_TRUE(enabled(IdConfigLoad));
}
