#pragma once

#include <string>

// How the opened window should start.
enum class ShowMode { Normal = 1, Maximized = 2, Minimized = 3 };

struct LaunchRequest {
    std::string target;
    std::string parameters;
    std::string directory;
    ShowMode show = ShowMode::Normal;
};

// Result codes of a launch; values above 32 mean success, as callers expect.
namespace ShellResult {
inline constexpr int Ok = 42;
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int BadFormat = 11;
inline constexpr int BadParameters = 12; // an unterminated quote in the parameters
inline constexpr int NulCharacter = 13;  // a NUL in the target, parameters or folder
inline constexpr int TooLong = 14;       // the parameters exceed what the system takes
inline constexpr int Generic = 31;
} // namespace ShellResult

// Starts programs and opens documents, folders and addresses.
class Shell {
  public:
    virtual ~Shell() = default;
    // Starts an executable directly (never through a shell). The parameters
    // are split into words by the shell's quoting rules, without expansion.
    virtual int Execute(const LaunchRequest& request) = 0;
    // Hands a document, folder, drive or address to the desktop's opener.
    virtual int Open(const LaunchRequest& request) = 0;
    // The full path of the first of `program` found on PATH, or "".
    virtual std::string FindProgram(const std::string& program) const = 0;
    // Shows `path` selected in the desktop's file manager; false when no file
    // manager took the request.
    virtual bool ShowItems(const std::string& path) = 0;
    // Makes `folder` the program's current directory.
    virtual void SetCurrentDirectory(const std::string& folder) = 0;
    // The desktop entry of the default handler of web addresses, or "".
    virtual std::string DefaultWebBrowser() const = 0;
    // Collects the programs started earlier that have ended, so none stays a
    // zombie; the program calls it on each launch and from its clock timer.
    virtual void ReapChildren() = 0;
};
