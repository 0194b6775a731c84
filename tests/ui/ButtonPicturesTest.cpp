// Button pictures: which picture a button gets, how a slot draws it in the
// icon's place, and the document pictures kept from one run to the next.
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "resources/IconNames.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestIconTheme.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/QtButtonIcons.h"
#include "ui/qt/ThemePictureStore.h"

namespace {

QPixmap Solid(QSize size, QColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

QColor Middle(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
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

TEST(ButtonPictures, StoredDocumentPicturesShowUntilTheThemeIsAskedWhichWinsWhenTheyDiffer) {
    TempDir dir;
    const TestIconTheme theme(dir, 32, {{"text-plain.png", Qt::blue}});
    const ThemePictureStore store(QString::fromStdString(dir.File("store")));
    store.Save(QStringLiteral("text/plain"), 32, Solid({32, 32}, Qt::red));
    const ButtonIcon notes{IconRole::Document, 0, dir.Write("notes.txt", "notes\n"), 0};

    QtButtonIcons icons;
    icons.UseStore(&store);
    EXPECT_EQ(Middle(icons.Pixmap(notes)), QColor(Qt::red)) << "the last run's picture";
    EXPECT_TRUE(icons.CheckStoredPictures());
    EXPECT_EQ(Middle(icons.Pixmap(notes)), QColor(Qt::blue));
    EXPECT_EQ(Middle(store.Find(QStringLiteral("text/plain"), 32).value_or(QPixmap())),
              QColor(Qt::blue));
    // After the check new types come from the theme and are stored.
    const ButtonIcon page{IconRole::Document, 0, dir.Write("page.html", "<p>\n"), 0};
    EXPECT_EQ(icons.Pixmap(page).toImage(), icons.Resource(IconNames::Document).toImage())
        << "the theme has no web page picture";
    EXPECT_TRUE(
        store.Find(QStringLiteral("text/html"), 32).value_or(Solid({1, 1}, Qt::red)).isNull());

    // The next run's store agrees with the theme: nothing changes.
    QtButtonIcons next;
    next.UseStore(&store);
    EXPECT_EQ(Middle(next.Pixmap(notes)), QColor(Qt::blue));
    EXPECT_FALSE(next.CheckStoredPictures());
}

TEST(ButtonPictures, TheStoreTakesOnlyPicturesItCouldHaveWrittenForTheCurrentTheme) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.File("store"));
    const ThemePictureStore store(folder);
    const QString type = QStringLiteral("text/plain");
    EXPECT_FALSE(store.Find(type, 32).has_value());

    QPixmap sharp = Solid({64, 64}, Qt::green);
    sharp.setDevicePixelRatio(2.0);
    store.Save(type, 64, sharp);
    const std::optional<QPixmap> found = store.Find(type, 64);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->devicePixelRatio(), 2.0);
    EXPECT_EQ(Middle(*found), QColor(Qt::green));
    EXPECT_FALSE(store.Find(type, 32).has_value()) << "larger than asked for";

    {
        const TestIconTheme theme(dir, 32, {});
        EXPECT_FALSE(store.Find(type, 64).has_value()) << "stored for another theme";
    }
    // A file it cannot read is no picture, and no record of a missing one.
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    ASSERT_TRUE(files.hasNext());
    QFile file(files.next());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\nbroken");
    file.close();
    EXPECT_FALSE(store.Find(type, 64).has_value());
}

} // namespace
