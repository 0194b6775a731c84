#include "platform/qt/QtIconSource.h"

#include <QIcon>
#include <QMimeType>

#include "platform/qt/IconPixmaps.h"

bool QtIconSource::HasDocumentIcon(const std::string& path) const {
    const QMimeType type = IconPixmaps::DocumentMimeType(path);
    if (!type.isValid())
        return false;
    // A known document type is drawn as a document even where the desktop has
    // no icon theme (the program's own page picture stands in); only files of
    // no known type fall back to the default picture.
    if (!type.isDefault())
        return true;
    // A load may ask for thousands of such files; the theme's answer is kept.
    if (!defaultThemed_)
        defaultThemed_ =
            QIcon::hasThemeIcon(type.iconName()) || QIcon::hasThemeIcon(type.genericIconName());
    return *defaultThemed_;
}
