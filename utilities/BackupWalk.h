#pragma once

#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

// One entry the backup could not copy, and why.
struct BackupFailure {
    std::string path;
    std::string reason;
};

// The destination of `source` under `root`: the whole absolute path below
// "/" appended to the root ("/a/b/f" under "/bk" is "/bk/a/b/f"). Empty when
// `source` is not an absolute path below "/".
std::string BackupDestination(const std::string& root, const std::string& source);

// `path` is `folder` or lies below it, comparing whole path components
// ("/data/bk2" is not below "/data/bk").
bool PathWithin(const std::string& path, const std::string& folder);

// One pass over a dropped path: a file, or a folder walked depth-first (the
// folder before its contents, sub-folders where they are met). In copy mode
// every entry is written below the root folder; otherwise entries are only
// counted. The work is done in steps so a window can stay responsive.
//
// Symbolic links are copied as links and never followed; FIFOs, sockets and
// devices are skipped; each file is written to a temporary name in its
// destination folder and renamed over the destination once complete; names
// are bytes. The root folder itself is never entered, so a drop of one of its
// parents does not copy the backup into itself.
class CBackupWalk {
  public:
    CBackupWalk(std::string root, std::string source, bool copy, bool subFolders);

    // Handles up to `maxEntries` entries; false once the walk is complete.
    bool Step(int maxEntries);
    bool Done() const { return done_; }

    // Entries visited so far (files, folders, links, skipped ones, failures).
    int Handled() const { return handled_; }
    // Entries counted (count mode) or copied (copy mode); failures and
    // skipped special files are not among them.
    int Counted() const { return counted_; }
    int Skipped() const { return skipped_; }
    const std::vector<BackupFailure>& Failures() const { return failures_; }
    // The entry handled last and its destination.
    const std::string& Source() const { return source_; }
    const std::string& Destination() const { return destination_; }

  private:
    void Begin();
    // Handles one entry; `type` is its own type (links not followed).
    void HandleEntry(const std::filesystem::path& src, std::filesystem::file_type type);
    bool CopyFolder(const std::string& dest);
    bool CopyFile(const std::filesystem::path& src, const std::string& dest);
    bool CopyLink(const std::filesystem::path& src, const std::string& dest);
    // Creates every missing folder between the root and `folder`; refuses a
    // level that exists as anything but a real folder (a link would lead the
    // copy outside the root).
    bool EnsureFolder(const std::filesystem::path& folder, std::string& reason);
    // EnsureFolder, with a failure recorded against `src`.
    bool FolderReady(const std::filesystem::path& folder, const std::filesystem::path& src);
    void EnterFolder(const std::filesystem::path& folder);
    bool IsRootFolder(const std::filesystem::path& folder) const;
    void Fail(const std::filesystem::path& src, const std::string& reason);

    std::filesystem::path root_;
    std::string rootText_;
    std::string start_;
    bool copy_;
    bool subFolders_;
    bool started_ = false;
    bool done_ = false;
    int handled_ = 0;
    int counted_ = 0;
    int skipped_ = 0;
    std::vector<BackupFailure> failures_;
    std::string source_;
    std::string destination_;
    std::vector<std::filesystem::directory_iterator> stack_;
    std::unordered_set<std::string> ensured_; // destination folders known to exist
    unsigned temporaryCounter_ = 0;
};
