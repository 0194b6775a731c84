#pragma once

#include <functional>
#include <string>
#include <vector>

class CModel;

// The files of a named configuration: the configuration itself and the
// companion copies that travel with it on rename and delete.
enum class ConfigKind { Main = 1, Recent = 2, Backup = 3, Saved = 4 };
inline constexpr ConfigKind kConfigKinds[] = {ConfigKind::Main, ConfigKind::Recent,
                                              ConfigKind::Backup, ConfigKind::Saved};

// The file of `kind` for configuration `name` (empty: the current one) in the
// program folder.
std::string ConfigurationPath(const CModel& model, ConfigKind kind, const std::string& name = "");
bool ConfigurationExists(const CModel& model, ConfigKind kind, const std::string& name = "");

// Orders two names: negative, zero or positive. The widgets pass the locale's
// collation; without one names fold ASCII case.
using NameCollation = std::function<int(const std::string&, const std::string&)>;

// The configurations in the program folder: every "*.cfg" file that is not a
// companion copy, as its name without extension, sorted by `collate` (the
// folder's own order is arbitrary here, and the menu should stay put).
std::vector<std::string> ConfigurationList(const CModel& model,
                                           const NameCollation& collate = nullptr);
int CountConfigurations(const CModel& model);

// One entry of the configuration list in the menus.
struct ConfigMenuEntry {
    int id;
    std::string name;
    std::string text; // "&1 Home" up to nine configurations, the bare name from ten
    bool checked;     // the current configuration
};
std::vector<ConfigMenuEntry> ConfigurationMenuEntries(const CModel& model,
                                                      const std::vector<std::string>& names);

// Why `name` cannot name a configuration file here ("" when it can): empty,
// a path or NUL byte in it, "." or "..", too long for a file name with its
// companions' suffixes, or the mark of a companion copy.
std::string ConfigurationNameProblem(const std::string& name);

// The configuration name a file chosen in a file dialog stands for: its last
// path component up to the last dot.
std::string ConfigurationNameOf(const std::string& path);
