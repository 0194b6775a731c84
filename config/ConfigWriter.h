#pragma once

#include <string>
#include <string_view>

class CModel;
struct CSettings;

// The text of a configuration file in the current version, CR LF line ends,
// stamped with the model clock's time.
std::string ConfigurationText(const CModel& model);

// The SETTINGS lines, one per setting in table order, each ended by CR LF.
std::string WriteSettings(const CSettings& settings);

// Whether a failed save is told to the user at once ("Save Failed"), or left
// to the caller, who finds the reason in model.saveError. A quiet save also
// keeps its notes (where the file as read was kept, a changed owner) to itself.
enum class SaveReport { Tell, Quiet };

// Saves the model as configuration `name` (empty: the current one) in the
// program folder. Does nothing and returns true while a load, another write
// or the closing of the main window is under way. The file is replaced
// atomically: on any failure it returns false, the old file stays as it was,
// the settings-modified flag stays set and model.saveError says why.
// A file the last load could not read is replaced only when the user agrees;
// a file whose load reported problems is first kept as read in NAME.cfg.bak.
bool WriteConfiguration(CModel& model, const std::string& name = "",
                        SaveReport report = SaveReport::Tell);

// The "Save Failed" text for configuration `name` at `path`, with the reason.
std::string SaveFailedText(const std::string& name, const std::string& path,
                           const std::string& reason);
