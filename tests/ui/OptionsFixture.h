#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"
#include "ui/FrameGeometry.h"
#include "ui/OptionsPages.h"

// A window for the options pages that records what they ask of it; the frame
// geometry places a rectangle on a 1920 x 1050 screen.
class RecordingOptionsWindow : public OptionsWindow, public FrameHost, public ViewHooks {
  public:
    explicit RecordingOptionsWindow(CModel& model) : geometry(model, *this) {
        geometry.SetScreen(ScreenMetrics{});
        geometry.SetGeometry(Rect{100, 200, 600, 150});
    }
    CFrameGeometry geometry;
    int zOrders = 0;
    int menuRebuilds = 0;
    int styleChanges = 0;
    int shows = 0;
    int captions = 0;
    std::vector<bool> menuBar;

    CFrameGeometry& Placement() override { return geometry; }
    void ApplyZOrder() override { ++zOrders; }
    void SetMenuBarShown(bool shown) override { menuBar.push_back(shown); }
    void RebuildMenuBar() override { ++menuRebuilds; }
    void ApplyButtonStyle() override { ++styleChanges; }
    void SetFrameRect(const Rect&) override {}
    void SetMenuAttached(bool shown) override { menuBar.push_back(shown); }
    void Redisplay() override {}
    void ShowCategory() override { ++shows; }
    void RefreshCaption() override { ++captions; }
};

// A model with every default sound present in its program folder, so the
// sounds the rules play can be checked.
class OptionsFixture : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};
    CSettings& s = model.settings;
    RecordingOptionsWindow window{model};

    void SetUp() override {
        model.programFolder = dir.Path();
        model.SetView(&window);
        ResetActionSounds(model.sounds, model.programFolder);
        for (int i = 0; i < model.sounds.Count(); ++i)
            dir.Write(DefaultSoundName(i), "RIFF");
    }
    void TearDown() override { model.SetView(nullptr); }

    // The action sounds played so far, by the file names of their defaults.
    std::vector<std::string> Played() {
        std::vector<std::string> names;
        for (const auto& play : tp.sound.played)
            names.push_back(play.file.substr(play.file.rfind('/') + 1));
        tp.sound.played.clear();
        return names;
    }
};
