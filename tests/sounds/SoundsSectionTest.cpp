#include "sounds/SoundsSection.h"

#include "config/ConfigText.h"
#include "model/Model.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

class ActionSoundTable : public ::testing::Test {
  protected:
    TempDir programDir;
    TempDir elsewhere;
    TestPlatform tp;
    CModel model{tp.platform};
    CActionSounds& sounds = model.sounds;

    void SetUp() override {
        model.programFolder = programDir.Path();
        ResetActionSounds(sounds, model.programFolder);
    }
    int Action(const char* name) {
        const int index = sounds.FindAction(name);
        EXPECT_GE(index, 0) << name;
        return index;
    }
    std::string Written() {
        std::string out;
        AppendSoundsSection(model, out);
        return out;
    }
    void Read(const std::string& body) {
        ReadSoundsSection(model, ConfigText("DORVANE CONFIGURATION FILE v10.0\n" + body));
    }
};

TEST_F(ActionSoundTable, DefaultsLieInTheProgramFolder) {
    ASSERT_EQ(sounds.Count(), 25);
    const struct {
        int index;
        const char* name;
        const char* file;
    } rows[] = {
        {0, "Launch Application", "DV_Launch_App.wav"},
        {1, "Open Document or Folder", "DV_Launch_App.wav"},
        {14, "Remove Gaps", "DV_Move_2.wav"},
        {17, "Alarm Clock", "DV_Alarm.wav"},
        {19, "Chime (1/2 hr.)", "DV_Quarter_Hour_Chime.wav"},
        {24, "Low Beep", "DV_Beep_Low.wav"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(sounds.Name(row.index), row.name);
        EXPECT_EQ(sounds.DefaultFile(row.index), programDir.File(row.file));
        EXPECT_EQ(sounds.CurrentFile(row.index), sounds.DefaultFile(row.index));
    }
    EXPECT_EQ(sounds.FindAction("cHIME (1 HR.)"), 20);
    EXPECT_EQ(sounds.FindAction("Chime"), -1);
}

TEST_F(ActionSoundTable, AllDefaultsWriteNoSection) {
    EXPECT_EQ(Written(), "");
    sounds.SetCurrentFile(Action("Delete"), ToUpper(sounds.DefaultFile(Action("Delete"))));
    EXPECT_EQ(Written(), "") << "the comparison with the default ignores case";
}

TEST_F(ActionSoundTable, WritesBareNamesForTheProgramFolderAndReadsThemBack) {
    const std::string pop = programDir.Write("DV_Pop.wav", "RIFF");
    const std::string bell = elsewhere.Write("bell.wav", "RIFF");
    sounds.SetCurrentFile(Action("Delete"), pop);
    sounds.SetCurrentFile(Action("Alarm Clock"), bell);
    sounds.SetCurrentFile(Action("Chime (1 hr.)"), "");
    sounds.SetCurrentFile(Action("Pop"), elsewhere.File("gone.wav")); // missing: not written

    const std::string out = Written();
    EXPECT_EQ(out, "SOUNDS\r\n"
                   "Delete\r\nDV_Pop.wav\r\n"
                   "Alarm Clock\r\n" +
                       bell +
                       "\r\n"
                       "Chime (1 hr.)\r\n\r\n");

    // Read back into a fresh table, as a load does after the working folder moved.
    CModel loaded{tp.platform};
    loaded.programFolder = programDir.Path();
    ResetActionSounds(loaded.sounds, loaded.programFolder);
    ReadSoundsSection(loaded, ConfigText("DORVANE CONFIGURATION FILE v10.0\r\n" + out +
                                         "FILE_DIALOG_PARAMETERS\r\n"));
    for (int i = 0; i < sounds.Count(); ++i) {
        const std::string expected =
            i == Action("Pop") ? sounds.DefaultFile(i) : sounds.CurrentFile(i);
        EXPECT_EQ(loaded.sounds.CurrentFile(i), expected) << sounds.Name(i);
    }
}

TEST_F(ActionSoundTable, ReadingSkipsUnknownActionsAndKeepsDefaultsForMissingFiles) {
    const std::string bell = elsewhere.Write("bell.wav", "RIFF");
    Read("SOUNDS\n"
         "Not An Action\n"
         "bell.wav\n"
         "  add  \n"
         "  " +
         bell +
         "  \n"
         "Delete\n"
         "nothing-here.wav\n"
         "Pop\n"
         "\n"
         "FILE_DIALOG_PARAMETERS\n"
         "Low Beep\n"
         "\n");
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_EQ(sounds.CurrentFile(Action("Add")), bell);
    EXPECT_EQ(sounds.CurrentFile(Action("Delete")), sounds.DefaultFile(Action("Delete")));
    EXPECT_EQ(sounds.CurrentFile(Action("Pop")), "");
    EXPECT_EQ(sounds.CurrentFile(Action("Low Beep")), sounds.DefaultFile(Action("Low Beep")));
}

TEST_F(ActionSoundTable, AnEmptyNameLineOrAMissingFileLineEndsTheSection) {
    Read("SOUNDS\nDelete\n\n\nPop\n\n");
    EXPECT_EQ(sounds.CurrentFile(Action("Delete")), "");
    EXPECT_EQ(sounds.CurrentFile(Action("Pop")), sounds.DefaultFile(Action("Pop")));

    Read("SOUNDS\nAdd");
    EXPECT_EQ(sounds.CurrentFile(Action("Add")), sounds.DefaultFile(Action("Add")));
}

} // namespace
