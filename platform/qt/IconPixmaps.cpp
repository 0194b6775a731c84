#include "platform/qt/IconPixmaps.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/posix/BinaryFile.h"
#include "platform/posix/IconFileSource.h"
#include "platform/qt/PngImage.h"

namespace {

// Files up to this size are read whole at once; larger ones only as far as
// their kind needs (a program's icons are a small part of it).
constexpr std::uint64_t kReadWholeUpTo = 64 * 1024;
// Larger pictures are left to the decoder to read from the file in pieces.
constexpr std::uint64_t kPictureInMemoryUpTo = 32 * 1024 * 1024;
// PNG pictures up to this many pixels a side that are kept at full size are
// decoded by libpng directly.
constexpr int kDirectPngSideUpTo = 256;

// An icon file opened once: its kind told from the bytes read first, and for
// a picture its bytes (or, for a huge one, its name for the decoder).
class OpenedIconFile {
  public:
    explicit OpenedIconFile(const std::string& path) : path_(path), file_(path) {
        if (!file_.IsOpen())
            return;
        const std::uint64_t size = file_.Size();
        const auto first =
            static_cast<std::size_t>(size <= kReadWholeUpTo ? size : kIconKindHeadSize);
        if (!file_.Read(0, first, bytes_))
            return;
        kind_ = DetectIconFileKind(std::string_view(bytes_));
        const bool picture =
            kind_ == IconFileKind::Png || kind_ == IconFileKind::Xpm || kind_ == IconFileKind::Svg;
        if (!picture || bytes_.size() == size)
            return;
        std::string rest;
        if (size <= kPictureInMemoryUpTo &&
            file_.Read(first, static_cast<std::size_t>(size - first), rest))
            bytes_ += rest;
        else
            bytes_.clear();
    }

    IconFileKind Kind() const { return kind_; }
    const BinaryFile& File() const { return file_; }
    // The whole picture, or empty when the decoder is to read it by name.
    QByteArray Bytes() const {
        return QByteArray::fromRawData(bytes_.data(), static_cast<qsizetype>(bytes_.size()));
    }
    QString Name() const { return QFile::decodeName(path_.c_str()); }

