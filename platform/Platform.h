#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/IconSource.h"
#include "platform/Profile.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/ShortcutReader.h"
#include "platform/SoundPlayer.h"

// The operating-system services the core reaches, handed in by the owner:
// the program passes the real ones, tests pass fakes.
struct Platform {
    FileSystem& fs;
    Profile& profile;
    Clock& clock;
    Prompter& prompter;
    IconSource& icons;
    ShortcutReader& shortcuts;
    SoundPlayer& sound;
    Shell& shell;
};
