#include "ui/OptionsPages.h"

#include <optional>

#include "tests/ui/OptionsFixture.h"
#include "ui/CustomizeLayout.h"

namespace {

using OptionsPagesTest = OptionsFixture;

TEST_F(OptionsPagesTest, SheetOpensOnTheLastPageOrTheFirstWhenOutOfRange) {
    const struct {
        int stored;
        int opened;
    } cases[] = {{0, 0}, {5, 5}, {7, 7}, {8, 0}, {9, 0}, {-1, 0}};
    for (const auto& c : cases) {
        s.ActiveOptionsPropPage = c.stored;
        EXPECT_EQ(OpeningOptionsPage(s), c.opened) << c.stored;
    }
    RememberOptionsPage(s, 5);
    EXPECT_EQ(s.ActiveOptionsPropPage, 5);
    EXPECT_FALSE(model.settingsModified) << "the page alone is no change to save";
}

TEST_F(OptionsPagesTest, CentringAndScreenButtonsFollowTheDocking) {
    const struct {
        int code;
        PlacementButtonStates enabled;
    } cases[] = {
        {0, {true, true, false, false}}, {1, {true, false, true, false}},
        {2, {false, true, false, true}}, {3, {true, false, true, false}},
        {4, {false, true, false, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacementButtonsEnabled(c.code), c.enabled) << c.code;
}

TEST_F(OptionsPagesTest, DockingButtonsDockAndSetTheMenuBarPagesHideBox) {
    s.SpecialWindowLayout = 0;
    EXPECT_EQ(PressPlacementButton(model, window, PlacementButton::Top), std::optional(false));
    EXPECT_EQ(s.SpecialWindowLayout, 1);
    EXPECT_TRUE(s.WindowWidthToScreen);
    EXPECT_FALSE(s.WindowHeightToScreen);
    EXPECT_EQ(window.geometry.Geometry().y, 0);
    EXPECT_TRUE(PlacementButtonsEnabled(s.SpecialWindowLayout).widthToScreen);
    EXPECT_FALSE(PlacementButtonsEnabled(s.SpecialWindowLayout).heightToScreen);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_GE(window.shows, 1) << "the category is shown again";

    s.CenterWindowHorizontally = true;
    EXPECT_EQ(PressPlacementButton(model, window, PlacementButton::Left), std::optional(true));
    EXPECT_EQ(s.SpecialWindowLayout, 2);
    EXPECT_FALSE(s.MenuVisible) << "a side strip has no menu bar";
    EXPECT_FALSE(s.CenterWindowHorizontally);
    EXPECT_TRUE(s.WindowHeightToScreen);
    EXPECT_FALSE(PlacementButtonsEnabled(s.SpecialWindowLayout).widthToScreen);
    EXPECT_TRUE(PlacementButtonsEnabled(s.SpecialWindowLayout).heightToScreen);

    EXPECT_EQ(PressPlacementButton(model, window, PlacementButton::Bottom), std::optional(false));
    EXPECT_EQ(s.SpecialWindowLayout, 3);
    EXPECT_TRUE(s.MenuVisible);
    EXPECT_EQ(PressPlacementButton(model, window, PlacementButton::CenterHorizontally),
              std::nullopt);
    EXPECT_TRUE(s.CenterWindowHorizontally);
    EXPECT_EQ(s.SpecialWindowLayout, 3) << "centring keeps the docking";
}

TEST_F(OptionsPagesTest, PlacementApplyTogglesTheLockOnlyWhenItDiffers) {
    s.LockWindowPosition = true;
    ApplyWindowPlacement(model, window, true);
    EXPECT_EQ(window.menuRebuilds, 0);
    ApplyWindowPlacement(model, window, false);
    EXPECT_FALSE(s.LockWindowPosition);
    EXPECT_EQ(window.menuRebuilds, 1) << "the lock picture follows";
    EXPECT_FALSE(model.settingsModified) << "the lock counts against its saved value";
}

TEST_F(OptionsPagesTest, UpDownRefusesAStepOutOfRangeWithItsOwnSound) {
    const struct {
        int value;
        int delta;
        UpDownRange range;
        std::optional<int> result;
        const char* sound;
    } cases[] = {
        {100, 1, kButtonSizeRange, std::nullopt, "DV_Move_2.wav"},
        {99, 1, kButtonSizeRange, 100, "DV_Beep_High.wav"},
        {32, -1, kButtonSizeRange, std::nullopt, "DV_Move_2.wav"},
        {33, -1, kButtonSizeRange, 32, "DV_Beep_Low.wav"},
        {20, 1, kButtonSpacingRange, std::nullopt, "DV_Move_2.wav"},
        {1, 1, kLayoutCountRange, 2, "DV_Beep_High.wav"},
        {30, 1, kLayoutCountRange, std::nullopt, "DV_Move_2.wav"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepUpDown(model, c.value, c.delta, c.range), c.result) << c.value;
        EXPECT_EQ(Played(), std::vector<std::string>{c.sound}) << c.value;
    }
}

TEST_F(OptionsPagesTest, UseDefaultsSizesTheButtonsByTextMode) {
    const struct {
        int mode;
        int width;
        int height;
    } cases[] = {{0, 42, 42}, {1, 54, 54}, {2, 54, 64}};
    for (const auto& c : cases) {
        ButtonPropsChoice choice{90, 91, 7, c.mode, true};
        UseDefaultButtonSize(choice);
        EXPECT_EQ(choice.width, c.width);
        EXPECT_EQ(choice.height, c.height);
        EXPECT_EQ(choice.spacing, 1);
    }
}

TEST_F(OptionsPagesTest, ButtonPropsApplySwitchesTheTextModeOnlyWhenItChanged) {
    ButtonPropsChoice choice = ButtonPropsChoice::From(s);
    choice.width = 80;
    choice.popupText = false;
    ApplyButtonProps(model, window, choice);
    EXPECT_EQ(s.ButtonWidth, 80);
    EXPECT_FALSE(s.DisplayPopupText);
    EXPECT_EQ(window.styleChanges, 0);
    EXPECT_EQ(window.shows, 1) << "the grid is laid out again";
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(Played(), std::vector<std::string>{"DV_Button_Click.wav"});

    choice.textMode = 0;
    ApplyButtonProps(model, window, choice);
    EXPECT_EQ(s.TextOnButtons, 0);
    EXPECT_EQ(window.styleChanges, 1);
}

TEST_F(OptionsPagesTest, WindowOptionsApplyOnlyWhatDiffers) {
    ApplyWindowOptions(model, window, WindowOptionsChoice::From(s));
    EXPECT_FALSE(model.settingsModified);
    EXPECT_EQ(window.zOrders + window.menuRebuilds, 0);

    WindowOptionsChoice choice = WindowOptionsChoice::From(s);
    choice.autoHide = !s.AutoHide;
    ApplyWindowOptions(model, window, choice);
    EXPECT_EQ(s.AutoHide, choice.autoHide);
    EXPECT_EQ(window.menuRebuilds, 1) << "the push-pin picture follows";
    EXPECT_FALSE(model.settingsModified) << "auto-hide counts against its saved value";

    choice.topMost = true;
    choice.invisibleOnAutoHide = true;
    ApplyWindowOptions(model, window, choice);
    EXPECT_TRUE(s.TopMost);
    EXPECT_TRUE(s.InvisibleOnAutoHide);
    EXPECT_EQ(window.zOrders, 1);
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(OptionsPagesTest, MenuBarApplyRebuildsTheButtonsOnceAndHidesTheBar) {
    tp.shell.programs["xdg-screensaver"] = "/usr/bin/xdg-screensaver";
    EXPECT_TRUE(ApplyMenuBar(model, window, MenuBarChoice::From(s)));
    EXPECT_EQ(window.menuRebuilds, 0);
    EXPECT_FALSE(model.settingsModified);

    MenuBarChoice choice = MenuBarChoice::From(s);
    choice.pushpin = false;
    choice.lock = false;
    choice.screenSaver = false;
    ApplyMenuBar(model, window, choice);
    EXPECT_EQ(window.menuRebuilds, 1);
    EXPECT_FALSE(s.MenuShowPushpin);
    EXPECT_FALSE(s.MenuShowScreenSaver);
    EXPECT_TRUE(model.settingsModified);

    choice.hide = true;
    ApplyMenuBar(model, window, choice);
    EXPECT_FALSE(s.MenuVisible);
    EXPECT_EQ(window.menuBar, std::vector<bool>{false});
    EXPECT_EQ(window.shows, 1) << "the grid is laid out again";
}

TEST_F(OptionsPagesTest, ScreenSaverBoxIsLeftAloneWithoutAScreenSaver) {
    MenuBarChoice choice = MenuBarChoice::From(s);
    choice.screenSaver = false;
    EXPECT_FALSE(ApplyMenuBar(model, window, choice));
    EXPECT_TRUE(s.MenuShowScreenSaver);
    EXPECT_EQ(window.menuRebuilds, 0);
}

TEST_F(OptionsPagesTest, SoundAndCategoryNamePagesStoreWhatDiffers) {
    ApplySoundOptions(model, SoundChoice::From(s));
    ApplyCatNameFormat(model, CatNameChoice::From(s));
    EXPECT_FALSE(model.settingsModified);
    EXPECT_EQ(window.captions, 0);
    EXPECT_TRUE(Played().empty());

    ApplySoundOptions(model, SoundChoice{true, true});
    EXPECT_TRUE(s.PlayChimes);
    EXPECT_TRUE(model.settingsModified);

    model.settingsModified = false;
    ApplyCatNameFormat(model, CatNameChoice{3, false, true});
    EXPECT_EQ(s.CatNameFormat, 3);
    EXPECT_FALSE(s.ShowConfigName);
    EXPECT_EQ(window.captions, 1);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(Played(), std::vector<std::string>{"DV_Button_Click.wav"});
}

TEST_F(OptionsPagesTest, DateTimePreviewUsesTheCaptionsText) {
    tp.clock.now = LocalDateTime{2026, 12, 8, 14, 5, 0, 2};
    const struct {
        DateTimeChoice choice;
        const char* text;
    } cases[] = {
        {{1, 0, 0}, "Tuesday  "},
        {{2, 0, 2}, "Tue,   14:05"},
        {{0, 5, 0}, "12/08/26  "},
        {{0, 0, 1}, "  02:05 PM"},
        {{1, 1, 1}, "Tuesday, December 08, 2026  02:05 PM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateTimePreview(model, c.choice), c.text);
}

TEST_F(OptionsPagesTest, DateAndTimeApplyActsOnlyOnANewChoice) {
    DateTimeChoice last = DateTimeChoice::From(s);
    ApplyDateAndTime(model, last, last);
    EXPECT_EQ(window.captions, 0);

    const DateTimeChoice choice{0, 6, 2};
    ApplyDateAndTime(model, choice, last);
    EXPECT_EQ(s.ShowTimeDate, 6);
    EXPECT_EQ(s.ShowTimeWeekday, 0);
    EXPECT_EQ(last, choice);
    EXPECT_EQ(window.captions, 1);
    EXPECT_EQ(Played(), std::vector<std::string>{"DV_Button_Click.wav"});

    model.settingsModified = false;
    ApplyDateAndTime(model, choice, last);
    EXPECT_FALSE(model.settingsModified);
    EXPECT_TRUE(Played().empty());
}

using CustomizeLayoutTest = OptionsFixture;

TEST_F(CustomizeLayoutTest, BothCountsCannotBeVariableAndEditsFollowUserSpecified) {
    const struct {
        int rowType;
        int colType;
        LayoutControlStates states;
    } cases[] = {
        {1, 3, {true, false, false, false}}, {1, 2, {true, false, false, true}},
        {2, 1, {false, true, true, false}},  {3, 3, {true, true, false, false}},
        {2, 2, {true, true, true, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutControlsEnabled(LayoutChoice{c.rowType, c.colType, 4, 5}), c.states)
            << c.rowType << "/" << c.colType;
}

TEST_F(CustomizeLayoutTest, CountsOfZeroShowAsOne) {
    s.NRowsConstant = 0;
    s.NColsConstant = 7;
    EXPECT_EQ(LayoutChoice::From(s), (LayoutChoice{1, 3, 1, 7}));
}

TEST_F(CustomizeLayoutTest, ApplyUndocksAndKeepsOnlyUserSpecifiedCounts) {
    s.SpecialWindowLayout = 3;
    ApplyButtonLayout(model, LayoutChoice{2, 3, 4, 9});
    EXPECT_EQ(s.SpecialWindowLayout, 0);
    EXPECT_EQ(s.LayoutRowType, 2);
    EXPECT_EQ(s.LayoutColType, 3);
    EXPECT_EQ(s.NRowsConstant, 4);
    EXPECT_EQ(s.NColsConstant, 0) << "the columns follow the window";
    EXPECT_EQ(window.shows, 1);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(Played(), std::vector<std::string>{"DV_Button_Click.wav"});
}

TEST_F(CustomizeLayoutTest, UseDefaultsAsksAndAppliesEitherWay) {
    LayoutChoice choice{2, 2, 3, 6};
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(UseDefaultButtonLayout(model, choice));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Use Default Button Layout?");
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Stop);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Are you sure that you want to use the default button layout?\r\n\r\n"
              "Number of Rows:  Variable\r\n"
              "Number of Columns: Set for current main window width");
    EXPECT_EQ(s.NColsConstant, 6) << "No applies the choice as it stands";

    tp.prompter.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(UseDefaultButtonLayout(model, choice));
    EXPECT_EQ(choice.rowType, 1);
    EXPECT_EQ(choice.colType, 3);
    EXPECT_EQ(s.LayoutRowType, 1);
    EXPECT_EQ(s.LayoutColType, 3);
    EXPECT_EQ(s.NRowsConstant, 0);
    EXPECT_EQ(s.NColsConstant, 0);
}

} // namespace
