#include "platform/qt/IconPixmaps.h"
#include "platform/qt/QtIconSource.h"
#include "platform/qt/QtSoundPlayer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "tests/platform/IconFileBuilder.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestIconTheme.h"

namespace {

// Colour of the middle pixel of an icon drawn at `size`.
QColor MiddleColour(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

// The image bytes of the single image of an .ico written by Qt.
std::string IcoImageData(const std::string& ico) {
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(ico[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(ico[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(ico[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(ico[at + 3])) << 24;
    };
    return ico.substr(u32(18), u32(14));
}

class IconPixmapsTest : public ::testing::Test {
  protected:
    std::string SaveImage(const std::string& name, QColor colour, int size, const char* format) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(colour);
        const std::string path = dir_.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    }
    TempDir dir_;
};

TEST_F(IconPixmapsTest, IconsOfIcoPeAndPictureFilesHaveTheirPixels) {
    const std::string ico = SaveImage("red.ico", Qt::red, 32, "ICO");
    const std::string png = SaveImage("green.png", Qt::green, 24, "PNG");
    const std::string redData = IcoImageData(dir_.Read("red.ico"));
    const std::string blueIco = SaveImage("blue.ico", Qt::blue, 16, "ICO");
    const std::string exe = dir_.Write(
        "prog.exe", BuildPeWithIconGroups(
                        {{{32, 32, redData}}, {{16, 16, IcoImageData(dir_.Read("blue.ico"))}}}));

    EXPECT_EQ(MiddleColour(IconPixmaps::FromFile(ico, 0), 32), QColor(Qt::red));
    EXPECT_EQ(MiddleColour(IconPixmaps::FromFile(png, 0), 24), QColor(Qt::green));
    EXPECT_EQ(MiddleColour(IconPixmaps::FromFile(exe, 0), 32), QColor(Qt::red));
    EXPECT_EQ(MiddleColour(IconPixmaps::FromFile(exe, 1), 16), QColor(Qt::blue));
    for (const auto& [file, index] :
         std::vector<std::pair<std::string, int>>{{ico, 1},
                                                  {png, 1},
                                                  {exe, 2},
                                                  {dir_.Write("junk.png", "junk"), 0},
                                                  {"/nonexistent.ico", 0}})
        EXPECT_TRUE(IconPixmaps::FromFile(file, index).isNull()) << file << " " << index;
}

TEST_F(IconPixmapsTest, DocumentIconsComeFromTheThemeByMimeType) {
    const TestIconTheme theme(dir_, 16, {{"text-plain.png", Qt::blue}});

    const std::string text = dir_.Write("notes.txt", "plain words\n");
    const std::string binary = dir_.Write("blob.zz-unknown", std::string("\0\1\2\3\xff", 5));
    const auto icon = [](const std::string& path) {
        return IconPixmaps::ForDocumentType(IconPixmaps::DocumentMimeType(path));
    };
    EXPECT_EQ(MiddleColour(icon(text), 16), QColor(Qt::blue));
    EXPECT_TRUE(icon(binary).isNull());
    QtIconSource source;
    EXPECT_TRUE(source.HasDocumentIcon(text));
    EXPECT_FALSE(source.HasDocumentIcon(binary));
}

std::string Wave(std::uint32_t dataBytes) {
    const auto u32 = [](std::uint32_t v) {
        std::string s;
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xff);
        return s;
    };
    // 8 kHz, mono, 16 bit: 16000 bytes a second.
    const std::string fmt =
        std::string("\1\0\1\0", 4) + u32(8000) + u32(16000) + std::string("\2\0\x10\0", 4);
    return "RIFF" + u32(36 + dataBytes) + "WAVE" + "fmt " + u32(16) + fmt + "data" +
           u32(dataBytes) + std::string(dataBytes, '\0');
}

TEST(QtSoundPlayerTest, SynchronousPlayEndsWithinTheSoundsLengthEvenWithoutAudioDevice) {
    TempDir dir;
    QtSoundPlayer player;
    const std::string sound = dir.Write("short.wav", Wave(3200)); // 200 ms
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(player.Play(sound, true));
    // Generous bound: the fault this catches is waiting forever.
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(player.Play(sound, false));
    player.Stop();
    EXPECT_FALSE(player.Play(dir.Write("text.wav", "not a wave file"), true));
    EXPECT_FALSE(player.Play(dir.File("missing.wav"), false));
}

TEST(QtSoundPlayerTest, LoadsTheSoundModuleOnlyWhenSomethingPlays) {
    TempDir dir;
    QtSoundPlayer player;
    player.Stop(); // nothing to stop yet, and nothing loaded for it
    EXPECT_FALSE(player.Play(dir.File("missing.wav"), false));
    EXPECT_FALSE(player.Loaded());
    EXPECT_TRUE(player.Play(dir.Write("short.wav", Wave(160)), false));
    EXPECT_TRUE(player.Loaded());
}

TEST(QtSoundPlayerTest, WithoutItsModuleEveryPlayFailsCleanly) {
    TempDir dir;
    QtSoundPlayer player(dir.File("no-such-module.so"));
    const std::string sound = dir.Write("short.wav", Wave(160));
    EXPECT_FALSE(player.Play(sound, true));
    EXPECT_FALSE(player.Play(sound, false));
    EXPECT_FALSE(player.Loaded());
    player.Stop();
}

} // namespace
