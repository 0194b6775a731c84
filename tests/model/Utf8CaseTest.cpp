#include "model/Utf8Case.h"

#include <gtest/gtest.h>

#include "model/PathFunctions.h"

namespace {

TEST(Utf8Case, CapitalizeChangesTheCaseOfEveryScriptItKnows) {
    const struct {
        const char *in, *out;
    } cases[] = {
        {"  wORD ", "Word"},
        {"a", "a"}, // one character stays as it is
        {"é", "é"},
        {" ", ""},
        {"écran", "Écran"},
        {"ÜBERSICHT", "Übersicht"},
        {"ÿacht", "Ÿacht"}, // Latin-1 small y with diaeresis has its capital elsewhere
        {"łÓDŹ", "Łódź"},   // Latin Extended-A, both pairings
        {"ČESKÝ", "Český"},
        {"ıi", "Ii"},                   // dotless i
        {"ΟΔΟΣ ΣΟΦΙΑΣ", "Οδος σοφιας"}, // a word's last sigma is the final form
        {"άλφα", "Άλφα"},
        {"ΑΣ", "Ας"},
        {"привет МИР", "Привет мир"},
        {"ёЖ", "Ёж"},
        {"ßtraße", "ßtraße"}, // no single capital: unchanged
        {"日本語", "日本語"},
        {"\xff\xfe"
         "ABC",
         "\xff\xfe"
         "abc"},          // invalid bytes pass through
        {"\xc3", "\xc3"}, // a cut sequence too
        {"e\xcc\x81"
         "TE",
         "E\xcc\x81"
         "te"}, // combining accent follows its letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(Capitalize(c.in), c.out) << c.in;
}

TEST(Utf8Case, UpperAndLowerAreInversesOnCasedLetters) {
    for (char32_t c = 0; c < 0x530; ++c) {
        const char32_t upper = UpperOf(c);
        if (upper != c && c != 0x131 && c != 0x17F && c != 0x3C2) {
            EXPECT_EQ(LowerOf(upper), c) << std::hex << static_cast<unsigned>(c);
        }
        const char32_t lower = LowerOf(c);
        if (lower != c && c != 0x130) {
            EXPECT_EQ(UpperOf(lower), c) << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(Utf8Case, CountsCharactersNotBytes) {
    const struct {
        const char* text;
        size_t chars, firstTwoBytes;
    } cases[] = {
        {"", 0, 0},
        {"abc", 3, 2},
        {"Übersicht", 9, 3},
        {"日本語", 3, 6},
        {"\xff"
         "a",
         2, 2},
        {"\xf0\x9f\x98\x80!", 2, 5}, // four-byte sequence
        {"\xe0\x80\x80", 3, 2},      // overlong: three invalid bytes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharCount(c.text), c.chars) << c.text;
        EXPECT_EQ(CharsToBytes(c.text, 2), c.firstTwoBytes) << c.text;
    }
}

} // namespace
