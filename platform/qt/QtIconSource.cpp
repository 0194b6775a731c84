#include "platform/qt/QtIconSource.h"

#include <QFile>
#include <QIcon>
#include <QMimeDatabase>

bool QtIconSource::HasDocumentIcon(const std::string& path) const {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QFile::decodeName(path.c_str()));
    return type.isValid() &&
           (QIcon::hasThemeIcon(type.iconName()) || QIcon::hasThemeIcon(type.genericIconName()));
}
