#include "platform/posix/IconFileSource.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/posix/BinaryFile.h"

namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kIcoHeader = 6;
constexpr std::size_t kIcoEntry = 16;
constexpr std::size_t kGroupEntry = 14;

void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

// One image for a .ico file being built: the first eight bytes of its
// directory entry (size, colours, planes, bit count) and its data.
struct IcoImage {
    std::string entryHead;
    std::string data;
};

std::string BuildIco(const std::vector<IcoImage>& images) {
    std::string out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = kIcoHeader + kIcoEntry * images.size();
    for (const IcoImage& image : images) {
        out += image.entryHead;
        PutU32(out, static_cast<std::uint32_t>(image.data.size()));
        PutU32(out, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const IcoImage& image : images)
        out += image.data;
    return out;
}

// The directory of an .ico file, checked: every image lies inside the file.
std::optional<std::string> IcoDirectory(const BinaryFile& file) {
    std::string header, entries;
    if (!file.Read(0, kIcoHeader, header) || LittleU16(header, 0) != 0 ||
        LittleU16(header, 2) != 1 || LittleU16(header, 4) == 0)
        return std::nullopt;
    const std::size_t count = LittleU16(header, 4);
    if (!file.Read(kIcoHeader, kIcoEntry * count, entries))
        return std::nullopt;
    const std::uint64_t dataStart = kIcoHeader + kIcoEntry * count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t size = LittleU32(entries, i * kIcoEntry + 8);
        const std::uint64_t offset = LittleU32(entries, i * kIcoEntry + 12);
        if (size == 0 || offset < dataStart || offset + size > file.Size())
            return std::nullopt;
    }
    return entries;
}

struct DirEntry {
    std::uint32_t name;
    std::uint32_t offset;
};

// The resources of a PE file, read through bounds-checked lookups only.
class PeResources {
  public:
    explicit PeResources(const BinaryFile& file) : file_(file) { ok_ = ReadHeaders(); }

    // The resources of a type in directory order (named first, then by id):
    // each one's id (-1 for a named one) and the offset of its data entry.
    std::vector<std::pair<long, std::uint32_t>> OfType(std::uint32_t type) const {
        std::vector<std::pair<long, std::uint32_t>> out;
        std::vector<DirEntry> root, names;
        if (!ok_ || !Directory(0, root))
            return out;
        const auto typeEntry = std::find_if(root.begin(), root.end(), [&](const DirEntry& e) {
            return e.name == type && (e.offset & kHighBit) != 0;
        });
        if (typeEntry == root.end() || !Directory(typeEntry->offset & ~kHighBit, names))
            return out;
        for (const DirEntry& e : names) {
            std::uint32_t leaf = e.offset;
            if (leaf & kHighBit) {
                // The language level: the first language is the one used.
                std::vector<DirEntry> languages;
                if (!Directory(leaf & ~kHighBit, languages) || languages.empty() ||
                    (languages.front().offset & kHighBit) != 0)
                    continue;
                leaf = languages.front().offset;
            }
            out.emplace_back((e.name & kHighBit) ? -1L : static_cast<long>(e.name), leaf);
        }
        return out;
    }

    // The bytes of the resource whose data entry is at `entryOffset`.
    bool Data(std::uint32_t entryOffset, std::string& out) const {
        std::string entry;
        if (!ReadRva(std::uint64_t{rsrcRva_} + entryOffset, 16, entry))
            return false;
        return ReadRva(LittleU32(entry, 0), LittleU32(entry, 4), out);
    }

  private:
    struct Section {
        std::uint32_t va, virtualSize, rawPointer, rawSize;
    };

    bool ReadHeaders() {
        std::string dos, pe, optional, table;
        if (!file_.Read(0, 64, dos) || dos[0] != 'M' || dos[1] != 'Z')
            return false;
        const std::uint64_t peAt = LittleU32(dos, 0x3c);
        if (!file_.Read(peAt, 24, pe) || pe.compare(0, 4, std::string_view("PE\0\0", 4)) != 0)
            return false;
        const std::size_t sectionCount = LittleU16(pe, 6);
        const std::size_t optionalSize = LittleU16(pe, 20);
        if (!file_.Read(peAt + 24, optionalSize, optional) || optionalSize < 2)
            return false;
        std::size_t countAt = 0;
        switch (LittleU16(optional, 0)) {
        case 0x10b:
            countAt = 92;
            break; // PE32
        case 0x20b:
            countAt = 108;
            break; // PE32+
        default:
            return false;
        }
        const std::size_t resourceAt = countAt + 4 + 2 * 8;
        if (optionalSize < resourceAt + 8 || LittleU32(optional, countAt) < 3)
            return false;
        rsrcRva_ = LittleU32(optional, resourceAt);
        if (rsrcRva_ == 0 || !file_.Read(peAt + 24 + optionalSize, 40 * sectionCount, table))
            return false;
        for (std::size_t i = 0; i < sectionCount; ++i) {
            const std::size_t at = i * 40;
            sections_.push_back({LittleU32(table, at + 12), LittleU32(table, at + 8),
                                 LittleU32(table, at + 20), LittleU32(table, at + 16)});
        }
        return true;
    }

