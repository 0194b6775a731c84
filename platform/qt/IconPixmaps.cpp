#include "platform/qt/IconPixmaps.h"

#include <algorithm>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPixmap>

#include "platform/posix/IconFileSource.h"

namespace {

// Adds every image of an in-memory .ico to one icon, so that each drawing
// size picks the closest image.
QIcon FromIcoBytes(const std::string& bytes) {
    QIcon icon;
    if (bytes.empty())
        return icon;
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const int count = std::max(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

namespace IconPixmaps {

QIcon FromFile(const std::string& file, int index) {
    const IconFileKind kind = DetectIconFileKind(file);
    switch (kind) {
    case IconFileKind::Ico:
    case IconFileKind::Program:
        return FromIcoBytes(ExtractIcoImage(file, index));
    case IconFileKind::Png:
    case IconFileKind::Xpm: {
        if (index != 0)
            return {};
        // Decoded once, by the reader of the kind found: a QIcon made from the
        // file name would probe and read it again for its sizes and to draw.
        const QByteArray format = kind == IconFileKind::Png ? "png" : "xpm";
        const QImage image = QImageReader(QFile::decodeName(file.c_str()), format).read();
        return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    }
    case IconFileKind::Svg: {
        if (index != 0)
            return {};
        QIcon icon(QFile::decodeName(file.c_str()));
        // QIcon(file) is never null; an unreadable picture has no sizes.
        return icon.availableSizes().isEmpty() && icon.pixmap(32).isNull() ? QIcon() : icon;
    }
    case IconFileKind::None:
        break;
    }
    return {};
}

QMimeType DocumentMimeType(const std::string& path) {
    const QMimeDatabase database;
    const QString file = QFile::decodeName(path.c_str());
    const QList<QMimeType> byName = database.mimeTypesForFileName(file);
    if (byName.size() == 1)
        return byName.front();
    return database.mimeTypeForFile(file);
}

QIcon ForDocumentType(const QMimeType& type) {
    if (!type.isValid())
        return {};
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
}

} // namespace IconPixmaps
