// The installed applications list as a keyboard and screen-reader user meets it.
#include "ui/qt/InstalledAppsDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<InstalledApplication> Apps() {
    return {{"/apps/calc.desktop", "Rechner", "accessories-calculator", ""},
            {"/apps/edit.desktop", "Text Editor", "", "/no/such/icon.png"},
            {"/apps/term.desktop", "Terminal", "utilities-terminal", ""}};
}

template <typename T> T* Child(QWidget& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

TEST(InstalledAppsDialog, SearchNarrowsTheListAndEnterPicksTheMatch) {
    CInstalledAppsDlg dialog(Apps(), nullptr);
    auto* search = Child<QLineEdit>(dialog, "search");
    auto* list = Child<QListView>(dialog, "applications");
    auto* add = Child<QPushButton>(dialog, "addButton");
    ASSERT_NE(search, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->accessibleName(), QStringLiteral("Installed applications"));
    // The field is named by its label for screen readers.
    bool labelled = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labelled = labelled || label->buddy() == search;
    EXPECT_TRUE(labelled);

    QTest::keyClicks(search, QStringLiteral("TE"));
    EXPECT_EQ(list->model()->rowCount(), 2); // Text Editor, Terminal
    QTest::keyClicks(search, QStringLiteral("rm"));
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_TRUE(add->isEnabled());
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), std::vector<std::string>{"/apps/term.desktop"});
}

TEST(InstalledAppsDialog, NoMatchLeavesNothingToAddAndSeveralPicksKeepListOrder) {
    CInstalledAppsDlg dialog(Apps(), nullptr);
    auto* search = Child<QLineEdit>(dialog, "search");
    auto* list = Child<QListView>(dialog, "applications");
    auto* add = Child<QPushButton>(dialog, "addButton");
    QTest::keyClicks(search, QStringLiteral("browser"));
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(dialog.Chosen().empty());

    search->clear();
    list->selectionModel()->clearSelection();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    EXPECT_EQ(dialog.Chosen(),
              (std::vector<std::string>{"/apps/calc.desktop", "/apps/term.desktop"}));
}

} // namespace
