#include "tests/config/ConfigFixture.h"

#include "config/ConfigWriter.h"

namespace {

// Records what the window is asked to do while a configuration loads, with
// the state of the model at that moment.
class LoadWatcher : public ViewHooks {
  public:
    explicit LoadWatcher(CModel& model) : model_(model) {}

    std::vector<std::string> calls;
    std::vector<int> buttonsAtShow; // buttons per category when the grid is shown
    int currentAtShow = -1;
    std::vector<std::string> captionTexts;
    std::vector<std::pair<int, int>> progress; // (loaded, total) at each caption refresh
    bool saveDuringLoad = false;
    bool savedDuringLoad = false;

    void RefreshCaption() override {
        calls.push_back("caption");
        if (model_.loadProgress)
            progress.emplace_back(model_.loadedCategories, model_.CategoryCount());
    }
    void SetCaptionText(const std::string& text) override { captionTexts.push_back(text); }
    void ShowCategory() override {
        calls.push_back("show");
        currentAtShow = model_.CurrentCategoryIndex();
        for (int c = 0; c < model_.CategoryCount(); ++c)
            buttonsAtShow.push_back(model_.ButtonCount(c));
        if (saveDuringLoad)
            savedDuringLoad = WriteConfiguration(model_);
    }
    void RepaintNow() override { calls.push_back("repaint"); }
    void ApplyWindowSettings() override { calls.push_back("window"); }
    void RebuildFavoritesMenu() override { calls.push_back("favorites"); }

  private:
    CModel& model_;
};

const std::vector<std::string> kThreeCategories = {
    kHeader,        "SETTINGS", "CategoryOnEntry beta", "BUTTONS",     "CATEGORY Alpha",
    "BUTTON 1 /a",  "end",      "CATEGORY Beta",        "BUTTON 1 /b", "end",
    "BUTTON 2 /b2", "end",      "CATEGORY Gamma",       "BUTTON 1 /g", "end"};

} // namespace

TEST_F(ConfigTest, StartCategoryIsReadAndShownBeforeTheOthers) {
    LoadWatcher view(model);
    model.SetView(&view);
    Load(kThreeCategories);

    EXPECT_EQ(view.currentAtShow, 1);
    EXPECT_EQ(view.buttonsAtShow, (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(model.CurrentCategoryIndex(), 1);
    EXPECT_EQ(model.ButtonCount(0), 1);
    EXPECT_EQ(model.ButtonCount(2), 1);
    // Progress counts up while categories load, then the caption is refreshed
    // without it.
    EXPECT_EQ(view.progress, (std::vector<std::pair<int, int>>{{0, 0}, {0, 3}, {1, 3}, {2, 3}}));
    EXPECT_FALSE(model.loadProgress);
    // The window settings are applied before the grid is shown, the favorites
    // menu rebuilt at the end.
    ASSERT_FALSE(view.calls.empty());
    EXPECT_EQ(view.calls.back(), "favorites");
    const auto at = [&](const std::string& call) {
        return std::find(view.calls.begin(), view.calls.end(), call) - view.calls.begin();
    };
    EXPECT_LT(at("window"), at("show"));
    EXPECT_EQ(at("show") + 1, at("repaint"));
    EXPECT_TRUE(view.captionTexts.empty()); // no category existed before the load
}

TEST_F(ConfigTest, UnknownStartCategoryFallsBackToTheFirst) {
    LoadWatcher view(model);
    model.SetView(&view);
    std::vector<std::string> lines = kThreeCategories;
    lines[2] = "CategoryOnEntry Delta";
    Load(lines);
    EXPECT_EQ(view.currentAtShow, 0);
    EXPECT_EQ(model.CurrentCategoryIndex(), 0);
}

TEST_F(ConfigTest, LoadResetsRunTimeStateAndAnnouncesItselfOverAShownCategory) {
    LoadWatcher view(model);
    model.SetView(&view);
    model.CreateCategory(0, "Shown");
    model.editState.moveMode = true;
    model.editState.sourceSlot = 4;
    model.settingsModified = true;
    Load({kHeader, "BUTTONS", "CATEGORY A"});
    EXPECT_EQ(view.captionTexts, std::vector<std::string>{"LOADING CONFIGURATION \"Buttons\""});
    EXPECT_FALSE(model.editState.PendingOperation());
    EXPECT_EQ(model.editState.sourceSlot, -1);
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(ConfigTest, SaveStartedWhileLoadingWritesNothing) {
    LoadWatcher view(model);
    model.SetView(&view);
    view.saveDuringLoad = true;
    const std::string original = CrLf(kThreeCategories);
    LoadText(original);
    EXPECT_TRUE(view.savedDuringLoad);
    EXPECT_EQ(dir.Read("Buttons.cfg"), original);
}