    // Reads `count` bytes at a relative virtual address; they must lie in the
    // file-backed part of one section.
    bool ReadRva(std::uint64_t rva, std::uint64_t count, std::string& out) const {
        for (const Section& s : sections_) {
            const std::uint64_t span = std::max(s.virtualSize, s.rawSize);
            if (rva < s.va || rva - s.va >= span)
                continue;
            const std::uint64_t inSection = rva - s.va;
            if (inSection + count > s.rawSize)
                return false;
            return file_.Read(std::uint64_t{s.rawPointer} + inSection,
                              static_cast<std::size_t>(count), out);
        }
        return false;
    }

    bool Directory(std::uint32_t offset, std::vector<DirEntry>& out) const {
        out.clear();
        std::string head, entries;
        const std::uint64_t at = std::uint64_t{rsrcRva_} + offset;
        if (!ReadRva(at, 16, head))
            return false;
        const std::size_t count = std::size_t{LittleU16(head, 12)} + LittleU16(head, 14);
        if (!ReadRva(at + 16, 8 * count, entries))
            return false;
        for (std::size_t i = 0; i < count; ++i)
            out.push_back({LittleU32(entries, 8 * i), LittleU32(entries, 8 * i + 4)});
        return true;
    }

    const BinaryFile& file_;
    std::vector<Section> sections_;
    std::uint32_t rsrcRva_ = 0;
    bool ok_ = false;
};

std::string PeIconGroup(const BinaryFile& file, std::size_t index) {
    PeResources resources(file);
    const auto groups = resources.OfType(kRtGroupIcon);
    std::string group;
    if (index >= groups.size() || !resources.Data(groups[index].second, group) ||
        group.size() < kIcoHeader || LittleU16(group, 0) != 0 || LittleU16(group, 2) != 1)
        return {};
    const std::size_t count = LittleU16(group, 4);
    if (group.size() < kIcoHeader + kGroupEntry * count)
        return {};
    const auto icons = resources.OfType(kRtIcon);
    std::vector<IcoImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kIcoHeader + kGroupEntry * i;
        const long id = LittleU16(group, at + 12);
        const auto icon = std::find_if(icons.begin(), icons.end(),
                                       [&](const auto& entry) { return entry.first == id; });
        IcoImage image{group.substr(at, 8), {}};
        if (icon != icons.end() && resources.Data(icon->second, image.data) && !image.data.empty())
            images.push_back(std::move(image));
    }
    return images.empty() ? std::string() : BuildIco(images);
}

} // namespace

IconFileKind DetectIconFileKind(const std::string& file) {
    BinaryFile f(file);
    std::string head;
    if (!f.Read(0, static_cast<std::size_t>(std::min<std::uint64_t>(f.Size(), 4096)), head))
        return IconFileKind::None;
    const std::string_view h(head);
    if (h.starts_with("MZ"))
        return IconFileKind::Pe;
    if (h.starts_with(std::string_view("\0\0\1\0", 4)))
        return IconFileKind::Ico;
    if (h.starts_with("\x89PNG\r\n\x1a\n"))
        return IconFileKind::Png;
    if (h.find("/* XPM */") != std::string_view::npos && h.find("/* XPM */") < 64)
        return IconFileKind::Xpm;
    if (h.find("<svg") != std::string_view::npos)
        return IconFileKind::Svg;
    return IconFileKind::None;
}

int CountIconsInFile(const std::string& file) {
    switch (DetectIconFileKind(file)) {
    case IconFileKind::None:
        return 0;
    case IconFileKind::Png:
    case IconFileKind::Svg:
    case IconFileKind::Xpm:
        return 1;
    case IconFileKind::Ico: {
        BinaryFile f(file);
        const auto entries = IcoDirectory(f);
        return entries ? static_cast<int>(entries->size() / kIcoEntry) : 0;
    }
    case IconFileKind::Pe: {
        BinaryFile f(file);
        return static_cast<int>(PeResources(f).OfType(kRtGroupIcon).size());
    }
    }
    return 0;
}

std::string ExtractIcoImage(const std::string& file, int index) {
    if (index < 0)
        return {};
    const IconFileKind kind = DetectIconFileKind(file);
    BinaryFile f(file);
    if (kind == IconFileKind::Pe)
        return PeIconGroup(f, static_cast<std::size_t>(index));
    if (kind != IconFileKind::Ico)
        return {};
    const auto entries = IcoDirectory(f);
    const std::size_t at = static_cast<std::size_t>(index) * kIcoEntry;
    if (!entries || at >= entries->size())
        return {};
    IcoImage image{entries->substr(at, 8), {}};
    if (!f.Read(LittleU32(*entries, at + 12), LittleU32(*entries, at + 8), image.data))
        return {};
    return BuildIco({image});
}
