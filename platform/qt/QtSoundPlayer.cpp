#include "platform/qt/QtSoundPlayer.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include "platform/posix/WavInfo.h"
#include "platform/qt/SoundEffects.h"

namespace {

QString ModulePath(const std::string& given) {
    if (!given.empty())
        return QFile::decodeName(given.c_str());
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/dorvane-sound.so");
    if (QFileInfo::exists(beside))
        return beside;
    return QStringLiteral(DV_SOUND_MODULE);
}

} // namespace

QtSoundPlayer::QtSoundPlayer(std::string module) : module_(std::move(module)) {}

// The effects object is the module's code: it goes before the module does.
QtSoundPlayer::~QtSoundPlayer() {
    effects_.reset();
}

SoundEffects* QtSoundPlayer::Effects() {
    if (effects_ || failed_)
        return effects_.get();
    library_ = std::make_unique<QLibrary>(ModulePath(module_));
    const auto create =
        reinterpret_cast<DvCreateSoundEffectsFn>(library_->resolve("DvCreateSoundEffects"));
    if (create)
        effects_.reset(create());
    if (!effects_) {
        // Told once; the program goes on without sound.
        failed_ = true;
        std::fprintf(stderr, "dorvane: cannot load the sound module: %s\n",
                     qPrintable(library_->errorString()));
    }
    return effects_.get();
}

bool QtSoundPlayer::Play(const std::string& file, bool synchronous) {
    const std::optional<std::int64_t> length = WavDurationMs(file);
    if (!length)
        return false;
    SoundEffects* effects = Effects();
    if (!effects)
        return false;
    effects->Play(file, *length, synchronous);
    return true;
}

void QtSoundPlayer::Stop() {
    // Nothing can be playing before the first play loaded the module.
    if (effects_)
        effects_->Stop();
}
