#include "platform/posix/IconFileSource.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/posix/BinaryFile.h"

namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kIcoHeader = 6;
constexpr std::size_t kIcoEntry = 16;
constexpr std::size_t kGroupEntry = 14;
// Real icon groups hold a dozen sizes or so; a crafted one may name the same
// image 65,535 times. Images past this many are left out.
constexpr std::size_t kMaxImagesPerGroup = 256;
// An extracted group may hold at most this many times the file's own size
// (an image named twice is copied twice, but never thousands of times).
constexpr std::uint64_t kMaxExtractedPerFileByte = 4;

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

// One resource of a program file: its id (-1 for a named one) and where its
// bytes lie in the file; `found` is false when its entry points nowhere.
struct ResourceRef {
    long id = -1;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    bool found = false;
};

bool ResourceData(const BinaryFile& file, const ResourceRef& ref, std::string& out) {
    return ref.found && file.Read(ref.offset, static_cast<std::size_t>(ref.size), out);
}

// The resources of a PE file, read through bounds-checked lookups only.
class PeResources {
  public:
    PeResources(const BinaryFile& file, std::uint64_t peAt) : file_(file) {
        ok_ = ReadHeaders(peAt);
    }

    // The resources of a type in directory order (named first, then by id).
    std::vector<ResourceRef> OfType(std::uint32_t type) const {
        std::vector<ResourceRef> out;
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
            ResourceRef ref;
            ref.id = (e.name & kHighBit) ? -1L : static_cast<long>(e.name);
            std::string entry;
            if (ReadRva(std::uint64_t{rsrcRva_} + leaf, 16, entry)) {
                ref.size = LittleU32(entry, 4);
                ref.found = RvaToFile(LittleU32(entry, 0), ref.size, ref.offset);
            }
            out.push_back(ref);
        }
        return out;
    }

  private:
    struct Section {
        std::uint32_t va, virtualSize, rawPointer, rawSize;
    };

    bool ReadHeaders(std::uint64_t peAt) {
        std::string pe, optional, table;
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

    // The file offset of `count` bytes at a relative virtual address; they
    // must lie in the file-backed part of one section.
    bool RvaToFile(std::uint64_t rva, std::uint64_t count, std::uint64_t& offset) const {
        for (const Section& s : sections_) {
            const std::uint64_t span = std::max(s.virtualSize, s.rawSize);
            if (rva < s.va || rva - s.va >= span)
                continue;
            const std::uint64_t inSection = rva - s.va;
            if (inSection + count > s.rawSize)
                return false;
            offset = std::uint64_t{s.rawPointer} + inSection;
            return true;
        }
        return false;
    }

    bool ReadRva(std::uint64_t rva, std::uint64_t count, std::string& out) const {
        std::uint64_t offset = 0;
        return RvaToFile(rva, count, offset) &&
               file_.Read(offset, static_cast<std::size_t>(count), out);
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

// The resources of 16-bit NE programs and icon libraries (most .icl files):
// one table of types, each followed by its resources, in shifted units.
std::vector<ResourceRef> NeResourcesOfType(const BinaryFile& file, std::uint64_t neAt,
                                           std::uint32_t type) {
    std::vector<ResourceRef> out;
    std::string header, table;
    if (!file.Read(neAt, 64, header))
        return out;
    const std::uint64_t start = neAt + LittleU16(header, 0x24);
    const std::uint64_t end = neAt + LittleU16(header, 0x26); // the resident name table
    if (end <= start + 2 || !file.Read(start, static_cast<std::size_t>(end - start), table))
        return out;
    const unsigned shift = LittleU16(table, 0);
    if (shift > 16)
        return out;
    for (std::size_t at = 2; at + 8 <= table.size();) {
        const std::uint32_t typeId = LittleU16(table, at);
        const std::size_t count = LittleU16(table, at + 2);
        at += 8;
        if (typeId == 0 || at + 12 * count > table.size())
            break;
        for (std::size_t i = 0; typeId == (0x8000u | type) && i < count; ++i) {
            const std::size_t r = at + 12 * i;
            const std::uint32_t id = LittleU16(table, r + 6);
            ResourceRef ref;
            ref.id = (id & 0x8000u) ? static_cast<long>(id & 0x7fffu) : -1L;
            ref.offset = std::uint64_t{LittleU16(table, r)} << shift;
            ref.size = std::uint64_t{LittleU16(table, r + 2)} << shift;
            ref.found = ref.offset + ref.size <= file.Size();
            out.push_back(ref);
        }
        at += 12 * count;
    }
    return out;
}

// The resources of a type in a PE or NE program file.
std::vector<ResourceRef> ResourcesOfType(const BinaryFile& file, std::uint32_t type) {
    std::string dos, signature;
    if (!file.Read(0, 64, dos) || dos[0] != 'M' || dos[1] != 'Z')
        return {};
    const std::uint64_t headerAt = LittleU32(dos, 0x3c);
    if (!file.Read(headerAt, 2, signature))
        return {};
    if (signature == "PE")
        return PeResources(file, headerAt).OfType(type);
    if (signature == "NE")
        return NeResourcesOfType(file, headerAt, type);
    return {};
}

std::string ProgramIconGroup(const BinaryFile& file, std::size_t index) {
    const auto groups = ResourcesOfType(file, kRtGroupIcon);
    std::string group;
    if (index >= groups.size() || !ResourceData(file, groups[index], group) ||
        group.size() < kIcoHeader || LittleU16(group, 0) != 0 || LittleU16(group, 2) != 1)
        return {};
    const std::size_t count = std::min<std::size_t>(LittleU16(group, 4), kMaxImagesPerGroup);
    if (group.size() < kIcoHeader + kGroupEntry * count)
        return {};
    // The icons by id, looked up once each; the first of an id counts.
    std::unordered_map<long, ResourceRef> icons;
    for (const ResourceRef& ref : ResourcesOfType(file, kRtIcon))
        icons.emplace(ref.id, ref);
    // The .ico built keeps 32-bit offsets: the total stays well below 4 GB.
    const std::uint64_t budget =
        std::min<std::uint64_t>(file.Size() * kMaxExtractedPerFileByte, 0x7fffffffu);
    std::uint64_t total = kIcoHeader;
    std::vector<IcoImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kIcoHeader + kGroupEntry * i;
        const auto icon = icons.find(LittleU16(group, at + 12));
        if (icon == icons.end() || !icon->second.found)
            continue;
        const std::uint64_t size = kIcoEntry + icon->second.size;
        if (total + size > budget)
            break;
        IcoImage image{group.substr(at, 8), {}};
        if (ResourceData(file, icon->second, image.data) && !image.data.empty()) {
            total += size;
            images.push_back(std::move(image));
        }
    }
    return images.empty() ? std::string() : BuildIco(images);
}

} // namespace

