#include "platform/posix/IconFileSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/posix/BinaryFile.h"
#include "tests/platform/IconFileBuilder.h"
#include "tests/support/Fakes.h"

namespace {

std::string Bytes(char c, std::size_t n) {
    return std::string(n, c);
}

// The images of a built .ico as (width, data) pairs.
std::vector<std::pair<int, std::string>> IcoImages(const std::string& ico) {
    std::vector<std::pair<int, std::string>> out;
    if (ico.size() < 6 || LittleU16(ico, 0) != 0 || LittleU16(ico, 2) != 1)
        return out;
    for (std::size_t i = 0; i < LittleU16(ico, 4); ++i) {
        const std::size_t at = 6 + 16 * i;
        out.emplace_back(static_cast<unsigned char>(ico[at]),
                         ico.substr(LittleU32(ico, at + 12), LittleU32(ico, at + 8)));
    }
    return out;
}

class IconFileTest : public ::testing::Test {
  protected:
    TempDir dir_;
};

TEST_F(IconFileTest, IcoCountsImagesAndExtractsEachAsItsOwnFile) {
    const std::string ico =
        dir_.Write("app.ico", BuildIco({{16, 16, Bytes('a', 40)}, {32, 32, Bytes('b', 90)}}));
    EXPECT_EQ(DetectIconFileKind(ico), IconFileKind::Ico);
    EXPECT_EQ(CountIconsInFile(ico), 2);
    using Images = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(IcoImages(ExtractIcoImage(ico, 0)), (Images{{16, Bytes('a', 40)}}));
    EXPECT_EQ(IcoImages(ExtractIcoImage(ico, 1)), (Images{{32, Bytes('b', 90)}}));
    EXPECT_EQ(ExtractIcoImage(ico, 2), "");
    EXPECT_EQ(ExtractIcoImage(ico, -1), "");
}

TEST_F(IconFileTest, ProgramsCountIconGroupsAndExtractAGroupWithAllItsImages) {
    const auto resources = IconGroupResources(
        {{{16, 16, Bytes('x', 30)}, {48, 48, Bytes('y', 70)}}, {{32, 32, Bytes('z', 50)}}});
    const std::vector<std::pair<const char*, std::string>> files = {
        {"PE32", BuildPe(resources)},
        {"PE32+", BuildPe(resources, true)},
        {"NE icon library", BuildNe(resources)},
    };
    using Images = std::vector<std::pair<int, std::string>>;
    for (const auto& [kind, bytes] : files) {
        const std::string file = dir_.Write("icons.icl", bytes);
        EXPECT_EQ(DetectIconFileKind(file), IconFileKind::Program) << kind;
        EXPECT_EQ(CountIconsInFile(file), 2) << kind;
        // NE resources are padded to 16-byte units; the images start as stored.
        const Images first = IcoImages(ExtractIcoImage(file, 0));
        ASSERT_EQ(first.size(), 2u) << kind;
        EXPECT_EQ(first[0].first, 16);
        EXPECT_EQ(first[0].second.substr(0, 30), Bytes('x', 30)) << kind;
        EXPECT_EQ(first[1].first, 48);
        EXPECT_EQ(first[1].second.substr(0, 70), Bytes('y', 70)) << kind;
        const Images second = IcoImages(ExtractIcoImage(file, 1));
        ASSERT_EQ(second.size(), 1u) << kind;
        EXPECT_EQ(second[0].second.substr(0, 50), Bytes('z', 50)) << kind;
        EXPECT_EQ(ExtractIcoImage(file, 2), "") << kind;
    }
}

TEST_F(IconFileTest, PeWithoutIconsOrWithBrokenGroupsHoldsNone) {
    // Resources of other types only.
    EXPECT_EQ(CountIconsInFile(dir_.Write("a.dll", BuildPe({{6, 1, "strings"}}))), 0);
    // A group that names an icon the file lacks counts but extracts nothing.
    const std::string groupOnly = dir_.Write(
        "b.dll",
        BuildPe({{14, 1, std::string("\0\0\1\0\1\0", 6) + std::string(12, '\x10') + "\x07\0"}}));
    EXPECT_EQ(CountIconsInFile(groupOnly), 1);
    EXPECT_EQ(ExtractIcoImage(groupOnly, 0), "");
    // An "MZ" program without a PE header (old DOS programs).
    EXPECT_EQ(CountIconsInFile(dir_.Write("c.exe", "MZ" + std::string(200, '\0'))), 0);
}

TEST_F(IconFileTest, PicturesCountOneWhenTheContentMatches) {
    EXPECT_EQ(CountIconsInFile(dir_.Write("a.png", "\x89PNG\r\n\x1a\n....")), 1);
    EXPECT_EQ(CountIconsInFile(dir_.Write("b.svg", "<?xml version=\"1.0\"?>\n<svg></svg>")), 1);
    EXPECT_EQ(CountIconsInFile(dir_.Write("c.xpm", "/* XPM */\nstatic char*x[]={};")), 1);
    EXPECT_EQ(CountIconsInFile(dir_.Write("d.png", "plain text")), 0);
    EXPECT_EQ(CountIconsInFile(dir_.Write("e.ico", "")), 0);
    EXPECT_EQ(CountIconsInFile(dir_.File("missing.ico")), 0);
    EXPECT_EQ(CountIconsInFile(dir_.Path()), 0);
    EXPECT_EQ(ExtractIcoImage(dir_.File("a.png"), 0), "");
}

TEST_F(IconFileTest, IcoWhoseImagesLeaveTheFileHoldsNone) {
    std::string ico = BuildIco({{16, 16, Bytes('a', 40)}});
    EXPECT_EQ(CountIconsInFile(dir_.Write("short.ico", ico.substr(0, ico.size() - 1))), 0);
    std::string badOffset = ico;
    badOffset[18] = '\x02'; // image offset 2, inside the directory
    EXPECT_EQ(CountIconsInFile(dir_.Write("offset.ico", badOffset)), 0);
    std::string cursor = ico;
    cursor[2] = '\x02'; // a cursor file, not an icon
    EXPECT_EQ(CountIconsInFile(dir_.Write("cursor.ico", cursor)), 0);
}

// Every prefix and every single-byte corruption of valid files must be read
// without touching memory outside what was read (run under the sanitizers).
TEST_F(IconFileTest, TruncatedOrCorruptFilesNeverCrash) {
    const std::vector<std::string> originals = {
        BuildPeWithIconGroups({{{16, 16, Bytes('x', 20)}}, {{32, 32, Bytes('z', 20)}}}),
        BuildPeWithIconGroups({{{16, 16, Bytes('x', 20)}}}, true),
        BuildIco({{16, 16, Bytes('a', 20)}, {32, 32, Bytes('b', 20)}}),
        BuildNe(IconGroupResources({{{16, 16, Bytes('x', 20)}}, {{32, 32, Bytes('z', 20)}}})),
    };
    const std::string path = dir_.File("fuzz.bin");
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    const auto check = [&](const std::string& bytes) {
        // Overwrite, then cut: truncating to zero would make every close flush.
        ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(bytes.size())), 0);
        const int count = CountIconsInFile(path);
        EXPECT_GE(count, 0);
        for (int i = 0; i <= count; ++i) {
            const std::string ico = ExtractIcoImage(path, i);
            EXPECT_TRUE(ico.empty() || ico.compare(0, 4, std::string("\0\0\1\0", 4)) == 0);
        }
    };
    for (const std::string& original : originals) {
        for (std::size_t length = 0; length < original.size(); length += 3)
            check(original.substr(0, length));
        for (std::size_t at = 0; at < original.size(); ++at) {
            for (char value : {'\xff', '\x00'}) {
                std::string corrupt = original;
                corrupt[at] = value;
                check(corrupt);
            }
        }
    }
    ::close(fd);
}

} // namespace

