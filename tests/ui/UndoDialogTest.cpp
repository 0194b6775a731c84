#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/qt/UndoDialog.h"
#include "undo/Undo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class UndoDialog : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        model.CreateCategory(0, "Tools");
        model.CreateCategory(1, "Games");
        model.changes.recording = true;
    }

    void Put(int cat, int slot, const std::string& name) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        model.Category(cat)->SetSlot(slot, std::move(b));
    }

    // A button deletion recorded as the Delete command records it.
    void DeleteRecorded(int cat, int slot) {
        BeginChangeWithEntry(model, "Delete Button", "Delete Button", cat, slot, true);
        model.DeleteButtonAt(cat, slot);
    }

    template <typename T> T* Find(CUndoDlg& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
};

TEST_F(UndoDialog, ShowsTheLastChangeAndCountsDown) {
    Put(1, 4, "Chess");
    Put(0, 0, "Editor");
    DeleteRecorded(1, 4);
    DeleteRecorded(0, 0);

    CUndoDlg dialog(model, nullptr);
    EXPECT_FALSE(model.changes.recording);
    EXPECT_TRUE(model.modal);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Undo Changes (2 changes remain)"));
    EXPECT_EQ(Find<QLabel>(dialog, "lastChange")->text(), QStringLiteral("Delete Button"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "category")->text(), QStringLiteral("Tools"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "buttonNumber")->text(), QStringLiteral("1"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "button")->text(), QStringLiteral("Editor"));

    Find<QPushButton>(dialog, "undoButton")->click();
    ASSERT_NE(model.GetButton(0, 0), nullptr);
    EXPECT_EQ(model.GetButton(0, 0)->Name(), "Editor");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Undo Changes (1 change remains)"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "category")->text(), QStringLiteral("Games"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "buttonNumber")->text(), QStringLiteral("5"));
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(UndoDialog, LastUndoSaysSoAndCloses) {
    Put(0, 2, "Editor");
    DeleteRecorded(0, 2);
    {
        CUndoDlg dialog(model, nullptr);
        Find<QPushButton>(dialog, "undoButton")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(tp.prompter.messages.size(), 1u);
        EXPECT_EQ(tp.prompter.messages[0].caption, "No More Changes to Undo");
        EXPECT_EQ(tp.prompter.messages[0].text,
                  "All changes made during this session have been undone.");
        EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Information);
    }
    EXPECT_NE(model.GetButton(0, 2), nullptr);
    EXPECT_TRUE(model.settingsModified);
    // Closing switches recording on again and lowers the modal flag.
    EXPECT_TRUE(model.changes.recording);
    EXPECT_FALSE(model.modal);
}

TEST_F(UndoDialog, NothingIsRecordedWhileOpen) {
    CUndoDlg dialog(model, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Undo Changes (no changes remain)"));
    Put(0, 1, "Editor");
    DeleteRecorded(0, 1);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(UndoDialog, UndoAllAsksFirst) {
    Put(0, 0, "Editor");
    Put(0, 1, "Shell");
    DeleteRecorded(0, 0);
    DeleteRecorded(0, 1);

    tp.prompter.answers = {MsgAnswer::No, MsgAnswer::Yes};
    CUndoDlg dialog(model, nullptr);
    Find<QPushButton>(dialog, "undoAllButton")->click();
    EXPECT_EQ(model.changes.Count(), 2u);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Undo Changes (2 changes remain)"));

    Find<QPushButton>(dialog, "undoAllButton")->click();
    EXPECT_TRUE(model.changes.Empty());
    EXPECT_NE(model.GetButton(0, 0), nullptr);
    EXPECT_NE(model.GetButton(0, 1), nullptr);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[1].caption, "Undo All Changes?");
}

} // namespace
