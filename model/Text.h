#pragma once

#include <string>
#include <string_view>

// Byte-string helpers shared by the core. Case-insensitive means ASCII letters
// are folded; other bytes compare as they are.
char AsciiLower(char c);
char AsciiUpper(char c);
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
int CompareNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view haystack, std::string_view needle);
std::string Trim(std::string_view s);
// The same without a copy: a view into `s`.
std::string_view TrimView(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// Integer of a word as sscanf("%d") reads it: optional sign and digits after
// leading white space; anything else gives 0. Saturates instead of overflowing.
int ParseInt(std::string_view word);
// The longest name a caption, menu or tooltip shows, in bytes: a window title
// of megabytes exceeds what an X server takes in one request and ends the
// connection.
inline constexpr size_t kMaxShownText = 256;
// `s` cut to at most `maxBytes` bytes without splitting a UTF-8 sequence,
// "..." marking a cut.
std::string ShownText(std::string_view s, size_t maxBytes = kMaxShownText);

// printf-style formatting into a std::string.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Splits configuration-file lines: the first word is taken off with the
// space after it, and the remaining text is trimmed at its start. The words
// are views into the line, which must outlive the splitter (a temporary
// std::string is refused for that reason).
class LineWords {
  public:
    explicit LineWords(std::string_view line);
    explicit LineWords(const char* line) : LineWords(std::string_view(line)) {}
    explicit LineWords(const std::string& line) : LineWords(std::string_view(line)) {}
    explicit LineWords(std::string&& line) = delete;

    std::string_view NextView();
    std::string Next() { return std::string(NextView()); }
    int NextInt() { return ParseInt(NextView()); }
    // Everything not yet taken, trimmed at both ends.
    std::string_view RestView() const;
    std::string Rest() const { return std::string(RestView()); }

  private:
    std::string_view rest_;
};
