#pragma once

#include "platform/posix/IconFileSource.h"

#include <optional>

// Icon counts from the files themselves; document icons from the desktop's
// icon theme, by the document's MIME type.
class QtIconSource : public IconFileSource {
  public:
    bool HasDocumentIcon(const std::string& path) const override;

  private:
    // Whether the theme has an icon for files of no known type.
    mutable std::optional<bool> defaultThemed_;
};
