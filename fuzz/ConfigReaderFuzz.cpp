// Feeds arbitrary bytes to the configuration reader as the current
// configuration file, then checks that what the writer makes of the model
// reads back to the same file.

#include "config/ConfigWriter.h"
#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "model/Text.h"
#include "platform/posix/InertServices.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr const char* kFolder = "/cfg";
constexpr const char* kFile = "/cfg/Fuzz.cfg";

// Holds the configuration file in memory. Paths beginning with "/x" are
// existing files and those beginning with "/d" existing folders, so targets,
// sounds and icons in the input can take the paths where they exist.
class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;

    std::optional<FileEntry> FindFirst(const std::string& pattern) const override {
        if (files.count(pattern) || Starts(pattern, "/x") || Starts(pattern, "/d"))
            return FileEntry{pattern.substr(pattern.rfind('/') + 1), Starts(pattern, "/d")};
        return std::nullopt;
    }
    std::vector<FileEntry> FindAll(const std::string& pattern) const override {
        const auto first = FindFirst(pattern);
        return first ? std::vector<FileEntry>{*first} : std::vector<FileEntry>{};
    }
    bool IsFolder(const std::string& path) const override { return Starts(path, "/d"); }
    bool IsExecutableProgram(const std::string& path) const override {
        return Starts(path, "/x") && path.size() % 2 == 0;
    }
    std::vector<std::string> DriveRoots() const override { return {"/"}; }
    std::string CurrentDirectory() const override { return kFolder; }
    std::string HomeDirectory() const override { return "/home/fuzz"; }
    FileResult ReadFile(const std::string& path, std::string& contents) const override {
        const auto it = files.find(path);
        if (it == files.end())
            return FileResult::Failure(ENOENT);
        contents = it->second;
        return {};
    }
    FileResult WriteFileAtomic(const std::string& path, std::string_view contents) override {
        files[path] = std::string(contents);
        return {};
    }
    bool CopyFile(const std::string&, const std::string&, bool) override { return false; }
    bool CreateFolder(const std::string&) override { return false; }
    bool DeleteFile(const std::string& path) override { return files.erase(path) > 0; }
    bool Rename(const std::string&, const std::string&) override { return false; }

  private:
    static bool Starts(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
};

class FixedClock : public Clock {
  public:
    LocalDateTime Now() const override { return {2024, 6, 15, 10, 30, 0, 6}; }
};

class CountingPrompter : public Prompter {
  public:
    int messages = 0;
    MsgAnswer Message(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        ++messages;
        return MsgAnswer::Ok;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    FileDialogResult ChooseFiles(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

class NoProfile : public Profile {
  public:
    std::string GetString(const std::string&, const std::string& fallback) const override {
        return fallback;
    }
    int GetInt(const std::string&, int fallback) const override { return fallback; }
    void SetString(const std::string&, const std::string&) override {}
    void SetInt(const std::string&, int) override {}
};

class SomeIcons : public IconSource {
  public:
    int IconCount(const std::string& file) const override {
        return static_cast<int>(file.size() % 4);
    }
    bool HasDocumentIcon(const std::string&) const override { return true; }
};

class NoShortcuts : public ShortcutReader {
  public:
    std::optional<ShortcutInfo> Read(const std::string&) const override { return std::nullopt; }
};

struct FuzzPlatform {
    MemoryFileSystem fs;
    NoProfile profile;
    FixedClock clock;
    CountingPrompter prompter;
    SomeIcons icons;
    NoShortcuts shortcuts;
    SilentSoundPlayer sound;
    NoLaunchShell shell;
    Platform platform{fs, profile, clock, prompter, icons, shortcuts, sound, shell};
};

// The format does not keep white space around a value (the reader trims it),
// so lines are compared with it removed.
std::string Normalised(const std::string& text) {
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        LineWords words(std::string_view(text).substr(start, end - start));
        out += words.Next() + " " + words.Rest() + "\r\n";
        start = end + 2;
    }
    return out;
}

std::string LoadAndWrite(const std::string& bytes) {
    FuzzPlatform p;
    p.fs.files[kFile] = bytes;
    CModel model(p.platform);
    model.programFolder = kFolder;
    model.configName = "Fuzz";
    LoadConfiguration(model, true);
    return ConfigurationText(model);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string first = LoadAndWrite(std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = Normalised(first);
    const std::string rewritten = Normalised(LoadAndWrite(first));
    if (rewritten != written) {
        size_t at = 0;
        while (at < written.size() && at < rewritten.size() && written[at] == rewritten[at])
            ++at;
        const size_t from =
            written.rfind('\n', at) == std::string::npos ? 0 : written.rfind('\n', at) + 1;
        std::fprintf(stderr, "written file does not read back; first difference:\n");
        for (const std::string* text : {&written, &rewritten}) {
            for (size_t i = from; i < text->size() && i < at + 40; ++i) {
                const unsigned char c = static_cast<unsigned char>((*text)[i]);
                std::fprintf(stderr, c >= 32 && c < 127 ? "%c" : "\\x%02x", c);
            }
            std::fprintf(stderr, "\n");
        }
        std::abort();
    }
    return 0;
}
