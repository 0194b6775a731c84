#include "config/ConfigText.h"

#include <algorithm>
#include <cstring>

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
    // Past the 32-bit offsets nothing is indexed; the configuration reader
    // refuses such files, and no other text read this way comes near it.
    const std::string_view all(bytes_.data(), std::min(bytes_.size(), kMaxBytes));
    const char* const base = all.data();
    const char* const end = base + all.size();
    const char* at = base + (all.starts_with("\xEF\xBB\xBF") ? 3 : 0);
    // Counted first, so that the index is allocated once at its size.
    size_t count = 0;
    for (const char* p = at; p < end; ++count) {
        const auto* lf =
            static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        p = lf ? lf + 1 : end;
    }
    starts_.reserve(count + 1);
    // The lines a section name can be on are noted in the same pass.
    while (at < end) {
        const auto* lf =
            static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        const char* lineEnd = lf ? lf : end;
        std::string_view line(at, static_cast<size_t>(lineEnd - at));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const std::string_view word = SectionWord(line); !word.empty())
            wordLines_.push_back({static_cast<uint32_t>(starts_.size()),
                                  static_cast<uint32_t>(word.data() - base),
                                  static_cast<uint32_t>(word.size())});
        starts_.push_back(static_cast<uint32_t>(at - base));
        at = lf ? lf + 1 : end;
    }
    // A last line without its LF ends where the file does.
    if (!starts_.empty())
        starts_.push_back(static_cast<uint32_t>(all.size() + (all.back() == '\n' ? 0 : 1)));
}

size_t ConfigText::FindSection(std::string_view name, size_t from) const {
    if (name.empty() || name.size() > kMaxIndexedWord || HasSpace(name)) {
        for (size_t i = from; i < LineCount(); ++i) {
            const std::string_view line = TrimView(Line(i));
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
        if (it->size == name.size() &&
            EqualsNoCase(std::string_view(bytes_.data() + it->offset, it->size), name))
            return it->index + 1;
    return npos;
}

bool IsSectionEnd(std::string_view trimmedLine, std::initializer_list<std::string_view> endSet) {
    for (const std::string_view name : endSet)
        if (EqualsNoCase(trimmedLine, name))
            return true;
    return false;
}