namespace {

// A program whose one icon group names the same image `repeats` times.
std::string RepeatedImageProgram(std::size_t imageSize, int repeats) {
    std::string group;
    const auto put16 = [&group](unsigned v) {
        group += static_cast<char>(v & 0xff);
        group += static_cast<char>((v >> 8) & 0xff);
    };
    put16(0);
    put16(1);
    put16(static_cast<unsigned>(repeats));
    for (int i = 0; i < repeats; ++i) {
        group += std::string("\x10\x10\0\0", 4);
        put16(1);
        put16(32);
        put16(static_cast<unsigned>(imageSize & 0xffff));
        put16(static_cast<unsigned>(imageSize >> 16));
        put16(1); // the icon's id
    }
    return BuildPe({{3, 1, std::string(imageSize, 'i')}, {14, 100, group}});
}

TEST_F(IconFileTest, AGroupNamingOneImageThousandsOfTimesIsCapped) {
    // Uncapped, this file of about 1 MB would extract 65,535 copies: 256 MB.
    const std::string file = dir_.Write("hostile.exe", RepeatedImageProgram(4096, 65535));
    const std::uint64_t size = BinaryFile(file).Size();
    EXPECT_EQ(CountIconsInFile(file), 1);
    const std::string ico = ExtractIcoImage(file, 0);
    EXPECT_LE(ico.size(), 4 * size);
    const auto images = IcoImages(ico);
    EXPECT_GE(images.size(), 2u) << "an image named twice is still copied twice";
    EXPECT_LE(images.size(), 256u);
    for (const auto& [width, data] : images)
        EXPECT_EQ(data, Bytes('i', 4096));

    // A small file cannot make much of itself either.
    const std::string small = dir_.Write("small.exe", RepeatedImageProgram(100000, 300));
    EXPECT_LE(ExtractIcoImage(small, 0).size(), 4 * BinaryFile(small).Size());
}

} // namespace
