#include "platform/posix/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <pwd.h>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool HasWildcard(const std::string& s) {
    // Two memchr scans, not find_first_of: that searches the set for every byte.
    return s.find('*') != std::string::npos || s.find('?') != std::string::npos;
}

// Splits "dir/name" into its folder ("." when none) and last component.
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    const size_t slash = p.rfind('/');
    if (slash == std::string::npos) {
        folder = ".";
        name = p;
    } else {
        folder = slash == 0 ? "/" : p.substr(0, slash);
        name = p.substr(slash + 1);
    }
}

// Matches a name the way Windows searches do: hidden files are not special,
// and a pattern ending in ".*" also matches names without that extension, so
// "*.*" lists every entry of a folder.
bool MatchesPattern(const std::string& pattern, const std::string& name) {
    if (::fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
        return true;
    if (pattern.size() < 2 || pattern.compare(pattern.size() - 2, 2, ".*") != 0)
        return false;
    const std::string stem = pattern.substr(0, pattern.size() - 2);
    return name.find('.') == std::string::npos && ::fnmatch(stem.c_str(), name.c_str(), 0) == 0;
}

bool StatIsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteAll(int fd, const char* data, size_t size, long long& limit) {
    while (size > 0) {
        size_t chunk = size;
        if (limit >= 0) {
            if (limit == 0) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min<size_t>(chunk, static_cast<size_t>(limit));
        }
        const ssize_t n = ::write(fd, data, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
        if (limit >= 0)
            limit -= n;
    }
    return true;
}

void SyncFolderOf(const std::string& path) {
    std::string folder, name;
    SplitPath(path, folder, name);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace {

// A hash of a path, eight bytes at a time: cheaper than the standard one for
// the 30 to 100 bytes of a typical path, and spread well enough for probing.
uint64_t PathHash(std::string_view s) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    uint64_t h = s.size() * kMul;
    const char* p = s.data();
    size_t n = s.size();
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * kMul;
        h ^= h >> 29;
    }
    if (n > 0) {
        uint64_t word = 0;
        std::memcpy(&word, p, n);
        h = (h ^ word) * kMul;
    }
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return h;
}

constexpr size_t kFirstTableSize = 4096;
constexpr int kBusySpins = 4000;

} // namespace

PosixFileSystem::~PosixFileSystem() {
    EndPrefetch();
}

void PosixFileSystem::BeginLookupBatch() {
    if (batchDepth_++ == 0) {
        table_.assign(kFirstTableSize, Slot{});
        tableUsed_ = 0;
    }
}

void PosixFileSystem::EndLookupBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0) {
        EndPrefetch();
        recent_ = {};
        for (const auto& [folder, fd] : folders_)
            if (fd >= 0)
                ::close(fd);
        folders_.clear();
        lastFolder_ = nullptr;
        // Given back: a batch holds some hundred bytes a path.
        std::vector<Slot>().swap(table_);
        keys_.release();
        tableUsed_ = 0;
    }
}

void PosixFileSystem::Prefetch(std::vector<std::string_view> paths, size_t heldFrom) {
    EndPrefetch();
    if (batchDepth_ == 0 || paths.empty() || paths.size() >= UINT32_MAX / 4)
        return;
    size_t size = 16;
    while (size < paths.size() * 2)
        size *= 2;
    prefetchIndex_.assign(size, 0);
    prefetch_ = std::make_unique<PrefetchEntry[]>(paths.size());
    const size_t mask = size - 1;
    // Paths come once each; the hold counts the entries before it.
    size_t hold = SIZE_MAX;
    for (size_t n = 0; n < paths.size(); ++n) {
        if (n == heldFrom)
            hold = prefetchCount_;
        const std::string_view path = paths[n];
        size_t i = static_cast<uint32_t>(PathHash(path)) & mask;
        bool known = false;
        for (; prefetchIndex_[i] != 0; i = (i + 1) & mask)
            if ((known = prefetch_[prefetchIndex_[i] - 1].path == path))
                break;
        if (known)
            continue;
        prefetch_[prefetchCount_].path = path;
        prefetchIndex_[i] = static_cast<uint32_t>(++prefetchCount_);
    }
    prefetchStop_.store(false);
    prefetchHold_.store(hold);
    try {
        prefetcher_ = std::thread([this] { RunPrefetch(); });
    } catch (const std::system_error&) {
        // Without a thread every path is looked up when asked, as ever.
        prefetch_.reset();
        prefetchIndex_.clear();
        prefetchCount_ = 0;
    }
}

