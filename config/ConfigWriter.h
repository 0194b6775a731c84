#pragma once

#include <string>

class CModel;
struct CSettings;

// The text of a configuration file in the current version, CR LF line ends,
// stamped with the model clock's time.
std::string ConfigurationText(const CModel& model);

// The SETTINGS lines, one per setting in table order, each ended by CR LF.
std::string WriteSettings(const CSettings& settings);

// Saves the model as configuration `name` (empty: the current one) in the
// program folder. Does nothing and returns true while a load, another write
// or the closing of the main window is under way. The file is replaced
// atomically: on any failure it returns false, the old file stays as it was
// and the settings-modified flag stays set.
bool WriteConfiguration(CModel& model, const std::string& name = "");
