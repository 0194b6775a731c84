#include "platform/qt/SoundEffects.h"

#include <algorithm>
#include <memory>

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

class QtSoundEffects : public SoundEffects {
  public:
    void Play(const std::string& file, std::int64_t lengthMs, bool synchronous) override {
        // A new effect per sound: changing the source of a playing effect is
        // not reliable, and the previous sound is cut off either way.
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
        effect_->play();
        if (!synchronous)
            return;

        // Without an audio device the effect never reports its end, so the
        // wait is bounded by the length in the file's header.
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        QSoundEffect* effect = effect_.get();
        bool started = false;
        QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
            started = started || effect->isPlaying();
            if (started && !effect->isPlaying())
                loop.quit();
        });
        QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect->status() == QSoundEffect::Error)
                loop.quit();
        });
        limit.start(static_cast<int>(std::min<std::int64_t>(lengthMs, 24 * 60 * 60 * 1000)));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    void Stop() override {
        if (effect_)
            effect_->stop();
    }

  private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

extern "C" __attribute__((visibility("default"))) SoundEffects* DvCreateSoundEffects() {
    return new QtSoundEffects;
}
