#include "sounds/SoundsSection.h"

#include "config/ConfigText.h"
#include "model/Model.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"
#include "tests/support/ProgramStart.h"
#include "tests/support/TestPlatform.h"

#include <iterator>

#include <gtest/gtest.h>

namespace {

class ActionSoundTable : public ::testing::Test {
  protected:
    TempDir programDir;
    TempDir elsewhere;
    TestPlatform tp;
    CModel model{tp.platform};
    CActionSounds& sounds = model.sounds;

    void SetUp() override { StartProgramIn(model, programDir.Path()); }
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
    const struct {
        const char* name;
        const char* file;
    } rows[] = {
        {"Launch Application", "DV_Launch_App.wav"},
        {"Open Document or Folder", "DV_Launch_App.wav"},
        {"Open File Selection Box", "DV_Button_Click.wav"},
        {"Change Category", "DV_Beep_High.wav"},
        {"Add", "DV_Add.wav"},
        {"Delete", "DV_Delete.wav"},
        {"Copy (1st click)", "DV_Copy_1.wav"},
        {"Copy (2nd click)", "DV_Copy_2.wav"},
        {"Move (1st click)", "DV_Move_1.wav"},
        {"Move (2nd click)", "DV_Move_2.wav"},
        {"Copy Icon (1st click)", "DV_Copy_Icon_1.wav"},
        {"Copy Icon (2nd click)", "DV_Copy_Icon_2.wav"},
        {"Shift Right", "DV_Shift_Right.wav"},
        {"Shift Left", "DV_Shift_Left.wav"},
        {"Remove Gaps", "DV_Move_2.wav"},
        {"Add to Favorites", "DV_Add_To_Favorites.wav"},
        {"Properties", "DV_Properties.wav"},
        {"Alarm Clock", "DV_Alarm.wav"},
        {"Chime (1/4 hr.)", "DV_Quarter_Hour_Chime.wav"},
        {"Chime (1/2 hr.)", "DV_Quarter_Hour_Chime.wav"},
        {"Chime (1 hr.)", "DV_Hour_Chime.wav"},
        {"Generic Button Click", "DV_Button_Click.wav"},
        {"Pop", "DV_Pop.wav"},
        {"High Beep", "DV_Beep_High.wav"},
        {"Low Beep", "DV_Beep_Low.wav"},
    };
    ASSERT_EQ(sounds.Count(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < sounds.Count(); ++i) {
        EXPECT_EQ(sounds.Name(i), rows[i].name) << i;
        EXPECT_EQ(sounds.DefaultFile(i), programDir.File(rows[i].file)) << rows[i].name;
        EXPECT_EQ(sounds.CurrentFile(i), sounds.DefaultFile(i)) << rows[i].name;
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
    StartProgramIn(loaded, programDir.Path());
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
