#pragma once

#include "platform/posix/IconFileSource.h"

// Icon counts from the files themselves; document icons from the desktop's
// icon theme, by the document's MIME type.
class QtIconSource : public IconFileSource {
  public:
    bool HasDocumentIcon(const std::string& path) const override;
};
