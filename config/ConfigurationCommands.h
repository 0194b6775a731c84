#pragma once

#include <string>

class CModel;
class EditDialogs;

// The commands of the Configurations menu. Each shows its dialogs and
// messages through the model's platform and asks the window to rebuild the
// configuration list (ViewHooks::RebuildConfigurationMenus) where the list
// may have changed.

// Saves a copy of the model under a name chosen in the Save As dialog, which
// proposes `proposed`. The current configuration, its name, the profile and
// the modified flag stay as they were.
void SaveConfigurationAs(CModel& model, const std::string& proposed);
// The name Backup proposes: the current name and today's date as mmddyy.
std::string BackupProposal(const CModel& model);

// A new configuration under a name chosen in a Save As dialog, with the
// current or the default settings; it becomes current and is saved at once.
void CreateConfiguration(CModel& model);
// Opens a configuration chosen in the Open dialog.
void LoadConfigurationCommand(CModel& model);
// Makes configuration `name` current, saving unsaved changes of the current
// one first (when that save fails, nothing changes). False when nothing was
// opened.
bool OpenConfigurationByName(CModel& model, const std::string& name);
// A list entry was chosen: opens it unless it is the current configuration.
void ChooseListedConfiguration(CModel& model, const std::string& name);

// Asks for a new name for the current configuration and renames it.
void RenameCurrentConfiguration(CModel& model, EditDialogs& dialogs);
// Renames configuration `from` and its companion copies to `to`. No file is
// ever lost: each is moved without replacing another, or (where the user
// agreed to replace an existing configuration) copied over it and removed only
// once copied. Failures are reported. True when the configuration file itself
// now carries the new name.
bool RenameConfiguration(CModel& model, const std::string& from, const std::string& to);

// Deletes a configuration chosen in the Open dialog, after a question.
void DeleteConfigurationCommand(CModel& model);
// Deletes configuration `name` and its companions; true when its file existed
// and is gone.
bool DeleteConfigurationFiles(CModel& model, const std::string& name);

// Replaces the whole model: with `create` a new configuration (`flag`: with
// default settings and sounds), otherwise the current configuration's file
// (`flag`: with its settings). Afterwards the change log is empty, nothing is
// modified and the profile names the current configuration.
void SwitchConfiguration(CModel& model, bool create, bool flag);
// A configuration of one empty category "Untitled" and no Favorites; the
// alarms stay. `useDefaults` resets the settings and action sounds too.
void NewConfiguration(CModel& model, bool useDefaults);
