#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class MsgIcon { None, Stop, Exclamation, Question, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// One file-dialog request. Filters are "Description|*.a;*.b" entries; the
// chosen filter index (1-based) comes back in `filterIndex`.
struct FileDialogRequest {
    std::string caption;
    std::string folder;
    std::string fileName;
    std::vector<std::string> filters;
    int filterIndex = 1;
    bool multiple = false;
    bool save = false;
    // Save dialogs: ask before a chosen existing file is replaced.
    bool confirmOverwrite = true;
    // Added to a typed name that has no extension ("cfg"); empty: none.
    std::string defaultSuffix;
    // A filter whose files a name pattern cannot describe (programs are known
    // by their execute bit and content): while filter `testedFilter` (1-based)
    // is chosen, the dialog lists the folders and the files `test` accepts.
    int testedFilter = 0;
    std::function<bool(const std::string& path)> test;
};

struct FileDialogResult {
    std::vector<std::string> files; // full paths; empty when cancelled
    int filterIndex = 1;
    std::string folder;
};

// Message boxes and the small standard dialogs. The Qt implementation shows
// real dialogs; tests script the answers and record every message.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                              MsgButtons buttons) = 0;
    virtual std::optional<std::string>
    AskText(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    virtual FileDialogResult ChooseFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                    const std::string& startFolder) = 0;
};
