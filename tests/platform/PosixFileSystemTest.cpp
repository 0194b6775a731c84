#include "platform/posix/PosixFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace {

std::vector<std::string> Names(const std::vector<FileEntry>& entries) {
    std::vector<std::string> names;
    for (const FileEntry& e : entries)
        names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

class PosixFileSystemTest : public ::testing::Test {
  protected:
    TempDir dir_;
    PosixFileSystem fs_;
};

TEST_F(PosixFileSystemTest, WildcardsMatchTheLastComponentLikeWindowsSearches) {
    for (const char* name : {"a.txt", "b.txt", "ab.doc", "README", ".hidden"})
        dir_.Write(name, "x");
    dir_.Write("sub/inner.txt", "x");
    struct Case {
        const char* pattern;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"*.txt", {"a.txt", "b.txt"}},
        {"?.txt", {"a.txt", "b.txt"}},
        {"a*", {"a.txt", "ab.doc"}},
        {"*.*", {".hidden", "README", "a.txt", "ab.doc", "b.txt", "sub"}},
        {"README.*", {"README"}},
        {"*.none", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(fs_.FindAll(dir_.File(c.pattern))), c.names) << c.pattern;

    const auto sub = fs_.FindFirst(dir_.File("s?b"));
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->name, "sub");
    EXPECT_TRUE(sub->isFolder);
    const auto exact = fs_.FindFirst(dir_.File("sub/inner.txt"));
    ASSERT_TRUE(exact);
    EXPECT_EQ(exact->name, "inner.txt");
    EXPECT_FALSE(exact->isFolder);
    EXPECT_FALSE(fs_.FindFirst(dir_.File("missing")));
    EXPECT_FALSE(fs_.FindFirst(""));
}

TEST_F(PosixFileSystemTest, FailedAtomicWriteLeavesTheOldFileAndNoTemporaryFile) {
    const std::string path = dir_.Write("Buttons.cfg", "OLD CONTENTS\r\n");
    ::chmod(path.c_str(), 0600);
    const std::string fresh(10000, 'n');
    for (long long limit : {0LL, 1LL, 4096LL, 9999LL}) {
        EXPECT_FALSE(WriteFileAtomically(path, fresh, limit)) << limit;
        EXPECT_EQ(dir_.Read("Buttons.cfg"), "OLD CONTENTS\r\n") << limit;
        EXPECT_EQ(Names(fs_.FindAll(dir_.File("*"))), std::vector<std::string>{"Buttons.cfg"});
    }
    EXPECT_TRUE(WriteFileAtomically(path, fresh, 10000));
    EXPECT_EQ(dir_.Read("Buttons.cfg"), fresh);
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_FALSE(fs_.WriteFileAtomic(dir_.File("no-folder/x.cfg"), "x"));

    // A new file gets the permissions the user's umask allows, not fixed ones.
    const mode_t oldMask = ::umask(077);
    EXPECT_TRUE(fs_.WriteFileAtomic(dir_.File("private.cfg"), "x"));
    ::umask(oldMask);
    EXPECT_EQ(ModeOf(dir_.File("private.cfg")), 0600u);
}

TEST_F(PosixFileSystemTest, AtomicWriteThroughASymbolicLinkKeepsTheLink) {
    const std::string real = dir_.Write("real/Buttons.cfg", "old");
    const std::string link = dir_.File("Buttons.cfg");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    ASSERT_TRUE(fs_.WriteFileAtomic(link, "new"));
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(dir_.Read("real/Buttons.cfg"), "new");
}

TEST_F(PosixFileSystemTest, RenameNeverClobbersAnotherFile) {
    dir_.Write("a.cfg", "A");
    dir_.Write("b.cfg", "B");
    EXPECT_FALSE(fs_.Rename(dir_.File("a.cfg"), dir_.File("b.cfg")));
    EXPECT_EQ(dir_.Read("a.cfg"), "A");
    EXPECT_EQ(dir_.Read("b.cfg"), "B");
    EXPECT_TRUE(fs_.Rename(dir_.File("a.cfg"), dir_.File("a.cfg")));
    EXPECT_EQ(dir_.Read("a.cfg"), "A");
    EXPECT_TRUE(fs_.Rename(dir_.File("a.cfg"), dir_.File("c.cfg")));
    EXPECT_EQ(dir_.Read("c.cfg"), "A");
    EXPECT_FALSE(fs_.FindFirst(dir_.File("a.cfg")));
    EXPECT_FALSE(fs_.Rename(dir_.File("a.cfg"), dir_.File("d.cfg")));
}

