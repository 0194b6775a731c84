// Feeds arbitrary bytes to the desktop-entry reader, and checks that the words
// of an Exec line survive being joined for the shell and split again.

#include "fuzz/MemoryFile.h"
#include "platform/posix/DesktopEntryReader.h"
#include "platform/posix/ShellWords.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    // No theme folders or PATH of this machine: the run depends on the input alone.
    static const DesktopEntryReader reader([](const std::string& name) {
        return name == "HOME" ? std::string("/nonexistent") : std::string();
    });
    const std::string path = file.Hold(data, size);
    if (!path.empty())
        reader.Read(path);

    const std::string exec(reinterpret_cast<const char*>(data), size);
    const auto words = SplitExecLine(exec);
    if (!words)
        return 0;
    const auto again = SplitShellWords(JoinShellWords(*words));
    // A NUL cannot pass through a parameter line; everything else must.
    if (exec.find('\0') == std::string::npos && (!again || *again != *words))
        std::abort();
    return 0;
}