void PosixFileSystem::ReleasePrefetch() {
    prefetchHold_.store(SIZE_MAX);
    prefetchHold_.notify_all();
}

void PosixFileSystem::EndPrefetch() {
    if (prefetcher_.joinable()) {
        prefetchStop_.store(true);
        ReleasePrefetch();
        prefetcher_.join();
    }
    prefetch_.reset();
    std::vector<uint32_t>().swap(prefetchIndex_);
    prefetchCount_ = 0;
}

void PosixFileSystem::RunPrefetch() {
    // Asked relative to the folder of the path before, which most paths
    // share: the system then walks one name instead of the whole path.
    char buffer[PATH_MAX];
    std::string_view folder;
    int folderFd = -1;
    for (size_t i = 0; i < prefetchCount_ && !prefetchStop_.load(std::memory_order_relaxed); ++i) {
        for (size_t hold = prefetchHold_.load(); i >= hold && !prefetchStop_.load();
             hold = prefetchHold_.load())
            prefetchHold_.wait(hold);
        PrefetchEntry& entry = prefetch_[i];
        const std::string_view path = entry.path;
        // Paths the system would not take as they are are left to the batch,
        // as are those it has come to first.
        if (path.size() >= sizeof buffer || path.find('\0') != std::string_view::npos)
            continue;
        unsigned char pending = kPending;
        if (!entry.state.compare_exchange_strong(pending, kBusy, std::memory_order_acquire))
            continue;
        const size_t slash = path.rfind('/');
        const bool inFolder =
            slash != std::string_view::npos && slash > 0 && slash + 1 < path.size();
        if (inFolder && path.substr(0, slash) != folder) {
            if (folderFd >= 0)
                ::close(folderFd);
            folder = path.substr(0, slash);
            std::memcpy(buffer, folder.data(), folder.size());
            buffer[folder.size()] = '\0';
            folderFd = ::open(buffer, O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        std::memcpy(buffer, path.data(), path.size());
        buffer[path.size()] = '\0';
        struct stat st {};
        const bool found = inFolder && folderFd >= 0
                               ? ::fstatat(folderFd, buffer + slash + 1, &st, 0) == 0
                               : ::stat(buffer, &st) == 0;
        entry.mode = found ? static_cast<uint16_t>(st.st_mode) : 0;
        entry.state.store(found ? kFound : kAbsent, std::memory_order_release);
    }
    if (folderFd >= 0)
        ::close(folderFd);
}

bool PosixFileSystem::Prefetched(std::string_view path, uint32_t hash, CachedStat& stat) const {
    if (prefetchCount_ == 0)
        return false;
    const size_t mask = prefetchIndex_.size() - 1;
    for (size_t i = hash & mask; prefetchIndex_[i] != 0; i = (i + 1) & mask) {
        PrefetchEntry& entry = prefetch_[prefetchIndex_[i] - 1];
        if (entry.path != path)
            continue;
        unsigned char state = entry.state.load(std::memory_order_acquire);
        // Not reached yet: the batch looks it up itself, and the thread skips it.
        if (state == kPending &&
            entry.state.compare_exchange_strong(state, kTaken, std::memory_order_acq_rel))
            return false;
        // Being looked up right now: the answer is a moment away.
        for (int spins = 0; state == kBusy; ++spins) {
            // A look-up takes a microsecond or so: wait without a system
            // call at first, then let the thread have the processor.
            if (spins >= kBusySpins)
                std::this_thread::yield();
            state = entry.state.load(std::memory_order_acquire);
        }
        if (state != kFound && state != kAbsent)
            return false;
        stat.found = state == kFound;
        stat.mode = entry.mode;
        return true;
    }
    return false;
}

int PosixFileSystem::FolderFd(std::string_view folder) const {
    if (lastFolder_ && lastFolder_->first == folder)
        return lastFolder_->second;
    auto it = folders_.find(folder);
    if (it == folders_.end()) {
        if (folders_.size() >= kMaxFolderFds)
            return -1;
        const std::string name(folder);
        const int fd = ::open(name.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        it = folders_.emplace(name, fd).first;
    }
    lastFolder_ = &*it;
    return it->second;
}

bool PosixFileSystem::StatInFolder(const std::string& path, struct stat& st) const {
    // Most paths of a load share a few folders: asked relative to the open
    // folder, the system walks one name instead of the whole path.
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash + 1 < path.size()) {
        const int fd = FolderFd(std::string_view(path.data(), slash == 0 ? 1 : slash));
        if (fd >= 0)
            return ::fstatat(fd, path.c_str() + slash + 1, &st, 0) == 0;
    }
    return ::stat(path.c_str(), &st) == 0;
}

void PosixFileSystem::Remember(Slot& slot) const {
    std::rotate(recent_.begin(), recent_.end() - 1, recent_.end());
    recent_[0] = &slot;
}

void PosixFileSystem::GrowTable() const {
    std::vector<Slot> old(table_.size() * 2);
    old.swap(table_);
    const size_t mask = table_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.key)
            continue;
        size_t i = slot.hash & mask;
        while (table_[i].key)
            i = (i + 1) & mask;
        table_[i] = slot;
    }
}

