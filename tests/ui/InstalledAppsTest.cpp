#include "ui/InstalledApps.h"

#include "platform/posix/DesktopEntryReader.h"
#include "tests/ui/EditFixture.h"

#include <map>

namespace {

class InstalledApps : public EditTest {
  protected:
    std::map<std::string, std::string> env{{"LANG", "de_DE.UTF-8"}, {"PATH", "/usr/bin:/bin"}};
    DesktopEntryReader reader{[this](const std::string& name) {
        const auto found = env.find(name);
        return found == env.end() ? std::string() : found->second;
    }};
    std::string Entry(const std::string& path, const std::string& body) {
        return dir.Write(path, "[Desktop Entry]\nType=Application\n" + body);
    }
    std::vector<std::string> Names(const std::vector<InstalledApplication>& apps) {
        std::vector<std::string> names;
        for (const InstalledApplication& app : apps)
            names.push_back(app.name);
        return names;
    }
};

TEST_F(InstalledApps, FoldersFollowTheDataDirectories) {
    const auto none = [](const char*) { return std::string(); };
    EXPECT_EQ(
        ApplicationFolders(none, "/home/ann"),
        (std::vector<std::string>{"/home/ann/.local/share/applications",
                                  "/usr/local/share/applications", "/usr/share/applications"}));
    const auto set = [](const char* name) {
        return std::string(name) == "XDG_DATA_HOME" ? "/data" : "/opt/share::/srv/share";
    };
    EXPECT_EQ(ApplicationFolders(set, "/home/ann"),
              (std::vector<std::string>{"/data/applications", "/opt/share/applications",
                                        "/srv/share/applications"}));
}

TEST_F(InstalledApps, ListShowsVisibleApplicationsOnceWithLocalisedNames) {
    Entry("user/applications/editor.desktop", "Name=Editor Mine\nExec=/bin/true\nIcon=my-ed\n");
    Entry("system/applications/editor.desktop", "Name=Editor System\nExec=/bin/true\n");
    Entry("system/applications/calc.desktop",
          "Name=Calculator\nName[de]=Rechner\nExec=/bin/true %U\nIcon=accessories-calculator\n");
    Entry("system/applications/helper.desktop", "Name=Helper\nExec=/bin/true\nNoDisplay=true\n");
    Entry("system/applications/gone.desktop", "Name=Gone\nExec=/bin/true\nHidden=true\n");
    Entry("system/applications/broken.desktop", "Name=Broken\n");
    Entry("system/applications/kde/archiver.desktop", "Name=archiver\nExec=/bin/true\n");
    dir.Write("system/applications/readme.txt", "not an entry");
    // The user's entry hides the system's with the same id, even when hidden.
    Entry("user/applications/helper.desktop", "Name=Helper\nExec=/bin/true\nNoDisplay=true\n");
    Entry("system/applications/mail.desktop", "Name=Mail\nExec=/bin/true\n");
    Entry("user/applications/mail.desktop", "Name=Mail\nExec=/bin/true\nHidden=true\n");

    const auto apps = ListInstalledApplications(
        tp.fs, reader,
        {dir.File("user/applications"), dir.File("missing"), dir.File("system/applications")});
    EXPECT_EQ(Names(apps), (std::vector<std::string>{"archiver", "Editor Mine", "Rechner"}));
    ASSERT_EQ(apps.size(), 3u);
    EXPECT_EQ(apps[1].entry, dir.File("user/applications/editor.desktop"));
    EXPECT_EQ(apps[1].iconName, "my-ed");
    EXPECT_EQ(apps[2].iconName, "accessories-calculator");
}

TEST_F(InstalledApps, PicksBecomeButtonsLikeTheirEntriesAndEveryDeadEndIsSaid) {
    const std::string calc = Entry("apps/calc.desktop", "Name=Calculator\nExec=/bin/true\n");
    const std::string edit = Entry("apps/edit.desktop", "Name=Editor\nExec=/bin/true\n");
    tp.shortcuts.shortcuts[calc] = ShortcutInfo{"Calculator", "/bin/true", "", "", "", 0, 1};
    tp.shortcuts.shortcuts[edit] = ShortcutInfo{"Editor", "/bin/true", "", "", "", 0, 1};
    const std::vector<std::string> folders = {dir.File("apps")};

    // Cancel adds nothing; the list offered both, by name.
    std::vector<std::string> offered;
    EXPECT_EQ(AddInstalledApplication(model, dialogs, -1, folders,
                                      [&](const std::vector<InstalledApplication>& apps) {
                                          offered = Names(apps);
                                          return std::vector<std::string>();
                                      }),
              0);
    EXPECT_EQ(offered, (std::vector<std::string>{"Calculator", "Editor"}));
    EXPECT_EQ(Layout(), "");

    Fill({0, 2});
    const auto both = [&](const std::vector<InstalledApplication>&) {
        return std::vector<std::string>{edit, calc};
    };
    EXPECT_EQ(AddInstalledApplication(model, dialogs, -1, folders, both), 2);
    // As a dropped or chosen entry: the program it starts, under its name.
    EXPECT_EQ(model.GetButton(0, 1)->Name(), "Editor");
    EXPECT_EQ(model.GetButton(0, 3)->Name(), "Calculator");
    EXPECT_EQ(model.GetButton(0, 3)->Target(), "/bin/true");
    EXPECT_EQ(model.changes.changes.back()->description, "Add Button via Application List");
    EXPECT_TRUE(model.settingsModified);

    // Nothing installed: said, with the folders looked in.
    tp.prompter.messages.clear();
    EXPECT_EQ(AddInstalledApplication(model, dialogs, -1, {dir.File("none")}, both), 0);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "No Applications Found");
    EXPECT_NE(tp.prompter.messages[0].text.find(dir.File("none")), std::string::npos);

    // A full category: said before any list is built.
    for (int s = 0; s < kSlotsPerCategory; ++s)
        if (!model.HasButton(-1, s))
            Put(s, "f" + std::to_string(s));
    tp.prompter.messages.clear();
    bool listed = false;
    AddInstalledApplication(model, dialogs, -1, folders,
                            [&](const std::vector<InstalledApplication>&) {
                                listed = true;
                                return std::vector<std::string>();
                            });
    EXPECT_FALSE(listed);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Category is Full"});
}

} // namespace
