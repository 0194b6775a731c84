#include "config/ConfigText.h"

#include <algorithm>

#include "model/Text.h"

namespace {

// The longest name the word index serves; section names are shorter.
constexpr size_t kMaxIndexedWord = 32;

bool HasSpace(std::string_view s) {
    for (const char c : s)
        if (IsLineSpace(c))
            return true;
    return false;
}

// The line trimmed when it is one word short enough to be a section name,
// else empty.
std::string_view SectionWord(std::string_view line) {
    const std::string_view word = TrimLineSpace(line);
    return word.size() <= kMaxIndexedWord && !HasSpace(word) ? word : std::string_view();
}

} // namespace

ConfigText::ConfigText(std::string bytes) : bytes_(std::move(bytes)) {
    std::string_view all(bytes_);
    size_t start = all.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    // Configuration lines are some 20 to 40 bytes long.
    lines_.reserve(all.size() / 24 + 1);
    // The lines a section name can be on are noted in the same pass.
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        const size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos)
            end = all.size();
        std::string_view line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const std::string_view word = SectionWord(line); !word.empty())
            wordLines_.push_back({lines_.size(), word});
        lines_.push_back(line);
        start = next;
    }
}

size_t ConfigText::FindSection(std::string_view name, size_t from) const {
    if (name.empty() || name.size() > kMaxIndexedWord || HasSpace(name)) {
        for (size_t i = from; i < lines_.size(); ++i) {
            const std::string_view line = TrimView(lines_[i]);
            if (!line.empty() && EqualsNoCase(line, name))
                return i + 1;
        }
        return npos;
    }
    const auto first =
        std::lower_bound(wordLines_.begin(), wordLines_.end(), from,
                         [](const WordLine& line, size_t index) { return line.index < index; });
    // Most one-word lines are record ends ("end"): their length rules them out.
    for (auto it = first; it != wordLines_.end(); ++it)
        if (it->word.size() == name.size() && EqualsNoCase(it->word, name))
            return it->index + 1;
    return npos;
}

bool IsSectionEnd(std::string_view trimmedLine, std::initializer_list<std::string_view> endSet) {
    for (const std::string_view name : endSet)
        if (EqualsNoCase(trimmedLine, name))
            return true;
    return false;
}
