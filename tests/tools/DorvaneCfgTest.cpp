#include "tests/support/Fakes.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string errors; // standard error
};

// Runs dorvane-cfg with `args` (no quoting needed: temporary paths hold no
// spaces) in `folder`.
Result RunCfg(const TempDir& dir, const std::string& args) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string command =
        "cd " + dir.Path() + " && " + DORVANE_CFG_PATH + " " + args + " 2>" + errFile;
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.errors = dir.Read("stderr.txt");
    return result;
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

} // namespace

TEST(DorvaneCfg, RewriteOfAValidFileIsSilentAndWritesTheCurrentFormat) {
    TempDir dir;
    dir.Write("Old.cfg", "DORVANE CONFIGURATION FILE v6.0\nSETTINGS\nButtonSize 50\nBUTTONS\n"
                         "CATEGORY Tools\nBUTTON 3 /usr/bin/env\nOPEN Maximum\nend\n");
    const Result r = RunCfg(dir, "rewrite Old.cfg New.cfg");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.errors, "");
    const std::string out = dir.Read("New.cfg");
    EXPECT_EQ(out.rfind("DORVANE CONFIGURATION FILE v10.0\r\n", 0), 0u);
    for (const char* line :
         {"\r\nButtonWidth 50\r\n", "\r\nButtonHeight 50\r\n",
          "\r\nCATEGORY Tools\r\nBUTTON 3 /usr/bin/env\r\n", "\r\nOPEN Maximized\r\nend\r\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line;

    // The rewritten file rewrites to itself, apart from its date line.
    const Result second = RunCfg(dir, "rewrite " + dir.File("New.cfg") + " Again.cfg");
    EXPECT_EQ(second.status, 0);
    const auto body = [](const std::string& s) { return s.substr(s.find("SETTINGS")); };
    EXPECT_EQ(body(dir.Read("Again.cfg")), body(out));
}

TEST(DorvaneCfg, EveryMessageOfTheLoadIsOneLineAndTheStatusIsOne) {
    TempDir dir;
    dir.Write("Bad.cfg", "Not a configuration\r\nBUTTONS\r\n");
    Result r = RunCfg(dir, "list Bad.cfg >/dev/null");
    const std::string line = "Bad Configuration File: The file  " + dir.File("Bad.cfg") +
                             "  is not a valid DORVANE configuration file.  \n";
    EXPECT_EQ(r.errors, line + line);

    dir.Write("Mixed.cfg", CrLf({"DORVANE CONFIGURATION FILE v10.0", "BUTTONS", "CATEGORY A",
                                 "BUTTON 1 /a", "COLOUR red", "end", "CATEGORY"}));
    r = RunCfg(dir, "rewrite Mixed.cfg Out.cfg");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors, "Category Name Missing: Category 2 in \"" + dir.File("Mixed.cfg") +
                            "\" is not named  \n"
                            "Bad Keyword: Invalid keyword in \"" +
                            dir.File("Mixed.cfg") + "\"\n");
}

TEST(DorvaneCfg, RewriteOfSomethingElseWritesNothingAndSaysSo) {
    TempDir dir;
    const std::string kept = "DORVANE CONFIGURATION FILE v10.0\r\nBUTTONS\r\nCATEGORY Mine\r\n";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"unknown header", "Not a configuration\r\nBUTTONS\r\n"},
        {"CR-only line ends", "DORVANE CONFIGURATION FILE v10.0\rBUTTONS\rCATEGORY A\r"},
        {"NUL bytes", std::string("DORVANE CONFIGURATION\0FILE v10.0\r\n", 34)},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.Write("Dest.cfg", kept);
        dir.Write("Source.cfg", c.bytes);
        const Result r = RunCfg(dir, "rewrite Source.cfg Dest.cfg");
        EXPECT_EQ(r.status, 3);
        EXPECT_NE(r.errors.find("Dest.cfg not written"), std::string::npos) << r.errors;
        EXPECT_EQ(dir.Read("Dest.cfg"), kept);
        EXPECT_EQ(RunCfg(dir, "list Source.cfg >/dev/null").status, 3);
    }

    // A byte-order mark before the header is a configuration like any other.
    dir.Write("Marked.cfg", "\xEF\xBB\xBF" + kept);
    const Result r = RunCfg(dir, "rewrite Marked.cfg Dest.cfg");
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_NE(dir.Read("Dest.cfg").find("\r\nCATEGORY Mine\r\n"), std::string::npos);
}

TEST(DorvaneCfg, UsageAndFileErrorsGiveStatusTwo) {
    TempDir dir;
    dir.Write("Good.cfg", "DORVANE CONFIGURATION FILE v10.0\r\n");
    dir.Write("notes.txt", "DORVANE CONFIGURATION FILE v10.0\r\n");
    const struct {
        std::string args;
        const char* error;
    } cases[] = {
        {"", "usage: dorvane-cfg rewrite"},
        {"rewrite Good.cfg", "usage: dorvane-cfg rewrite"},
        {"convert Good.cfg Out.cfg", "usage: dorvane-cfg rewrite"},
        {"rewrite Missing.cfg Out.cfg", "cannot read"},
        {"rewrite notes.txt Out.cfg", "NAME.cfg"},
        {"rewrite Good.cfg gone/Out.cfg", "cannot write"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Result r = RunCfg(dir, c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.errors.find(c.error), std::string::npos) << r.errors;
        EXPECT_FALSE(std::filesystem::exists(dir.File("Out.cfg")));
    }
}

TEST(DorvaneCfg, ListPrintsTheSummaryAndReportsTheLoadsMessages) {
    TempDir dir;
    dir.Write("Mine.cfg", "DORVANE CONFIGURATION FILE v10.0\nBUTTONS\nCATEGORY Tools\n"
                          "BUTTON 2 /usr/bin/env\nBOGUS line\nend\n");
    const Result r = RunCfg(dir, "list Mine.cfg >" + dir.File("out.txt"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("Bad Keyword: Invalid keyword in"), std::string::npos) << r.errors;
    const std::string out = dir.Read("out.txt");
    EXPECT_EQ(out.rfind("Configuration \"Mine\"\n", 0), 0u) << out;
    EXPECT_NE(out.find("  1. Tools (0 buttons)"), std::string::npos) << out;

    EXPECT_EQ(RunCfg(dir, "--help >/dev/null").status, 0);
    EXPECT_EQ(RunCfg(dir, "--version >" + dir.File("v.txt")).status, 0);
    EXPECT_EQ(dir.Read("v.txt"), "dorvane-cfg 10.0\n");
    EXPECT_EQ(RunCfg(dir, "list").status, 2);
}
