#pragma once

#include <string>

class CModel;

// Loads the current configuration (the model's configuration name in its
// program folder) into the model, replacing what the file holds. With
// `withSettings` every setting is first reset and then read from the file.
// Problems are reported through the model's message boxes; loading always
// goes on to the end. A file that exists but cannot be read is reported
// ("Could Not Read Configuration") and guarded against being saved over; a
// load that reported any problem leaves the file's bytes for the first save
// to keep beside it (model.saveGuard).
void LoadConfiguration(CModel& model, bool withSettings);

// The message of a configuration file that could not be read, with the
// system's reason.
std::string UnreadableConfigurationText(const std::string& path, const std::string& reason);
