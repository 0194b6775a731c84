// Feeds arbitrary parameter lines to the shell-word splitter, and checks that
// every word it gives comes back unchanged from QuoteShellWord.

#include "platform/posix/ShellWords.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto words = SplitShellWords(line);
    if (!words)
        return 0;
    std::string joined;
    for (const std::string& word : *words) {
        const auto back = SplitShellWords(QuoteShellWord(word));
        if (!back || back->size() != 1 || back->front() != word)
            std::abort();
        joined += QuoteShellWord(word) + " ";
    }
    const auto all = SplitShellWords(joined);
    if (!all || *all != *words)
        std::abort();
    return 0;
}
