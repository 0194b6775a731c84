#include "tests/support/Fakes.h"

#include "platform/posix/SystemClock.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

int64_t FakeClock::ToAbsolute(const LocalDateTime& t) const {
    return zoneRules ? LocalToAbsolute(t) : Clock::ToAbsolute(t);
}

MsgAnswer ScriptedPrompter::Message(const std::string& text, const std::string& caption,
                                    MsgIcon icon, MsgButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

std::optional<std::string> ScriptedPrompter::AskText(const std::string&, const std::string&,
                                                     const std::string&) {
    if (texts.empty())
        return std::nullopt;
    auto t = texts.front();
    texts.pop_front();
    return t;
}

FileDialogResult ScriptedPrompter::ChooseFiles(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty())
        return {};
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedPrompter::ChooseFolder(const std::string&, const std::string&) {
    if (folders.empty())
        return std::nullopt;
    auto f = folders.front();
    folders.pop_front();
    return f;
}

std::string FakeProfile::GetString(const std::string& key, const std::string& fallback) const {
    const auto it = strings.find(key);
    return it == strings.end() ? fallback : it->second;
}

int FakeProfile::GetInt(const std::string& key, int fallback) const {
    const auto it = ints.find(key);
    return it == ints.end() ? fallback : it->second;
}

int FakeIconSource::IconCount(const std::string& file) const {
    const auto it = counts.find(file);
    return it == counts.end() ? 0 : it->second;
}

std::optional<ShortcutInfo> FakeShortcutReader::Read(const std::string& path) const {
    const auto it = shortcuts.find(path);
    if (it == shortcuts.end())
        return std::nullopt;
    return it->second;
}

std::string FakeShell::FindProgram(const std::string& program) const {
    const auto it = programs.find(program);
    return it == programs.end() ? std::string() : it->second;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "dorvane-test-XXXXXX").string();
    char* made = mkdtemp(tmpl.data());
    path_ = made ? made : tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& contents) const {
    const std::filesystem::path p = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << contents;
    return p.string();
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(std::filesystem::path(path_) / name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
