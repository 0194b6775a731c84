#include "favorites/qt/OrganizeFavoritesDialog.h"

#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "favorites/OrganizeFavorites.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/FakeEditDialogs.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "tests/ui/ModalSteps.h"
#include "ui/MenuIds.h"
#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

template <typename T> T* Child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QStringList Listed(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A tree of `count` items and a submenu "Menu" holding one item "inner".
class OrganizeDialog : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};
    FakeEditDialogs dialogs;

    void Build(int count) {
        CFavoritesTree& tree = model.favorites;
        tree.ResetFavorites();
        for (int i = 0; i < count; ++i) {
            const std::string name = "item" + std::to_string(i);
            tree.InsertFavoritesEntry(
                CFavoritesEntry(std::make_unique<CButtonDef>(model, name, dir.Write(name, "x"), 1)),
                nullptr, -1);
        }
        std::unique_ptr<CFavoritesMenu> menu = tree.NewFavoritesMenu("Menu", tree.Root());
        CFavoritesMenu* raw = menu.get();
        tree.InsertFavoritesEntry(CFavoritesEntry(std::move(menu)), nullptr, -1);
        tree.InsertFavoritesEntry(CFavoritesEntry(std::make_unique<CButtonDef>(
                                      model, "inner", dir.Write("inner", "x"), 1)),
                                  raw, -1);
    }
};

TEST_F(OrganizeDialog, ButtonsFollowTheSelectionAndMovesRedrawTheList) {
    Build(2);
    COrganizeFavorites organize(model, dialogs);
    COrganizeFavoritesDlg dialog(organize, nullptr);
    auto* list = Child<QListWidget>(dialog, "favoritesList");
    const QString eight(8, QLatin1Char(' '));
    EXPECT_EQ(Listed(list),
              (QStringList{QStringLiteral("item0"), QStringLiteral("item1"),
                           QStringLiteral("Menu -->"), eight + QStringLiteral("inner")}));
    EXPECT_FALSE(list->accessibleName().isEmpty());
    // Right after opening only Cancel (and Help) can be used.
    for (const char* name : {"moveUpButton", "moveDownButton", "topButton", "bottomButton",
                             "shiftUpButton", "shiftDownButton", "addAboveButton", "addBelowButton",
                             "deleteButton", "renameButton", "propertiesButton", "saveButton"})
        EXPECT_FALSE(Child<QPushButton>(dialog, name)->isEnabled()) << name;
    EXPECT_TRUE(Child<QPushButton>(dialog, "cancelButton")->isEnabled());

    list->setCurrentRow(3); // "inner", alone in its submenu
    EXPECT_FALSE(Child<QPushButton>(dialog, "moveUpButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(dialog, "shiftUpButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(dialog, "deleteButton")->isEnabled());

    Child<QPushButton>(dialog, "shiftUpButton")->click();
    EXPECT_EQ(Listed(list), (QStringList{QStringLiteral("item0"), QStringLiteral("item1"),
                                         QStringLiteral("inner"), QStringLiteral("Menu -->")}));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(list->currentItem()->isSelected());
    EXPECT_TRUE(Child<QPushButton>(dialog, "saveButton")->isEnabled());

    Child<QPushButton>(dialog, "topButton")->click();
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("inner"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(Child<QPushButton>(dialog, "topButton")->isEnabled());
}

TEST_F(OrganizeDialog, TheFirstVisibleLineStaysAfterAChange) {
    Build(60);
    COrganizeFavorites organize(model, dialogs);
    COrganizeFavoritesDlg dialog(organize, nullptr);
    dialog.resize(400, 360);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "favoritesList");
    QScrollBar* bar = list->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 20);
    list->setCurrentRow(25);
    bar->setValue(20);
    Child<QPushButton>(dialog, "moveDownButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(list->currentRow(), 26);
    EXPECT_EQ(list->item(26)->text(), QStringLiteral("item25"));
    dialog.hide();
}

TEST_F(OrganizeDialog, AFileDroppedOnTheDialogBecomesAnItem) {
    Build(1);
    const std::string file = dir.Write("docs/report.txt", "x");
    COrganizeFavorites organize(model, dialogs);
    COrganizeFavoritesDlg dialog(organize, nullptr);
    auto* list = Child<QListWidget>(dialog, "favoritesList");
    list->setCurrentRow(1); // the submenu: the new item goes at its end

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &drop);

    EXPECT_EQ(list->item(list->count() - 1)->text(),
              QString(8, QLatin1Char(' ')) + QStringLiteral("report"));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(Child<QPushButton>(dialog, "saveButton")->isEnabled());
}

