#include "sounds/SoundsSection.h"

#include "config/ConfigText.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"

namespace {

// A file line without a folder part names a file of the program folder.
std::string SoundPath(const CModel& model, const std::string& line) {
    if (line.find('/') == std::string::npos) {
        return JoinPath(model.programFolder, line);
    }
    return line;
}

} // namespace

void ReadSoundsSection(CModel& model, const ConfigText& text) {
    size_t i = text.FindSection("SOUNDS");
    if (i == ConfigText::npos) {
        return;
    }
    CActionSounds& sounds = model.sounds;
    while (i + 1 < text.LineCount()) {
        const std::string name = Trim(text.Line(i));
        if (name.empty() ||
            IsSectionEnd(name, {"FILE_DIALOG_PARAMETERS", "SOUNDS", "ALARMS", "BUTTONS"})) {
            return;
        }
        const std::string file = Trim(text.Line(i + 1));
        i += 2;
        const int action = sounds.FindAction(name);
        if (action < 0) {
            continue;
        }
        if (file.empty()) {
            sounds.SetCurrentFile(action, "");
        } else if (const std::string path = SoundPath(model, file);
                   FileExists(model.platform.fs, path)) {
            sounds.SetCurrentFile(action, path);
        }
    }
}

void AppendSoundsSection(const CModel& model, std::string& out) {
    const CActionSounds& sounds = model.sounds;
    const FileSystem& fs = model.platform.fs;
    bool headerWritten = false;
    for (int i = 0; i < sounds.Count(); ++i) {
        const std::string& file = sounds.CurrentFile(i);
        if (EqualsNoCase(file, sounds.DefaultFile(i))) {
            continue;
        }
        std::string line;
        if (!file.empty()) {
            if (!FileExists(fs, file)) {
                continue;
            }
            line =
                EqualsNoCase(FolderOf(fs, file), model.programFolder) ? FileNameOf(fs, file) : file;
        }
        if (!headerWritten) {
            out += "SOUNDS\r\n";
            headerWritten = true;
        }
        out += sounds.Name(i) + "\r\n" + line + "\r\n";
    }
}