PosixFileSystem::CachedStat& PosixFileSystem::Lookup(const std::string& path) const {
    for (size_t k = 0; k < recent_.size() && recent_[k]; ++k) {
        Slot* slot = recent_[k];
        if (KeyOf(*slot) == std::string_view(path)) {
            // Most recently used first.
            std::rotate(recent_.begin(), recent_.begin() + static_cast<std::ptrdiff_t>(k),
                        recent_.begin() + static_cast<std::ptrdiff_t>(k) + 1);
            return slot->stat;
        }
    }
    const auto hash = static_cast<uint32_t>(PathHash(path));
    size_t mask = table_.size() - 1;
    size_t i = hash & mask;
    for (; table_[i].key; i = (i + 1) & mask) {
        const Slot& slot = table_[i];
        if (slot.hash == hash && KeyOf(slot) == std::string_view(path)) {
            Remember(table_[i]);
            return table_[i].stat;
        }
    }
    if ((tableUsed_ + 1) * 2 > table_.size()) {
        GrowTable();
        recent_ = {};
        mask = table_.size() - 1;
        for (i = hash & mask; table_[i].key;)
            i = (i + 1) & mask;
    }
    Slot& slot = table_[i];
    // The length before the bytes; a path of 4 GiB is not asked about.
    const auto size = static_cast<uint32_t>(path.size());
    char* key = static_cast<char*>(keys_.allocate(sizeof size + path.size() + 1, 1));
    std::memcpy(key, &size, sizeof size);
    key += sizeof size;
    std::memcpy(key, path.c_str(), path.size() + 1);
    slot.hash = hash;
    slot.key = key;
    ++tableUsed_;
    if (!Prefetched(path, hash, slot.stat)) {
        struct stat st {};
        // The system would stop at a NUL and answer for a shorter path.
        slot.stat.found = path.find('\0') == std::string::npos && StatInFolder(path, st);
        slot.stat.mode = slot.stat.found ? static_cast<uint16_t>(st.st_mode) : 0;
    }
    Remember(slot);
    return slot.stat;
}

