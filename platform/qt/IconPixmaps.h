#pragma once

#include <string>

#include <QIcon>
#include <QMimeType>

// Turns the icons the core names into pixels.
namespace IconPixmaps {

// Icon `index` of an .ico, PE, .png, .svg or .xpm file, with every size the
// file holds; a null icon when there is none.
QIcon FromFile(const std::string& file, int index);

// A document's MIME type. The name decides when its extension names one type,
// so a load does not touch each file again; only other names are read.
QMimeType DocumentMimeType(const std::string& path);

// The desktop theme's icon for a document's MIME type, or a null icon.
QIcon ForDocumentType(const QMimeType& type);

} // namespace IconPixmaps
