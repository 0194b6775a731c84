#pragma once

#include "platform/IconSource.h"

#include <cstddef>
#include <string>
#include <string_view>

class BinaryFile;

// The kinds of files icons are taken from, told by their content.
enum class IconFileKind { None, Ico, Program, Png, Svg, Xpm };

// How many leading bytes of a file tell its kind.
inline constexpr std::size_t kIconKindHeadSize = 4096;

IconFileKind DetectIconFileKind(const std::string& file);
// The kind told by the first kIconKindHeadSize bytes of a file (or all of a
// shorter one), for a caller that has read them already.
IconFileKind DetectIconFileKind(std::string_view head);

// How many icons `file` holds: the images of an .ico, the icon groups of a PE
// program or library (PE or 16-bit NE), 1 for a picture; 0 when none or the file is damaged.
int CountIconsInFile(const std::string& file);

// Icon `index` of an .ico or PE file as the bytes of a standalone .ico file
// (all images of the PE icon group; the one image of the .ico); "" when there
// is no such icon.
std::string ExtractIcoImage(const std::string& file, int index);
// The same from a file already opened whose kind is known.
std::string ExtractIcoImage(const BinaryFile& file, IconFileKind kind, int index);

// Counts icons in files without a toolkit; telling whether the desktop has a
// document icon is left to a toolkit-based subclass.
class IconFileSource : public IconSource {
  public:
    int IconCount(const std::string& file) const override { return CountIconsInFile(file); }
};
