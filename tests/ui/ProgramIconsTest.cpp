// The program's pictures: the PNGs the build renders from the SVGs, and the
// icons and pixmaps made of them.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"

namespace {

QImage RenderSvg(const QString& svg, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool IsBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() != 0)
                return false;
    return true;
}

// Every name the program asks for: the named pictures and those of the roles.
std::vector<const char*> NamedPictures() {
    std::vector<const char*> names = {
        IconNames::App,         IconNames::Document,   IconNames::EmptySlot, IconNames::Alarm,
        IconNames::AlarmDue,    IconNames::AlarmNone,  IconNames::Undo,      IconNames::PushpinIn,
        IconNames::PushpinOut,  IconNames::LockClosed, IconNames::LockOpen,  IconNames::Home,
        IconNames::Floppy,      IconNames::BackupNet,  IconNames::Schedule,  IconNames::Calendar,
        IconNames::ScreenSaver, IconNames::Up,         IconNames::Down};
    for (int role = static_cast<int>(IconRole::None); role <= static_cast<int>(IconRole::Document);
         ++role)
        if (const char* name = IconNames::ForRole(static_cast<IconRole>(role)))
            names.push_back(name);
    return names;
}

TEST(ProgramIcons, EverySvgHasPngsOfTheDrawnSizesWithTheSamePixels) {
    const QStringList svgs = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")});
    ASSERT_GE(svgs.size(), 30);
    for (const QString& file : svgs) {
        const QString svg = QStringLiteral(":/icons/") + file;
        const QByteArray name = svg.toUtf8();
        for (int pixels : {16, 32, 64}) {
            const QString png = ProgramIcons::PngPath(name.constData(), pixels);
            ASSERT_FALSE(png.isEmpty()) << name.constData() << " at " << pixels;
            const QImage image = QImage(png).convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(image.size(), QSize(pixels, pixels)) << png.toStdString();
            EXPECT_FALSE(IsBlank(image)) << png.toStdString();
            EXPECT_EQ(image, RenderSvg(svg, pixels)) << png.toStdString();
        }
    }
}

TEST(ProgramIcons, EveryNamedPictureDrawsAtMenuButtonAndHiDpiSizes) {
    for (const char* name : NamedPictures()) {
        const QIcon icon = ProgramIcons::Icon(name);
        for (int size : {16, 32}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
            ASSERT_FALSE(pixmap.isNull()) << name << " at " << size;
            EXPECT_EQ(pixmap.size(), QSize(size, size)) << name;
            // The 2x picture has twice the pixels, not a scaled-up 1x one.
            const QPixmap twice = icon.pixmap(QSize(size, size), 2.0);
            EXPECT_EQ(twice.toImage().convertToFormat(QImage::Format_ARGB32),
                      QImage(ProgramIcons::PngPath(name, 2 * size))
                          .convertToFormat(QImage::Format_ARGB32))
                << name << " at " << size << "@2x";
        }
        const QPixmap button = ProgramIcons::Pixmap(name, 32, 2.0);
        EXPECT_EQ(button.size(), QSize(64, 64)) << name;
        EXPECT_EQ(button.devicePixelRatio(), 2.0) << name;
    }
}

TEST(ProgramIcons, SizesWithoutAPngRenderTheSvg) {
    // A fractional scale draws the button pictures at 48 pixels.
    ASSERT_TRUE(ProgramIcons::PngPath(IconNames::Undo, 48).isEmpty());
    const QPixmap pixmap = ProgramIcons::Pixmap(IconNames::Undo, 32, 1.5);
    EXPECT_EQ(pixmap.size(), QSize(48, 48));
    EXPECT_EQ(pixmap.devicePixelRatio(), 1.5);
    QImage drawn = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    drawn.setDevicePixelRatio(1.0);
    EXPECT_EQ(drawn, RenderSvg(QString::fromUtf8(IconNames::Undo), 48));
}

TEST(ProgramIcons, OtherSizesAreScaledFromTheNextLargerAndDisabledOnesAreGreyed) {
    const QIcon icon = ProgramIcons::Icon(IconNames::App);
    // A tray draws the application picture at 22 or 24 pixels.
    const QPixmap tray = icon.pixmap(QSize(24, 24), 1.0);
    EXPECT_EQ(tray.size(), QSize(24, 24));
    EXPECT_FALSE(IsBlank(tray.toImage()));
    // A greyed menu bar picture differs from the normal one but keeps its shape.
    const QImage normal = ProgramIcons::Icon(IconNames::Home).pixmap(QSize(16, 16), 1.0).toImage();
    const QImage greyed =
        ProgramIcons::Icon(IconNames::Home).pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    ASSERT_EQ(greyed.size(), normal.size());
    EXPECT_NE(greyed.convertToFormat(QImage::Format_ARGB32),
              normal.convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(IsBlank(greyed));
}

TEST(ProgramIcons, TheWindowIconOffersTheWindowManagersSizes) {
    EXPECT_EQ(ProgramIcons::Window().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    // The About box shows the application picture at 48.
    EXPECT_FALSE(ProgramIcons::PngPath(IconNames::App, 48).isEmpty());
}

} // namespace