TEST_F(PosixFileSystemTest, CopyKeepsPermissionsAndHonoursFailIfExists) {
    const std::string program = dir_.Write("tool", "#!/bin/sh\necho hi\n");
    ::chmod(program.c_str(), 0750);
    const std::string copy = dir_.File("copy");
    EXPECT_TRUE(fs_.CopyFile(program, copy, true));
    EXPECT_EQ(dir_.Read("copy"), "#!/bin/sh\necho hi\n");
    EXPECT_EQ(ModeOf(copy), 0750u);
    EXPECT_TRUE(fs_.IsExecutableProgram(copy));

    dir_.Write("other", "keep me");
    EXPECT_FALSE(fs_.CopyFile(program, dir_.File("other"), true));
    EXPECT_EQ(dir_.Read("other"), "keep me");
    EXPECT_TRUE(fs_.CopyFile(program, dir_.File("other"), false));
    EXPECT_EQ(dir_.Read("other"), "#!/bin/sh\necho hi\n");
    EXPECT_FALSE(fs_.CopyFile(dir_.File("missing"), dir_.File("x"), false));
    EXPECT_FALSE(fs_.CopyFile(dir_.Path(), dir_.File("x"), false));
    EXPECT_EQ(Names(fs_.FindAll(dir_.File("*"))),
              (std::vector<std::string>{"copy", "other", "tool"}));
}

TEST_F(PosixFileSystemTest, NamesThatAreNotUtf8AreHandledAsBytes) {
    const std::string name = "caf\xe9 \xff.txt";
    dir_.Write(name, "bytes");
    EXPECT_EQ(Names(fs_.FindAll(dir_.File("*.txt"))), std::vector<std::string>{name});
    std::string contents;
    EXPECT_TRUE(fs_.ReadFile(dir_.File(name), contents));
    EXPECT_EQ(contents, "bytes");
    EXPECT_TRUE(fs_.Rename(dir_.File(name), dir_.File(name + ".bak")));
    EXPECT_TRUE(fs_.CopyFile(dir_.File(name + ".bak"), dir_.File(name), true));
    EXPECT_TRUE(fs_.DeleteFile(dir_.File(name + ".bak")));
    EXPECT_EQ(Names(fs_.FindAll(dir_.File("*"))), std::vector<std::string>{name});
}

TEST_F(PosixFileSystemTest, ReadingSpecialFilesFailsWithoutBlocking) {
    const std::string fifo = dir_.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string contents = "stale";
    EXPECT_FALSE(fs_.ReadFile(fifo, contents));
    EXPECT_EQ(contents, "");
    EXPECT_FALSE(fs_.ReadFile(dir_.Path(), contents));
    EXPECT_FALSE(fs_.IsExecutableProgram(fifo));
}

TEST_F(PosixFileSystemTest, DriveRootsAreFoldersListedOnce) {
    const auto roots = fs_.DriveRoots();
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(roots.front(), "/");
    for (const std::string& root : roots) {
        EXPECT_TRUE(fs_.IsFolder(root)) << root;
        EXPECT_EQ(std::count(roots.begin(), roots.end(), root), 1) << root;
    }
}

} // namespace

namespace {

TEST_F(PosixFileSystemTest, LookupsAreCachedOnlyWhileABatchRuns) {
    const std::string tool = dir_.File("tool");
    {
        const LookupBatch batch(fs_);
        EXPECT_FALSE(fs_.FindFirst(tool).has_value());
        EXPECT_FALSE(fs_.IsExecutableProgram(tool));
        dir_.Write("tool", "#!/bin/sh\n");
        chmod(tool.c_str(), 0755);
        // Inside the batch the first answers stand.
        EXPECT_FALSE(fs_.FindFirst(tool).has_value());
        EXPECT_FALSE(fs_.IsExecutableProgram(tool));
    }
    // Afterwards nothing stale remains.
    EXPECT_TRUE(fs_.FindFirst(tool).has_value());
    EXPECT_TRUE(fs_.IsExecutableProgram(tool));
    EXPECT_FALSE(fs_.IsFolder(tool));
}

} // namespace

