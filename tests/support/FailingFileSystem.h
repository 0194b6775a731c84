#pragma once

#include "platform/posix/PosixFileSystem.h"

#include <map>

// The real file system whose atomic writes fail once `writeLimit` bytes are
// written (a full disk, a dying device); -1 lets every write through. Reads
// of the paths in `readErrors` fail with that error number (a file left
// unreadable by another user, which a test running as root cannot make).
class FailingFileSystem : public PosixFileSystem {
  public:
    long long writeLimit = -1;
    int writes = 0;
    std::map<std::string, int> readErrors;

    FileResult WriteFileAtomic(const std::string& path, std::string_view contents) override {
        ++writes;
        return WriteFileAtomically(path, contents, writeLimit);
    }
    FileResult ReadFile(const std::string& path, std::string& contents) const override {
        if (const auto it = readErrors.find(path); it != readErrors.end()) {
            contents.clear();
            return FileResult::Failure(it->second);
        }
        return PosixFileSystem::ReadFile(path, contents);
    }
};
