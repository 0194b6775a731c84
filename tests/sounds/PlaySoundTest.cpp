#include "sounds/PlaySound.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/sounds/SoundsFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class PlayingSounds : public SoundsFixture {
  protected:
    std::vector<std::string> Played() const {
        std::vector<std::string> files;
        for (const auto& play : tp.sound.played)
            files.push_back(play.file);
        return files;
    }
    // A file of its own for an action, so that actions sharing a default differ.
    std::string Distinct(const char* action) {
        const std::string file = dir.Write(std::string(action) + ".wav", "RIFF");
        model.sounds.SetCurrentFile(model.sounds.FindAction(action), file);
        return file;
    }
};

TEST_F(PlayingSounds, TheSwitchesDecideWhichActionsSound) {
    const struct {
        bool sound;
        bool chimes;
        const char* action;
        bool plays;
    } rows[] = {
        {true, false, "Delete", true},
        {true, false, "Chime (1 hr.)", true},
        {false, true, "Delete", false},
        {false, true, "chime (1/4 hr.)", true},
        {false, true, "Alarm Clock", true},
        {false, false, "Alarm Clock", true},
        {false, false, "Chime (1/2 hr.)", false},
        {true, true, "No Such Action", false},
    };
    for (const auto& row : rows) {
        model.settings.Sound = row.sound;
        model.settings.PlayChimes = row.chimes;
        tp.sound.played.clear();
        PlayActionSound(model, row.action, true);
        EXPECT_EQ(tp.sound.played.size(), row.plays ? 1u : 0u)
            << row.action << " sound=" << row.sound << " chimes=" << row.chimes;
    }
}

TEST_F(PlayingSounds, MissingOrRemovedFilesPlayNothing) {
    const int del = model.sounds.FindAction("Delete");
    std::remove(model.sounds.CurrentFile(del).c_str());
    PlayActionSound(model, "Delete", true);
    model.sounds.SetCurrentFile(model.sounds.FindAction("Alarm Clock"), "");
    PlayActionSound(model, "Alarm Clock", true);
    PlayFile(model, dir.File("absent.wav"), true, true);
    EXPECT_TRUE(tp.sound.played.empty());
}

TEST_F(PlayingSounds, SynchronousPlayingIsPassedOn) {
    PlayActionSound(model, "Shift Left", false);
    PlayActionSound(model, "Shift Right", true);
    ASSERT_EQ(tp.sound.played.size(), 2u);
    EXPECT_TRUE(tp.sound.played[0].synchronous);
    EXPECT_FALSE(tp.sound.played[1].synchronous);
}

TEST_F(PlayingSounds, PlayFileObeysTheSoundSwitchUnlessForced) {
    model.settings.Sound = false;
    const std::string file = dir.File("DV_Pop.wav");
    PlayFile(model, file, false, true);
    EXPECT_TRUE(tp.sound.played.empty());
    PlayFile(model, file, true, true);
    EXPECT_EQ(Played(), std::vector<std::string>{file});
}

TEST_F(PlayingSounds, AButtonPlaysItsOwnSoundElseTheSoundOfItsKind) {
    const std::string launch = Distinct("Launch Application");
    const std::string open = Distinct("Open Document or Folder");
    const std::string own = dir.Write("own.wav", "RIFF");
    const std::string tool = dir.Write("tool.exe", "MZ");
    const std::string doc = dir.Write("notes.txt", "x");
    model.CreateCategory(0, "A");
    CButtonDef::CreateAt(model, 0, 0, "tool", tool, "", 0, 1)->SetSound(own);
    CButtonDef::CreateAt(model, 0, 1, "tool", tool, "", 0, 1);
    CButtonDef::CreateAt(model, 0, 2, "notes", doc, "", 0, 1);
    CButtonDef* lost = CButtonDef::CreateAt(model, 0, 3, "tool", tool, "", 0, 1);
    const std::string gone = dir.Write("gone.wav", "RIFF");
    lost->SetSound(gone);
    std::remove(gone.c_str());

    for (int slot : {0, 1, 2, 3, 4}) // slot 4 is empty
        PlayButtonSound(model, 0, slot);
    EXPECT_EQ(Played(), (std::vector<std::string>{own, launch, open, launch}));
    for (const auto& play : tp.sound.played)
        EXPECT_FALSE(play.synchronous);

    tp.sound.played.clear();
    model.settings.Sound = false;
    PlayButtonSound(model, 0, 0);
    EXPECT_TRUE(tp.sound.played.empty());
}

} // namespace
