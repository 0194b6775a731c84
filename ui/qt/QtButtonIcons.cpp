#include "ui/qt/QtButtonIcons.h"

#include <QFont>
#include <QIcon>
#include <QMimeType>
#include <QPainter>
#include <QtMath>

#include "platform/qt/IconPixmaps.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/qt/ThemePictureStore.h"

namespace {

bool SamePicture(const QPixmap& a, const QPixmap& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.devicePixelRatio() == b.devicePixelRatio() &&
           a.toImage().convertToFormat(QImage::Format_ARGB32) ==
               b.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QtButtonIcons::QtButtonIcons(qreal devicePixelRatio)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {}

const QPixmap& QtButtonIcons::Pixmap(const ButtonIcon& icon) {
    if (icon.role == IconRole::Document)
        return DocumentPixmap(icon.file);
    Key key{static_cast<int>(icon.role), icon.driveLetter, icon.file, icon.index};
    auto found = cache_.find(key);
    if (found == cache_.end())
        found = cache_.emplace(std::move(key), Render(icon)).first;
    return found->second;
}

const QPixmap& QtButtonIcons::DocumentPixmap(const std::string& path) {
    // A name that tells no type costs a read of the file: each path is
    // looked up once, not on every visit of its category.
    const auto known = documentPaths_.find(path);
    if (known != documentPaths_.end())
        return *known->second;
    const QMimeType type = IconPixmaps::DocumentMimeType(path);
    const QString name = type.isValid() ? type.name() : QString();
    auto found = documents_.find(name);
    if (found == documents_.end())
        found = documents_.emplace(name, DocumentFace(ThemePicture(type))).first;
    documentPaths_.emplace(path, &found->second);
    return found->second;
}

QPixmap QtButtonIcons::DocumentFace(const QPixmap& themePicture) {
    // Without a theme icon the program's own page picture stands in.
    return themePicture.isNull() ? Resource(IconNames::Document) : themePicture;
}

QPixmap QtButtonIcons::ThemeLookup(const QMimeType& type) const {
    return IconPixmaps::ForDocumentType(type).pixmap(QSize(kSize, kSize), ratio_);
}

int QtButtonIcons::StoredPixelSize() const {
    return qCeil(kSize * ratio_);
}

QPixmap QtButtonIcons::ThemePicture(const QMimeType& type) {
    // A type the MIME database does not know has no theme picture to store.
    if (!store_ || !type.isValid())
        return ThemeLookup(type);
    const std::optional<QPixmap> stored = store_->Find(type.name(), StoredPixelSize());
    if (stored && !storeChecked_) {
        unchecked_.emplace_back(type, *stored);
        return *stored;
    }
    QPixmap picture = ThemeLookup(type);
    if (!stored || !SamePicture(*stored, picture))
        store_->Save(type.name(), StoredPixelSize(), picture);
    return picture;
}

bool QtButtonIcons::CheckStoredPictures() {
    storeChecked_ = true;
    bool changed = false;
    for (const auto& [type, stored] : unchecked_) {
        const QPixmap picture = ThemeLookup(type);
        if (SamePicture(picture, stored))
            continue;
        store_->Save(type.name(), StoredPixelSize(), picture);
        // In place: the paths of the type point at this picture.
        documents_[type.name()] = DocumentFace(picture);
        changed = true;
    }
    unchecked_.clear();
    return changed;
}

const QPixmap& QtButtonIcons::Resource(const char* path) {
    auto found = resources_.find(path);
    if (found == resources_.end())
        found = resources_.emplace(path, RenderResource(path)).first;
    return found->second;
}

QPixmap QtButtonIcons::RenderResource(const char* path) const {
    return ProgramIcons::Pixmap(path, kSize, ratio_);
}

QPixmap QtButtonIcons::Render(const ButtonIcon& icon) {
    QPixmap pixmap;
    if (icon.role == IconRole::File)
        pixmap = IconPixmaps::PixmapFromFile(icon.file, icon.index, kSize, ratio_);
    if (!pixmap.isNull())
        return pixmap;

    const char* path = IconNames::ForRole(icon.role);
    // Shared with the resource's other buttons (the letter below is drawn on
    // a copy of its own).
    pixmap = Resource(path ? path : IconNames::ForRole(IconRole::Default));
    if (icon.role == IconRole::Drive && icon.driveLetter != 0) {
        // The lettered drive: the drive picture with its letter over it.
        QPainter painter(&pixmap);
        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, kSize, kSize - 3), Qt::AlignHCenter | Qt::AlignBottom,
                         QString(QLatin1Char(icon.driveLetter)));
    }
    return pixmap;
}
