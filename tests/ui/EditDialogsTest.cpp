#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/ButtonPropertiesEdit.h"
#include "ui/qt/ButtonPropsDialog.h"
#include "ui/qt/ButtonTextDialog.h"
#include "ui/qt/CategoryListDialog.h"
#include "ui/ButtonTextEdit.h"
#include "ui/CategoryOps.h"
#include "ui/OrganizeCategories.h"
#include "ui/qt/OrganizeCategoriesDialog.h"
#include "ui/qt/QtCollation.h"
#include "ui/qt/QtEditDialogs.h"
#include "ui/qt/TextInputDialog.h"
#include "tests/ui/ModalSteps.h"

#include <deque>
#include <functional>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Counts the slot redraws the core asks for.
class RedrawLog : public ViewHooks {
  public:
    std::vector<int> redrawn;
    void RedrawSlot(int slot) override { redrawn.push_back(slot); }
};

template <typename T> T* Child(QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Retype(QLineEdit* edit, const char* text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

class EditDialogs : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    RedrawLog view;
    CModel model{tp.platform, &view};

    void SetUp() override {
        model.CreateCategory(0, "Tools");
        model.changes.recording = true;
    }

    CButtonDef* Put(int slot, const std::string& name, const std::string& text) {
        const std::string target = dir.Write(name + ".txt", "x");
        CButtonDef* b = CButtonDef::CreateAt(model, 0, slot, name, target, "", 0, 1);
        b->SetText(text);
        return b;
    }
};

TEST_F(EditDialogs, PropertiesApplyReplacesTheButtonAndIsUndoable) {
    CButtonDef* original = Put(2, "Notes", "Notes");
    CButtonPropertiesEdit edit(model, *original);
    CButtonProps dialog(edit, nullptr);

    auto* apply = Child<QPushButton>(dialog, "applyButton");
    EXPECT_FALSE(apply->isEnabled()); // nothing edited yet
    EXPECT_EQ(Child<QLabel>(dialog, "targetLabel")->text(), QStringLiteral("Document:"));
    EXPECT_TRUE(Child<QLineEdit>(dialog, "target")->isReadOnly());

    Retype(Child<QLineEdit>(dialog, "name"), "Diary");
    Retype(Child<QLineEdit>(dialog, "line2"), "Book");
    Child<QRadioButton>(dialog, "modeMaximized")->click();
    EXPECT_TRUE(apply->isEnabled());
    EXPECT_EQ(original->Name(), "Notes"); // only the copy changes before Apply

    apply->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CButtonDef* now = model.GetButton(0, 2);
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->Name(), "Diary");
    EXPECT_EQ(now->Text(), "Notes\\nBook");
    EXPECT_EQ(now->OpenMode(), 2);
    EXPECT_TRUE(model.settingsModified);
    ASSERT_EQ(model.changes.Count(), 1u);
    EXPECT_EQ(model.changes.Last()->description, "Change Button Properties");
}

