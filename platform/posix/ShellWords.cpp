#include "platform/posix/ShellWords.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Characters a backslash escapes inside double quotes.
bool EscapableInDoubleQuotes(char c) {
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

} // namespace

std::optional<std::vector<std::string>> SplitShellWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // a word has begun, even if it is still empty ("")
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (IsBlank(c)) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '\\') {
            if (i + 1 >= n) {
                // A lone backslash at the end stands for itself.
                word += c;
                inWord = true;
                ++i;
            } else if (text[i + 1] == '\n') {
                i += 2; // line continuation
            } else {
                word += text[i + 1];
                inWord = true;
                i += 2;
            }
        } else if (c == '\'') {
            const size_t close = text.find('\'', i + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            word.append(text.substr(i + 1, close - i - 1));
            inWord = true;
            i = close + 1;
        } else if (c == '"') {
            inWord = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const char d = text[i];
                if (d == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < n && EscapableInDoubleQuotes(text[i + 1])) {
                    if (text[i + 1] != '\n')
                        word += text[i + 1];
                    i += 2;
                } else {
                    word += d;
                    ++i;
                }
            }
            if (!closed)
                return std::nullopt;
        } else {
            word += c;
            inWord = true;
            ++i;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::string QuoteShellWord(std::string_view word) {
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}
