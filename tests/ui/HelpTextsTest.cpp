#include "ui/HelpTexts.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "model/Text.h"
#include "tests/support/FakeEditDialogs.h"
#include "tests/support/TestPlatform.h"
#include "ui/AddButtons.h"
#include "ui/CategoryOps.h"

namespace {

// Every text the help shows (lesson titles, actions, quick-help messages);
// the quick-help captions are the commands' own names and stay as they are.
std::vector<std::string> HelpTexts() {
    std::vector<std::string> texts;
    for (int step = 1; step <= kTutorialSteps; ++step) {
        texts.push_back(TutorialStepAt(step).lesson);
        texts.push_back(TutorialStepAt(step).action);
    }
    for (int id : {32904, 32845, 32791, 32847})
        texts.push_back(FindQuickHelp(id)->text);
    return texts;
}

TEST(HelpTextsTest, NameWhatThisDesktopHasNotWindowsPlaces) {
    const char* windowsWords[] = {
        "taskbar",     "taksbar",     "My Computer", "Start Menu\\", "Exe File",
        "\"exe\"",     "MS Word",     "(*.*)",       "shortcut",     "system area",
        "lower right", "programs , ", "menu.Right",  "box in for",
    };
    for (const std::string& text : HelpTexts())
        for (const char* word : windowsWords)
            EXPECT_FALSE(ContainsNoCase(text, word)) << word << " in: " << text;
}

TEST(HelpTextsTest, StepsNameTheButtonsTheirDialogsHave) {
    TestPlatform tp;
    CModel model(tp.platform);
    model.CreateCategory(0, "Tools");
    FakeEditDialogs dialogs;
    AddInternetAddress(model, dialogs, -1);
    CreateNewCategory(model, dialogs);
    ASSERT_EQ(dialogs.textRequests.size(), 2u);
    const struct {
        int step;
        const TextInputRequest& request;
    } cases[] = {{9, dialogs.textRequests[0]}, {14, dialogs.textRequests[1]}};
    for (const auto& c : cases) {
        const std::string action = TutorialStepAt(c.step).action;
        EXPECT_NE(action.find("press \"" + c.request.okText + "\""), std::string::npos)
            << c.request.title << ": " << action;
    }
}

} // namespace
