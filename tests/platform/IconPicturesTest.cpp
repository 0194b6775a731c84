#include "platform/qt/IconPixmaps.h"
#include "platform/qt/PngImage.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <gtest/gtest.h>

#include "tests/platform/IconFileBuilder.h"
#include "tests/support/Fakes.h"

namespace {

QImage Filled(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

// The bytes of the one image of an .ico that Qt writes (a DIB).
std::string IcoImageData(const QImage& image) {
    const QByteArray ico = Encoded(image, "ICO");
    const auto u32 = [&](int at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<unsigned char>(ico[at + i]);
        return v;
    };
    return ico.mid(u32(18), u32(14)).toStdString();
}

QColor Middle(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

class IconPicturesTest : public ::testing::Test {
  protected:
    std::string Save(const std::string& name, const QImage& image, const char* format) {
        return dir_.Write(name, Encoded(image, format).toStdString());
    }
    TempDir dir_;
};

TEST_F(IconPicturesTest, PicturesOfEveryKindFitTheBoxAndKeepTheirShape) {
    const std::string ico =
        dir_.Write("two.ico", BuildIco({{16, 16, IcoImageData(Filled({16, 16}, Qt::blue))},
                                        {32, 32, IcoImageData(Filled({32, 32}, Qt::red))}}));
    const std::string exe = dir_.Write(
        "prog.exe", BuildPeWithIconGroups({{{16, 16, IcoImageData(Filled({16, 16}, Qt::blue))},
                                            {48, 48, IcoImageData(Filled({48, 48}, Qt::green))},
                                            {32, 32, IcoImageData(Filled({32, 32}, Qt::red))}},
                                           {{16, 16, IcoImageData(Filled({16, 16}, Qt::blue))}}}));
    const struct {
        std::string file;
        int index;
        qreal ratio;
        QSize pixels;
        QColor colour;
    } cases[] = {
        // A small picture stays small (the drawing scales it); a large one is
        // decoded at the box size.
        {Save("small.png", Filled({24, 24}, Qt::green), "PNG"), 0, 1, {24, 24}, Qt::green},
        {Save("large.png", Filled({100, 100}, Qt::red), "PNG"), 0, 1, {32, 32}, Qt::red},
        {Save("wide.png", Filled({64, 32}, Qt::blue), "PNG"), 0, 1, {32, 16}, Qt::blue},
        {Save("hidpi.png", Filled({100, 100}, Qt::red), "PNG"), 0, 2, {64, 64}, Qt::red},
        {Save("huge.png", Filled({400, 300}, Qt::cyan), "PNG"), 0, 1, {32, 24}, Qt::cyan},
        {Save("small.xpm", Filled({16, 16}, Qt::magenta), "XPM"), 0, 1, {16, 16}, Qt::magenta},
        {Save("large.xpm", Filled({64, 64}, Qt::yellow), "XPM"), 0, 1, {32, 32}, Qt::yellow},
        // Scalable pictures are drawn at the box size, up or down.
        {dir_.Write("wide.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='8'>"
                                "<rect width='16' height='8' fill='#00ff00'/></svg>"),
         0,
         1,
         {32, 16},
         Qt::green},
        // An .ico's index names one image; a program's names a group, of
        // whose sizes the smallest that fills the box is taken, else the largest.
        {ico, 0, 1, {16, 16}, Qt::blue},
        {ico, 1, 1, {32, 32}, Qt::red},
        {exe, 0, 1, {32, 32}, Qt::red},
        {exe, 0, 0.5, {16, 16}, Qt::blue},
        {exe, 0, 1.25, {40, 40}, Qt::green},
        {exe, 0, 2, {48, 48}, Qt::green},
        {exe, 1, 1, {16, 16}, Qt::blue},
    };
    for (const auto& c : cases) {
        const QPixmap pixmap = IconPixmaps::PixmapFromFile(c.file, c.index, 32, c.ratio);
        EXPECT_EQ(pixmap.size(), c.pixels) << c.file << " at " << c.ratio;
        EXPECT_EQ(pixmap.devicePixelRatio(), c.ratio) << c.file;
        EXPECT_EQ(Middle(pixmap), c.colour) << c.file << " at " << c.ratio;
    }
}

TEST_F(IconPicturesTest, FilesWithoutThatIconGiveNoPicture) {
    const std::string png = Save("one.png", Filled({16, 16}, Qt::red), "PNG");
    std::string truncated = dir_.Read("one.png");
    truncated.resize(truncated.size() / 2);
    const std::string exe = dir_.Write(
        "prog.exe", BuildPeWithIconGroups({{{32, 32, IcoImageData(Filled({32, 32}, Qt::red))}}}));
    const std::pair<std::string, int> cases[] = {
        {png, 1},
        {exe, 1},
        {exe, -1},
        {dir_.Write("cut.png", truncated), 0},
        {dir_.Write("junk.png", "junk"), 0},
        {dir_.Write("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect"), 0},
        {dir_.Write("empty.ico", ""), 0},
        {dir_.File("missing.png"), 0},
        {dir_.Path(), 0},
    };
    for (const auto& [file, index] : cases)
        EXPECT_TRUE(IconPixmaps::PixmapFromFile(file, index, 32, 1).isNull())
            << file << " " << index;
}

TEST_F(IconPicturesTest, PicturesBeyondTheReadersAllocationLimitGiveNoPicture) {
    // Decoded at the box size they would fit the limit, but take as long.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    const std::string large = Save("large.png", Filled({1024, 1024}, Qt::red), "PNG");
    const std::string small = Save("small.png", Filled({256, 256}, Qt::red), "PNG");
    EXPECT_TRUE(IconPixmaps::PixmapFromFile(large, 0, 32, 1).isNull());
    EXPECT_EQ(IconPixmaps::PixmapFromFile(small, 0, 32, 1).size(), QSize(32, 32));
    QImageReader::setAllocationLimit(limit);
}

// libpng's own reading must give the pixels Qt's reader gives, whatever the
// PNG's colour type and depth.
TEST(PngImageTest, DecodesEveryColourTypeAsQtsReaderDoes) {
    QImage argb(7, 5, QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            argb.setPixelColor(x, y, QColor(x * 36, y * 60, 200 - x * 20, 40 + y * 50));
    const QImage images[] = {
        argb,
        argb.convertToFormat(QImage::Format_RGB32),
        argb.convertToFormat(QImage::Format_Indexed8),
        argb.convertToFormat(QImage::Format_Grayscale8),
        argb.convertToFormat(QImage::Format_Grayscale16),
        argb.convertToFormat(QImage::Format_RGBA64),
        argb.convertToFormat(QImage::Format_Mono),
    };
    for (const QImage& original : images) {
        const QByteArray png = Encoded(original, "PNG");
        const QImage expected = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
        const QImage decoded = DecodePng(png, 256);
        ASSERT_EQ(decoded.size(), expected.size()) << original.format();
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QColor a = decoded.pixelColor(x, y), b = expected.pixelColor(x, y);
                EXPECT_LE(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                              std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha()),
                          4)
                    << original.format() << " at " << x << "," << y;
            }
    }
    // Too large for a direct read, or not a PNG: left to Qt's reader.
    EXPECT_TRUE(DecodePng(Encoded(argb, "PNG"), 6).isNull());
    EXPECT_TRUE(DecodePng(QByteArray("not a png"), 256).isNull());
}

} // namespace
