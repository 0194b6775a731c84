#pragma once

#include <string>

// Plays .wav files. Without an audio device playing is silent, never an error.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Plays `file`; a synchronous play returns when the sound has ended (at
    // most the sound's length). False when the file cannot be played.
    virtual bool Play(const std::string& file, bool synchronous) = 0;
    virtual void Stop() = 0;
};
