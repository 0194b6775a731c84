#include "ui/MakerPage.h"

#include <vector>

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "platform/Shell.h"

namespace {

// Set by the build: the page's place relative to the installed program's
// folder, and the page in the source tree.
#ifndef DV_MAKER_PAGE_FROM_PROGRAM
#define DV_MAKER_PAGE_FROM_PROGRAM "../../share/dorvane/ombrell-programs.html"
#endif
#ifndef DV_MAKER_PAGE_IN_SOURCE
#define DV_MAKER_PAGE_IN_SOURCE ""
#endif

constexpr const char* kCaption = "Other Programs by Ombrell";

// `path` with "." and ".." components resolved by their names alone.
std::string Lexical(const std::string& path) {
    std::vector<std::string> parts;
    size_t begin = 0;
    while (begin <= path.size()) {
        size_t end = path.find('/', begin);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(begin, end - begin);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (path.empty() || path[0] != '/')
                parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        begin = end + 1;
    }
    std::string out = !path.empty() && path[0] == '/' ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i)
        out += (i ? "/" : "") + parts[i];
    return out;
}

std::string InstalledPage(const std::string& executableFolder) {
    return Lexical(JoinPath(executableFolder, DV_MAKER_PAGE_FROM_PROGRAM));
}

} // namespace

std::string MakerPageInSource() {
    return DV_MAKER_PAGE_IN_SOURCE;
}

std::string MakerPagePath(const FileSystem& fs, const std::string& executableFolder,
                          const std::string& fallback) {
    if (!executableFolder.empty()) {
        const std::string installed = InstalledPage(executableFolder);
        if (FileExists(fs, installed))
            return installed;
    }
    if (!fallback.empty() && FileExists(fs, fallback))
        return fallback;
    return "";
}

void OpenMakerPage(CModel& model, const std::string& executableFolder,
                   const std::string& fallback) {
    const std::string page = MakerPagePath(model.platform.fs, executableFolder, fallback);
    if (page.empty()) {
        model.Message(Format("The page about Ombrell's programs is not installed.\r\n\r\n"
                             "It belongs in %s.",
                             InstalledPage(executableFolder).c_str()),
                      kCaption, MsgIcon::Exclamation);
        return;
    }
    LaunchRequest request;
    request.target = page;
    if (model.platform.shell.Open(request) <= 32)
        model.Message(Format("Unable to open %s.\r\n\r\nThe desktop has no program for web "
                             "pages, or it failed to start.",
                             page.c_str()),
                      kCaption, MsgIcon::Exclamation);
}
