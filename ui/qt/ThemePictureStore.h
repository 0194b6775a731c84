#pragma once

#include <optional>

#include <QPixmap>
#include <QString>

// The pictures the desktop's icon theme gave for document types, kept on
// disk from one run to the next. Before Qt hands out its first theme icon it
// reads the theme's whole index (thousands of lines for hicolor, several
// milliseconds); with the stored pictures the window's first paint does not
// wait for that, and the pictures are checked against the theme after it.
class ThemePictureStore {
  public:
    // Keeps its files under `folder`, one folder per icon theme, created
    // when the first picture is saved.
    explicit ThemePictureStore(QString folder);

    // The picture stored for MIME type `typeName`, asked for at `pixelSize`
    // device pixels, in the current icon theme: nothing when none is stored
    // (or its file is unreadable or larger), a null pixmap when the theme
    // had no picture for the type.
    std::optional<QPixmap> Find(const QString& typeName, int pixelSize) const;
    // Stores `picture` for the type; a null picture records that the theme
    // had none. A store that cannot be written only costs the next start
    // its time.
    void Save(const QString& typeName, int pixelSize, const QPixmap& picture) const;

  private:
    QString Path(const QString& typeName, int pixelSize) const;

    QString folder_;
};