namespace {

// Inside a batch every answer is the one the system gives, whatever order
// the paths are asked in (the last one asked is remembered apart).
TEST_F(PosixFileSystemTest, BatchAnswersAgreeWithUncachedOnes) {
    dir_.Write("doc.txt", "x");
    dir_.Write("run.sh", "#!/bin/sh\n");
    chmod(dir_.File("run.sh").c_str(), 0755);
    dir_.Write("sub/inner.txt", "x");
    ASSERT_EQ(::symlink(dir_.File("sub").c_str(), dir_.File("link").c_str()), 0);
    const std::vector<std::string> paths = {
        dir_.File("doc.txt"),
        dir_.File("run.sh"),
        dir_.File("sub"),
        dir_.File("sub/"),
        dir_.File("missing"),
        dir_.File("*.txt"),
        dir_.File("d?c.txt"),
        "",
        dir_.File("doc.txt") + std::string(1, '\0'),
        std::string("/\0/etc", 6),
        "/",
        // Asked relative to their folder inside a batch: every kind of folder.
        dir_.File("sub/inner.txt"),
        dir_.File("sub/../doc.txt"),
        dir_.File("sub/.."),
        dir_.File("link/inner.txt"),
        dir_.File("doc.txt/inner.txt"),
        dir_.File("missing/inner.txt"),
        dir_.File("sub//inner.txt"),
        "/etc",
        ".",
        "..",
    };
    struct Answers {
        bool exists, folder, program, found;
        bool operator==(const Answers&) const = default;
    };
    const auto ask = [&](const std::string& p) {
        return Answers{fs_.Exists(p), fs_.IsFolder(p), fs_.IsExecutableProgram(p),
                       fs_.FindFirst(p).has_value()};
    };
    std::vector<Answers> plain;
    for (const std::string& p : paths)
        plain.push_back(ask(p));
    EXPECT_TRUE(plain[0].exists && !plain[0].folder && !plain[0].program);
    EXPECT_TRUE(plain[1].program);
    EXPECT_TRUE(plain[2].folder && plain[3].folder);
    EXPECT_FALSE(plain[4].exists);
    EXPECT_TRUE(plain[5].exists && plain[6].exists);
    for (size_t i : {7, 8, 9, 15, 16})
        EXPECT_FALSE(plain[i].exists || plain[i].found) << i;
    for (size_t i : {11, 12, 14, 17})
        EXPECT_TRUE(plain[i].exists && !plain[i].folder) << i;
    EXPECT_TRUE(plain[13].folder);

    // With the paths looked up ahead on another thread the answers are the
    // same, whichever side comes to a path first; a path listed twice is
    // looked up once.
    std::vector<std::string_view> ahead(paths.begin(), paths.end());
    ahead.insert(ahead.end(), paths.begin(), paths.end());
    for (int round = 0; round < 3; ++round) {
        const LookupBatch batch(fs_);
        const PrefetchScope prefetch(fs_, ahead);
        if (round == 1)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (size_t i = 0; i < paths.size(); ++i) {
            const size_t at = round == 2 ? paths.size() - 1 - i : i;
            EXPECT_EQ(ask(paths[at]), plain[at]) << round << " " << at;
        }
    }
    // Held half-way, the paths beyond the hold are answered all the same, and
    // the thread goes on once released.
    for (const bool release : {false, true}) {
        const LookupBatch batch(fs_);
        const PrefetchScope prefetch(fs_, ahead, paths.size() / 2);
        // Time for the thread to come to the hold.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (release)
            fs_.ReleasePrefetch();
        for (size_t i = 0; i < paths.size(); ++i)
            EXPECT_EQ(ask(paths[i]), plain[i]) << release << " " << i;
    }
    // Outside a batch nothing is looked up ahead; a prefetch ended before its
    // thread is done, or while it is held, stops it.
    fs_.Prefetch(ahead, SIZE_MAX);
    EXPECT_EQ(ask(paths[0]), plain[0]);
    {
        const LookupBatch batch(fs_);
        std::vector<std::string> many;
        for (int n = 0; n < 5000; ++n)
            many.push_back(dir_.File("absent " + std::to_string(n)));
        const PrefetchScope prefetch(fs_, std::vector<std::string_view>(many.begin(), many.end()));
        EXPECT_FALSE(fs_.Exists(many.back()));
    }

    const LookupBatch outer(fs_);
    for (int round = 0; round < 2; ++round) {
        const LookupBatch inner(fs_);
        // Forwards, backwards and each path twice in a row.
        for (size_t i = 0; i < paths.size(); ++i) {
            EXPECT_EQ(ask(paths[i]), plain[i]) << i;
            const size_t back = paths.size() - 1 - i;
            EXPECT_EQ(ask(paths[back]), plain[back]) << back;
            EXPECT_EQ(ask(paths[back]), plain[back]) << back;
        }
    }
}

// A load asks about thousands of paths in many folders: the table grows and
// the folders beyond those it keeps open are asked about by their full path.
TEST_F(PosixFileSystemTest, LargeBatchesKeepEveryAnswer) {
    constexpr int kFolders = 150;
    for (int f = 0; f < kFolders; f += 10)
        dir_.Write("f" + std::to_string(f) + "/present", "x");
    const LookupBatch batch(fs_);
    for (int round = 0; round < 2; ++round) {
        for (int f = 0; f < kFolders; ++f) {
            const std::string folder = dir_.File("f" + std::to_string(f));
            ASSERT_EQ(fs_.Exists(folder + "/present"), f % 10 == 0) << folder;
            ASSERT_EQ(fs_.IsFolder(folder), f % 10 == 0) << folder;
            for (int n = 0; n < 20; ++n)
                ASSERT_FALSE(fs_.Exists(folder + "/absent " + std::to_string(n))) << folder;
        }
    }
}

TEST_F(PosixFileSystemTest, LinksThatLeadNowhereAreRefusedAndKept) {
    const std::string dangling = dir_.File("Dangling.cfg");
    const std::string looping = dir_.File("Loop.cfg");
    ASSERT_EQ(::symlink(dir_.File("gone/Buttons.cfg").c_str(), dangling.c_str()), 0);
    ASSERT_EQ(::symlink(looping.c_str(), looping.c_str()), 0);
    for (const std::string& link : {dangling, looping}) {
        SCOPED_TRACE(link);
        const FileResult result = fs_.WriteFileAtomic(link, "new");
        EXPECT_FALSE(result);
        EXPECT_NE(result.reason.find("symbolic link"), std::string::npos) << result.reason;
        struct stat st {};
        ASSERT_EQ(::lstat(link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
    std::string contents;
    EXPECT_EQ(fs_.ReadFile(dangling, contents).error, ENOENT);
    EXPECT_EQ(fs_.ReadFile(looping, contents).error, ELOOP);
    EXPECT_EQ(Names(fs_.FindAll(dir_.File("*"))),
              (std::vector<std::string>{"Dangling.cfg", "Loop.cfg"}));
}

TEST_F(PosixFileSystemTest, ReadFailuresCarryTheSystemsReason) {
    std::string contents;
    const FileResult missing = fs_.ReadFile(dir_.File("missing.cfg"), contents);
    EXPECT_EQ(missing.error, ENOENT);
    EXPECT_EQ(missing.reason, std::strerror(ENOENT));
    EXPECT_EQ(fs_.ReadFile(dir_.Path(), contents).error, EISDIR);
    const FileResult written = fs_.WriteFileAtomic(dir_.File("no-folder/x.cfg"), "x");
    EXPECT_EQ(written.error, ENOENT);
    EXPECT_FALSE(written.reason.empty());
}

TEST_F(PosixFileSystemTest, PathsHoldingANulNameNothing) {
    dir_.Write("tr", "#!/bin/sh\n");
    ::chmod(dir_.File("tr").c_str(), 0755);
    const std::string cut = dir_.File("tr") + std::string("\0ue", 3);
    EXPECT_FALSE(fs_.FindFirst(cut));
    EXPECT_FALSE(fs_.IsExecutableProgram(cut));
    std::string contents;
    EXPECT_FALSE(fs_.ReadFile(cut, contents));
}

TEST_F(PosixFileSystemTest, OnlyOurOwnLeftOverTemporariesAreRemoved) {
    const struct {
        const char* name;
        bool ours;
    } cases[] = {
        {".Buttons.cfg.a1B2c3", true},
        {".Home Setup.cfg.ZZZZZZ", true},
        {".Buttons.cfg.bak.x9y8z7", false},
        {".Buttons.cfg.a1B2c", false},
        {".Buttons.cfg.a1B2c34", false},
        {".Buttons.cfg.a1-2c3", false},
        {"Buttons.cfg.a1B2c3", false},
        {".notes.txt.a1B2c3", false},
        {".cfg.a1B2c3", false},
        {"Buttons.cfg", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsTemporaryName(c.name, ".cfg"), c.ours) << c.name;
        dir_.Write(c.name, "x");
    }
    EXPECT_TRUE(IsTemporaryName(".Buttons.cfg.bak.x9y8z7", ".cfg.bak"));
    ASSERT_EQ(::mkdir(dir_.File(".Folder.cfg.abcdef").c_str(), 0700), 0);

    EXPECT_EQ(fs_.RemoveStaleTemporaries(dir_.Path(), ".cfg"), 2);
    for (const auto& c : cases)
        EXPECT_EQ(::access(dir_.File(c.name).c_str(), F_OK) == 0, !c.ours) << c.name;
    EXPECT_TRUE(fs_.IsFolder(dir_.File(".Folder.cfg.abcdef")));
}

} // namespace
