#pragma once

#include <string>

#include <QIcon>
#include <QMimeType>
#include <QPixmap>

// Turns the icons the core names into pixels.
namespace IconPixmaps {

// Icon `index` of an .ico, PE, .png, .svg or .xpm file, with every size the
// file holds; a null icon when there is none.
QIcon FromFile(const std::string& file, int index);

// Icon `index` of the same files as one picture that fits a `size` x `size`
// box at `ratio` device pixels a pixel, aspect kept: the file is read once,
// only the image closest to the box is decoded, and large pictures are
// decoded at the box size (a drawing may scale a smaller one up). A null
// pixmap when there is none.
QPixmap PixmapFromFile(const std::string& file, int index, int size, qreal ratio);

// A document's MIME type. The name decides when its extension names one type,
// so a load does not touch each file again; only other names are read.
QMimeType DocumentMimeType(const std::string& path);

// The desktop theme's icon for a document's MIME type, or a null icon.
QIcon ForDocumentType(const QMimeType& type);

} // namespace IconPixmaps