  private:
    std::string path_;
    BinaryFile file_;
    IconFileKind kind_ = IconFileKind::None;
    std::string bytes_;
};

// `size` scaled to fit a `box` x `box` square, aspect kept, never below one
// pixel a side.
QSize FitInBox(const QSize& size, int box) {
    QSize fitted = size.scaled(box, box, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

bool LargerThanBox(const QSize& size, int box) {
    return size.width() > box || size.height() > box;
}

QImage ShrinkToBox(QImage image, int box) {
    if (!LargerThanBox(image.size(), box))
        return image;
    return image.scaled(FitInBox(image.size(), box), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

// The picture of a .png or .xpm file, decoded at the box size when it is
// larger (a `box` of 0 keeps its full size).
QImage ReadRasterPicture(const OpenedIconFile& opened, int box) {
    const QByteArray bytes = opened.Bytes();
    if (opened.Kind() == IconFileKind::Png && !bytes.isEmpty()) {
        // Larger pictures are left to the reader, which scales them while
        // decoding instead of holding them whole.
        QImage image = DecodePng(bytes, box > 0 ? box : kDirectPngSideUpTo);
        if (!image.isNull())
            return image;
    }
    QBuffer buffer;
    QImageReader reader;
    if (bytes.isEmpty()) {
        reader.setFileName(opened.Name());
    } else {
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    }
    reader.setFormat(opened.Kind() == IconFileKind::Png ? "png" : "xpm");
    if (box <= 0)
        return reader.read();
    const QSize full = reader.size();
    if (full.isValid() && LargerThanBox(full, box)) {
        // Decoding at a smaller size lifts the reader's limit on what it
        // allocates; a picture beyond that limit would still take seconds.
        const qint64 limit = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
        if (limit > 0 && qint64(full.width()) * full.height() * 4 > limit)
            return {};
        reader.setScaledSize(FitInBox(full, box));
    }
    return ShrinkToBox(reader.read(), box);
}

QImage RenderSvg(QSvgRenderer& renderer, int box) {
    // Drawn like the desktop's scalable icons: the picture's own size scaled
    // to the box, up or down.
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return {};
    QImage image(FitInBox(renderer.defaultSize(), box), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The images of an in-memory .ico in the order they suit a `box` x `box`
// drawing: the smallest that is at least as large, then ever smaller ones;
// of equal sizes the one of most colours first.
std::vector<int> IcoImagesByFit(const std::string& ico, int box) {
    std::vector<std::tuple<bool, long, int, int>> ranked;
    if (ico.size() < 6)
        return {};
    const int count = LittleU16(ico, 4);
    const long wanted = static_cast<long>(box) * box;
    for (int i = 0; i < count && 6 + 16 * (static_cast<std::size_t>(i) + 1) <= ico.size(); ++i) {
        const auto at = 6 + 16 * static_cast<std::size_t>(i);
        const auto side = [&](std::size_t byte) {
            const int v = static_cast<unsigned char>(ico[at + byte]);
            return v == 0 ? 256 : v;
        };
        const long area = static_cast<long>(side(0)) * side(1);
        const bool tooSmall = area < wanted;
        ranked.emplace_back(tooSmall, tooSmall ? -area : area, -LittleU16(ico, at + 6), i);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<int> order;
    for (const auto& entry : ranked)
        order.push_back(std::get<3>(entry));
    return order;
}

QImage FittedFromIcoBytes(const std::string& ico, int box) {
    QByteArray data = QByteArray::fromRawData(ico.data(), static_cast<qsizetype>(ico.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    // A damaged image gives way to the next best one.
    for (const int i : IcoImagesByFit(ico, box)) {
        if (!reader.jumpToImage(i))
            continue;
        QImage image = reader.read();
        if (!image.isNull())
            return ShrinkToBox(std::move(image), box);
    }
    return {};
}

// Adds every image of an in-memory .ico to one icon, so that each drawing
// size picks the closest image.
QIcon FromIcoBytes(const std::string& bytes) {
    QIcon icon;
    if (bytes.empty())
        return icon;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
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
    OpenedIconFile opened(file);
    const IconFileKind kind = opened.Kind();
    switch (kind) {
    case IconFileKind::Ico:
    case IconFileKind::Program:
        return FromIcoBytes(ExtractIcoImage(opened.File(), kind, index));
    case IconFileKind::Png:
    case IconFileKind::Xpm: {
        if (index != 0)
            return {};
        const QImage image = ReadRasterPicture(opened, 0);
        return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
    }
    case IconFileKind::Svg: {
        if (index != 0)
            return {};
        QIcon icon(opened.Name());
        // QIcon(file) is never null; an unreadable picture has no sizes.
        return icon.availableSizes().isEmpty() && icon.pixmap(32).isNull() ? QIcon() : icon;
    }
    case IconFileKind::None:
        break;
    }
    return {};
}

QPixmap PixmapFromFile(const std::string& file, int index, int size, qreal ratio) {
    if (ratio <= 0)
        ratio = 1.0;
    const int box = std::max(1, qRound(size * ratio));
    OpenedIconFile opened(file);
    const IconFileKind kind = opened.Kind();
    QImage image;
    switch (kind) {
    case IconFileKind::Ico:
    case IconFileKind::Program:
        image = FittedFromIcoBytes(ExtractIcoImage(opened.File(), kind, index), box);
        break;
    case IconFileKind::Png:
    case IconFileKind::Xpm: {
        if (index != 0)
            break;
        image = ReadRasterPicture(opened, box);
        break;
    }
    case IconFileKind::Svg: {
        if (index != 0)
            break;
        const QByteArray bytes = opened.Bytes();
        QSvgRenderer renderer;
        if (bytes.isEmpty())
            renderer.load(opened.Name());
        else
            renderer.load(bytes);
        image = RenderSvg(renderer, box);
        break;
    }
    case IconFileKind::None:
        break;
    }
    if (image.isNull())
        return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
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
