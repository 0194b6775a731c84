// dorvane-cfg: checks and converts Dorvane configuration files with the
// program's own reader and writer.

#include "config/ConfigWriter.h"
#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "tools/CfgPlatform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kClean = 0;
constexpr int kMessagesShown = 1;
constexpr int kUsageOrFileError = 2;

int Usage() {
    std::fputs("usage: dorvane-cfg rewrite SOURCE.cfg DEST.cfg\n"
               "  Loads SOURCE as Dorvane loads its configuration at start and writes it\n"
               "  to DEST in the current format. Each message the load shows is printed\n"
               "  as \"caption: text\". Exit status: 0 no message, 1 messages shown,\n"
               "  2 usage or file error.\n",
               stderr);
    return kUsageOrFileError;
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "dorvane-cfg: %s\n", text.c_str());
    return kUsageOrFileError;
}

int Rewrite(const std::string& source, const std::string& dest) {
    const std::string extension = ".cfg";
    const size_t slash = source.rfind('/');
    const std::string fileName = slash == std::string::npos ? source : source.substr(slash + 1);
    if (fileName.size() <= extension.size() ||
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        return Fail("the source must be a file named NAME.cfg: " + source);

    CfgPlatform cfg(stderr);
    std::string bytes;
    if (cfg.fs.IsFolder(source) || !cfg.fs.ReadFile(source, bytes))
        return Fail("cannot read " + source);

    CModel model(cfg.platform);
    model.programFolder = slash == std::string::npos ? cfg.fs.CurrentDirectory()
                          : slash == 0               ? "/"
                                                     : source.substr(0, slash);
    model.configName = fileName.substr(0, fileName.size() - extension.size());
    LoadConfiguration(model, true);

    if (!cfg.fs.WriteFileAtomic(dest, ConfigurationText(model)))
        return Fail("cannot write " + dest);
    return cfg.prompter.MessageCount() > 0 ? kMessagesShown : kClean;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "rewrite") == 0)
        return Rewrite(argv[2], argv[3]);
    return Usage();
}
