#pragma once

#include <string>

#include <QIcon>

// Turns the icons the core names into pixels.
namespace IconPixmaps {

// Icon `index` of an .ico, PE, .png, .svg or .xpm file, with every size the
// file holds; a null icon when there is none.
QIcon FromFile(const std::string& file, int index);

// The desktop theme's icon for a document's MIME type, or `fallback`.
QIcon ForDocument(const std::string& path, const QIcon& fallback);

} // namespace IconPixmaps
