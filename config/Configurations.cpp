#include "config/Configurations.h"

#include <algorithm>

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "ui/MenuIds.h"

namespace {

constexpr std::string_view kExtension = ".cfg";
constexpr const char* kCompanionMarks[] = {"_Recent", "_Backup", "_Saved"};
// The longest file name most Linux file systems take, in bytes.
constexpr std::size_t kMaxFileNameBytes = 255;

const char* Suffix(ConfigKind kind) {
    switch (kind) {
    case ConfigKind::Main:
        break;
    case ConfigKind::Recent:
        return "_Recent.cfg";
    case ConfigKind::Backup:
        return "_Backup.cfg";
    case ConfigKind::Saved:
        return "_Saved.cfg";
    }
    return ".cfg";
}

bool HasCompanionMark(const std::string& name) {
    return std::any_of(std::begin(kCompanionMarks), std::end(kCompanionMarks),
                       [&name](const char* mark) { return name.find(mark) != std::string::npos; });
}

// Menu texts take '&' as a mnemonic mark; a name shows its own ampersands.
std::string MenuName(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

} // namespace

std::string ConfigurationPath(const CModel& model, ConfigKind kind, const std::string& name) {
    const std::string& base = name.empty() ? model.configName : name;
    return JoinPath(model.programFolder, base + Suffix(kind));
}

bool ConfigurationExists(const CModel& model, ConfigKind kind, const std::string& name) {
    // FileExists takes '*' and '?' in a name literally.
    const std::string path = ConfigurationPath(model, kind, name);
    return FileExists(model.platform.fs, path) && !model.platform.fs.IsFolder(path);
}

std::vector<std::string> ConfigurationList(const CModel& model, const NameCollation& collate) {
    std::vector<std::string> names;
    for (const FileEntry& entry :
         model.platform.fs.FindAll(JoinPath(model.programFolder, "*.cfg"))) {
        if (entry.isFolder || entry.name.size() <= kExtension.size())
            continue;
        std::string name = entry.name.substr(0, entry.name.size() - kExtension.size());
        if (!HasCompanionMark(name))
            names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(),
                     [&collate](const std::string& a, const std::string& b) {
                         const int order = collate ? collate(a, b) : CompareNoCase(a, b);
                         return order != 0 ? order < 0 : a < b;
                     });
    return names;
}

int CountConfigurations(const CModel& model) {
    return static_cast<int>(ConfigurationList(model).size());
}

std::vector<ConfigMenuEntry> ConfigurationMenuEntries(const CModel& model,
                                                      const std::vector<std::string>& names) {
    std::vector<ConfigMenuEntry> entries;
    const bool numbered = names.size() <= 9;
    const int capacity = kLastConfigurationId - kFirstConfigurationId + 1;
    for (int i = 0; i < static_cast<int>(names.size()) && i < capacity; ++i) {
        const std::string& name = names[static_cast<std::size_t>(i)];
        ConfigMenuEntry entry{kFirstConfigurationId + i, name,
                              numbered ? Format("&%d %s", i + 1, MenuName(name).c_str())
                                       : MenuName(name),
                              EqualsNoCase(name, model.configName)};
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string ConfigurationNameProblem(const std::string& name) {
    if (Trim(name).empty())
        return "The name is empty.";
    if (name == "." || name == "..")
        return Format("\"%s\" is not a file name.", name.c_str());
    if (name.find('/') != std::string::npos || name.find('\0') != std::string::npos)
        return "A configuration name cannot contain a slash (/) or a NUL character.";
    if (HasCompanionMark(name))
        return "A configuration name cannot contain \"_Recent\", \"_Backup\" or \"_Saved\": "
               "files with these names are the copies that belong to another configuration.";
    if (name.size() + std::string_view("_Backup.cfg").size() > kMaxFileNameBytes)
        return Format("The name is too long: a configuration name can have at most %zu bytes.",
                      kMaxFileNameBytes - std::string_view("_Backup.cfg").size());
    return "";
}

std::string ConfigurationNameOf(const std::string& path) {
    // Only '/' separates: a backslash is an ordinary byte of a file name here.
    const std::size_t slash = path.rfind('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}
