#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One match of a file-system search.
struct FileEntry {
    std::string name; // the name inside its folder, without the folder
    bool isFolder = false;
};

// The outcome of a file operation whose failure the user must be told about,
// with the system's reason. True on success.
struct FileResult {
    int error = 0;      // the system's error number; 0 on success
    std::string reason; // the system's words for `error`, or a more precise text
    // A write succeeded, but the replaced file's owner and group could not be
    // kept: the file now belongs to the user who saved it.
    bool ownerChanged = false;

    // Implicit, so that callers that only need success or failure stay short.
    operator bool() const { return error == 0; }
    static FileResult Failure(int error, std::string reason = {}) {
        return {error, reason.empty() ? std::string(std::strerror(error)) : std::move(reason),
                false};
    }
};

// Everything the core asks of the file system. Paths are byte strings in the
// platform's own form; the real implementation lives in platform/posix, tests
// use a temporary folder or an in-memory fake.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The first match of a search for `pattern`: a path whose last component
    // may hold the wildcards '*' and '?'. nullopt when nothing matches.
    virtual std::optional<FileEntry> FindFirst(const std::string& pattern) const = 0;
    // Every match of `pattern`, in the order the folder lists them.
    virtual std::vector<FileEntry> FindAll(const std::string& pattern) const = 0;
    // Whether FindFirst(path) would find something, without making its entry.
    virtual bool Exists(const std::string& path) const { return FindFirst(path).has_value(); }
    virtual bool IsFolder(const std::string& path) const = 0;
    // A regular file with an execute bit whose content is a program (an ELF
    // header or "#!"), so a document on a mount with every x bit set stays a
    // document.
    virtual bool IsExecutableProgram(const std::string& path) const = 0;
    // Mount points of block devices, and "/"; the drive roots of this machine.
    virtual std::vector<std::string> DriveRoots() const = 0;
    virtual std::string CurrentDirectory() const = 0;
    virtual std::string HomeDirectory() const = 0;

    // Whole-file read. A missing file fails with ENOENT; anything that is not
    // a regular file fails too.
    virtual FileResult ReadFile(const std::string& path, std::string& contents) const = 0;
    // Replaces `path` with `contents` atomically: a temporary file in the same
    // folder is written, flushed, synced and renamed over the target, then the
    // folder is synced. On any failure the old file is left as it was. The
    // replaced file keeps its permissions, and its owner and group where the
    // system allows. A symbolic link is followed, and refused when it leads
    // nowhere.
    virtual FileResult WriteFileAtomic(const std::string& path, std::string_view contents) = 0;
    // Removes the temporary files a write to FOLDER/NAME (NAME ending in
    // `extension`) leaves when it is killed half-way; returns how many.
    virtual int RemoveStaleTemporaries(const std::string& folder, const std::string& extension) {
        (void)folder;
        (void)extension;
        return 0;
    }
    virtual bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    // A batch of look-ups, such as a configuration load, which checks thousands
    // of paths: while one runs, answers about paths (exists, folder, program)
    // may be cached, the files being taken as unchanged until it ends. Batches
    // nest.
    virtual void BeginLookupBatch() {}
    virtual void EndLookupBatch() {}
    // Paths a running batch is about to ask about, in the order it will: they
    // may be looked up ahead on another thread, which waits before the path
    // at `heldFrom` until ReleasePrefetch. The views must stay valid until
    // EndPrefetch (or the batch's end).
    virtual void Prefetch(std::vector<std::string_view> paths, size_t heldFrom) {
        (void)paths;
        (void)heldFrom;
    }
    virtual void ReleasePrefetch() {}
    virtual void EndPrefetch() {}

    // Renames a file; refuses (false) when `to` exists and is another file.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
};

// Runs a lookup batch for the lifetime of the object.
class LookupBatch {
  public:
    explicit LookupBatch(FileSystem& fs) : fs_(fs) { fs_.BeginLookupBatch(); }
    ~LookupBatch() { fs_.EndLookupBatch(); }
    LookupBatch(const LookupBatch&) = delete;
    LookupBatch& operator=(const LookupBatch&) = delete;

  private:
    FileSystem& fs_;
};

// Ends a prefetch when it goes out of scope, before the text its paths point
// into is released.
class PrefetchScope {
  public:
    PrefetchScope(FileSystem& fs, std::vector<std::string_view> paths, size_t heldFrom = SIZE_MAX)
        : fs_(fs) {
        fs_.Prefetch(std::move(paths), heldFrom);
    }
    ~PrefetchScope() { fs_.EndPrefetch(); }
    PrefetchScope(const PrefetchScope&) = delete;
    PrefetchScope& operator=(const PrefetchScope&) = delete;

  private:
    FileSystem& fs_;
};
