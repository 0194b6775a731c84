#include "platform/posix/DesktopEntryReader.h"

#include <cstdlib>
#include <map>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Text.h"
#include "platform/posix/BinaryFile.h"
#include "platform/posix/ShellWords.h"

namespace {

// Real desktop entries are a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxEntrySize = 1 << 20;

using KeyMap = std::map<std::string, std::string, std::less<>>;

// Applies the string escapes of desktop entry values. Other backslash pairs are
// kept whole, because Exec applies its own quoting rules to them afterwards.
std::string UnescapeValue(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        switch (v[i + 1]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += v.substr(i, 2);
            break;
        }
        ++i;
    }
    return out;
}

// The keys of the first [Desktop Entry] group, localised ones included, with
// raw values; nullopt when the file has no such group.
std::optional<KeyMap> DesktopEntryGroup(std::string_view text) {
    KeyMap keys;
    bool found = false;
    bool inGroup = false;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3); // a byte-order mark some editors write
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            if (inGroup)
                break;
            inGroup = line == "[Desktop Entry]";
            found = found || inGroup;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inGroup || eq == std::string::npos)
            continue;
        const std::string key = TrimRight(std::string_view(line).substr(0, eq));
        keys.emplace(key, TrimLeft(std::string_view(line).substr(eq + 1)));
    }
    if (!found)
        return std::nullopt;
    return keys;
}

std::string Value(const KeyMap& keys, std::string_view key) {
    const auto it = keys.find(key);
    return it == keys.end() ? std::string() : UnescapeValue(it->second);
}

// The first non-empty value of `candidates` in the group, unescaped.
std::string FirstValue(const KeyMap& keys, const std::vector<std::string>& candidates) {
    for (const std::string& key : candidates)
        if (std::string value = Value(keys, key); !value.empty())
            return value;
    return {};
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFieldCode(char c) {
    return std::string_view("fFuUdDnNickvm").find(c) != std::string_view::npos;
}

// Handles a '%' at exec[i]: appends what it stands for and returns the
// number of characters used.
std::size_t TakePercent(const std::string& exec, std::size_t i, std::string& word,
                        bool& hadFieldCode) {
    if (i + 1 < exec.size() && exec[i + 1] == '%') {
        word += '%';
        return 2;
    }
    if (i + 1 < exec.size() && IsFieldCode(exec[i + 1])) {
        hadFieldCode = true;
        return 2;
    }
    word += '%';
    return 1;
}

bool IsShellSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("-_./=:,+@%").find(c) != std::string_view::npos;
}

std::string EnvOrDefault(const DesktopEntryReader::Environment& env, const std::string& name,
                         const std::string& fallback) {
    std::string value = env(name);
    return value.empty() ? fallback : value;
}

std::vector<std::string> SplitColons(const std::string& list) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (end > start)
            parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

std::optional<std::vector<std::string>> SplitExecLine(const std::string& exec) {
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = exec.size();
    while (i < n) {
        if (exec[i] == ' ' || exec[i] == '\t' || exec[i] == '\n') {
            ++i;
            continue;
        }
        std::string word;
        bool quoted = false;
        bool hadFieldCode = false;
        while (i < n && exec[i] != ' ' && exec[i] != '\t' && exec[i] != '\n') {
            if (exec[i] == '%') {
                i += TakePercent(exec, i, word, hadFieldCode);
            } else if (exec[i] == '"') {
                quoted = true;
                // Field codes are not allowed inside quotes, but entries in the
                // wild have "%f"; they are dropped there too.
                for (++i; i < n && exec[i] != '"';) {
                    if (exec[i] == '%') {
                        i += TakePercent(exec, i, word, hadFieldCode);
                        continue;
                    }
                    if (exec[i] == '\\' && i + 1 < n &&
                        std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
                        ++i;
                    word += exec[i++];
                }
                if (i >= n)
                    return std::nullopt;
                ++i;
            } else {
                word += exec[i++];
            }
        }
        // A word made only of field codes disappears; an explicit "" stays.
        if (!word.empty() || (quoted && !hadFieldCode))
            words.push_back(std::move(word));
    }
    return words;
}

std::string JoinShellWords(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) {
        if (!out.empty())
            out += ' ';
        bool safe = !word.empty();
        for (char c : word)
            safe = safe && IsShellSafe(c);
        out += safe ? word : QuoteShellWord(word);
    }
    return out;
}

DesktopEntryReader::DesktopEntryReader()
    : environment_([](const std::string& name) {
          const char* value = std::getenv(name.c_str());
          return std::string(value ? value : "");
      }) {}

DesktopEntryReader::DesktopEntryReader(Environment environment)
    : environment_(std::move(environment)) {}

