#pragma once

class CModel;

// Loads the current configuration (the model's configuration name in its
// program folder) into the model, replacing what the file holds. With
// `withSettings` every setting is first reset and then read from the file.
// Problems are reported through the model's message boxes; loading always
// goes on to the end.
void LoadConfiguration(CModel& model, bool withSettings);
