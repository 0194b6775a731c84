#include "model/PathFunctions.h"

#include <algorithm>
#include <optional>

#include "model/Text.h"
#include "model/Utf8Case.h"
#include "platform/FileSystem.h"

namespace {

constexpr char kSeparator = '/';

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// A loop, not find_first_of: that searches the set once for every byte.
bool HasWildcard(const std::string& path) {
    // Two memchr scans beat one loop testing both bytes.
    return path.find('*') != std::string::npos || path.find('?') != std::string::npos;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == kSeparator)
        path.pop_back();
    return path;
}

// The file or folder `path` names. A '*' or '?' in the name is taken
// literally: of the pattern's matches only the one with that exact name counts.
std::optional<FileEntry> FindPath(const FileSystem& fs, const std::string& path) {
    if (path.empty())
        return std::nullopt;
    if (!HasWildcard(path))
        return fs.FindFirst(path);
    const std::string name = LastPathComponent(path);
    for (const FileEntry& entry : fs.FindAll(path))
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

// The name without its extension; a leading dot belongs to the name.
std::string TitleOfName(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

} // namespace

bool FileExists(const FileSystem& fs, const std::string& path, const std::string& folder) {
    if (!folder.empty())
        return FindPath(fs, JoinPath(folder, path)).has_value();
    if (path.empty())
        return false;
    // Without a wildcard the entry is not needed, only whether there is one.
    if (!HasWildcard(path))
        return fs.Exists(path);
    return FindPath(fs, path).has_value();
}

bool IsExistingFolder(const FileSystem& fs, const std::string& path) {
    if (IsDriveRoot(fs, path))
        return false;
    const auto entry = FindPath(fs, path);
    return entry && entry->isFolder;
}

namespace {

// The forms that are drive roots by their spelling alone.
bool IsDriveRootSpelling(const std::string& s) {
    if ((s.size() == 2 || s.size() == 3) && IsAsciiLetter(s[0]) && s[1] == ':' &&
        (s.size() == 2 || s[2] == '\\'))
        return true;
    return s == "/";
}

bool IsMountedRoot(const FileSystem& fs, const std::string& folderPath) {
    const std::string folder = WithoutTrailingSeparators(folderPath);
    const auto roots = fs.DriveRoots();
    return std::find(roots.begin(), roots.end(), folder) != roots.end();
}

} // namespace

bool IsDriveRoot(const FileSystem& fs, const std::string& s) {
    if (IsDriveRootSpelling(s))
        return true;
    // Reading the mount table costs more than a stat, and most targets are files.
    if (s.empty() || !fs.IsFolder(s))
        return false;
    return IsMountedRoot(fs, s);
}

bool IsDriveRoot(const FileSystem& fs, const std::string& s, bool isFolder) {
    if (IsDriveRootSpelling(s))
        return true;
    return !s.empty() && isFolder && IsMountedRoot(fs, s);
}

std::string ExtensionOf(const std::string& s) {
    return std::string(ExtensionView(s));
}

std::string_view ExtensionView(std::string_view s) {
    const size_t dot = s.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    // A dot in a folder name is no extension of the file.
    if (std::find_if(s.begin() + static_cast<std::ptrdiff_t>(dot), s.end(), IsSeparator) != s.end())
        return {};
    return TrimView(s.substr(dot + 1));
}

std::string FileTitleOf(const FileSystem& fs, const std::string& path) {
    return TitleOfName(FileNameOf(fs, path));
}

std::string FileNameOf(const FileSystem& fs, const std::string& path) {
    if (IsDriveRoot(fs, path))
        return "";
    const auto entry = FindPath(fs, path);
    return entry ? entry->name : "";
}

std::string FolderOf(const FileSystem& fs, const std::string& path) {
    if (IsDriveRoot(fs, path))
        return path;
    if (!FindPath(fs, path))
        return "";
    const std::string p = WithoutTrailingSeparators(path);
    const size_t slash = p.rfind(kSeparator);
    if (slash == std::string::npos)
        return "";
    return slash == 0 ? std::string(1, kSeparator) : p.substr(0, slash);
}

std::string LastPathComponent(const std::string& path) {
    size_t end = path.size();
    while (end > 1 && IsSeparator(path[end - 1]))
        --end;
    size_t begin = end;
    while (begin > 0 && !IsSeparator(path[begin - 1]))
        --begin;
    return path.substr(begin, end - begin);
}

std::string Capitalize(const std::string& s) {
    const std::string trimmed = Trim(s);
    if (CharCount(trimmed) <= 1)
        return trimmed;
    const std::string_view text(trimmed);
    const size_t first = CharsToBytes(text, 1);
    const std::string head = Utf8Upper(text.substr(0, first));
    return head + Utf8Lower(text.substr(first), Utf8Lower(head) != head);
}

bool StringInList(std::string_view s, std::string_view a, std::string_view b, std::string_view c,
                  std::string_view d, std::string_view e) {
    if (EqualsNoCase(s, a))
        return true;
    for (const std::string_view other : {b, c, d, e}) {
        if (other.empty())
            return false;
        if (EqualsNoCase(s, other))
            return true;
    }
    return false;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == kSeparator)
        return folder + name;
    return folder + kSeparator + name;
}
