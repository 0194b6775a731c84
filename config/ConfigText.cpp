#include "config/ConfigText.h"

#include "model/Text.h"

ConfigText::ConfigText(std::string bytes) : bytes_(std::move(bytes)) {
    std::string_view all(bytes_);
    size_t start = all.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        const size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos)
            end = all.size();
        std::string_view line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.push_back(line);
        start = next;
    }
}

size_t ConfigText::FindSection(std::string_view name, size_t from) const {
    for (size_t i = from; i < lines_.size(); ++i) {
        const std::string_view line = TrimView(lines_[i]);
        if (!line.empty() && EqualsNoCase(line, name))
            return i + 1;
    }
    return npos;
}

bool IsSectionEnd(std::string_view trimmedLine, std::initializer_list<const char*> endSet) {
    for (const char* name : endSet)
        if (EqualsNoCase(trimmedLine, name))
            return true;
    return false;
}
