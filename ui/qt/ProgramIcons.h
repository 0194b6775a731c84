#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures (IconNames) as icons and pixmaps. They come from
// the PNGs the build renders from the SVGs, so drawing them at start parses
// no SVG; a size without a PNG (a fractional scale) renders the SVG.
namespace ProgramIcons {

// The picture with every size the build rendered: the icon draws the PNG of
// the size it is asked for, or the nearest larger one scaled down.
QIcon Icon(const char* name);
// The application picture at the sizes a window manager shows a window's icon.
QIcon Window();
// The picture `size` pixels square at `ratio` device pixels per pixel.
QPixmap Pixmap(const char* name, int size, qreal ratio = 1.0);
// The resource path of the picture's PNG of `pixels` device pixels, or an
// empty string when the build rendered none of that size.
QString PngPath(const char* name, int pixels);

} // namespace ProgramIcons
