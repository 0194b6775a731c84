#pragma once

#include "platform/SoundPlayer.h"

#include <memory>
#include <string>

class QLibrary;
class SoundEffects;

// Plays .wav files through Qt Multimedia. Without an audio device the sound
// is silent and playing still succeeds. Qt Multimedia sits in a module loaded
// on the first play (a few milliseconds once), not at the program's start.
class QtSoundPlayer : public SoundPlayer {
  public:
    // `module` is the sound module's file; empty: the one beside the program,
    // else the one of the build tree.
    explicit QtSoundPlayer(std::string module = {});
    ~QtSoundPlayer() override;
    // A synchronous play pumps the event loop (user input held back) until
    // the sound ends, and never longer than the length in the file's header:
    // without an audio device the effect never reports its end.
    bool Play(const std::string& file, bool synchronous) override;
    void Stop() override;
    // Whether the module is loaded (it is only once something played).
    bool Loaded() const { return effects_ != nullptr; }

  private:
    SoundEffects* Effects();

    std::string module_;
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<SoundEffects> effects_;
    bool failed_ = false;
};
