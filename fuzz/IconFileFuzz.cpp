// Feeds arbitrary bytes to the icon reader as an .ico, PE or NE file: it must
// neither crash nor make much more of a file than the file holds.

#include "fuzz/MemoryFile.h"
#include "platform/posix/IconFileSource.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFile file;
    const std::string path = file.Hold(data, size);
    if (path.empty())
        return 0;
    DetectIconFileKind(path);
    const int count = CountIconsInFile(path);
    for (int index = -1; index <= count && index < 8; ++index) {
        const std::string ico = ExtractIcoImage(path, index);
        // An icon group is capped at a few times the file's own size.
        if (ico.size() > 4 * size + 4096) {
            std::fprintf(stderr, "icon %d: %zu bytes from a file of %zu\n", index, ico.size(),
                         size);
            std::abort();
        }
    }
    return 0;
}
