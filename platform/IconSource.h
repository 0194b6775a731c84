#pragma once

#include <string>

// What the core needs to know about icons in files; turning them into pixels
// is the widgets' work.
class IconSource {
  public:
    virtual ~IconSource() = default;
    // How many icons `file` holds: images of an .ico, icon groups of a PE
    // .exe/.dll/.icl, 1 for a .png/.svg/.xpm picture; 0 when none or unreadable.
    virtual int IconCount(const std::string& file) const = 0;
    // Whether the desktop has an icon for a document (by its MIME type).
    virtual bool HasDocumentIcon(const std::string& path) const = 0;
};
