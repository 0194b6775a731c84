#pragma once

#include "platform/Platform.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/Fakes.h"

// The platform a core test runs on: the real file system (tests work in a
// TempDir) and fakes for everything else.
struct TestPlatform {
    PosixFileSystem fs;
    FakeProfile profile;
    FakeClock clock;
    ScriptedPrompter prompter;
    FakeIconSource icons;
    FakeShortcutReader shortcuts;
    FakeSoundPlayer sound;
    FakeShell shell;
    Platform platform{fs, profile, clock, prompter, icons, shortcuts, sound, shell};
};
