#include "ui/HelpTexts.h"
#include "ui/ViewRules.h"

#include <gtest/gtest.h>

#include "model/Category.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

class WindowRulesTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
};

TEST_F(WindowRulesTest, CategoryArrowsWrapAndSkipEmptyEntries) {
    model.CreateCategory(0, "A");
    model.CreateCategory(3, "B");
    model.CreateCategory(7, "C");
    struct Case {
        int current, step, expected;
    } cases[] = {
        {0, -1, 7}, // up from the first shows the last
        {7, +1, 0}, // down from the last shows the first
        {0, +1, 3}, {3, +1, 7}, {7, -1, 3}, {3, -1, 0},
    };
    for (const Case& c : cases) {
        model.SetCurrentCategoryIndex(c.current);
        EXPECT_EQ(SteppedCategory(model, c.step), c.expected)
            << "from " << c.current << " step " << c.step;
    }
}

TEST_F(WindowRulesTest, SingleCategoryArrowsStayPut) {
    model.CreateCategory(0, "Only");
    model.SetCurrentCategoryIndex(0);
    EXPECT_EQ(SteppedCategory(model, +1), 0);
    EXPECT_EQ(SteppedCategory(model, -1), 0);
}

TEST_F(WindowRulesTest, HomeFindsTheStartCategoryByNameOrFallsBackToTheFirst) {
    model.CreateCategory(0, "Tools");
    model.CreateCategory(1, "Games");
    model.settings.CategoryOnEntry = "gAMES";
    EXPECT_EQ(HomeCategory(model), 1);
    model.settings.CategoryOnEntry = "Missing";
    EXPECT_EQ(HomeCategory(model), 0);
    model.settings.CategoryOnEntry = "   ";
    EXPECT_EQ(HomeCategory(model), 0);
}

TEST_F(WindowRulesTest, PendingSourceIsInactiveOnlyInItsOwnCategory) {
    model.CreateCategory(0, "A");
    model.CreateCategory(1, "B");
    model.editState.moveMode = true;
    model.editState.sourceCategory = 1;
    model.editState.sourceSlot = 4;
    model.SetCurrentCategoryIndex(1);
    EXPECT_FALSE(SlotActive(model, 4));
    EXPECT_TRUE(SlotActive(model, 5));
    model.SetCurrentCategoryIndex(0);
    EXPECT_TRUE(SlotActive(model, 4));
    model.editState = {};
    model.SetCurrentCategoryIndex(1);
    EXPECT_TRUE(SlotActive(model, 4)) << "no operation pending";
}

TEST_F(WindowRulesTest, AutoHideNeverActsBehindTheProgramsOwnWindows) {
    struct Case {
        const char* what;
        bool autoHide, modal, ready, busy, ownWindow, active;
        AutoHideAction expected;
    } cases[] = {
        {"deactivated", true, false, true, false, false, false, AutoHideAction::Collapse},
        {"activated", true, false, true, false, false, true, AutoHideAction::Expand},
        {"auto-hide off", false, false, true, false, false, false, AutoHideAction::None},
        {"message box up", true, true, true, false, false, false, AutoHideAction::None},
        {"dialog took the focus", true, false, true, false, true, false, AutoHideAction::None},
        {"layout running", true, false, true, true, false, false, AutoHideAction::None},
        {"before the view exists", true, false, false, false, false, false, AutoHideAction::None},
    };
    for (const Case& c : cases) {
        model.settings.AutoHide = c.autoHide;
        model.modal = c.modal;
        FrameActivity frame;
        frame.viewReady = c.ready;
        frame.busy = c.busy;
        frame.ownWindowActive = c.ownWindow;
        EXPECT_EQ(OnActivationChange(model, frame, c.active), c.expected) << c.what;
    }
}

TEST_F(WindowRulesTest, ClosingWindowIsNotCollapsed) {
    FrameActivity frame;
    frame.viewReady = true;
    frame.closing = true;
    EXPECT_EQ(OnActivationChange(model, frame, false), AutoHideAction::None);
}

