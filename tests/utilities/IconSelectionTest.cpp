#include "utilities/IconSelection.h"

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "undo/Undo.h"

namespace {

TEST(IconGrid, CellsShareTheLeftoverWidthAsSpacingAndMargin) {
    const struct {
        int width, k;
        IconCell expected;
    } cases[] = {
        {450, 0, {15, 15}}, // 7 columns, 40 pixels left over: spacing 15, no margin
        {450, 1, {70, 15}}, {450, 6, {345, 15}}, {450, 7, {15, 70}}, // the second row
        {500, 0, {16, 14}},                    // 8 columns, spacing 14, a margin of 2
        {500, 9, {70, 68}}, {60, 0, {10, 10}}, // too narrow for a column: one icon a row
        {60, 1, {10, 60}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IconGridCell(c.width, c.k), c.expected) << c.width << " " << c.k;
    EXPECT_EQ(ButtonListCell(200, 0), (IconCell{75, 10}));
    EXPECT_EQ(ButtonListCell(200, 3), (IconCell{75, 160}));
}

class SelectIcons : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    CSelectIcons icons{model};

    void SetUp() override {
        model.CreateCategory(0, "First");
        model.CreateCategory(1, "Second");
        model.CreateCategory(2, "Third");
        model.SetCurrentCategoryIndex(1);
        model.changes.recording = true;
        CButtonDef::CreateAt(model, 1, 3, "Notes", dir.Write("notes.txt", "n"), "", 0, 1);
    }
    std::string IconFile(const std::string& name, int count) {
        const std::string path = dir.Write(name, "icon");
        tp.icons.counts[path] = count;
        return path;
    }
};

TEST_F(SelectIcons, AFolderOfIconFilesAppliesItsSecondIconToAButton) {
    const std::string b = IconFile("set/b.ico", 1);
    IconFile("set/A.ico", 1);
    IconFile("set/c.png", 1);
    dir.Write("set/readme.txt", "not an icon");
    dir.Write("set/sub/d.ico", "in a sub-folder");
    tp.prompter.folders.push_back(dir.File("set"));

    ASSERT_TRUE(icons.ChooseFolder());
    EXPECT_EQ(icons.SourceMode(), CSelectIcons::Mode::Folder);
    EXPECT_EQ(icons.Caption(), " Icons in Folder " + dir.File("set"));
    ASSERT_EQ(icons.IconCount(), 3);
    EXPECT_EQ(icons.Icon(1).file, b);
    EXPECT_EQ(icons.Icon(1).index, 0);

    EXPECT_FALSE(icons.ApplyEnabled());
    icons.SelectIcon(1);
    EXPECT_FALSE(icons.ApplyEnabled());
    icons.SelectButton(4); // empty
    EXPECT_EQ(icons.SelectedSlot(), -1);
    icons.SelectButton(3);
    ASSERT_TRUE(icons.ApplyEnabled());

    const CButtonDef* before = model.GetButton(1, 3);
    EXPECT_EQ(icons.Apply(), 3);
    const CButtonDef* after = model.GetButton(1, 3);
    EXPECT_NE(after, before);
    EXPECT_EQ(after->IconFile(), b);
    EXPECT_EQ(after->Name(), "Notes");
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(icons.SelectedIcon(), -1);
    EXPECT_EQ(icons.SelectedSlot(), -1);
    ASSERT_NE(model.changes.Last(), nullptr);
    EXPECT_EQ(model.changes.Last()->description, "Set Button Icon");

    // Undo brings the button back with its own icon.
    UndoLastChange(model);
    EXPECT_TRUE(model.GetButton(1, 3)->IconFile().empty());
}

TEST_F(SelectIcons, AFileOfIconsIsNamedInTheCaptionAndAnEmptyOneRefused) {
    const std::string set = IconFile("Icons/Set.icl", 3);
    const std::string none = IconFile("Icons/plain.exe", 0);
    tp.prompter.files.push_back({{set}, 2, ""});
    ASSERT_TRUE(icons.ChooseFile());
    EXPECT_EQ(icons.Caption(), " Icons in \"Set.icl\"");
    EXPECT_EQ(icons.SourcePath(), set);
    ASSERT_EQ(icons.IconCount(), 3);
    EXPECT_EQ(icons.Icon(2).index, 2);
    EXPECT_EQ(model.DialogEntry(1).filter, 2);
    EXPECT_EQ(model.DialogEntry(1).folder, dir.File("Icons"));
    ASSERT_EQ(tp.prompter.fileRequests.size(), 1u);
    EXPECT_EQ(tp.prompter.fileRequests[0].caption, "Select a File Containing Icons");
    EXPECT_EQ(tp.prompter.fileRequests[0].filters.size(), 5u);

    tp.prompter.files.push_back({{none}, 2, ""});
    EXPECT_FALSE(icons.ChooseFile());
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "No Icons in File");
    EXPECT_EQ(tp.prompter.messages[0].text,
              "The selected file does not contain any icons\r\n\r\nFile:  " + none);
    EXPECT_EQ(icons.SourcePath(), set); // the previous source stays

    tp.prompter.folders.push_back(dir.File("Icons")); // holds no .ico
    EXPECT_FALSE(icons.ChooseFolder());
    EXPECT_EQ(tp.prompter.messages.back().caption, "No Icon Files in Folder");
    EXPECT_EQ(icons.IconCount(), 3);
    tp.prompter.folders.push_back(std::nullopt); // cancelled: no message
    EXPECT_FALSE(icons.ChooseFolder());
    EXPECT_EQ(tp.prompter.messages.size(), 2u);
}

TEST_F(SelectIcons, DropsOfIconFilesLoadThemAndOthersAreIgnored) {
    EXPECT_FALSE(icons.Drop(dir.Write("notes.txt", "t")));
    EXPECT_EQ(icons.SourceMode(), CSelectIcons::Mode::None);
    EXPECT_EQ(icons.Caption(), " Select Icons for Buttons");
    const std::string empty = IconFile("empty.DLL", 0);
    EXPECT_TRUE(icons.Drop(empty)); // loaded, though it holds nothing, without a message
    EXPECT_EQ(icons.SourceMode(), CSelectIcons::Mode::File);
    EXPECT_EQ(icons.IconCount(), 0);
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_TRUE(icons.Drop(IconFile("app.ico", 2)));
    EXPECT_EQ(icons.IconCount(), 2);
}

TEST_F(SelectIcons, CategoryArrowsStopAtTheEnds) {
    EXPECT_TRUE(icons.PreviousEnabled());
    EXPECT_TRUE(icons.NextEnabled());
    icons.SelectButton(3);
    icons.StepCategory(+1);
    EXPECT_EQ(model.CurrentCategoryIndex(), 2);
    EXPECT_EQ(icons.SelectedSlot(), -1);
    EXPECT_FALSE(icons.NextEnabled());
    icons.StepCategory(+1);
    EXPECT_EQ(model.CurrentCategoryIndex(), 2);
    icons.StepCategory(-1);
    icons.StepCategory(-1);
    EXPECT_EQ(model.CurrentCategoryIndex(), 0);
    EXPECT_FALSE(icons.PreviousEnabled());
}

} // namespace
