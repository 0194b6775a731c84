#include "sounds/ActionSounds.h"

#include "model/PathFunctions.h"
#include "model/Text.h"

#include <cassert>
#include <iterator>

namespace {

struct ActionDef {
    const char* name;
    const char* file;
};

constexpr ActionDef kActions[] = {
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

constexpr int kActionCount = static_cast<int>(std::size(kActions));

} // namespace

CActionSounds::CActionSounds() {
    entries_.reserve(kActionCount);
    for (const ActionDef& action : kActions) {
        entries_.push_back({action.name, {}, {}});
    }
}

size_t CActionSounds::Checked(int index) const {
    assert(index >= 0 && index < Count());
    return static_cast<size_t>(index);
}

int CActionSounds::FindAction(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        if (EqualsNoCase(name, entries_[static_cast<size_t>(i)].name)) {
            return i;
        }
    }
    return -1;
}

const char* DefaultSoundName(int index) {
    assert(index >= 0 && index < kActionCount);
    return kActions[index].file;
}

void ResetActionSounds(CActionSounds& sounds, const std::string& programFolder) {
    for (size_t i = 0; i < sounds.entries_.size(); ++i) {
        CActionSounds::Entry& entry = sounds.entries_[i];
        entry.defaultFile = JoinPath(programFolder, kActions[i].file);
        entry.currentFile = entry.defaultFile;
    }
}