IconFileKind DetectIconFileKind(const std::string& file) {
    BinaryFile f(file);
    std::string head;
    if (!f.Read(0, static_cast<std::size_t>(std::min<std::uint64_t>(f.Size(), kIconKindHeadSize)),
                head))
        return IconFileKind::None;
    return DetectIconFileKind(std::string_view(head));
}

IconFileKind DetectIconFileKind(std::string_view head) {
    const std::string_view h = head.substr(0, kIconKindHeadSize);
    if (h.starts_with("MZ"))
        return IconFileKind::Program;
    if (h.starts_with(std::string_view("\0\0\1\0", 4)))
        return IconFileKind::Ico;
    if (h.starts_with("\x89PNG\r\n\x1a\n"))
        return IconFileKind::Png;
    if (h.find("/* XPM */") < 64)
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
    case IconFileKind::Program: {
        BinaryFile f(file);
        return static_cast<int>(ResourcesOfType(f, kRtGroupIcon).size());
    }
    }
    return 0;
}

std::string ExtractIcoImage(const std::string& file, int index) {
    if (index < 0)
        return {};
    const IconFileKind kind = DetectIconFileKind(file);
    return ExtractIcoImage(BinaryFile(file), kind, index);
}

std::string ExtractIcoImage(const BinaryFile& f, IconFileKind kind, int index) {
    if (index < 0)
        return {};
    if (kind == IconFileKind::Program)
        return ProgramIconGroup(f, static_cast<std::size_t>(index));
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
