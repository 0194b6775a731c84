#pragma once

#include "platform/SoundPlayer.h"

#include <memory>

#include <QSoundEffect>

// Plays .wav files through Qt Multimedia. Without an audio device the sound
// is silent and playing still succeeds.
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    // A synchronous play pumps the event loop (user input held back) until
    // the sound ends, and never longer than the length in the file's header:
    // without an audio device the effect never reports its end.
    bool Play(const std::string& file, bool synchronous) override;
    void Stop() override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};
