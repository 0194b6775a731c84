#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A configuration file read into memory once per load. Section readers scan
// this copy; lines end at LF and a CR before it is dropped. A UTF-8 byte-order
// mark before the first line (left by some editors) is not part of it.
class ConfigText {
  public:
    ConfigText() = default;
    explicit ConfigText(std::string bytes);

    // The bytes as read, byte-order mark included.
    const std::string& Bytes() const { return bytes_; }
    size_t LineCount() const { return starts_.empty() ? 0 : starts_.size() - 1; }
    std::string_view Line(size_t i) const {
        // A line runs to the byte before the next line's start (its LF) and
        // loses a CR before that.
        const char* begin = bytes_.data() + starts_[i];
        size_t size = starts_[i + 1] - starts_[i] - 1;
        if (size > 0 && begin[size - 1] == '\r')
            --size;
        return {begin, size};
    }
    // Where line `i` starts in Bytes().
    size_t LineStart(size_t i) const { return starts_[i]; }

    // The most bytes a text indexes: offsets are kept in 32 bits. Longer
    // files are refused by the configuration reader before they get here.
    static constexpr size_t kMaxBytes = UINT32_MAX - 1;

    // The index of the line after the first line that, trimmed, equals `name`
    // ignoring case; npos when there is none.
    size_t FindSection(std::string_view name, size_t from = 0) const;

    static constexpr size_t npos = static_cast<size_t>(-1);

  private:
    std::string bytes_;
    // The offset of every line's first byte, then one past the end as if a
    // LF followed the last line: four bytes a line, sized exactly, where a
    // view of each line would take sixteen.
    std::vector<uint32_t> starts_;
    // The lines that, trimmed, are one short word: the only ones a section
    // name can equal. Noted while the lines are split, so that the searches
    // for each section do not trim every line of the file again.
    struct WordLine {
        uint32_t index;
        uint32_t offset; // of the trimmed line in the bytes
        uint32_t size;
    };
    std::vector<WordLine> wordLines_;
};

// Space, tab, line feed, vertical tab, form feed or carriage return.
inline bool IsLineSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A line without the line spaces at its ends. Inline: the load trims every
// line of the file.
inline std::string_view TrimLineSpace(std::string_view line) {
    const char* begin = line.data();
    const char* end = begin + line.size();
    while (begin < end && IsLineSpace(*begin))
        ++begin;
    while (end > begin && IsLineSpace(end[-1]))
        --end;
    return std::string_view(begin, static_cast<size_t>(end - begin));
}

// Whether a trimmed line is one of the section names of `endSet` (ignoring case).
bool IsSectionEnd(std::string_view trimmedLine, std::initializer_list<std::string_view> endSet);
