#pragma once

#include "platform/IconSource.h"

#include <string>

// The kinds of files icons are taken from, told by their content.
enum class IconFileKind { None, Ico, Program, Png, Svg, Xpm };

IconFileKind DetectIconFileKind(const std::string& file);

// How many icons `file` holds: the images of an .ico, the icon groups of a PE
// program or library (PE or 16-bit NE), 1 for a picture; 0 when none or the file is damaged.
int CountIconsInFile(const std::string& file);

// Icon `index` of an .ico or PE file as the bytes of a standalone .ico file
// (all images of the PE icon group; the one image of the .ico); "" when there
// is no such icon.
std::string ExtractIcoImage(const std::string& file, int index);

// Counts icons in files without a toolkit; telling whether the desktop has a
// document icon is left to a toolkit-based subclass.
class IconFileSource : public IconSource {
  public:
    int IconCount(const std::string& file) const override { return CountIconsInFile(file); }
};
