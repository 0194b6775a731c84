#include "ui/CategoryOps.h"

#include "tests/ui/EditFixture.h"
#include "ui/OrganizeCategories.h"

namespace {

class CategoryOps : public EditTest {
  protected:
    void Names(std::initializer_list<const char*> names) {
        model.ClearCategories();
        for (const char* n : names)
            model.CreateCategory(-1, n);
    }
    std::string Table() const {
        std::string out;
        for (int i = 0; i < kMaxCategories; ++i)
            if (const CCategory* c = model.Category(i))
                out += (out.empty() ? "" : ",") + c->Name();
        return out;
    }
};

TEST_F(CategoryOps, CreateRefusesTakenNamesAndReopensEmpty) {
    dialogs.texts = {std::string("main"), std::string(" Tools ")};
    CreateNewCategory(model, dialogs);
    EXPECT_EQ(Table(), "Main,Tools");
    EXPECT_EQ(model.CurrentCategoryIndex(), 1); // the new category is shown
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "The specified category name -- \"main\" -- already exists -- choose another name");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Category Name Already Exists");
    ASSERT_EQ(dialogs.textRequests.size(), 2u);
    EXPECT_EQ(dialogs.textRequests[0].title, "Create a New Category");
    EXPECT_EQ(dialogs.textRequests[0].okText, "Create");
    EXPECT_EQ(dialogs.textRequests[1].initial, "");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"Add"});
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(CategoryOps, CreateInAFullTableOnlyTellsWhy) {
    for (int i = 1; i < kMaxCategories; ++i)
        model.CreateCategory(i, "");
    CreateNewCategory(model, dialogs);
    EXPECT_TRUE(dialogs.textRequests.empty());
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "There are already 30 categories, which is the maximum number allowed.");
    EXPECT_EQ(tp.prompter.messages[0].caption, "All Categories are Used");
}

TEST_F(CategoryOps, RenameRefusesACaseOnlyChangeAndCarriesTheStartUpName) {
    Names({"Games", "Work"});
    model.settings.CategoryOnEntry = "games";
    dialogs.texts = {std::string("GAMES"), std::string("work"), std::string("Play")};
    RenameCurrentCategory(model, dialogs);
    EXPECT_EQ(Table(), "Play,Work");
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Category Name Already Exists",
                                                    "Category Name Already Exists"}));
    EXPECT_EQ(model.settings.CategoryOnEntry, "Play");
    EXPECT_EQ(dialogs.textRequests[0].initial, "Games");
    EXPECT_TRUE(dialogs.textRequests[0].selectAll);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"Shift Left"});

    dialogs.texts = {std::string("Play")}; // the same name: nothing to do
    model.changes.Clear();
    RenameCurrentCategory(model, dialogs);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(CategoryOps, DeleteAsksWithTheButtonCount) {
    Names({"A", "B", "C", "D", "E"});
    Put(0, "x", 1);
    Fill({0, 1, 2}, 3);
    model.SetCurrentCategoryIndex(2);
    struct Row {
        int index;
        const char* tail;
    };
    for (const Row& row : {Row{0, ""}, Row{1, "\r\n\r\nIt contains 1 button!"},
                           Row{3, "\r\n\r\nIt contains 3 buttons!"}}) {
        tp.prompter.answers = {MsgAnswer::No};
        tp.prompter.messages.clear();
        EXPECT_FALSE(DeleteCategoryAt(model, row.index));
        const std::string name = model.Category(row.index)->Name();
        ASSERT_EQ(tp.prompter.messages.size(), 1u);
        EXPECT_EQ(tp.prompter.messages[0].text,
                  "Are you sure that you want to delete category \"" + name + "\" ?" + row.tail);
        EXPECT_EQ(tp.prompter.messages[0].caption, "Delete Category?");
    }
    // Deleting the shown third of five leaves four and shows the first.
    EXPECT_TRUE(DeleteCategoryAt(model, 2));
    EXPECT_EQ(Table(), "A,B,D,E");
    EXPECT_EQ(model.CurrentCategoryIndex(), 0);
    // A category after the shown one goes: the shown one stays shown.
    model.SetCurrentCategoryIndex(2);
    EXPECT_TRUE(DeleteCategoryAt(model, 1));
    EXPECT_EQ(model.CurrentCategory()->Name(), "D");
}