std::optional<ShortcutInfo> DesktopEntryReader::Read(const std::string& path) const {
    std::string text;
    if (!BinaryFile(path).ReadAll(kMaxEntrySize, text))
        return std::nullopt;
    const std::optional<KeyMap> keys = DesktopEntryGroup(text);
    if (!keys)
        return std::nullopt;

    ShortcutInfo info;
    const std::string type = Value(*keys, "Type");
    if (type == "Link") {
        info.target = Trim(Value(*keys, "URL"));
        if (info.target.empty())
            return std::nullopt;
        info.internetAddress = true;
    } else if (type == "Application" || type.empty()) {
        const auto words = SplitExecLine(Value(*keys, "Exec"));
        if (!words || words->empty() || words->front().empty())
            return std::nullopt;
        std::vector<std::string> command = *words;
        if (Trim(Value(*keys, "Terminal")) == "true") {
            // The terminal becomes the target; the program and its words
            // follow its -e.
            if (auto terminal = FindTerminal()) {
                terminal->push_back("-e");
                command.insert(command.begin(), terminal->begin(), terminal->end());
            } else {
                info.terminalMissing = true;
            }
        }
        const std::string& program = command.front();
        if (program.find('/') != std::string::npos) {
            info.target = program;
        } else {
            info.target = FindOnPath(program);
            if (info.target.empty())
                info.target = program;
        }
        info.arguments = JoinShellWords({command.begin() + 1, command.end()});
        info.workingDirectory = Value(*keys, "Path");
    } else {
        return std::nullopt; // a directory entry or an unknown type opens nothing
    }
    info.displayName = FirstValue(*keys, LocalisedKeys("Name"));
    const std::string icon = Trim(Value(*keys, "Icon"));
    info.iconFile = !icon.empty() && icon[0] == '/' ? icon : FindThemeIcon(icon);
    return info;
}

std::optional<std::vector<std::string>> DesktopEntryReader::FindTerminal() const {
    // $TERMINAL may carry options of its own ("kitty --single-instance").
    if (const auto words = SplitExecLine(environment_("TERMINAL")); words && !words->empty()) {
        const std::string& program = words->front();
        if (program.find('/') != std::string::npos ? ::access(program.c_str(), X_OK) == 0
                                                   : !FindOnPath(program).empty())
            return words;
    }
    // Each of these runs "-e program words..." as given.
    for (const char* program :
         {"x-terminal-emulator", "konsole", "alacritty", "xterm", "urxvt", "st"}) {
        if (!FindOnPath(program).empty())
            return std::vector<std::string>{program};
    }
    return std::nullopt;
}

std::vector<std::string> DesktopEntryReader::LocalisedKeys(const std::string& key) const {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment_(name);
        if (!locale.empty())
            break;
    }
    // lang_COUNTRY.ENCODING@MODIFIER: the encoding plays no part.
    std::string modifier;
    if (const std::size_t at = locale.find('@'); at != std::string::npos) {
        modifier = locale.substr(at);
        locale.resize(at);
    }
    if (const std::size_t dot = locale.find('.'); dot != std::string::npos)
        locale.resize(dot);
    std::vector<std::string> keys;
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        const std::size_t underscore = locale.find('_');
        const std::string lang = locale.substr(0, underscore);
        if (underscore != std::string::npos) {
            if (!modifier.empty())
                keys.push_back(key + "[" + locale + modifier + "]");
            keys.push_back(key + "[" + locale + "]");
        }
        if (!modifier.empty())
            keys.push_back(key + "[" + lang + modifier + "]");
        keys.push_back(key + "[" + lang + "]");
    }
    keys.push_back(key);
    return keys;
}

std::vector<std::string> DesktopEntryReader::IconBases() const {
    const std::string home = environment_("HOME");
    std::vector<std::string> bases;
    const std::string dataHome =
        EnvOrDefault(environment_, "XDG_DATA_HOME", home.empty() ? "" : home + "/.local/share");
    if (!dataHome.empty())
        bases.push_back(dataHome + "/icons");
    if (!home.empty())
        bases.push_back(home + "/.icons");
    for (const std::string& dir :
         SplitColons(EnvOrDefault(environment_, "XDG_DATA_DIRS", "/usr/local/share:/usr/share")))
        bases.push_back(dir + "/icons");
    return bases;
}

std::string DesktopEntryReader::FindThemeIcon(const std::string& name) const {
    if (name.empty() || name.find('/') != std::string::npos)
        return {};
    static constexpr std::string_view kExtensions[] = {".png", ".svg", ".xpm"};
    static constexpr std::string_view kSizes[] = {"48x48",   "scalable", "64x64", "128x128",
                                                  "256x256", "32x32",    "96x96", "512x512",
                                                  "24x24",   "22x22",    "16x16", "symbolic"};
    // Old entries name the file with its extension; search by the bare name.
    std::string stem = name;
    for (std::string_view ext : kExtensions) {
        if (stem.size() > ext.size() &&
            EqualsNoCase(std::string_view(stem).substr(stem.size() - ext.size()), ext))
            stem.resize(stem.size() - ext.size());
    }
    const auto firstOf = [&](const std::string& prefix) -> std::string {
        for (std::string_view ext : kExtensions) {
            std::string candidate = prefix + stem;
            candidate += ext;
            if (IsRegularFile(candidate))
                return candidate;
        }
        return {};
    };
    const std::vector<std::string> bases = IconBases();
    for (const std::string& base : bases) {
        for (std::string_view size : kSizes) {
            std::string found = firstOf(base + "/hicolor/" + std::string(size) + "/apps/");
            if (!found.empty())
                return found;
        }
        if (std::string found = firstOf(base + "/"); !found.empty())
            return found;
    }
    return firstOf("/usr/share/pixmaps/");
}

std::string DesktopEntryReader::FindOnPath(const std::string& program) const {
    if (program.empty() || program.find('/') != std::string::npos)
        return {};
    for (const std::string& dir :
         SplitColons(EnvOrDefault(environment_, "PATH", "/usr/local/bin:/usr/bin:/bin"))) {
        const std::string candidate = dir + "/" + program;
        if (IsRegularFile(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}
