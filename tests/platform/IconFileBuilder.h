#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds .ico and PE files byte by byte for the icon tests.

struct IcoImageSpec {
    int width = 16;
    int height = 16;
    std::string data; // the image bytes (DIB or PNG)
};

std::string BuildIco(const std::vector<IcoImageSpec>& images);

struct PeResource {
    std::uint32_t type; // 3 icon, 14 icon group
    std::uint32_t id;
    std::string data;
};

// A minimal PE32 (or PE32+) image with one .rsrc section holding `resources`.
std::string BuildPe(const std::vector<PeResource>& resources, bool plus = false);

// A 16-bit NE icon library (the usual .icl) holding `resources`.
std::string BuildNe(const std::vector<PeResource>& resources);

// The RT_ICON and RT_GROUP_ICON resources of icon groups given as lists of
// images; icon ids are numbered from 1 in order.
std::vector<PeResource> IconGroupResources(const std::vector<std::vector<IcoImageSpec>>& groups);

inline std::string BuildPeWithIconGroups(const std::vector<std::vector<IcoImageSpec>>& groups,
                                         bool plus = false) {
    return BuildPe(IconGroupResources(groups), plus);
}
