#pragma once

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

    const std::vector<std::string_view>& Lines() const { return lines_; }
    // The bytes as read, byte-order mark included.
    const std::string& Bytes() const { return bytes_; }
    size_t LineCount() const { return lines_.size(); }
    std::string_view Line(size_t i) const { return lines_[i]; }

    // The index of the line after the first line that, trimmed, equals `name`
    // ignoring case; npos when there is none.
    size_t FindSection(std::string_view name, size_t from = 0) const;

    static constexpr size_t npos = static_cast<size_t>(-1);

  private:
    std::string bytes_;
    std::vector<std::string_view> lines_;
    // The lines that, trimmed, are one short word: the only ones a section
    // name can equal. Noted while the lines are split, so that the searches
    // for each section do not trim every line of the file again.
    struct WordLine {
        size_t index;
        std::string_view word; // the line, trimmed
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
