#include "ui/FindButton.h"

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

class FindButtonTest : public testing::Test {
  protected:
    FindButtonTest() {
        model.CreateCategory(0, "Work");
        model.CreateCategory(1, "Empty");
        model.CreateCategory(2, "Play");
    }
    CButtonDef& Add(int category, int slot, const std::string& name, const std::string& target) {
        return *CButtonDef::CreateAt(model, category, slot, name, target, "", 0, 1);
    }
    // Found buttons as "category:slot", best first.
    std::vector<std::string> Find(const std::string& query) {
        CButtonIndex index;
        index.Build(model);
        std::vector<std::string> out;
        for (const FoundButton& f : index.Find(query))
            out.push_back(std::to_string(f.category) + ":" + std::to_string(f.slot));
        return out;
    }

    TestPlatform tp;
    CModel model{tp.platform};
};

using Found = std::vector<std::string>;

TEST(FindButtonMatch, ClassesWordStartsAndInnerMatches) {
    struct Case {
        const char* field;
        const char* word;
        int cls;
    } cases[] = {
        {"text editor", "editor", 0},
        {"text editor", "edit", 1},
        {"texteditor", "editor", 2},
        {"/usr/bin/gimp", "gimp", 0},
        {"/usr/bin/gimp-2.10", "gimp", 0},
        {"https://example.org/", "exam", 1},
        {"https://example.org/", "xample", 2},
        {"abc", "abcd", -1},
        {"notes notes", "note", 1},
        {"x.y", ".", 0},
        {"café au lait", "café", 0},
        {"", "a", -1},
        // The best occurrence counts, not the first.
        {"reports report", "report", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchClass(c.field, c.word), c.cls) << c.field << " / " << c.word;
}

TEST(FindButtonMatch, QueryWordsAreSplitAtBlanksAndFolded) {
    EXPECT_EQ(FindWords("  Foo\tBAR  baz "), (std::vector<std::string>{"foo", "bar", "baz"}));
    EXPECT_TRUE(FindWords(" \t ").empty());
}

TEST_F(FindButtonTest, WordsInAnyOrderAndAnyCaseMustAllOccur) {
    Add(0, 0, "Text Editor", "/usr/bin/gedit");
    Add(0, 1, "Editor of Images", "/usr/bin/gimp");
    Add(2, 5, "Games", "/usr/games");
    EXPECT_EQ(Find("editor TEXT"), Found({"0:0"}));
    EXPECT_EQ(Find("EDITOR"), Found({"0:0", "0:1"}));
    EXPECT_EQ(Find("gimp images"), Found({"0:1"}));
    EXPECT_EQ(Find("editor games"), Found{});
    EXPECT_EQ(Find("   "), Found{});
}

TEST_F(FindButtonTest, WholeWordsAndPrefixesComeBeforeInnerMatches) {
    Add(0, 0, "Notepadqq", "/usr/bin/notepadqq"); // "pad" inner
    Add(0, 1, "Scratch Pad", "/usr/bin/scratch"); // whole word in the name
    Add(2, 0, "Padlock", "/usr/bin/padlock");     // prefix
    Add(2, 1, "Terminal", "/opt/pad/terminal");   // whole word, but in the target
    EXPECT_EQ(Find("pad"), Found({"0:1", "2:1", "2:0", "0:0"}));
}

TEST_F(FindButtonTest, TiesKeepCategoryAndSlotOrder) {
    Add(2, 1, "Mail", "/usr/bin/a");
    Add(0, 7, "Mail", "/usr/bin/b");
    Add(0, 3, "Mail", "/usr/bin/c");
    EXPECT_EQ(Find("mail"), Found({"0:3", "0:7", "2:1"}));
}

TEST_F(FindButtonTest, TextTargetsSpecialFoldersAndAddresses) {
    Add(0, 0, "Tool", "/usr/bin/tool").SetText("Weekly\r\nReports");
    Add(0, 1, "Control Panel", "");
    CButtonDef& web = Add(2, 0, "News", "");
    web.SetUrl("https://news.example.org/today");
    EXPECT_EQ(Find("reports"), Found({"0:0"}));
    EXPECT_EQ(Find("panel"), Found({"0:1"}));
    EXPECT_EQ(Find("example"), Found({"2:0"}));
    EXPECT_EQ(Find("news.example"), Found({"2:0"}));
}

TEST_F(FindButtonTest, EmptyAndMissingCategoriesAreSkippedAndLimitKeepsTheBest) {
    EXPECT_EQ(Find("a"), Found{});
    for (int s = 0; s < 5; ++s)
        Add(2, s, "Item " + std::to_string(s), "/usr/bin/x");
    Add(2, 9, "Tem", "/usr/bin/y");
    CButtonIndex index;
    index.Build(model);
    EXPECT_EQ(index.Size(), 6u);
    const std::vector<FoundButton> best = index.Find("tem", 1);
    ASSERT_EQ(best.size(), 1u);
    EXPECT_EQ(best[0].slot, 9);
}

} // namespace
