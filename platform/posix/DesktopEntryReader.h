#pragma once

#include "platform/ShortcutReader.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Reads freedesktop .desktop entries as shortcuts: Exec gives the program and
// its arguments, Path the working directory, Icon the icon file and Name (in
// the user's language where the entry has it) the display name. Type=Link
// entries give their URL as an internet address; Terminal=true entries run
// their program in the user's terminal.
class DesktopEntryReader : public ShortcutReader {
  public:
    // Looks up an environment variable; empty when unset.
    using Environment = std::function<std::string(const std::string&)>;

    DesktopEntryReader();
    explicit DesktopEntryReader(Environment environment);

    std::optional<ShortcutInfo> Read(const std::string& path) const override;

    // The file of a theme icon name: hicolor application icons below the data
    // folders, then /usr/share/pixmaps; "" when none is found.
    std::string FindThemeIcon(const std::string& name) const;
    // The first executable called `program` in $PATH, or "".
    std::string FindOnPath(const std::string& program) const;
    // The terminal program and the words before the command it runs: $TERMINAL,
    // x-terminal-emulator, or the first of a few common ones on $PATH; nullopt
    // when none is found.
    std::optional<std::vector<std::string>> FindTerminal() const;
    // The keys of a localised value for the user's locale (LC_ALL, LC_MESSAGES,
    // LANG), most specific first: "Name[de_DE]", "Name[de]", then "Name".
    std::vector<std::string> LocalisedKeys(const std::string& key) const;

  private:
    std::vector<std::string> IconBases() const;

    Environment environment_;
};

// Splits an Exec value (string escapes already applied) into words by the
// quoting rules of desktop entries and drops the field codes. nullopt when a
// quote is left open.
std::optional<std::vector<std::string>> SplitExecLine(const std::string& exec);

// Joins words so that POSIX shell word splitting gives them back unchanged.
std::string JoinShellWords(const std::vector<std::string>& words);
