// How a slot draws its picture in the icon's place.
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "ui/qt/ButtonSlot.h"

namespace {

QPixmap Solid(QSize size, QColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

TEST(ButtonSlotPicture, PicturesFillTheIconPlaceAndKeepTheirShape) {
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

} // namespace
