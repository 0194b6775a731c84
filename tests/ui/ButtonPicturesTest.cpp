// Button pictures: which picture a button gets, and how a slot draws it in
// the icon's place.
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "resources/IconNames.h"
#include "tests/support/Fakes.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/QtButtonIcons.h"

namespace {

QPixmap Solid(QSize size, QColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

TEST(ButtonPictures, SlotsDrawPicturesFillingTheIconPlaceKeepingTheirShape) {
    const QRect place(8, 8, 32, 32);
    const struct {
        QPixmap picture;
        QRect drawn; // where the picture's colour is expected, within `place`
    } cases[] = {
        {Solid({32, 32}, Qt::red), place},
        {Solid({16, 16}, Qt::red), place},           // scaled up
        {Solid({64, 32}, Qt::red), {8, 16, 32, 16}}, // wide: centred, not stretched
        {Solid({16, 32}, Qt::red), {16, 8, 16, 32}}, // tall
    };
    for (const auto& c : cases) {
        ButtonSlot slot(0, nullptr);
        slot.resize(48, 48);
        slot.SetTextMode(false);
        slot.SetFace(c.picture, place, {});
        const QImage image = slot.grab().toImage();
        for (const QPoint& at :
             {place.topLeft(), place.center(), place.bottomRight(),
              QPoint(place.center().x(), place.top()), QPoint(place.left(), place.center().y())})
            EXPECT_EQ(image.pixelColor(at) == QColor(Qt::red), c.drawn.contains(at))
                << c.picture.width() << "x" << c.picture.height() << " at " << at.x() << ","
                << at.y();
    }
}

TEST(ButtonPictures, ResourcePicturesAreSharedAndLetteredDrivesDrawOnTheirOwnCopy) {
    TempDir dir;
    QtButtonIcons icons;
    const QImage drive = icons.Resource(IconNames::ForRole(IconRole::Drive)).toImage();
    const QImage c = icons.Pixmap({IconRole::Drive, 'C', "", 0}).toImage();
    const QImage d = icons.Pixmap({IconRole::Drive, 'D', "", 0}).toImage();
    EXPECT_NE(c, drive);
    EXPECT_NE(c, d);
    EXPECT_EQ(icons.Resource(IconNames::ForRole(IconRole::Drive)).toImage(), drive);
    // An icon file that cannot be decoded shows the default picture.
    const QImage fallback =
        icons.Pixmap({IconRole::File, 0, dir.Write("broken.png", "\x89PNG\r\n\x1a\nbroken"), 0})
            .toImage();
    EXPECT_EQ(fallback, icons.Resource(IconNames::ForRole(IconRole::Default)).toImage());
}

} // namespace
