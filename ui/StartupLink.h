#pragma once

#include <string>

class CModel;
class FileSystem;

// Starting Dorvane when the user logs in: a desktop entry "Dorvane 10.desktop"
// in the user's autostart folder, which the Miscellaneous page of the options
// creates and deletes.

// Where the entry goes and what it starts; the window finds them.
struct StartupLinkPlaces {
    std::string autostartFolder; // $XDG_CONFIG_HOME/autostart; empty when unknown
    std::string executable;      // the running program's own path
};

// The entry's file: "<autostart folder>/Dorvane 10.desktop"; empty when the
// folder is unknown.
std::string StartupLinkPath(const std::string& autostartFolder);
bool StartupLinkExists(const FileSystem& fs, const std::string& autostartFolder);

// A string value of a desktop entry, with its escapes (\\ \n \t \r, \s for a
// leading blank).
std::string DesktopStringValue(const std::string& text);
// One argument of an Exec line: in double quotes, with its own escapes, when
// it holds a character the Exec syntax reserves; '%' doubled.
std::string DesktopExecArgument(const std::string& argument);

// The entry that starts `executable` in `folder`.
std::string StartupLinkContents(const std::string& executable, const std::string& folder);
// Writes the entry, making the autostart folder where it is missing. False
// when it could not be written.
bool CreateStartupLink(FileSystem& fs, const std::string& autostartFolder,
                       const std::string& executable, const std::string& folder);

// The page's box: its state when the page was set up or last applied, and
// what it shows now.
struct StartupLinkBox {
    bool initial = false;
    bool current = false;
    bool Modified() const { return initial != current; }
};
// The box as the entry's file says.
StartupLinkBox ReadStartupLinkBox(const FileSystem& fs, const StartupLinkPlaces& places);

// Applies the box: asks before deleting or creating the entry, asks the
// user to locate the program when it is not where it should be, and then
// sets the box again from the file.
void ApplyStartupLink(CModel& model, const StartupLinkPlaces& places, StartupLinkBox& box);
