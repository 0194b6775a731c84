#pragma once

#include <string>
#include <string_view>

class FileSystem;

// Path functions over the platform's file system. Paths are byte strings; a
// search for a path finds that very file or folder, never another file that a
// '*' or '?' in its name would match as a pattern.

// `path`, or `folder` joined with `path` when a folder is given, names an
// existing file or folder.
bool FileExists(const FileSystem& fs, const std::string& path, const std::string& folder = "");
// An existing folder that is not a drive root.
bool IsExistingFolder(const FileSystem& fs, const std::string& path);
// A drive root: the Windows forms "C:" and "C:\" (kept in stored data), "/" and
// the mount points of this machine's block devices.
bool IsDriveRoot(const FileSystem& fs, const std::string& s);
// The same for a caller that has already asked whether `s` is a folder.
bool IsDriveRoot(const FileSystem& fs, const std::string& s, bool isFolder);
// The text after the last "." of the last path component, trimmed; empty
// when there is none.
std::string ExtensionOf(const std::string& s);
// The same as a view into `s`, for checks that only compare it.
std::string_view ExtensionView(std::string_view s);
// The name of the existing file or folder `path` without its extension; ""
// when it does not exist or is a drive root.
std::string FileTitleOf(const FileSystem& fs, const std::string& path);
// The name of the existing file or folder `path` with its extension; "" when
// it does not exist or is a drive root.
std::string FileNameOf(const FileSystem& fs, const std::string& path);
// The folder holding the existing file or folder `path`; a drive root is its
// own folder; "" when it does not exist.
std::string FolderOf(const FileSystem& fs, const std::string& path);
// The last component of a path as written, either separator counting.
std::string LastPathComponent(const std::string& path);
// Trimmed; longer than one character: the first letter in upper case and the
// rest in lower case.
std::string Capitalize(const std::string& s);
// `s` equals `a`, or one of `b` to `e` up to the first empty one, ignoring case.
bool StringInList(std::string_view s, std::string_view a, std::string_view b = {},
                  std::string_view c = {}, std::string_view d = {}, std::string_view e = {});
// The native path separator joined between a folder and a name.
std::string JoinPath(const std::string& folder, const std::string& name);
