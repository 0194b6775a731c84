#include "sounds/qt/DefaultSoundsDialog.h"

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/sounds/SoundsFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using DefaultSoundsDialog = SoundsFixture;

TEST_F(DefaultSoundsDialog, ListsEveryActionAndEditsTheSelectedRow) {
    CDefaultSoundsDlg dialog(model);
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("soundList"));
    auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("soundFile"));
    auto* remove = dialog.findChild<QPushButton*>(QStringLiteral("remove"));
    auto* useDefault = dialog.findChild<QPushButton*>(QStringLiteral("useDefault"));
    ASSERT_TRUE(list && file && remove && useDefault);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Default Sounds for Button Actions"));
    EXPECT_EQ(list->topLevelItemCount(), model.sounds.Count());
    EXPECT_FALSE(remove->isEnabled()); // nothing selected

    const int row = model.sounds.FindAction("Delete");
    list->topLevelItem(row)->setSelected(true);
    EXPECT_EQ(file->text().toStdString(), model.sounds.CurrentFile(row));
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_FALSE(useDefault->isEnabled());

    remove->click();
    EXPECT_TRUE(model.sounds.CurrentFile(row).empty());
    EXPECT_TRUE(list->topLevelItem(row)->text(1).isEmpty());
    EXPECT_TRUE(file->text().isEmpty());
    EXPECT_TRUE(useDefault->isEnabled());
    EXPECT_TRUE(model.settingsModified);

    useDefault->click();
    EXPECT_EQ(list->topLevelItem(row)->text(1).toStdString(), model.sounds.DefaultFile(row));
}

} // namespace

int main(int argc, char** argv) {
    // Also when CTest lists the tests, which it does without their environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
