#include "utilities/BackupWalk.h"

#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The path without trailing separators, "/" kept.
std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool IsWindowsDrivePath(const std::string& s) {
    return s.size() > 3 && s[1] == ':' && (s[2] == '\\' || s[2] == '/');
}

std::string Describe(const std::error_code& ec) {
    return ec.message();
}

} // namespace

std::string BackupDestination(const std::string& root, const std::string& source) {
    std::string below;
    if (IsWindowsDrivePath(source))
        below = source.substr(3); // the path below the drive, as stored on Windows
    else if (source.size() > 1 && source[0] == '/')
        below = source.substr(source.find_first_not_of('/'));
    if (below.empty() || root.empty())
        return {};
    std::string dest = StripTrailingSlashes(root);
    if (dest.back() != '/')
        dest += '/';
    return dest + below;
}

bool PathWithin(const std::string& path, const std::string& folder) {
    if (path.empty() || folder.empty())
        return false;
    const std::string p = StripTrailingSlashes(path);
    const std::string f = StripTrailingSlashes(folder);
    if (f == "/")
        return p[0] == '/';
    return p == f || (p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '/');
}

CBackupWalk::CBackupWalk(std::string root, std::string source, bool copy, bool subFolders)
    : root_(StripTrailingSlashes(root)), rootText_(StripTrailingSlashes(std::move(root))),
      start_(StripTrailingSlashes(fs::path(source).lexically_normal().native())), copy_(copy),
      subFolders_(subFolders) {}

bool CBackupWalk::Step(int maxEntries) {
    if (done_)
        return false;
    int budget = maxEntries;
    if (!started_) {
        started_ = true;
        Begin();
        --budget;
    }
    while (budget > 0 && !stack_.empty()) {
        fs::directory_iterator& it = stack_.back();
        if (it == fs::directory_iterator()) {
            stack_.pop_back();
            continue;
        }
        const fs::directory_entry entry = *it;
        std::error_code ec;
        it.increment(ec);
        if (ec) {
            // The folder can no longer be read; what was listed so far stays done.
            Fail(entry.path().parent_path(), Describe(ec));
            stack_.pop_back();
        }
        --budget;
        const fs::file_type type = entry.symlink_status(ec).type();
        if (type == fs::file_type::directory) {
            if (!subFolders_ || IsRootFolder(entry.path()))
                continue;
            HandleEntry(entry.path(), type);
            EnterFolder(entry.path());
        } else {
            HandleEntry(entry.path(), ec ? fs::file_type::not_found : type);
        }
    }
    done_ = stack_.empty();
    return !done_;
}

void CBackupWalk::Begin() {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(start_, ec);
    if (ec || status.type() == fs::file_type::not_found) {
        ++handled_;
        source_ = start_;
        destination_ = BackupDestination(rootText_, start_);
        Fail(start_, "No such file or folder");
        return;
    }
    if (status.type() == fs::file_type::directory) {
        if (IsRootFolder(start_))
            return;
        HandleEntry(start_, status.type());
        EnterFolder(start_);
        return;
    }
    HandleEntry(start_, status.type());
}

void CBackupWalk::EnterFolder(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::none, ec);
    if (ec) {
        Fail(folder, Describe(ec));
        return;
    }
    stack_.push_back(std::move(it));
}

bool CBackupWalk::IsRootFolder(const fs::path& folder) const {
    if (folder.native() == rootText_)
        return true;
    // The same folder reached by another path (a link in the root's path).
    std::error_code ec;
    return fs::equivalent(folder, root_, ec) && !ec;
}

void CBackupWalk::Fail(const fs::path& src, const std::string& reason) {
    failures_.push_back({src.native(), reason});
}

void CBackupWalk::HandleEntry(const fs::path& src, fs::file_type type) {
    ++handled_;
    source_ = src.native();
    destination_ = BackupDestination(rootText_, source_);
    if (destination_.empty()) {
        Fail(src, "A whole drive cannot be copied");
        return;
    }
    bool ok = true;
    switch (type) {
    case fs::file_type::directory:
        ok = !copy_ || CopyFolder(destination_);
        break;
    case fs::file_type::regular:
        ok = !copy_ || CopyFile(src, destination_);
        break;
    case fs::file_type::symlink:
        ok = !copy_ || CopyLink(src, destination_);
        break;
    case fs::file_type::not_found:
        Fail(src, "No such file or folder");
        return;
    default:
        // FIFOs, sockets and devices hold no file contents to keep.
        ++skipped_;
        return;
    }
    if (ok)
        ++counted_;
}

bool CBackupWalk::EnsureFolder(const fs::path& folder, std::string& reason) {
    if (ensured_.count(folder.native()))
        return true;
    const fs::path below = folder.lexically_relative(root_);
    fs::path level = root_;
    for (const fs::path& part : below) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            reason = "Outside the root folder: " + folder.native();
            return false;
        }
        level /= part;
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(level, ec);
        if (status.type() == fs::file_type::directory)
            continue;
        if (status.type() != fs::file_type::not_found) {
            reason = "Not a folder: " + level.native();
            return false;
        }
        if (!fs::create_directory(level, ec) && ec) {
            reason = Describe(ec);
            return false;
        }
    }
    ensured_.insert(folder.native());
    return true;
}

bool CBackupWalk::FolderReady(const fs::path& folder, const fs::path& src) {
    std::string reason;
    if (EnsureFolder(folder, reason))
        return true;
    Fail(src, reason);
    return false;
}

bool CBackupWalk::CopyFolder(const std::string& dest) {
    return FolderReady(fs::path(dest), source_);
}

bool CBackupWalk::CopyFile(const fs::path& src, const std::string& dest) {
    const fs::path target(dest);
    const fs::path folder = target.parent_path();
    if (!FolderReady(folder, src))
        return false;
    std::error_code ec;
    fs::path temporary;
    // A name of our own beside the destination: the old copy stays whole until
    // the new one is complete, and an interrupted copy never poses as a file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (".dorvane-backup-" + std::to_string(temporaryCounter_++));
        ec.clear();
        if (fs::copy_file(src, temporary, fs::copy_options::none, ec) && !ec)
            break;
        if (ec != std::errc::file_exists)
            break;
    }
    if (ec) {
        if (ec != std::errc::file_exists) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
        }
        Fail(src, Describe(ec));
        return false;
    }
    const fs::file_time_type written = fs::last_write_time(src, ec);
    if (!ec)
        fs::last_write_time(temporary, written, ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        Fail(src, Describe(ec));
        return false;
    }
    return true;
}

bool CBackupWalk::CopyLink(const fs::path& src, const std::string& dest) {
    const fs::path target(dest);
    const fs::path folder = target.parent_path();
    if (!FolderReady(folder, src))
        return false;
    std::error_code ec;
    const fs::path pointsTo = fs::read_symlink(src, ec);
    if (ec) {
        Fail(src, Describe(ec));
        return false;
    }
    fs::path temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (".dorvane-backup-" + std::to_string(temporaryCounter_++));
        ec.clear();
        fs::create_symlink(pointsTo, temporary, ec);
        if (ec != std::errc::file_exists)
            break;
    }
    if (!ec)
        fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        Fail(src, Describe(ec));
        return false;
    }
    return true;
}
