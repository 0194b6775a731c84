#pragma once

#include "platform/Platform.h"
#include "platform/posix/DesktopEntryReader.h"
#include "platform/posix/IconFileSource.h"
#include "platform/posix/InertServices.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/SystemClock.h"

#include <cstdio>
#include <map>

// Writes every message as one line "caption: text" to a stream and counts
// them; nothing is asked of a user.
class StreamPrompter : public Prompter {
  public:
    explicit StreamPrompter(std::FILE* stream) : stream_(stream) {}
    int MessageCount() const { return count_; }

    MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    FileDialogResult ChooseFiles(const FileDialogRequest& request) override {
        return {{}, request.filterIndex, request.folder};
    }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }

  private:
    std::FILE* stream_;
    int count_ = 0;
};

// One line of a message: each line break (CR LF, CR or LF) becomes a space.
std::string MessageLine(const std::string& caption, const std::string& text);

// Profile values live only as long as the process: the tool never touches
// the program's own.
class MemoryProfile : public Profile {
  public:
    std::string GetString(const std::string& key, const std::string& fallback) const override;
    int GetInt(const std::string& key, int fallback) const override;
    void SetString(const std::string& key, const std::string& value) override {
        strings_[key] = value;
    }
    void SetInt(const std::string& key, int value) override { ints_[key] = value; }

  private:
    std::map<std::string, std::string> strings_;
    std::map<std::string, int> ints_;
};

class CfgIconSource : public IconFileSource {
  public:
    bool HasDocumentIcon(const std::string&) const override { return true; }
};

// The platform of the command-line tool: the real file system, clock, shortcut
// and icon readers; no user interface, sound or launching.
struct CfgPlatform {
    explicit CfgPlatform(std::FILE* messages) : prompter(messages) {}
    PosixFileSystem fs;
    MemoryProfile profile;
    SystemClock clock;
    StreamPrompter prompter;
    CfgIconSource icons;
    DesktopEntryReader shortcuts;
    SilentSoundPlayer sound;
    NoLaunchShell shell;
    Platform platform{fs, profile, clock, prompter, icons, shortcuts, sound, shell};
};
