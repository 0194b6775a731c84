#include "ui/qt/ProgramIcons.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
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

// Draws a picture from its PNGs, reading only the size asked for: Qt's own
// pixmap engine reads every file added to it at once, and a menu bar at scale
// 1 needs none of the larger ones. Drawn pixmaps go to the shared pixmap
// cache, so the icons of one picture share them and hold none themselves.
class PngIconEngine : public QIconEngine {
  public:
    PngIconEngine(QString stem, std::vector<int> sizes)
        : stem_(std::move(stem)), sizes_(std::move(sizes)) {}

    QIconEngine* clone() const override { return new PngIconEngine(stem_, sizes_); }
    QString key() const override { return QStringLiteral("DorvanePng"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : sizes_)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        const QString cacheKey =
            QStringLiteral("dv-icon:%1:%2:%3").arg(stem_).arg(side).arg(static_cast<int>(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(cacheKey, &pixmap))
            return pixmap;
        // The smallest PNG at least as large, else the largest.
        const auto fit = std::lower_bound(sizes_.begin(), sizes_.end(), side);
        const int source = fit != sizes_.end() ? *fit : sizes_.back();
        pixmap.load(PngName(stem_, source));
        if (pixmap.isNull())
            return pixmap;
        if (source != side)
            pixmap = pixmap.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && QApplication::style()) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(cacheKey, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

  private:
    QString stem_;
    std::vector<int> sizes_; // ascending
};

template <std::size_t N> QIcon IconOfSizes(const char* name, const int (&sizes)[N]) {
    return QIcon(new PngIconEngine(Stem(name), std::vector<int>(sizes, sizes + N)));
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