// The whole program: the menu bar's Favorites menu after the dialog closes.
class OrganizeFromTheWindow : public WindowFixture {
  protected:
    void SetUp() override {
        std::string favorites = "FAVORITES\r\n";
        for (const char* name : {"Alpha", "Beta"})
            favorites += "ITEM " + dir.Write(name, "x") + "\r\nNAME " + name + "\r\nend\r\n";
        favorites += "MENU Games\r\nITEM " + dir.Write("Chess", "x") +
                     "\r\nNAME Chess\r\nend\r\nEND_MENU\r\nEND_MENU\r\n";
        StartWindow("DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\n"
                    "BUTTONS\r\nCATEGORY Tools\r\n" +
                    favorites);
    }

    // The user's entries of the menu bar's Favorites menu, submenus with
    // their items in brackets.
    QStringList MenuBarFavorites() const {
        QMenu* favorites = frame->menuBar()->findChild<QMenu*>(QStringLiteral("Favorites"));
        EXPECT_NE(favorites, nullptr);
        QStringList shown;
        const QList<QAction*> actions = favorites->actions();
        for (qsizetype i = 3; i < actions.size(); ++i) {
            QString text = actions[i]->text();
            if (QMenu* sub = actions[i]->menu()) {
                QStringList inner;
                for (QAction* action : sub->actions())
                    inner << action->text();
                text = sub->title() + QStringLiteral(" [") + inner.join(QLatin1Char(',')) +
                       QLatin1Char(']');
            }
            shown << text;
        }
        return shown;
    }

    // Opens the dialog from the menu and runs `inside` on it.
    void Organize(const std::function<void(QWidget&)>& inside) {
        WithModalSteps({inside}, [this] { frame->RunCommand(IdOrganizeFavorites); });
    }
};

TEST_F(OrganizeFromTheWindow, SaveShowsTheNewOrderInTheMenuBar) {
    EXPECT_EQ(MenuBarFavorites(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"),
                                               QStringLiteral("Games [Chess]")}));
    bool modalWhileOpen = false;
    Organize([&](QWidget& dialog) {
        modalWhileOpen = model->modal;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Organize Favorites Menu"));
        Child<QListWidget>(dialog, "favoritesList")->setCurrentRow(1); // Beta
        Child<QPushButton>(dialog, "shiftDownButton")->click();        // into Games
        Child<QPushButton>(dialog, "saveButton")->click();
        Child<QPushButton>(dialog, "cancelButton")->click();
    });
    EXPECT_TRUE(modalWhileOpen);
    EXPECT_FALSE(model->modal);
    EXPECT_TRUE(tp.prompter.messages.empty()) << "saved: no question on closing";
    EXPECT_EQ(MenuBarFavorites(),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Games [Beta,Chess]")}));
    const std::string saved = dir.Read("Buttons.cfg");
    EXPECT_LT(saved.find("MENU Games"), saved.find("NAME Beta"));
}

TEST_F(OrganizeFromTheWindow, CancelAnsweredNoShowsTheMenuAsStored) {
    tp.prompter.answers = {MsgAnswer::No};
    Organize([&](QWidget& dialog) {
        auto* list = Child<QListWidget>(dialog, "favoritesList");
        list->setCurrentRow(0);
        Child<QPushButton>(dialog, "deleteButton")->click();
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("Beta"));
        QTest::keyClick(&dialog, Qt::Key_Escape); // the same as Cancel
    });
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Save Changes?");
    EXPECT_EQ(MenuBarFavorites(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"),
                                               QStringLiteral("Games [Chess]")}));
    EXPECT_NE(dir.Read("Buttons.cfg").find("NAME Alpha"), std::string::npos);

    // The restored items launch from the menu.
    QMenu* favorites = frame->menuBar()->findChild<QMenu*>(QStringLiteral("Favorites"));
    tp.shell.calls.clear();
    favorites->actions().at(3)->trigger();
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.File("Alpha"));
}

TEST_F(OrganizeFromTheWindow, TheMenuCommandsAreOfferedOnceFavoritesExist) {
    for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
        Q_EMIT menu->aboutToShow();
    QMenu* favorites = frame->menuBar()->findChild<QMenu*>(QStringLiteral("Favorites"));
    ASSERT_NE(favorites, nullptr);
    EXPECT_EQ(favorites->actions().at(0)->data().toInt(), IdOrganizeFavorites);
    EXPECT_TRUE(favorites->actions().at(0)->isEnabled());
}

} // namespace
