#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Splits a parameter line into program arguments by the POSIX shell's quoting
// rules, without any expansion: single quotes keep everything, double quotes
// keep everything but backslash escapes of $ ` " \ and newline, a backslash
// outside quotes keeps the next character, and "" or '' is an empty word.
// Blanks, tabs and newlines outside quotes separate words. Nothing else is
// special: $, `, ;, |, *, ~ and # reach the program as written.
// nullopt when a quote is never closed; the caller tells the user.
std::optional<std::vector<std::string>> SplitShellWords(std::string_view text);

// `word` quoted so that SplitShellWords gives it back as one word.
std::string QuoteShellWord(std::string_view word);
