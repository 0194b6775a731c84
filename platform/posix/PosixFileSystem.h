#pragma once

#include "platform/FileSystem.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include <sys/stat.h>

// The file system of this machine, through POSIX calls. Names are bytes:
// nothing is converted or skipped for not being UTF-8.
class PosixFileSystem : public FileSystem {
  public:
    PosixFileSystem() = default;
    ~PosixFileSystem() override;
    PosixFileSystem(const PosixFileSystem&) = delete;
    PosixFileSystem& operator=(const PosixFileSystem&) = delete;

    std::optional<FileEntry> FindFirst(const std::string& pattern) const override;
    std::vector<FileEntry> FindAll(const std::string& pattern) const override;
    bool Exists(const std::string& path) const override;
    bool IsFolder(const std::string& path) const override;
    bool IsExecutableProgram(const std::string& path) const override;
    std::vector<std::string> DriveRoots() const override;
    std::string CurrentDirectory() const override;
    std::string HomeDirectory() const override;
    FileResult ReadFile(const std::string& path, std::string& contents) const override;
    FileResult WriteFileAtomic(const std::string& path, std::string_view contents) override;
    int RemoveStaleTemporaries(const std::string& folder, const std::string& extension) override;
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    bool CreateFolder(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void BeginLookupBatch() override;
    void EndLookupBatch() override;
    void Prefetch(std::vector<std::string_view> paths, size_t heldFrom) override;
    void ReleasePrefetch() override;
    void EndPrefetch() override;

  private:
    struct CachedStat {
        uint16_t mode = 0; // file type and permission bits: all st_mode holds
        bool found = false;
        signed char program = -1; // IsExecutableProgram's answer once asked; -1 before
    };
    // One entry of the batch's table, sixteen bytes: the path (in the arena,
    // after its length), part of its hash and what stat() said. An empty slot
    // has no key.
    struct Slot {
        const char* key = nullptr;
        uint32_t hash = 0;
        CachedStat stat;
    };

    static std::vector<std::string> ReadDriveRoots();
    // The mode stat() gives, answered from the batch's table while a batch runs.
    bool StatMode(const std::string& path, mode_t& mode) const;
    // The batch's entry for `path`, stat()ed on first use. The reference lasts
    // until the next path not yet in the table is looked up.
    CachedStat& Lookup(const std::string& path) const;
    static std::string_view KeyOf(const Slot& slot) {
        uint32_t size = 0;
        std::memcpy(&size, slot.key - sizeof size, sizeof size);
        return {slot.key, size};
    }
    void GrowTable() const;
    // Keys keep their length in 32 bits; no real path comes near that.
    static bool Cacheable(const std::string& path) { return path.size() < UINT32_MAX; }
    void Remember(Slot& slot) const;
    // stat() of a path new to the batch, relative to its folder's descriptor.
    bool StatInFolder(const std::string& path, struct stat& st) const;
    // The batch's descriptor of `folder` (O_PATH), -1 when it cannot be opened
    // or the batch holds enough of them already.
    int FolderFd(std::string_view folder) const;
    bool ReadIsExecutableProgram(const std::string& path) const;
    // The prefetcher's answer for `path` (hash `hash`) once it has one.
    bool Prefetched(std::string_view path, uint32_t hash, CachedStat& stat) const;
    void RunPrefetch();

    // A path the prefetching thread looks up. Whoever moves `state` from
    // kPending first looks it up: the thread (kBusy, then kFound or kAbsent,
    // `mode` written before) or the batch (kTaken) when it gets there first.
    enum : unsigned char { kPending, kAbsent, kFound, kTaken, kBusy };
    struct PrefetchEntry {
        std::string_view path;
        std::atomic<unsigned char> state{kPending};
        uint16_t mode = 0;
    };
    std::unique_ptr<PrefetchEntry[]> prefetch_;
    size_t prefetchCount_ = 0;
    // Open addressing over prefetch_: entry index + 1, 0 for an empty slot.
    // Built before the thread starts and only read afterwards.
    std::vector<uint32_t> prefetchIndex_;
    std::atomic<bool> prefetchStop_{false};
    // The thread waits before the entry at this index until it is raised.
    std::atomic<size_t> prefetchHold_{SIZE_MAX};
    std::thread prefetcher_;

    int batchDepth_ = 0;
    // Open addressing with linear probing; the size is a power of two, at
    // most half of it used. A load adds thousands of paths.
    mutable std::vector<Slot> table_;
    mutable size_t tableUsed_ = 0;
    // The keys, given back in one piece when the batch ends.
    mutable std::pmr::monotonic_buffer_resource keys_;
    // The entries asked for last, most recent first: classifying a button asks
    // about its target several times in a row, buttons often share a folder
    // and a sound, and a compare costs less than a hash.
    mutable std::array<Slot*, 4> recent_{};
    // Folders the batch's paths lie in, opened once each (at most
    // kMaxFolderFds, so a load never runs short of descriptors).
    static constexpr size_t kMaxFolderFds = 64;
    mutable std::map<std::string, int, std::less<>> folders_;
    mutable const std::pair<const std::string, int>* lastFolder_ = nullptr;

    mutable std::vector<std::string> roots_;
    mutable std::chrono::steady_clock::time_point rootsTime_;
    mutable bool rootsRead_ = false;
};

// Writes `contents` to `path` through a temporary file in the same folder:
// every write checked, fsync, rename, then fsync of the folder. `writeLimit`
// (tests only) makes writes fail once that many bytes are written.
FileResult WriteFileAtomically(const std::string& path, std::string_view contents,
                               long long writeLimit = -1);

// Whether a folder entry is a temporary file of such a write to a file whose
// name ends in `extension` (".Buttons.cfg.a1B2c3" for ".cfg").
bool IsTemporaryName(const std::string& entry, const std::string& extension);
