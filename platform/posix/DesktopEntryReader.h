#pragma once

#include "platform/ShortcutReader.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Reads freedesktop .desktop entries as shortcuts: Exec gives the program and
// its arguments, Path the working directory, Icon the icon file and Name the
// display name. Type=Link entries give their URL as the target.
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
