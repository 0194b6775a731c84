#pragma once

#include "config/ConfigWriter.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/FakeEditDialogs.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Records what the core asks of the window.
class RecordingView : public ViewHooks {
  public:
    std::vector<int> focused;
    int shows = 0;
    int captions = 0;
    void FocusSlot(int slot) override { focused.push_back(slot); }
    void ShowCategory() override { ++shows; }
    void RefreshCaption() override { ++captions; }
};

// A model with one category "Main" in a temporary program folder, recording
// changes, each action sound a file of its own.
class EditTest : public ::testing::Test {
  protected:
    EditTest() {
        model.programFolder = dir.Path();
        model.SetView(&view);
        tp.clock.now = {2024, 6, 15, 10, 0, 0, 6};
        model.CreateCategory(0, "Main");
        model.changes.recording = true;
        for (int i = 0; i < model.sounds.Count(); ++i) {
            std::string action = model.sounds.Name(i);
            std::replace(action.begin(), action.end(), '/', '-');
            model.sounds.SetCurrentFile(i, dir.Write("sounds/" + action + ".wav", "RIFF"));
        }
    }

    // A document button named `name` at (cat, slot).
    CButtonDef* Put(int slot, const std::string& name, int cat = 0) {
        const std::string target = dir.Write("files/" + name + ".txt", name);
        CButtonDef* b = CButtonDef::CreateAt(model, cat, slot, name, target, "", 0, 1);
        EXPECT_NE(b, nullptr);
        return b;
    }
    // Fills `slots` of category `cat` with buttons named by their slot.
    void Fill(std::initializer_list<int> slots, int cat = 0) {
        for (int s : slots)
            Put(s, "b" + std::to_string(s), cat);
    }
    // "slot=name" for every occupied slot of a category.
    std::string Layout(int cat = -1) const {
        std::string out;
        for (int s = 0; s < kSlotsPerCategory; ++s) {
            if (const CButtonDef* b = model.GetButton(cat, s))
                out += (out.empty() ? "" : " ") + std::to_string(s) + "=" + b->Name();
        }
        return out;
    }
    // The whole configuration as the writer puts it.
    std::string Config() const { return ConfigurationText(model); }
    // The action sounds played, by name; a trailing "!" marks a synchronous play.
    std::vector<std::string> Sounds() const {
        std::vector<std::string> names;
        for (const auto& play : tp.sound.played) {
            const size_t slash = play.file.rfind('/');
            std::string name = play.file.substr(slash + 1, play.file.size() - slash - 5);
            names.push_back(play.synchronous ? name + "!" : name);
        }
        return names;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const RecordedMessage& m : tp.prompter.messages)
            captions.push_back(m.caption);
        return captions;
    }
    void RightClick(int slot) { model.editState.rightClickedSlot = slot; }

    TempDir dir;
    TestPlatform tp;
    RecordingView view;
    CModel model{tp.platform};
    FakeEditDialogs dialogs;
};
