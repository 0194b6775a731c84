#pragma once

#include "model/ButtonIcon.h"

#include <map>
#include <string>
#include <tuple>

#include <QPixmap>
#include <QString>

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

    static constexpr int kSize = 32;

  private:
    QPixmap Render(const ButtonIcon& icon);
    // Documents of one type share their picture, so it is drawn once a type.
    const QPixmap& DocumentPixmap(const std::string& path);
    QPixmap RenderResource(const char* path) const;

    using Key = std::tuple<int, char, std::string, int>;
    qreal ratio_;
    std::map<Key, QPixmap> cache_;
    std::map<std::string, QPixmap> resources_;
    std::map<QString, QPixmap> documents_; // by MIME type
    std::map<std::string, const QPixmap*> documentPaths_;
};
