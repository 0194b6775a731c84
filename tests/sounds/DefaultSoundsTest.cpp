#include "sounds/DefaultSounds.h"

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/sounds/SoundsFixture.h"

#include <gtest/gtest.h>

namespace {

class DefaultSounds : public SoundsFixture {
  protected:
    int deleteRow = -1;

    void SetUp() override {
        SoundsFixture::SetUp();
        deleteRow = model.sounds.FindAction("Delete");
    }
};

TEST_F(DefaultSounds, ButtonStatesFollowTheRowsFile) {
    EXPECT_FALSE(DefaultSoundsButtonStates(model, -1).browse);
    DefaultSoundsButtons b = DefaultSoundsButtonStates(model, deleteRow);
    EXPECT_TRUE(b.browse && b.play && b.remove);
    EXPECT_FALSE(b.useDefault); // already the default

    RemoveActionSound(model, deleteRow);
    EXPECT_TRUE(model.settingsModified);
    b = DefaultSoundsButtonStates(model, deleteRow);
    EXPECT_FALSE(b.play || b.remove);
    EXPECT_TRUE(b.useDefault);

    UseDefaultActionSound(model, deleteRow);
    EXPECT_EQ(model.sounds.CurrentFile(deleteRow), model.sounds.DefaultFile(deleteRow));

    // A missing default cannot be taken back.
    model.sounds.SetCurrentFile(deleteRow, dir.Write("other.wav", "RIFF"));
    std::remove(model.sounds.DefaultFile(deleteRow).c_str());
    EXPECT_FALSE(DefaultSoundsButtonStates(model, deleteRow).useDefault);
    UseDefaultActionSound(model, deleteRow);
    EXPECT_EQ(model.sounds.CurrentFile(deleteRow), dir.File("other.wav"));
}

TEST_F(DefaultSounds, BrowseAsksForAWaveFileAndRemembersItsFolder) {
    const std::string chosen = dir.Write("media/bell.wav", "RIFF");
    FileDialogResult answer;
    answer.files = {chosen};
    tp.prompter.files.push_back(answer);

    ASSERT_TRUE(BrowseActionSound(model, deleteRow));
    ASSERT_EQ(tp.prompter.fileRequests.size(), 1u);
    const FileDialogRequest& request = tp.prompter.fileRequests[0];
    EXPECT_EQ(request.caption, "Select the Sound File for \"Delete\"");
    EXPECT_EQ(request.folder, dir.Path()); // the folder of the row's current file
    EXPECT_EQ(request.filters, std::vector<std::string>{"Sound Files (*.wav)|*.wav"});
    EXPECT_EQ(model.sounds.CurrentFile(deleteRow), chosen);
    EXPECT_EQ(model.DialogFolder(3, ""), dir.File("media"));
    EXPECT_FALSE(model.modal);

    // Cancelling changes nothing.
    model.settingsModified = false;
    EXPECT_FALSE(BrowseActionSound(model, deleteRow));
    EXPECT_EQ(model.sounds.CurrentFile(deleteRow), chosen);
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(DefaultSounds, PlayHonoursTheSoundSwitch) {
    model.settings.Sound = false;
    PlayActionSoundRow(model, deleteRow);
    EXPECT_TRUE(tp.sound.played.empty());
    model.settings.Sound = true;
    PlayActionSoundRow(model, deleteRow);
    ASSERT_EQ(tp.sound.played.size(), 1u);
    EXPECT_FALSE(tp.sound.played[0].synchronous);
}

} // namespace
