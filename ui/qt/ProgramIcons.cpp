#include "ui/qt/ProgramIcons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace ProgramIcons {
namespace {

// The sizes resources/CMakeLists.txt renders: every picture at these, the
// application picture also at the About box and window icon sizes.
constexpr int kPictureSizes[] = {16, 32, 64};
constexpr int kAppSizes[] = {16, 32, 48, 64, 96, 128};
constexpr int kWindowSizes[] = {16, 32, 64, 128};

// ":/icons/undo.svg" -> "undo".
QString Stem(const char* name) {
    QString stem = QString::fromUtf8(name);
    stem.remove(0, stem.lastIndexOf(QLatin1Char('/')) + 1);
    if (stem.endsWith(QLatin1String(".svg")))
        stem.chop(4);
    return stem;
}

QString PngName(const QString& stem, int pixels) {
    return QStringLiteral(":/icons/png/%1-%2.png").arg(stem).arg(pixels);
}

template <std::size_t N> QIcon IconOfSizes(const char* name, const int (&sizes)[N]) {
    const QString stem = Stem(name);
    QIcon icon;
    // The icon reads a PNG only when it first draws that size.
    for (int size : sizes)
        icon.addFile(PngName(stem, size), QSize(size, size));
    return icon;
}

} // namespace

QIcon Icon(const char* name) {
    if (Stem(name) == QLatin1String("app"))
        return IconOfSizes(name, kAppSizes);
    return IconOfSizes(name, kPictureSizes);
}

QIcon Window() {
    return IconOfSizes(":/icons/app.svg", kWindowSizes);
}

QString PngPath(const char* name, int pixels) {
    const QString path = PngName(Stem(name), pixels);
    return QFile::exists(path) ? path : QString();
}

QPixmap Pixmap(const char* name, int size, qreal ratio) {
    const int pixels = qRound(size * ratio);
    QPixmap pixmap;
    if (const QString png = PngPath(name, pixels); !png.isEmpty())
        pixmap.load(png);
    if (pixmap.isNull()) {
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(QString::fromUtf8(name));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
        painter.end();
        pixmap = QPixmap::fromImage(image);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace ProgramIcons
