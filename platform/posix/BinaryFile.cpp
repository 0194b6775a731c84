#include "platform/posix/BinaryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BinaryFile::BinaryFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
}

BinaryFile::~BinaryFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool BinaryFile::Read(std::uint64_t offset, std::size_t count, std::string& out) const {
    out.clear();
    if (fd_ < 0 || offset > size_ || count > size_ - offset)
        return false;
    out.resize(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(fd_, out.data() + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            out.clear();
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool BinaryFile::ReadAll(std::size_t maxSize, std::string& out) const {
    out.clear();
    if (fd_ < 0 || size_ > maxSize)
        return false;
    return Read(0, static_cast<std::size_t>(size_), out);
}
