#pragma once

#include "platform/Platform.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

// A clock the test sets. With `zoneRules` its times convert by the process's
// time zone (TZ), as the system clock's do; otherwise the wall clock is UTC.
class FakeClock : public Clock {
  public:
    LocalDateTime now;
    bool zoneRules = false;
    LocalDateTime Now() const override { return now; }
    int64_t ToAbsolute(const LocalDateTime& t) const override;
};

// One message box as the core asked for it.
struct RecordedMessage {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

// Answers from a script and records every message.
class ScriptedPrompter : public Prompter {
  public:
    std::vector<RecordedMessage> messages;
    std::deque<MsgAnswer> answers; // used in order; Ok/Yes when empty
    std::deque<std::optional<std::string>> texts;
    std::deque<FileDialogResult> files;
    std::deque<std::optional<std::string>> folders;
    std::vector<FileDialogRequest> fileRequests;

    MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    FileDialogResult ChooseFiles(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const std::string& caption,
                                            const std::string& startFolder) override;
};

class FakeProfile : public Profile {
  public:
    std::map<std::string, std::string> strings;
    std::map<std::string, int> ints;
    std::string GetString(const std::string& key, const std::string& fallback) const override;
    int GetInt(const std::string& key, int fallback) const override;
    void SetString(const std::string& key, const std::string& value) override {
        strings[key] = value;
    }
    void SetInt(const std::string& key, int value) override { ints[key] = value; }
};

// Icon counts by file name; unknown files hold none.
class FakeIconSource : public IconSource {
  public:
    std::map<std::string, int> counts;
    bool documentIcons = true;
    int IconCount(const std::string& file) const override;
    bool HasDocumentIcon(const std::string&) const override { return documentIcons; }
};

class FakeShortcutReader : public ShortcutReader {
  public:
    std::map<std::string, ShortcutInfo> shortcuts;
    std::optional<ShortcutInfo> Read(const std::string& path) const override;
};

class FakeSoundPlayer : public SoundPlayer {
  public:
    struct Play_ {
        std::string file;
        bool synchronous;
    };
    std::vector<Play_> played;
    bool Play(const std::string& file, bool synchronous) override {
        played.push_back({file, synchronous});
        return true;
    }
    void Stop() override {}
};

class FakeShell : public Shell {
  public:
    struct Call {
        bool execute; // false: handed to the opener
        LaunchRequest request;
    };
    std::vector<Call> calls;
    int result = ShellResult::Ok;
    std::map<std::string, std::string> programs; // name -> path for FindProgram
    int Execute(const LaunchRequest& request) override {
        calls.push_back({true, request});
        return result;
    }
    int Open(const LaunchRequest& request) override {
        calls.push_back({false, request});
        return result;
    }
    std::string FindProgram(const std::string& program) const override;
    std::vector<std::string> shownItems;  // ShowItems requests
    bool fileManager = true;              // ShowItems answers this
    std::vector<std::string> directories; // SetCurrentDirectory calls
    std::string webBrowser;               // DefaultWebBrowser answers this
    int reaps = 0;
    bool ShowItems(const std::string& path) override {
        shownItems.push_back(path);
        return fileManager;
    }
    void SetCurrentDirectory(const std::string& folder) override { directories.push_back(folder); }
    std::string DefaultWebBrowser() const override { return webBrowser; }
    void ReapChildren() override { ++reaps; }
};

// A temporary folder removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes a file below the folder (creating folders on the way); returns its path.
    std::string Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const;

  private:
    std::string path_;
};
