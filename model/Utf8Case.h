#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Letter case of UTF-8 text for the texts a button derives from its name:
// ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters change case;
// every other character, and every byte that is not valid UTF-8, stays as it is.

// Number of characters (code points) of `s`; each invalid byte counts as one.
size_t CharCount(std::string_view s);
// Byte length of the first `chars` characters of `s` (all of it when shorter).
size_t CharsToBytes(std::string_view s, size_t chars);

char32_t UpperOf(char32_t c);
char32_t LowerOf(char32_t c);

std::string Utf8Upper(std::string_view s);
// Lower case; a capital sigma at the end of a word becomes the final sigma.
// `continuesWord`: `s` follows a letter of the same word.
std::string Utf8Lower(std::string_view s, bool continuesWord = false);