bool PosixFileSystem::StatMode(const std::string& path, mode_t& mode) const {
    if (batchDepth_ > 0 && Cacheable(path)) {
        const CachedStat& entry = Lookup(path);
        mode = entry.mode;
        return entry.found;
    }
    struct stat st {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &st) != 0)
        return false;
    mode = st.st_mode;
    return true;
}

bool PosixFileSystem::Exists(const std::string& path) const {
    if (path.empty() || HasWildcard(path))
        return FindFirst(path).has_value();
    mode_t mode = 0;
    return StatMode(path, mode);
}

std::optional<FileEntry> PosixFileSystem::FindFirst(const std::string& pattern) const {
    if (pattern.empty())
        return std::nullopt;
    if (!HasWildcard(pattern)) {
        mode_t mode = 0;
        if (!StatMode(pattern, mode))
            return std::nullopt;
        std::string folder, name;
        SplitPath(pattern, folder, name);
        return FileEntry{name.empty() ? pattern : name, S_ISDIR(mode)};
    }
    auto all = FindAll(pattern);
    if (all.empty())
        return std::nullopt;
    return all.front();
}

std::vector<FileEntry> PosixFileSystem::FindAll(const std::string& pattern) const {
    std::vector<FileEntry> out;
    if (pattern.empty())
        return out;
    if (!HasWildcard(pattern)) {
        if (auto e = FindFirst(pattern))
            out.push_back(*e);
        return out;
    }
    std::string folder, name;
    SplitPath(pattern, folder, name);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return out;
    while (const dirent* d = ::readdir(dir)) {
        const std::string entry = d->d_name;
        if (entry == "." || entry == "..")
            continue;
        if (!MatchesPattern(name, entry))
            continue;
        out.push_back({entry, StatIsFolder(folder + "/" + entry)});
    }
    ::closedir(dir);
    return out;
}

bool PosixFileSystem::IsFolder(const std::string& path) const {
    mode_t mode = 0;
    return !path.empty() && StatMode(path, mode) && S_ISDIR(mode);
}

bool PosixFileSystem::IsExecutableProgram(const std::string& path) const {
    if (batchDepth_ == 0 || path.empty() || !Cacheable(path))
        return ReadIsExecutableProgram(path);
    // Reading asks for the same path again: a hit, which keeps `entry` valid.
    CachedStat& entry = Lookup(path);
    if (entry.program < 0)
        entry.program = ReadIsExecutableProgram(path) ? 1 : 0;
    return entry.program == 1;
}