TEST_F(EditDialogs, PropertiesCancelKeepsTheButton) {
    CButtonDef* original = Put(0, "Notes", "Notes");
    {
        CButtonPropertiesEdit edit(model, *original);
        CButtonProps dialog(edit, nullptr);
        Retype(Child<QLineEdit>(dialog, "name"), "Other");
        Retype(Child<QLineEdit>(dialog, "parameters"), "-x");
        Child<QPushButton>(dialog, "cancelButton")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(model.GetButton(0, 0), original);
    EXPECT_EQ(original->Name(), "Notes");
    EXPECT_EQ(original->Parameters(), "");
    EXPECT_TRUE(model.changes.Empty());
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(EditDialogs, PropertiesClearButtonsFollowTheirFields) {
    CButtonDef* original = Put(0, "Notes", "Notes");
    original->SetDirectory(dir.Path());
    CButtonPropertiesEdit edit(model, *original);
    CButtonProps dialog(edit, nullptr);
    dialog.show();
    auto* clear = Child<QPushButton>(dialog, "directoryClear");
    EXPECT_TRUE(clear->isVisible());
    EXPECT_FALSE(Child<QPushButton>(dialog, "soundClear")->isVisible());
    EXPECT_FALSE(Child<QPushButton>(dialog, "playSound")->isEnabled());
    clear->click();
    EXPECT_TRUE(Child<QLineEdit>(dialog, "directory")->text().isEmpty());
    EXPECT_FALSE(clear->isVisible());
    EXPECT_TRUE(Child<QPushButton>(dialog, "applyButton")->isEnabled());
}

TEST_F(EditDialogs, ButtonTextPreviewsEveryKeystrokeAndCancelRestores) {
    model.settings.TextOnButtons = 2;
    CButtonDef* button = Put(3, "Notes", "Old\\nText");
    CButtonTextEdit edit(model, 0, 3);
    CButtonTextDlg dialog(edit, nullptr);
    auto* line1 = Child<QLineEdit>(dialog, "line1");
    auto* apply = Child<QPushButton>(dialog, "applyButton");
    EXPECT_EQ(line1->text(), QStringLiteral("Old"));
    EXPECT_EQ(line1->selectedText(), QStringLiteral("Old"));
    EXPECT_FALSE(apply->isEnabled());

    Retype(line1, "New");
    EXPECT_EQ(button->Text(), "New\\nText"); // on the button before any Apply
    EXPECT_FALSE(view.redrawn.empty());
    EXPECT_EQ(view.redrawn.back(), 3);
    EXPECT_TRUE(apply->isEnabled());

    Child<QPushButton>(dialog, "cancelButton")->click();
    EXPECT_EQ(button->Text(), "Old\\nText");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(EditDialogs, ButtonTextApplyKeepsTheText) {
    model.settings.TextOnButtons = 2;
    CButtonDef* button = Put(0, "Notes", "Old");
    CButtonTextEdit edit(model, 0, 0);
    CButtonTextDlg dialog(edit, nullptr);
    auto* line1 = Child<QLineEdit>(dialog, "line1");
    line1->clear();
    QTest::keyClicks(Child<QLineEdit>(dialog, "line2"), QStringLiteral("Two"));
    Child<QPushButton>(dialog, "applyButton")->click();
    EXPECT_EQ(button->Text(), "Two"); // line 2 alone carries no separator
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(EditDialogs, ButtonTextSecondLineOnlyWithTwoLineText) {
    model.settings.TextOnButtons = 1;
    Put(0, "Notes", "Old");
    CButtonTextEdit edit(model, 0, 0);
    CButtonTextDlg dialog(edit, nullptr);
    EXPECT_FALSE(Child<QLineEdit>(dialog, "line2")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(dialog, "line2Label")->isEnabled());
}

TEST_F(EditDialogs, TextInputShowsTheRequestAndPreviews) {
    std::vector<std::string> previews;
    TextInputRequest request;
    request.title = "Button to Internet Site";
    request.prompt = "Please enter the address.";
    request.label = "Address";
    request.initial = "http://a";
    request.selectAll = true;
    request.okText = "Create";
    request.preview = [&](const std::string& text) { previews.push_back(text); };
    CTextInputDlg dialog(request, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Button to Internet Site"));
    EXPECT_EQ(Child<QPushButton>(dialog, "okButton")->text(), QStringLiteral("Create"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
    auto* edit = Child<QLineEdit>(dialog, "value");
    EXPECT_EQ(edit->selectedText(), QStringLiteral("http://a"));
    QTest::keyClicks(edit, QStringLiteral("b"));
    EXPECT_EQ(dialog.Value(), "b");
    EXPECT_EQ(previews, std::vector<std::string>{"b"});
}

TEST_F(EditDialogs, CreateCategoryReopensAfterADuplicateName) {
    QtEditDialogs dialogs(model, nullptr);
    QStringList shownAtOpening;
    const auto answer = [&](const char* name) {
        return [&shownAtOpening, name](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create a New Category"));
            auto* edit = Child<QLineEdit>(dialog, "value");
            shownAtOpening << edit->text();
            QTest::keyClicks(edit, QString::fromUtf8(name));
            Child<QPushButton>(dialog, "okButton")->click();
        };
    };
    model.CreateCategory(1, "Games");
    WithModalSteps({answer("GAMES"), answer("Music")}, [&] { CreateNewCategory(model, dialogs); });

    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Category Name Already Exists");
    EXPECT_EQ(shownAtOpening, (QStringList{QString(), QString()}));
    EXPECT_EQ(model.FindCategoryByName("Music"), 2);
    EXPECT_EQ(model.CategoryCount(), 3);
    EXPECT_FALSE(model.modal);
}

class OrganizeDialog : public EditDialogs {
  protected:
    void SetUp() override {
        EditDialogs::SetUp();
        model.CreateCategory(1, "Games");
        model.CreateCategory(2, "Music");
    }
    QStringList Listed(QListWidget* list) const {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    QStringList Table() const {
        QStringList names;
        for (int i = 0; i < model.CategoryCount(); ++i)
            names << QString::fromStdString(model.Category(i)->Name());
        return names;
    }
};

TEST_F(OrganizeDialog, MovesFollowTheSelectionToTheTop) {
    COrganizeCategories organize(model, QtCollate);
    COrganizeCategoriesDlg dialog(organize, nullptr);
    auto* list = Child<QListWidget>(dialog, "categoryList");
    auto* up = Child<QPushButton>(dialog, "moveUpButton");
    auto* down = Child<QPushButton>(dialog, "moveDownButton");
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dialog, "deleteButton")->isEnabled());
    // A row made current by the focus alone is not selected.
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(down->isEnabled());

    list->setCurrentRow(2);
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    up->click();
    const QStringList once{QStringLiteral("Tools"), QStringLiteral("Music"),
                           QStringLiteral("Games")};
    EXPECT_EQ(Listed(list), once);
    EXPECT_EQ(Table(), once);
    EXPECT_EQ(list->currentRow(), 1);

    up->click(); // reaching the top clears the selection
    EXPECT_EQ(Table(), (QStringList{QStringLiteral("Music"), QStringLiteral("Tools"),
                                    QStringLiteral("Games")}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_EQ(model.changes.Count(), 2u);
    EXPECT_EQ(model.changes.Last()->description, "Move Category Up");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(OrganizeDialog, DeleteAndSort) {
    COrganizeCategories organize(model, QtCollate);
    COrganizeCategoriesDlg dialog(organize, nullptr);
    auto* list = Child<QListWidget>(dialog, "categoryList");
    auto* sort = Child<QPushButton>(dialog, "sortButton");
    EXPECT_TRUE(sort->isEnabled()); // Tools, Games, Music is not in order

    tp.prompter.answers = {MsgAnswer::Yes};
    sort->click();
    EXPECT_EQ(Listed(list), (QStringList{QStringLiteral("Games"), QStringLiteral("Music"),
                                         QStringLiteral("Tools")}));
    EXPECT_FALSE(sort->isEnabled());

    list->setCurrentRow(1);
    tp.prompter.answers = {MsgAnswer::Yes};
    Child<QPushButton>(dialog, "deleteButton")->click();
    EXPECT_EQ(Listed(list), (QStringList{QStringLiteral("Games"), QStringLiteral("Tools")}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(model.CategoryCount(), 2);
}

TEST(QtCollation, IgnoresLetterCase) {
    EXPECT_LT(QtCollate("apple", "Banana"), 0);
    EXPECT_GT(QtCollate("zeta", "Alpha"), 0);
    EXPECT_LT(QtCollate("Games", "music"), 0);
}

} // namespace

namespace {

TEST(CategoryListDialog, OnlyTheUsersSelectionNamesTheCategory) {
    CCategoryListDlg dialog({"Tools", "Games"}, nullptr);
    dialog.show();
    auto* list = Child<QListWidget>(dialog, "categoryList");
    // The focus makes a row current without selecting it; Enter then takes
    // the default OK with nothing chosen.
    list->setFocus();
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Chosen(), "");

    list->setCurrentRow(1);
    EXPECT_EQ(dialog.Chosen(), "Games");
    list->clearSelection();
    EXPECT_EQ(dialog.Chosen(), "");
}

} // namespace
