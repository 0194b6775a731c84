// dorvane-cfg: checks and converts Dorvane configuration files with the
// program's own reader and writer.

#include "config/ConfigReader.h"
#include "config/ConfigText.h"
#include "config/ConfigWriter.h"
#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "tools/CfgPlatform.h"
#include "tools/ConfigSummary.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kClean = 0;
constexpr int kMessagesShown = 1;
constexpr int kUsageOrFileError = 2;
constexpr int kNotAConfiguration = 3;

constexpr const char* kUsage =
    "usage: dorvane-cfg rewrite SOURCE.cfg DEST.cfg\n"
    "       dorvane-cfg list SOURCE.cfg\n"
    "       dorvane-cfg --help | --version\n"
    "\n"
    "Both commands load SOURCE as Dorvane loads its configuration at start;\n"
    "each message the load shows is printed to standard error as\n"
    "\"caption: text\".\n"
    "  rewrite  writes the configuration to DEST in the current format; when\n"
    "           SOURCE is no configuration, DEST is left as it was\n"
    "  list     prints its categories and buttons, Favorites, scheduled\n"
    "           launches, alarms and changed sounds\n"
    "\n"
    "Exit status: 0 no message, 1 messages shown, 2 usage or file error,\n"
    "3 SOURCE is no Dorvane configuration (rewrite writes nothing).\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return kUsageOrFileError;
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "dorvane-cfg: %s\n", text.c_str());
    return kUsageOrFileError;
}

// Loads `source` into `model` with its settings, as the program's start does:
// the file's folder is the program folder and its name the configuration's.
// False (after a message) when it is no readable NAME.cfg file; `isConfiguration`
// tells whether its first line is a configuration header.
bool LoadSource(const std::string& source, CfgPlatform& cfg, CModel& model, bool& isConfiguration) {
    const std::string extension = ".cfg";
    const size_t slash = source.rfind('/');
    const std::string fileName = slash == std::string::npos ? source : source.substr(slash + 1);
    if (fileName.size() <= extension.size() ||
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        return Fail("the source must be a file named NAME.cfg: " + source), false;

    std::string bytes;
    if (cfg.fs.IsFolder(source))
        return Fail("cannot read " + source + ": it is a folder"), false;
    if (const FileResult read = cfg.fs.ReadFile(source, bytes); !read)
        return Fail("cannot read " + source + ": " + read.reason), false;
    const ConfigText text(std::move(bytes));
    isConfiguration = text.LineCount() > 0 && HeaderVersion(text.Line(0)) > 0;

    model.programFolder = slash == std::string::npos ? cfg.fs.CurrentDirectory()
                          : slash == 0               ? "/"
                                                     : source.substr(0, slash);
    model.configName = fileName.substr(0, fileName.size() - extension.size());
    LoadConfiguration(model, true);
    return true;
}

int Rewrite(const std::string& source, const std::string& dest) {
    CfgPlatform cfg(stderr);
    CModel model(cfg.platform);
    bool isConfiguration = false;
    if (!LoadSource(source, cfg, model, isConfiguration))
        return kUsageOrFileError;
    // An empty configuration written over DEST would lose what DEST held.
    if (!isConfiguration) {
        std::fprintf(stderr, "dorvane-cfg: %s is no Dorvane configuration; %s not written\n",
                     source.c_str(), dest.c_str());
        return kNotAConfiguration;
    }
    if (const FileResult written = cfg.fs.WriteFileAtomic(dest, ConfigurationText(model)); !written)
        return Fail("cannot write " + dest + ": " + written.reason);
    return cfg.prompter.MessageCount() > 0 ? kMessagesShown : kClean;
}

int List(const std::string& source) {
    CfgPlatform cfg(stderr);
    CModel model(cfg.platform);
    bool isConfiguration = false;
    if (!LoadSource(source, cfg, model, isConfiguration))
        return kUsageOrFileError;
    std::fputs(ConfigSummary(model).c_str(), stdout);
    if (std::fflush(stdout) != 0)
        return Fail("cannot write the summary");
    if (!isConfiguration)
        return kNotAConfiguration;
    return cfg.prompter.MessageCount() > 0 ? kMessagesShown : kClean;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return kClean;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("dorvane-cfg %d.0\n", kProgramVersion);
        return kClean;
    }
    if (argc == 4 && std::strcmp(argv[1], "rewrite") == 0)
        return Rewrite(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "list") == 0)
        return List(argv[2]);
    return Usage();
}
