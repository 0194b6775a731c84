#pragma once

#include "platform/Shell.h"
#include "platform/SoundPlayer.h"

// Services for programs built on the core that must not act on the desktop:
// the command-line companion and the fuzzer. Sounds are silent and nothing is
// ever launched.
class SilentSoundPlayer : public SoundPlayer {
  public:
    bool Play(const std::string&, bool) override { return true; }
    void Stop() override {}
};

class NoLaunchShell : public Shell {
  public:
    int Execute(const LaunchRequest&) override { return ShellResult::Generic; }
    int Open(const LaunchRequest&) override { return ShellResult::Generic; }
    std::string FindProgram(const std::string&) const override { return ""; }
    bool ShowItems(const std::string&) override { return false; }
    void SetCurrentDirectory(const std::string&) override {}
    std::string DefaultWebBrowser() const override { return ""; }
    void ReapChildren() override {}
};
