#pragma once

#include "model/ButtonIcon.h"

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <QMimeType>
#include <QPixmap>
#include <QString>

class ThemePictureStore;

// Turns button icons into 32 x 32 pixmaps (at the screen's device pixel
// ratio) once and keeps them: a category shown again costs no decoding.
class QtButtonIcons {
  public:
    explicit QtButtonIcons(qreal devicePixelRatio = 1.0);

    const QPixmap& Pixmap(const ButtonIcon& icon);
    // A picture of the program's resources (IconNames) at the button size.
    const QPixmap& Resource(const char* path);
    // How many pictures have been decoded so far.
    std::size_t CachedCount() const {
        return cache_.size() + resources_.size() + documents_.size();
    }

    // Document types take their theme pictures from `store` until
    // CheckStoredPictures, and keep the theme's pictures there.
    void UseStore(const ThemePictureStore* store) { store_ = store; }
    // Asks the icon theme for the pictures taken from the store so far,
    // keeps and stores the theme's where they differ, and from then on asks
    // the theme directly. True when a picture changed.
    bool CheckStoredPictures();

    static constexpr int kSize = 32;

  private:
    QPixmap Render(const ButtonIcon& icon);
    // Documents of one type share their picture, so it is drawn once a type.
    const QPixmap& DocumentPixmap(const std::string& path);
    QPixmap RenderResource(const char* path) const;
    // The theme's picture for a document type: from the store while it is
    // unchecked, else from the theme (and then stored).
    QPixmap ThemePicture(const QMimeType& type);
    QPixmap ThemeLookup(const QMimeType& type) const;
    int StoredPixelSize() const;
    QPixmap DocumentFace(const QPixmap& themePicture);

    using Key = std::tuple<int, char, std::string, int>;
    qreal ratio_;
    std::map<Key, QPixmap> cache_;
    std::map<std::string, QPixmap> resources_;
    std::map<QString, QPixmap> documents_; // by MIME type
    std::map<std::string, const QPixmap*> documentPaths_;
    const ThemePictureStore* store_ = nullptr;
    bool storeChecked_ = false;
    // Types shown with a stored picture, with that picture.
    std::vector<std::pair<QMimeType, QPixmap>> unchecked_;
};
