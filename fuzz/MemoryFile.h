#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

// The fuzzer's input as a regular file that lives in memory, for readers that
// take a path: nothing reaches the disk, and each run replaces the contents.
class MemoryFile {
  public:
    MemoryFile() : fd_(::memfd_create("dorvane-fuzz", MFD_CLOEXEC)) {}
    ~MemoryFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the contents; the path to open them by.
    std::string Hold(const std::uint8_t* data, std::size_t size) {
        if (fd_ < 0 || ::ftruncate(fd_, 0) != 0)
            return {};
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                return {};
            done += static_cast<std::size_t>(n);
        }
        return "/proc/self/fd/" + std::to_string(fd_);
    }

  private:
    int fd_;
};
