#pragma once

#include <optional>
#include <string>

// The contents of a shortcut file (a freedesktop .desktop entry on Linux).
struct ShortcutInfo {
    std::string displayName;
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    std::string iconFile;
    int iconIndex = 0;
    int openMode = 1;             // 1 normal, 2 maximized, 3 minimized
    bool internetAddress = false; // the target is an address to open, not a file
    bool terminalMissing = false; // the program wants a terminal and none was found
};

class ShortcutReader {
  public:
    virtual ~ShortcutReader() = default;
    // nullopt when the file is missing, unreadable or not a usable shortcut.
    virtual std::optional<ShortcutInfo> Read(const std::string& path) const = 0;
};
