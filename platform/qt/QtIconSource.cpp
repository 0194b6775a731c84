#include "platform/qt/QtIconSource.h"

#include <QFile>
#include <QIcon>
#include <QMimeDatabase>

bool QtIconSource::HasDocumentIcon(const std::string& path) const {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(path.c_str()));
    // A known document type is drawn as a document even where the desktop has
    // no icon theme (the program's own page picture stands in); only files of
    // no known type fall back to the default picture.
    return type.isValid() && (!type.isDefault() || QIcon::hasThemeIcon(type.iconName()) ||
                              QIcon::hasThemeIcon(type.genericIconName()));
}
