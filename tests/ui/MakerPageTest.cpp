#include "ui/MakerPage.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

class MakerPage : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
};

TEST_F(MakerPage, InstalledPageIsFoundFromTheProgramsFolder) {
    // The layout of the package: /usr/libexec/dorvane/dorvane and the page
    // among the program's data.
    const std::string page = dir.Write("usr/share/dorvane/ombrell-programs.html", "<html>");
    OpenMakerPage(model, dir.File("usr/libexec/dorvane"), "");
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_FALSE(tp.shell.calls[0].execute);
    EXPECT_EQ(tp.shell.calls[0].request.target, page);
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(MakerPage, ProgramInTheBuildTreeOpensTheSourcePage) {
    OpenMakerPage(model, dir.File("build/app"));
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    const std::string target = tp.shell.calls[0].request.target;
    EXPECT_EQ(target, MakerPageInSource());
    std::ifstream in(target);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<title>Programs by Ombrell</title>"), std::string::npos);
    EXPECT_EQ(text.str().find("example."), std::string::npos);
}

TEST_F(MakerPage, MissingPageOrFailedOpenerIsReported) {
    OpenMakerPage(model, dir.File("usr/libexec/dorvane"), dir.File("nowhere.html"));
    EXPECT_TRUE(tp.shell.calls.empty());
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Other Programs by Ombrell");
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_NE(
        tp.prompter.messages[0].text.find(dir.File("usr/share/dorvane/ombrell-programs.html")),
        std::string::npos)
        << tp.prompter.messages[0].text;

    dir.Write("usr/share/dorvane/ombrell-programs.html", "<html>");
    tp.shell.result = ShellResult::FileNotFound;
    OpenMakerPage(model, dir.File("usr/libexec/dorvane"), "");
    EXPECT_EQ(tp.shell.calls.size(), 1u);
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[1].text.rfind("Unable to open ", 0), 0u);
}

} // namespace
