#pragma once

#include <cstdint>
#include <string>

// The part of sound playing that needs Qt Multimedia. It lives in a module of
// its own (dorvane-sound.so), loaded on the first play, so that a start that
// plays nothing never loads Qt Multimedia and the audio libraries behind it.
class SoundEffects {
  public:
    virtual ~SoundEffects() = default;
    // Plays `file`, whose length is `lengthMs`; a synchronous play returns when
    // the sound has ended and never later than its length.
    virtual void Play(const std::string& file, std::int64_t lengthMs, bool synchronous) = 0;
    virtual void Stop() = 0;
};

// The module's one entry point: a new player, owned by the caller.
extern "C" SoundEffects* DvCreateSoundEffects();
using DvCreateSoundEffectsFn = SoundEffects* (*)();
