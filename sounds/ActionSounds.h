#pragma once

#include <string>
#include <string_view>
#include <vector>

// The table of action sounds: every user action that plays a sound, with its
// default file in the program folder and the file currently chosen for it
// (empty: no sound).
class CActionSounds {
  public:
    CActionSounds();

    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Name(int index) const { return entries_[Checked(index)].name; }
    const std::string& DefaultFile(int index) const { return entries_[Checked(index)].defaultFile; }
    const std::string& CurrentFile(int index) const { return entries_[Checked(index)].currentFile; }
    void SetCurrentFile(int index, std::string file) {
        entries_[Checked(index)].currentFile = std::move(file);
    }
    // The entry of an action name (ignoring case), or -1.
    int FindAction(std::string_view name) const;

  private:
    friend void ResetActionSounds(CActionSounds& sounds, const std::string& programFolder);
    struct Entry {
        std::string name;
        std::string defaultFile;
        std::string currentFile;
    };
    size_t Checked(int index) const;

    std::vector<Entry> entries_;
};

// The default file name of each action, in table order ("DV_Launch_App.wav" ...).
const char* DefaultSoundName(int index);
// Every entry's default file becomes the program folder's file of its default
// name, and its current file that default.
void ResetActionSounds(CActionSounds& sounds, const std::string& programFolder);