TEST_F(WindowRulesTest, ReconcilingBringsTheStripInLineWithTheActivation) {
    model.settings.AutoHide = true;
    FrameActivity frame;
    frame.viewReady = true;
    struct Case {
        bool active, collapsed;
        AutoHideAction expected;
    };
    const Case cases[] = {
        {false, false, AutoHideAction::Collapse}, // expanded behind another window
        {true, true, AutoHideAction::Expand},     // collapsed, its clicks suppressed
        {true, false, AutoHideAction::None},
        {false, true, AutoHideAction::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReconcileAutoHide(model, frame, c.active, c.collapsed), c.expected)
            << c.active << c.collapsed;
    model.modal = true;
    EXPECT_EQ(ReconcileAutoHide(model, frame, false, false), AutoHideAction::None);
    model.modal = false;
    // Auto-hide switched off while rolled up: the window comes back, active
    // or not, even behind a dialog; never while closing.
    model.settings.AutoHide = false;
    EXPECT_EQ(ReconcileAutoHide(model, frame, false, true), AutoHideAction::Expand);
    model.modal = true;
    EXPECT_EQ(ReconcileAutoHide(model, frame, true, true), AutoHideAction::Expand);
    EXPECT_EQ(ReconcileAutoHide(model, frame, true, false), AutoHideAction::None);
    frame.closing = true;
    EXPECT_EQ(ReconcileAutoHide(model, frame, false, true), AutoHideAction::None);
}

TEST_F(WindowRulesTest, CollapsedWindowHidesOnlyWhenATrayIconCanBringItBack) {
    CSettings s;
    s.InvisibleOnAutoHide = true;
    EXPECT_TRUE(HideWhenCollapsed(s, true));
    EXPECT_FALSE(HideWhenCollapsed(s, false));
    s.InvisibleOnAutoHide = false;
    EXPECT_FALSE(HideWhenCollapsed(s, true));
}

TEST_F(WindowRulesTest, UnmodifiedConfigurationClosesWithoutSaving) {
    int saves = 0;
    EXPECT_TRUE(MayClose(model, [&] { return ++saves, true; }));
    EXPECT_EQ(saves, 0);
}

TEST_F(WindowRulesTest, FailedSaveOnClosingAsksAndCanKeepTheProgramOpen) {
    model.SetModified();
    tp.prompter.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(MayClose(model, [] { return false; }));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Save Failed");
    EXPECT_EQ(tp.prompter.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_NE(tp.prompter.messages[0].text.find("\"Buttons\""), std::string::npos);
    EXPECT_FALSE(model.modal) << "the modal flag is lowered after the question";

    EXPECT_TRUE(MayClose(model, [] { return false; })) << "Yes closes anyway";
}

TEST_F(WindowRulesTest, SuccessfulSaveOnClosingAsksNothing) {
    model.SetModified();
    EXPECT_TRUE(MayClose(model, [] { return true; }));
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST(HelpTextsTest, TutorialStepsAndCaptions) {
    EXPECT_EQ(TutorialCaption(3), " DORVANE Tutorial -- Step 3 of 19");
    EXPECT_STREQ(TutorialStepAt(1).lesson, "Create a Button to Launch an Application");
    EXPECT_STREQ(TutorialStepAt(17).lesson, "Put a Button in the \"Favorites\" Menu");
    EXPECT_STREQ(TutorialStepAt(19).action, "Ombrell");
    EXPECT_STREQ(TutorialStepAt(0).lesson, TutorialStepAt(1).lesson) << "clamped below";
    EXPECT_STREQ(TutorialStepAt(20).lesson, TutorialStepAt(19).lesson) << "clamped above";
    for (int step = 1; step <= kTutorialSteps; ++step) {
        EXPECT_GT(std::string(TutorialStepAt(step).lesson).size(), 5u) << step;
        EXPECT_GT(std::string(TutorialStepAt(step).action).size(), 5u) << step;
    }
}

TEST(HelpTextsTest, QuickHelpHasOneMessagePerHelpCommand) {
    struct Case {
        int id;
        const char* caption;
    } cases[] = {
        {32904, "DORVANE CONFIGURATIONS"},
        {32845, "BRIEF INSTRUCTIONS for CREATING BUTTONS"},
        {32791, "HOW to DISPLAY and CHANGE CATEGORIES"},
        {32847, "HOW to USE the TASKBAR ICON"},
    };
    for (const Case& c : cases) {
        const QuickHelp* help = FindQuickHelp(c.id);
        ASSERT_NE(help, nullptr) << c.id;
        EXPECT_STREQ(help->caption, c.caption);
    }
    EXPECT_EQ(FindQuickHelp(32848), nullptr);
    const std::string taskbar = FindQuickHelp(32847)->text;
    EXPECT_EQ(taskbar.substr(taskbar.size() - 4), "\r\n\r\n");
}

} // namespace