bool PosixFileSystem::ReadIsExecutableProgram(const std::string& path) const {
    mode_t mode = 0;
    if (path.empty() || !StatMode(path, mode) || !S_ISREG(mode) ||
        (mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char head[4] = {};
    const ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    if (n >= 4 && std::memcmp(head,
                              "\x7f"
                              "ELF",
                              4) == 0)
        return true;
    return n >= 2 && head[0] == '#' && head[1] == '!';
}

std::vector<std::string> PosixFileSystem::DriveRoots() const {
    // Classifying a button asks for the drive roots; a load asks thousands of
    // times a second, while mounts change seldom. Read the table at most once
    // a second.
    const auto now = std::chrono::steady_clock::now();
    if (rootsRead_ && now - rootsTime_ < std::chrono::seconds(1))
        return roots_;
    roots_ = ReadDriveRoots();
    rootsTime_ = now;
    rootsRead_ = true;
    return roots_;
}

std::vector<std::string> PosixFileSystem::ReadDriveRoots() {
    std::vector<std::string> roots{"/"};
    FILE* mounts = std::fopen("/proc/self/mounts", "re");
    if (!mounts)
        return roots;
    char line[4096];
    while (std::fgets(line, sizeof line, mounts)) {
        char device[1024], mountPoint[2048];
        if (std::sscanf(line, "%1023s %2047s", device, mountPoint) != 2)
            continue;
        if (std::strncmp(device, "/dev/", 5) != 0)
            continue;
        std::string mp;
        // /proc/self/mounts escapes spaces and other bytes as \ooo.
        for (const char* p = mountPoint; *p; ++p) {
            if (p[0] == '\\' && p[1] >= '0' && p[1] <= '7' && p[2] && p[3]) {
                mp += static_cast<char>((p[1] - '0') * 64 + (p[2] - '0') * 8 + (p[3] - '0'));
                p += 3;
            } else {
                mp += *p;
            }
        }
        // Containers bind-mount single files (/etc/hosts) from block devices;
        // only folders are drive roots, each once.
        if (mp != "/" && StatIsFolder(mp) &&
            std::find(roots.begin(), roots.end(), mp) == roots.end())
            roots.push_back(mp);
    }
    std::fclose(mounts);
    return roots;
}

std::string PosixFileSystem::CurrentDirectory() const {
    std::string buffer(PATH_MAX, '\0');
    if (!::getcwd(buffer.data(), buffer.size()))
        return {};
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

std::string PosixFileSystem::HomeDirectory() const {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()))
        return pw->pw_dir;
    return "/";
}

FileResult PosixFileSystem::ReadFile(const std::string& path, std::string& contents) const {
    contents.clear();
    if (path.find('\0') != std::string::npos)
        return FileResult::Failure(ENOENT);
    // O_NONBLOCK so that a FIFO cannot hang the program; only regular files
    // are read, so a device cannot fill the memory either.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileResult::Failure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return FileResult::Failure(error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? FileResult::Failure(EISDIR)
                                   : FileResult::Failure(EINVAL, "It is not a regular file");
    }
    // Read straight into the string, sized as the file is; a file that grows
    // meanwhile is read on to its end, one that shrinks is cut where it ends.
    constexpr size_t kChunk = 65536;
    size_t used = 0;
    contents.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : kChunk);
    for (;;) {
        if (used == contents.size())
            contents.resize(used + kChunk);
        const ssize_t n = ::read(fd, contents.data() + used, contents.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            contents.clear();
            return FileResult::Failure(error);
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    contents.resize(used);
    return {};
}

namespace {

// The file a write to `path` must replace: the target of a symbolic link, so
// that saving keeps the link (a configuration kept in a dotfiles folder). A
// link that leads nowhere or loops is refused: replacing it with a regular
// file would cut the user's link.
FileResult WriteTarget(const std::string& path, std::string& target) {
    target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return {};
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) {
        const int error = errno;
        if (error == ELOOP)
            return FileResult::Failure(error, "It is a symbolic link that loops");
        if (error == ENOENT)
            return FileResult::Failure(error, "It is a symbolic link to a file that does not "
                                              "exist");
        return FileResult::Failure(error);
    }
    target = resolved;
    std::free(resolved);
    return {};
}

// Moves `from` to `to` only when nothing is at `to`: in one step where the
// file system supports it, else after a check (FAT has no atomic way).
bool MoveNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// The permissions of a new file: read and write as the user's umask allows.
mode_t NewFileMode() {
    mode_t mask = 022;
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, status)) {
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value);
                break;
            }
        }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

// The owner and permissions a replacing file takes over from the old one.
struct Ownership {
    mode_t mode = 0;
    bool keepOwner = false; // the old file's owner and group are to be kept
    uid_t uid = 0;
    gid_t gid = 0;
};

// Gives the new file the old one's owner and group; where the system refuses
// (only root may give a file away), the group alone where the user belongs to
// it. False when they could not both be kept.
bool KeepOwner(int fd, const Ownership& owner) {
    if (!owner.keepOwner || (owner.uid == ::geteuid() && owner.gid == ::getegid()))
        return true;
    if (::fchown(fd, owner.uid, owner.gid) == 0)
        return true;
    [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), owner.gid);
    return false;
}