TEST_F(CategoryOps, TheLastCategoryCannotGo) {
    EXPECT_FALSE(DeleteCategoryAt(model, 0));
    EXPECT_EQ(Table(), "Main");
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Unable to delete the category \"Main\"\r\n\r\nIt is the only remaining category!");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Can't Delete Category");
}

TEST_F(CategoryOps, SortUsesTheGivenCollationAndKeepsTheShownCategory) {
    Names({"delta", "Alpha", "charlie", "Bravo"});
    model.SetCurrentCategoryIndex(2);
    EXPECT_FALSE(CategoriesInOrder(model, DefaultCollation));
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(SortCategories(model, DefaultCollation));
    EXPECT_EQ(Table(), "delta,Alpha,charlie,Bravo");

    EXPECT_TRUE(SortCategories(model, DefaultCollation));
    EXPECT_EQ(Table(), "Alpha,Bravo,charlie,delta");
    EXPECT_EQ(model.CurrentCategory()->Name(), "charlie");
    EXPECT_TRUE(CategoriesInOrder(model, DefaultCollation));

    const Collation reversed = [](const std::string& a, const std::string& b) {
        return DefaultCollation(b, a);
    };
    EXPECT_FALSE(CategoriesInOrder(model, reversed));
    SortCategories(model, reversed);
    EXPECT_EQ(Table(), "delta,charlie,Bravo,Alpha");
}

TEST_F(CategoryOps, KeysWrapAroundAndNeedTwoCategories) {
    EXPECT_FALSE(SwitchCategoryByKey(model, CategoryKey::Down));
    Names({"A", "B", "C"});
    struct Row {
        CategoryKey key;
        int from, to;
    };
    for (const Row& row : {Row{CategoryKey::Down, 2, 0}, Row{CategoryKey::PageDown, 0, 1},
                           Row{CategoryKey::Up, 0, 2}, Row{CategoryKey::PageUp, 1, 0}}) {
        model.SetCurrentCategoryIndex(row.from);
        EXPECT_TRUE(SwitchCategoryByKey(model, row.key));
        EXPECT_EQ(model.CurrentCategoryIndex(), row.to);
    }
    EXPECT_EQ(Sounds().back(), "Change Category");
}

TEST_F(CategoryOps, OrganizeMovesWithTheirSounds) {
    Names({"A", "B", "C"});
    COrganizeCategories organize(model, DefaultCollation);
    organize.Select(1);
    EXPECT_TRUE(organize.MoveUpEnabled());
    organize.MoveUp(); // reaches the top: selection cleared, two sounds
    EXPECT_EQ(Table(), "B,A,C");
    EXPECT_EQ(organize.Selection(), -1);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"Copy Icon (1st click)!", "Remove Gaps"}));
    EXPECT_FALSE(organize.MoveUpEnabled());
    EXPECT_FALSE(organize.DeleteEnabled());

    tp.sound.played.clear();
    organize.Select(0);
    organize.MoveDown();
    EXPECT_EQ(Table(), "A,B,C");
    EXPECT_EQ(organize.Selection(), 1);
    EXPECT_EQ(Sounds(), std::vector<std::string>{"Copy Icon (2nd click)"});
    EXPECT_FALSE(organize.SortEnabled());

    organize.Select(2);
    EXPECT_FALSE(organize.MoveDownEnabled());
    organize.Delete();
    EXPECT_EQ(Table(), "A,B");
    EXPECT_EQ(organize.Selection(), 1); // the new last one
    EXPECT_FALSE(organize.Done());
}

TEST_F(CategoryOps, StartUpCategoryIsSetAndTheChangeFlaggedEvenOnCancel) {
    Names({"A", "B"});
    SetStartupCategory(model, dialogs);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_EQ(dialogs.startupLists[0], (std::vector<std::string>{"A", "B"}));

    dialogs.startupChoices = {std::string("B")};
    SetStartupCategory(model, dialogs);
    EXPECT_EQ(model.settings.CategoryOnEntry, "B");
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "The category \"B\" will be displayed whenever Dorvane is started.");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Initial Category on Start-Up");
}

} // namespace
