#pragma once

#include "platform/posix/PosixFileSystem.h"

// The real file system whose atomic writes fail once `writeLimit` bytes are
// written (a full disk, a dying device); -1 lets every write through.
class FailingFileSystem : public PosixFileSystem {
  public:
    long long writeLimit = -1;
    int writes = 0;

    bool WriteFileAtomic(const std::string& path, std::string_view contents) override {
        ++writes;
        return WriteFileAtomically(path, contents, writeLimit);
    }
};
