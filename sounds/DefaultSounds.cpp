#include "sounds/DefaultSounds.h"

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"
#include "sounds/PlaySound.h"

namespace {

// Entry 3 of the file-dialog parameters remembers the folder of sound files.
constexpr int kSoundsDialogEntry = 3;

bool ValidRow(const CModel& model, int row) {
    return row >= 0 && row < model.sounds.Count();
}

} // namespace

DefaultSoundsButtons DefaultSoundsButtonStates(const CModel& model, int row) {
    DefaultSoundsButtons b;
    if (!ValidRow(model, row))
        return b;
    const FileSystem& fs = model.platform.fs;
    const std::string& current = model.sounds.CurrentFile(row);
    const std::string& defaultFile = model.sounds.DefaultFile(row);
    b.browse = true;
    b.play = !current.empty() && FileExists(fs, current);
    b.remove = !current.empty();
    b.useDefault = !EqualsNoCase(current, defaultFile) && FileExists(fs, defaultFile);
    return b;
}

bool BrowseActionSound(CModel& model, int row) {
    if (!ValidRow(model, row))
        return false;
    PlayActionSound(model, "Open File Selection Box", true);
    const std::string& current = model.sounds.CurrentFile(row);
    FileDialogRequest request;
    request.caption = "Select the Sound File for \"" + model.sounds.Name(row) + "\"";
    request.folder = current.empty() ? model.DialogFolder(kSoundsDialogEntry, "")
                                     : FolderOf(model.platform.fs, current);
    request.filters = {"Sound Files (*.wav)|*.wav"};
    const bool wasModal = model.modal;
    model.modal = true;
    const FileDialogResult result = model.platform.prompter.ChooseFiles(request);
    model.modal = wasModal;
    if (result.files.empty() || result.files.front().empty())
        return false;
    const std::string& path = result.files.front();
    model.SetDialogFolder(kSoundsDialogEntry, FolderOf(model.platform.fs, path));
    model.sounds.SetCurrentFile(row, path);
    model.SetModified();
    return true;
}

void PlayActionSoundRow(CModel& model, int row) {
    if (ValidRow(model, row))
        PlayFile(model, model.sounds.CurrentFile(row), false, true);
}

void RemoveActionSound(CModel& model, int row) {
    if (!ValidRow(model, row))
        return;
    model.sounds.SetCurrentFile(row, "");
    model.SetModified();
}

void UseDefaultActionSound(CModel& model, int row) {
    if (!DefaultSoundsButtonStates(model, row).useDefault)
        return;
    model.sounds.SetCurrentFile(row, model.sounds.DefaultFile(row));
    model.SetModified();
}
