#include "platform/qt/QtSoundPlayer.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include "platform/posix/WavInfo.h"

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::Play(const std::string& file, bool synchronous) {
    const std::optional<std::int64_t> length = WavDurationMs(file);
    if (!length)
        return false;
    // A new effect per sound: changing the source of a playing effect is not
    // reliable, and the previous sound is cut off either way.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
    effect_->play();
    if (!synchronous)
        return true;

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
    limit.start(static_cast<int>(std::min<std::int64_t>(*length, 24 * 60 * 60 * 1000)));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void QtSoundPlayer::Stop() {
    if (effect_)
        effect_->stop();
}
