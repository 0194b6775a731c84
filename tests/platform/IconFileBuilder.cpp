#include "tests/platform/IconFileBuilder.h"

#include <map>

namespace {

void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

void SetU32(std::string& out, std::size_t at, std::uint32_t v) {
    std::string bytes;
    PutU32(bytes, v);
    out.replace(at, 4, bytes);
}

void PutDirectoryHead(std::string& out, std::size_t ids) {
    out.append(12, '\0');
    PutU16(out, 0);
    PutU16(out, static_cast<std::uint32_t>(ids));
}

} // namespace

std::string BuildIco(const std::vector<IcoImageSpec>& images) {
    std::string out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (const IcoImageSpec& image : images) {
        out += static_cast<char>(image.width & 0xff);
        out += static_cast<char>(image.height & 0xff);
        out += '\0';
        out += '\0';
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, static_cast<std::uint32_t>(image.data.size()));
        PutU32(out, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const IcoImageSpec& image : images)
        out += image.data;
    return out;
}

std::string BuildPe(const std::vector<PeResource>& resources, bool plus) {
    constexpr std::uint32_t kSectionRva = 0x1000;
    constexpr std::uint32_t kSectionFile = 0x200;
    std::map<std::uint32_t, std::vector<const PeResource*>> byType;
    for (const PeResource& r : resources)
        byType[r.type].push_back(&r);

    // The resource tree: root, one directory per type, one language directory
    // per resource, then the data entries and the data.
    std::string rsrc;
    PutDirectoryHead(rsrc, byType.size());
    const std::size_t rootEntries = rsrc.size();
    rsrc.append(8 * byType.size(), '\0');
    std::vector<std::pair<std::size_t, const PeResource*>> dataEntrySlots;
    std::size_t typeIndex = 0;
    for (const auto& [type, list] : byType) {
        SetU32(rsrc, rootEntries + 8 * typeIndex, type);
        SetU32(rsrc, rootEntries + 8 * typeIndex + 4,
               0x80000000u | static_cast<std::uint32_t>(rsrc.size()));
        ++typeIndex;
        PutDirectoryHead(rsrc, list.size());
        const std::size_t nameEntries = rsrc.size();
        rsrc.append(8 * list.size(), '\0');
        for (std::size_t i = 0; i < list.size(); ++i) {
            SetU32(rsrc, nameEntries + 8 * i, list[i]->id);
            SetU32(rsrc, nameEntries + 8 * i + 4,
                   0x80000000u | static_cast<std::uint32_t>(rsrc.size()));
            PutDirectoryHead(rsrc, 1);
            PutU32(rsrc, 1033);
            dataEntrySlots.emplace_back(rsrc.size(), list[i]);
            PutU32(rsrc, 0); // data entry offset, filled below
        }
    }
    for (const auto& [slot, resource] : dataEntrySlots) {
        SetU32(rsrc, slot, static_cast<std::uint32_t>(rsrc.size()));
        const std::size_t entry = rsrc.size();
        rsrc.append(16, '\0');
        SetU32(rsrc, entry, kSectionRva + static_cast<std::uint32_t>(rsrc.size()));
        SetU32(rsrc, entry + 4, static_cast<std::uint32_t>(resource->data.size()));
        rsrc += resource->data;
    }

    std::string pe(0x40, '\0');
    pe[0] = 'M';
    pe[1] = 'Z';
    SetU32(pe, 0x3c, 0x40);
    pe += std::string("PE\0\0", 4);
    const std::uint32_t optionalSize = plus ? 240 : 224;
    PutU16(pe, plus ? 0x8664 : 0x14c);
    PutU16(pe, 1); // sections
    pe.append(12, '\0');
    PutU16(pe, optionalSize);
    PutU16(pe, 0x2102);
    const std::size_t optional = pe.size();
    pe.append(optionalSize, '\0');
    pe[optional] = 0x0b;
    pe[optional + 1] = static_cast<char>(plus ? 0x02 : 0x01);
    const std::size_t countAt = optional + (plus ? 108 : 92);
    SetU32(pe, countAt, 16);
    SetU32(pe, countAt + 4 + 16, kSectionRva);
    SetU32(pe, countAt + 4 + 20, static_cast<std::uint32_t>(rsrc.size()));
    std::string section(".rsrc\0\0\0", 8);
    PutU32(section, static_cast<std::uint32_t>(rsrc.size()));
    PutU32(section, kSectionRva);
    PutU32(section, static_cast<std::uint32_t>(rsrc.size()));
    PutU32(section, kSectionFile);
    section.append(16, '\0');
    pe += section;
    pe.resize(kSectionFile, '\0');
    return pe + rsrc;
}

std::string BuildNe(const std::vector<PeResource>& resources) {
    constexpr unsigned kShift = 4;
    std::map<std::uint32_t, std::vector<const PeResource*>> byType;
    for (const PeResource& r : resources)
        byType[r.type].push_back(&r);
    std::size_t tableSize = 2 + 2;
    for (const auto& [type, list] : byType)
        tableSize += 8 + 12 * list.size();
    const std::size_t tableAt = 0x80;
    std::size_t dataAt = (tableAt + tableSize + 15) / 16 * 16;

    std::string table;
    PutU16(table, kShift);
    std::string data;
    for (const auto& [type, list] : byType) {
        PutU16(table, 0x8000u | type);
        PutU16(table, static_cast<std::uint32_t>(list.size()));
        PutU32(table, 0);
        for (const PeResource* r : list) {
            const std::size_t padded = (r->data.size() + 15) / 16 * 16;
            PutU16(table, static_cast<std::uint32_t>((dataAt + data.size()) >> kShift));
            PutU16(table, static_cast<std::uint32_t>(padded >> kShift));
            PutU16(table, 0x30);
            PutU16(table, 0x8000u | r->id);
            PutU32(table, 0);
            data += r->data;
            data.resize(data.size() + padded - r->data.size(), '\0');
        }
    }
    PutU16(table, 0);

    std::string ne(0x40, '\0');
    ne[0] = 'M';
    ne[1] = 'Z';
    SetU32(ne, 0x3c, 0x40);
    std::string header(0x40, '\0');
    header[0] = 'N';
    header[1] = 'E';
    const std::uint32_t names = static_cast<std::uint32_t>(tableAt - 0x40 + table.size());
    header[0x24] = static_cast<char>(tableAt - 0x40);
    header[0x26] = static_cast<char>(names & 0xff);
    header[0x27] = static_cast<char>(names >> 8);
    ne += header + table;
    ne.resize(dataAt, '\0');
    return ne + data;
}

std::vector<PeResource> IconGroupResources(const std::vector<std::vector<IcoImageSpec>>& groups) {
    std::vector<PeResource> resources;
    std::uint32_t nextIcon = 1;
    std::uint32_t groupId = 100;
    for (const auto& images : groups) {
        std::string group;
        PutU16(group, 0);
        PutU16(group, 1);
        PutU16(group, static_cast<std::uint32_t>(images.size()));
        for (const IcoImageSpec& image : images) {
            group += static_cast<char>(image.width & 0xff);
            group += static_cast<char>(image.height & 0xff);
            group += '\0';
            group += '\0';
            PutU16(group, 1);
            PutU16(group, 32);
            PutU32(group, static_cast<std::uint32_t>(image.data.size()));
            PutU16(group, nextIcon);
            resources.push_back({3, nextIcon++, image.data});
        }
        resources.push_back({14, groupId++, group});
    }
    return resources;
}
