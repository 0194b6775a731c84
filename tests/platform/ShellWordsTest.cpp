#include "platform/posix/ShellWords.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* text;
    Words words;
};

class SplitShellWordsTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitShellWordsTest, GivesTheWordsTheUserWrote) {
    const auto words = SplitShellWords(GetParam().text);
    ASSERT_TRUE(words.has_value()) << GetParam().text;
    EXPECT_EQ(*words, GetParam().words) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Quoting, SplitShellWordsTest,
    testing::Values(SplitCase{"", {}}, SplitCase{" \t\n ", {}},
                    SplitCase{"a  b\tc\nd", {"a", "b", "c", "d"}},
                    SplitCase{"'a b' c", {"a b", "c"}}, SplitCase{"\"a b\"", {"a b"}},
                    SplitCase{"\"\"", {""}}, SplitCase{"'' x \"\"", {"", "x", ""}},
                    SplitCase{"a\"\"b", {"ab"}}, SplitCase{"pre'mid dle'post", {"premid dlepost"}},
                    SplitCase{"\"a\\\"b\"", {"a\"b"}}, SplitCase{"\"\\$ \\` \\\\\"", {"$ ` \\"}},
                    // Inside double quotes a backslash before another character stays.
                    SplitCase{"\"C:\\dir\\n\"", {"C:\\dir\\n"}}, SplitCase{"'\\n'", {"\\n"}},
                    SplitCase{"a\\ b \\'c", {"a b", "'c"}}, SplitCase{"a\\\nb", {"ab"}},
                    SplitCase{"\"x\\\ny\"", {"xy"}}, SplitCase{"end\\", {"end\\"}},
                    SplitCase{"'it'\\''s'", {"it's"}}));

// Nothing a shell would expand or run is touched.
INSTANTIATE_TEST_SUITE_P(NoExpansion, SplitShellWordsTest,
                         testing::Values(SplitCase{"$(rm -rf x)", {"$(rm", "-rf", "x)"}},
                                         SplitCase{"a;b & c|d", {"a;b", "&", "c|d"}},
                                         SplitCase{"`id`", {"`id`"}},
                                         SplitCase{"$HOME ~ * #c", {"$HOME", "~", "*", "#c"}},
                                         SplitCase{"\"$HOME\" '$(x)'", {"$HOME", "$(x)"}},
                                         SplitCase{"<in >out 2>&1", {"<in", ">out", "2>&1"}}));

TEST(SplitShellWords, UnterminatedQuoteIsAnError) {
    for (const char* text : {"'abc", "\"abc", "a 'b\"", "\"a\\\"", "ok \"", "x''y'"})
        EXPECT_FALSE(SplitShellWords(text).has_value()) << text;
}

TEST(QuoteShellWord, SplitsBackToTheSameWord) {
    for (const char* word : {"", "plain", "two words", "it's", "''", "\"quoted\"", "$(id);`id`",
                             "back\\slash", "/home/ann/My Files/a.txt", "new\nline"}) {
        const auto words = SplitShellWords(QuoteShellWord(word));
        ASSERT_TRUE(words.has_value()) << word;
        EXPECT_EQ(*words, Words{word});
    }
}

TEST(QuoteShellWord, StaysOneWordWhenTextFollows) {
    const auto words = SplitShellWords(QuoteShellWord("/tmp/a b.txt") + ",/p");
    ASSERT_TRUE(words.has_value());
    EXPECT_EQ(*words, Words{"/tmp/a b.txt,/p"});
}

} // namespace
