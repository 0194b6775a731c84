#include "config/ConfigText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
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

// The word that ends every record: a third of a full file's one-word lines,
// and no section's name, so the index leaves it out.
bool IsRecordEnd(std::string_view word) {
    return word.size() == 3 && EqualsNoCase(word, "end");
}

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;
constexpr uint64_t kLineFeeds = kOnes * '\n';

uint64_t Load8(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The first LF in [p, end), or end. Eight bytes at a time: lines are short,
// and a call to memchr for each costs more than the scan itself.
const char* FindLineFeed(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        for (; end - p >= 8; p += 8) {
            const uint64_t x = Load8(p) ^ kLineFeeds;
            // The lowest flagged byte is always a LF (only bytes above one
            // can be flagged wrongly).
            if (const uint64_t found = (x - kOnes) & ~x & kHighBits)
                return p + (std::countr_zero(found) >> 3);
        }
    }
    while (p < end && *p != '\n')
        ++p;
    return p;
}

// How many LF bytes [p, end) holds.
size_t CountLineFeeds(const char* p, const char* end) {
    size_t count = 0;
    for (; end - p >= 8; p += 8) {
        const uint64_t x = Load8(p) ^ kLineFeeds;
        // The high bit of each byte set where x is not zero: exact per byte.
        const uint64_t nonZero = (((x & ~kHighBits) + ~kHighBits) | x) & kHighBits;
        // One per LF byte, summed by the multiply into the top byte (a
        // popcount would be a library call on the baseline instruction set).
        count += static_cast<size_t>((((~nonZero & kHighBits) >> 7) * kOnes) >> 56);
    }
    for (; p < end; ++p)
        count += *p == '\n' ? 1 : 0;
    return count;
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
    const bool endsInLineFeed = at < end && end[-1] == '\n';
    starts_.reserve(CountLineFeeds(at, end) + (endsInLineFeed || at == end ? 0 : 1) + 1);
    // The lines a section name can be on are noted in the same pass.
    while (at < end) {
        const char* lf = FindLineFeed(at, end);
        std::string_view line(at, static_cast<size_t>(lf - at));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const std::string_view word = SectionWord(line); !word.empty() && !IsRecordEnd(word))
            wordLines_.push_back({static_cast<uint32_t>(starts_.size()),
                                  static_cast<uint32_t>(word.data() - base),
                                  static_cast<uint32_t>(word.size())});
        starts_.push_back(static_cast<uint32_t>(at - base));
        at = lf == end ? end : lf + 1;
    }
    // A last line without its LF ends where the file does.
    if (!starts_.empty())
        starts_.push_back(static_cast<uint32_t>(all.size() + (all.back() == '\n' ? 0 : 1)));
}

size_t ConfigText::FindSection(std::string_view name, size_t from) const {
    if (name.empty() || name.size() > kMaxIndexedWord || HasSpace(name) || IsRecordEnd(name)) {
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
