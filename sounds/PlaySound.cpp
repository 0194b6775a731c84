#include "sounds/PlaySound.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"

void PlayFile(CModel& model, const std::string& path, bool force, bool asynchronous) {
    if (!force && !model.settings.Sound) {
        return;
    }
    if (path.empty() || !FileExists(model.platform.fs, path)) {
        return;
    }
    model.platform.sound.Play(path, !asynchronous);
}

void PlayActionSound(CModel& model, std::string_view name, bool asynchronous) {
    const bool alarm = EqualsNoCase(name, "Alarm Clock");
    const bool chime = model.settings.PlayChimes && EqualsNoCase(name.substr(0, 5), "chime");
    if (!model.settings.Sound && !alarm && !chime) {
        return;
    }
    const int action = model.sounds.FindAction(name);
    if (action < 0) {
        return;
    }
    PlayFile(model, model.sounds.CurrentFile(action), alarm || chime, asynchronous);
}

void PlayButtonSound(CModel& model, int category, int slot) {
    if (!model.settings.Sound) {
        return;
    }
    const CButtonDef* button = model.GetButton(category, slot);
    if (button == nullptr) {
        return;
    }
    if (!button->Sound().empty() && FileExists(model.platform.fs, button->Sound())) {
        PlayFile(model, button->Sound(), false, true);
        return;
    }
    PlayActionSound(model, button->IsExe() ? "Launch Application" : "Open Document or Folder",
                    true);
}
