#pragma once

#include <string>

class CModel;

// The program's major version.
inline constexpr int kProgramVersion = 10;

inline constexpr const char* kGreetingCaption = "Use DORVANE Tutorial?";

// What the start-up steps leave for the window to do.
struct StartupState {
    bool greetingDue = false; // the first-use greeting is to be offered
};

// Brings a fresh model to its start state: nothing modified, default
// settings, the system folders, the working directory as program folder
// (written to the profile as "DVPath") cleared of the temporary files of
// saves that were killed half-way, the first-use flag taken from the
// profile, the action sounds at their defaults, and the configuration to
// load: "DVLastConfig" when its file exists in the program folder, else
// "Buttons".
StartupState RunStartup(CModel& model);

// The window's first display: when the program folder holds exactly one
// configuration file that is no recent, backup or saved copy, that one is
// loaded whatever was chosen before.
void ApplyFirstDisplayChoice(CModel& model);

// The file of configuration `name` in the program folder.
std::string ConfigFilePath(const CModel& model, const std::string& name);

// The text of the first-use greeting (caption kGreetingCaption).
std::string FirstUseGreetingText();

// Offers the tutorial when the greeting is due; true when the user wants it.
bool ShowFirstUseGreeting(CModel& model, const StartupState& state);