// Writes a temporary file beside `path` with `fill`, syncs it and moves it
// into place: over an existing file, or only where nothing exists when
// `noReplace` is set. The temporary file never survives a failure.
template <typename Fill>
FileResult ReplaceThroughTemp(const std::string& path, const Ownership& owner, bool noReplace,
                              Fill fill) {
    std::string folder, name;
    SplitPath(path, folder, name);
    std::string temp = folder + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return FileResult::Failure(errno);
    FileResult result;
    // The owner first: a change of owner clears set-id bits the mode brings.
    result.ownerChanged = !KeepOwner(fd, owner);
    ::fchmod(fd, owner.mode);
    int error = 0;
    if (!fill(fd) || ::fsync(fd) != 0)
        error = errno != 0 ? errno : EIO;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0) {
        const bool placed =
            noReplace ? MoveNoReplace(temp, path) : ::rename(temp.c_str(), path.c_str()) == 0;
        if (!placed)
            error = errno != 0 ? errno : EEXIST;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        return FileResult::Failure(error);
    }
    SyncFolderOf(path);
    return result;
}

// Copies the rest of `in` to `out`, every write checked.
bool CopyDescriptor(int in, int out) {
    char buffer[65536];
    long long unlimited = -1;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!WriteAll(out, buffer, static_cast<size_t>(n), unlimited))
            return false;
    }
}

} // namespace

FileResult WriteFileAtomically(const std::string& path, std::string_view contents,
                               long long writeLimit) {
    std::string target;
    if (FileResult refused = WriteTarget(path, target); !refused)
        return refused;
    // Keep the permissions, owner and group of the file being replaced.
    struct stat old {};
    Ownership owner;
    if (::stat(target.c_str(), &old) == 0) {
        owner = {static_cast<mode_t>(old.st_mode & 07777), true, old.st_uid, old.st_gid};
    } else {
        owner.mode = NewFileMode();
    }
    return ReplaceThroughTemp(target, owner, false, [&](int fd) {
        return WriteAll(fd, contents.data(), contents.size(), writeLimit);
    });
}

FileResult PosixFileSystem::WriteFileAtomic(const std::string& path, std::string_view contents) {
    return WriteFileAtomically(path, contents);
}

int PosixFileSystem::RemoveStaleTemporaries(const std::string& folder,
                                            const std::string& extension) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* d = ::readdir(dir)) {
        const std::string entry = d->d_name;
        if (!IsTemporaryName(entry, extension))
            continue;
        const std::string path = folder + "/" + entry;
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

bool IsTemporaryName(const std::string& entry, const std::string& extension) {
    // ".NAME.XXXXXX": mkostemp's six letters and digits after a name that
    // ends in the extension.
    constexpr size_t kRandom = 6;
    if (entry.size() < 1 + extension.size() + 1 + kRandom || entry[0] != '.')
        return false;
    const size_t dot = entry.size() - kRandom - 1;
    if (entry[dot] != '.' || dot < 1 + extension.size())
        return false;
    for (size_t i = dot + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return entry.compare(dot - extension.size(), extension.size(), extension) == 0;
}

bool PosixFileSystem::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    // The copy keeps the source's permissions (a program stays executable)
    // and is streamed, so large files need no memory of their size.
    std::string target;
    Ownership owner;
    owner.mode = st.st_mode & 07777;
    const bool copied = WriteTarget(to, target) &&
                        ReplaceThroughTemp(target, owner, failIfExists,
                                           [in](int out) { return CopyDescriptor(in, out); });
    ::close(in);
    return copied;
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0;
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    struct stat a {
    }, b{};
    if (::lstat(from.c_str(), &a) != 0)
        return false;
    if (::lstat(to.c_str(), &b) == 0) {
        // Only the same file under another spelling (a case-only rename on a
        // case-insensitive mount) may be renamed onto an existing name.
        if (a.st_dev != b.st_dev || a.st_ino != b.st_ino)
            return false;
        return ::rename(from.c_str(), to.c_str()) == 0;
    }
    return MoveNoReplace(from, to);
}
