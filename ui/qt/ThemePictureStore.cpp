#include "ui/qt/ThemePictureStore.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

namespace {

// The picture's device pixel ratio, kept in a text chunk of its PNG.
constexpr QLatin1String kRatioKey("Device pixel ratio");

// A theme or type name as one file-name part: letters, digits and . _ + -
// stay, anything else (a slash above all) becomes '_'.
QString FileNamePart(const QString& name) {
    QString part = name;
    for (QChar& c : part) {
        const bool kept = (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('.') ||
                          c == QLatin1Char('_') || c == QLatin1Char('+') || c == QLatin1Char('-');
        if (!kept)
            c = QLatin1Char('_');
    }
    if (part.isEmpty() || part.startsWith(QLatin1Char('.')))
        part.prepend(QLatin1Char('_'));
    return part;
}

} // namespace

ThemePictureStore::ThemePictureStore(QString folder) : folder_(std::move(folder)) {}

QString ThemePictureStore::Path(const QString& typeName, int pixelSize) const {
    // The fallback theme decides the pictures the theme itself lacks.
    const QString theme = QIcon::themeName() + QLatin1Char('+') + QIcon::fallbackThemeName();
    return folder_ + QLatin1Char('/') + FileNamePart(theme) + QLatin1Char('/') +
           FileNamePart(typeName) + QLatin1Char('-') + QString::number(pixelSize) +
           QStringLiteral(".png");
}

std::optional<QPixmap> ThemePictureStore::Find(const QString& typeName, int pixelSize) const {
    const QString path = Path(typeName, pixelSize);
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    if (info.size() == 0)
        return QPixmap();
    // Themes without the size asked for give a smaller picture; a larger
    // one is not what this store wrote.
    QImageReader reader(path, "png");
    const QSize size = reader.size();
    if (size.isEmpty() || size.width() > pixelSize || size.height() > pixelSize)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    QPixmap picture = QPixmap::fromImage(image);
    const qreal ratio = image.text(kRatioKey).toDouble();
    picture.setDevicePixelRatio(ratio > 0 ? ratio : 1.0);
    return picture;
}

void ThemePictureStore::Save(const QString& typeName, int pixelSize, const QPixmap& picture) const {
    const QString path = Path(typeName, pixelSize);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (!picture.isNull()) {
        QImage image = picture.toImage();
        image.setText(kRatioKey, QString::number(picture.devicePixelRatio()));
        if (!image.save(&file, "PNG")) {
            file.cancelWriting();
            return;
        }
    }
    file.commit();
}
