#include "ui/AddButtons.h"

#include "tests/ui/EditFixture.h"

#include <cstdlib>
#include <optional>

#include <sys/stat.h>

namespace {

class AddButtons : public EditTest {
  protected:
    std::string File(const std::string& name) { return dir.Write("add/" + name, name); }
    void Choose(std::vector<std::string> files, int filter = 1) {
        tp.prompter.files.push_back({std::move(files), filter, ""});
    }
    std::string Descriptions() const {
        std::string out;
        for (const auto& c : model.changes.changes)
            out += (out.empty() ? "" : "; ") + c->description;
        return out;
    }
};

TEST_F(AddButtons, FilesGoToTheNextEmptySlotsInChosenOrder) {
    Fill({0, 1, 2, 4});
    Choose({File("one.txt"), dir.File("add/gone.txt"), File("two.txt"), File("three.txt")}, 5);
    EXPECT_EQ(AddByFileDialog(model, -1), 3);
    EXPECT_EQ(Layout(), "0=b0 1=b1 2=b2 3=one 4=b4 5=two 6=three");
    EXPECT_EQ(model.DialogFolder(0, ""), dir.File("add"));
    EXPECT_EQ(model.DialogEntry(0).filter, 5);
    EXPECT_EQ(Descriptions(), "Add Button via File Selection Dialog; "
                              "Add Button via File Selection Dialog; "
                              "Add Button via File Selection Dialog");
    const FileDialogRequest& request = tp.prompter.fileRequests.at(0);
    EXPECT_EQ(request.caption, "Select Files for Buttons");
    EXPECT_TRUE(request.multiple);
    EXPECT_EQ(request.filters.size(), 7u);
    EXPECT_EQ(request.folder, model.folders.windowsFolder);
}

TEST_F(AddButtons, ApplicationsFilterListsProgramsByContentAndEntriesByName) {
    const auto make = [&](const std::string& name, const std::string& content, mode_t mode) {
        const std::string path = dir.Write("bin/" + name, content);
        ::chmod(path.c_str(), mode);
        return path;
    };
    struct Case {
        std::string path;
        bool listed;
    };
    const Case cases[] = {
        {make("xclock",
              std::string("\x7f"
                          "ELF\x02\x01",
                          6),
              0755),
         true},
        {make("script", "#!/bin/sh\n", 0755), true},
        {make("notes-x", "plain text\n", 0755), false}, // x bit on a document
        {make("not-run", "#!/bin/sh\n", 0644), false},  // a program without the x bit
        {make("Editor.DESKTOP", "[Desktop Entry]\n", 0644), true},
        {make("tool.AppImage", "", 0644), true},
        {make("setup.sh", "", 0644), true},
        {make("report.odt", "", 0644), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsApplicationFile(tp.fs, c.path), c.listed) << c.path;

    // The add dialog hands the test to its first filter.
    Choose({});
    AddByFileDialog(model, -1);
    const FileDialogRequest& request = tp.prompter.fileRequests.at(0);
    EXPECT_EQ(request.testedFilter, 1);
    ASSERT_TRUE(request.test);
    EXPECT_TRUE(request.test(cases[0].path));
    EXPECT_FALSE(request.test(cases[2].path));
}

TEST_F(AddButtons, SurplusFilesAreDroppedAndNothingIsReplaced) {
    for (int s = 0; s < kSlotsPerCategory; ++s)
        if (s != 97 && s != 99)
            Put(s, "f" + std::to_string(s));
    Choose({File("a.txt"), File("b.txt"), File("c.txt")});
    EXPECT_EQ(AddByFileDialog(model, 97), 2);
    EXPECT_EQ(model.GetButton(0, 97)->Name(), "a");
    EXPECT_EQ(model.GetButton(0, 98)->Name(), "f98");
    EXPECT_EQ(model.GetButton(0, 99)->Name(), "b");

    EXPECT_EQ(AddByFileDialog(model, -1), 0);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Category is Full"});
    EXPECT_EQ(tp.prompter.fileRequests.size(), 1u); // no dialog for a full category
}

TEST_F(AddButtons, RememberedFilterIsClampedAndKeptOnCancel) {
    model.SetDialogFilter(0, 12);
    model.settingsModified = false;
    tp.prompter.files.push_back({{}, 3, ""});
    EXPECT_EQ(AddByFileDialog(model, 0), 0);
    EXPECT_EQ(tp.prompter.fileRequests[0].filterIndex, 7);
    EXPECT_EQ(model.DialogEntry(0).filter, 3);
    EXPECT_FALSE(model.settingsModified) << "a cancelled dialog leaves nothing to save";

    Choose({File("kept.txt")}, 4);
    EXPECT_EQ(AddByFileDialog(model, 0), 1);
    EXPECT_TRUE(model.settingsModified);
}

// Points HOME and XDG_CONFIG_HOME at a fresh account for one test.
class FreshAccount {
  public:
    explicit FreshAccount(const std::string& home) {
        Keep("HOME");
        Keep("XDG_CONFIG_HOME");
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    ~FreshAccount() {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }

  private:
    void Keep(const char* name) {
        const char* v = std::getenv(name);
        saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(AddButtons, StartMenuAndStartUpFoldersAreMadeOnAFreshAccount) {
    const std::string home = dir.File("home");
    const FreshAccount account(home);
    ASSERT_FALSE(tp.fs.IsFolder(home));
    EXPECT_TRUE(AddSpecialButton(model, SpecialButton::StartMenu));
    EXPECT_TRUE(AddSpecialButton(model, SpecialButton::StartUp));
    EXPECT_TRUE(tp.fs.IsFolder(home + "/.local/share/applications"));
    EXPECT_TRUE(tp.fs.IsFolder(home + "/.config/autostart"));
    EXPECT_EQ(model.GetButton(0, 0)->Target(), home + "/.local/share/applications");
    EXPECT_EQ(model.GetButton(0, 1)->Target(), home + "/.config/autostart");
    EXPECT_EQ(Descriptions(), "Add Start Menu Folder; Add Start-Up Folder");
}

TEST_F(AddButtons, OneNewButtonGetsItsTextDialog) {
    Choose({File("solo.txt")});
    dialogs.buttonTexts.push_back({"Solo", "Doc", true});
    AddApplicationCommand(model, dialogs, -1);
    EXPECT_EQ(model.GetButton(0, 0)->Text(), "Solo\\nDoc");
    Choose({File("x.txt"), File("y.txt")});
    AddApplicationCommand(model, dialogs, -1); // two at once: no text dialog
    EXPECT_EQ(dialogs.buttonTextOpened, 1);
    EXPECT_EQ(Sounds().front(), "Open File Selection Box");
}

TEST_F(AddButtons, FolderBrowserNamesDriveRoots) {
    tp.prompter.folders = {std::nullopt, std::string("/"), dir.File("add")};
    File("keep");
    EXPECT_FALSE(AddFolder(model, dialogs, -1));
    EXPECT_TRUE(AddFolder(model, dialogs, -1));
    EXPECT_EQ(model.GetButton(0, 0)->Name(), "Drive /");
    EXPECT_TRUE(model.GetButton(0, 0)->IsDrive());
    EXPECT_TRUE(AddFolder(model, dialogs, 5));
    EXPECT_TRUE(model.GetButton(0, 5)->IsFolder());
    EXPECT_EQ(dialogs.buttonTextOpened, 2);
    EXPECT_EQ(Descriptions(), "Add Folder via Folder Selection Dialog; "
                              "Add Folder via Folder Selection Dialog");
}

TEST_F(AddButtons, InternetAddressNeedsTextAndRoom) {
    dialogs.texts = {std::nullopt, std::string("  "), std::string("https://example.org")};
    EXPECT_FALSE(AddInternetAddress(model, dialogs, -1));
    EXPECT_FALSE(AddInternetAddress(model, dialogs, -1));
    dialogs.buttonTexts.push_back({"Example", "", true});
    EXPECT_TRUE(AddInternetAddress(model, dialogs, 4));
    const CButtonDef* b = model.GetButton(0, 4);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->IsUrl());
    EXPECT_EQ(b->Target(), "https://example.org");
    EXPECT_EQ(b->Text(), "Example");
    EXPECT_EQ(dialogs.textRequests[0].title, "Button to Internet Site");
    EXPECT_EQ(dialogs.textRequests[0].okText, "Create");
    EXPECT_EQ(Descriptions(), "Add Button for Internet Address");
}

TEST_F(AddButtons, AllOfTheAboveFillsTheRoomQuietlyAndListsWhatWasLeftOut) {
    tp.shell.programs["xdg-open"] = "/usr/bin/xdg-open";
    tp.shell.programs["systemsettings"] = dir.Write("bin/systemsettings", "#!/bin/sh\n");
    for (int s = 0; s < kSlotsPerCategory; ++s)
        if (s != 10 && s != 20 && s != 30)
            Put(s, "f" + std::to_string(s));
    model.settings.TextOnButtons = 1;
    AddAllSpecialButtons(model);
    EXPECT_EQ(model.GetButton(0, 10)->Name(), "My Computer");
    EXPECT_EQ(model.GetButton(0, 20)->Name(), "Windows Explorer");
    EXPECT_EQ(model.GetButton(0, 20)->OpenMode(), 2);
    EXPECT_EQ(model.GetButton(0, 20)->Text(), "Windows\\nExplorer");
    EXPECT_EQ(model.GetButton(0, 30)->Name(), "Control Panel");
    EXPECT_EQ(model.GetButton(0, 30)->Text(), "Ctrl Panel");
    // One message names the five left out and why.
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    const RecordedMessage& said = tp.prompter.messages[0];
    EXPECT_EQ(said.caption, "Special Buttons");
    EXPECT_EQ(said.icon, MsgIcon::Information);
    EXPECT_EQ(said.text.rfind("3 of the 8 special buttons were added.\r\n\r\n", 0), 0u);
    EXPECT_NE(said.text.find("Dial-Up Networking: no empty slot was left."), std::string::npos);
    EXPECT_NE(said.text.find("Start-Up Folder: no empty slot was left."), std::string::npos);
    EXPECT_TRUE(tp.sound.played.empty());
    EXPECT_TRUE(model.settings.Sound);

    // A full category says so once and adds nothing.
    tp.prompter.messages.clear();
    EXPECT_EQ(AddAllSpecialButtons(model), 0);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Category is Full"});
}

TEST_F(AddButtons, AllOfTheAboveSaysNothingWhenEveryButtonIsAdded) {
    const std::string home = dir.File("home");
    const FreshAccount account(home);
    tp.shell.programs["xdg-open"] = "/usr/bin/xdg-open";
    tp.shell.programs["systemsettings"] = dir.Write("bin/systemsettings", "#!/bin/sh\n");
    dir.Write("home/.keep", "");
    dir.Write("windows/.keep", "");
    model.folders.windowsFolder = dir.File("windows");
    EXPECT_EQ(AddAllSpecialButtons(model), 8);
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(AddButtons, ASpecialButtonThatFindsNoCounterpartSaysWhatWasLookedFor) {
    model.folders.windowsFolder = dir.File("no-such-folder");
    struct Case {
        SpecialButton which;
        std::string mentions;
    };
    const Case cases[] = {
        {SpecialButton::ControlPanel, "gnome-control-center, systemsettings"},
        {SpecialButton::DialUp, "nm-connection-editor"},
        {SpecialButton::Printers, "system-config-printer"},
        {SpecialButton::Explorer, "xdg-open"},
        {SpecialButton::WindowsFolder, dir.File("no-such-folder")},
    };
    for (const Case& c : cases) {
        tp.prompter.messages.clear();
        EXPECT_FALSE(AddSpecialButton(model, c.which));
        ASSERT_EQ(tp.prompter.messages.size(), 1u) << c.mentions;
        const RecordedMessage& said = tp.prompter.messages[0];
        EXPECT_EQ(said.caption, "Special Button Not Added");
        EXPECT_EQ(said.icon, MsgIcon::Information);
        EXPECT_NE(said.text.find(c.mentions), std::string::npos) << said.text;
    }
    EXPECT_EQ(Layout(), "");
    EXPECT_FALSE(model.settingsModified);

    // No room: the category is full, whatever the button.
    for (int s = 0; s < kSlotsPerCategory; ++s)
        Put(s, "f" + std::to_string(s));
    tp.prompter.messages.clear();
    EXPECT_FALSE(AddSpecialButton(model, SpecialButton::MyComputer));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Category is Full"});
}

TEST_F(AddButtons, SpecialButtonsNeedTheirTool) {
    // No settings tool and no opener on this desktop.
    EXPECT_FALSE(AddSpecialButton(model, SpecialButton::ControlPanel));
    EXPECT_FALSE(AddSpecialButton(model, SpecialButton::Explorer));
    EXPECT_TRUE(AddSpecialButton(model, SpecialButton::MyComputer));
    EXPECT_EQ(Layout(), "0=My Computer");
    EXPECT_EQ(model.GetButton(0, 0)->Text(), "My\\nComputer");
    EXPECT_EQ(Descriptions(), "Add My Computer Folder");
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"Special Button Not Added", "Special Button Not Added"}));
}

TEST_F(AddButtons, DropOnAnOccupiedDocumentAsksForTheFirstEmptySlot) {
    Fill({0, 1, 3});
    const std::string file = File("dropped.txt");
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(DropFile(model, dialogs, file, 1, false));
    EXPECT_EQ(Layout(), "0=b0 1=b1 3=b3");
    EXPECT_EQ(Captions(), std::vector<std::string>{"Drop onto First Empty Button?"});
    EXPECT_TRUE(DropFile(model, dialogs, file, 1, false));
    EXPECT_EQ(Layout(), "0=b0 1=b1 2=dropped 3=b3");
    EXPECT_TRUE(DropFile(model, dialogs, file, -1, false)); // on no button
    EXPECT_EQ(model.GetButton(0, 4)->Name(), "dropped");
    EXPECT_FALSE(DropFile(model, dialogs, file, 20, true)); // rolled up: ignored
    EXPECT_FALSE(model.HasButton(0, 20));
    EXPECT_EQ(Descriptions(), "Add Button via Drag-and-Drop; Add Button via Drag-and-Drop");
}

TEST_F(AddButtons, DropOnAProgramHandsItTheFile) {
    const std::string program = dir.Write("bin/tool", "#!/bin/sh\n");
    ::chmod(program.c_str(), 0755);
    CButtonDef::CreateAt(model, 0, 0, "tool", program, "", 0, 1);
    ASSERT_TRUE(model.GetButton(0, 0)->IsExe());
    EXPECT_FALSE(DropFile(model, dialogs, File("doc.txt"), 0, false));
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, program);
    EXPECT_EQ(Layout(), "0=tool");
}

TEST_F(AddButtons, DropIntoAFullCategoryTellsSo) {
    for (int s = 0; s < kSlotsPerCategory; ++s)
        Put(s, "f" + std::to_string(s));
    EXPECT_FALSE(DropFile(model, dialogs, File("x.txt"), -1, false));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Category is Full"});
    EXPECT_EQ(tp.prompter.messages[0].text, "All buttons are in use in the current category.");
}

TEST_F(AddButtons, DroppedInternetShortcutBecomesAnAddress) {
    const std::string url =
        dir.Write("add/site.url", "[InternetShortcut]\r\nURL=https://x.test/\r\n");
    EXPECT_TRUE(DropFile(model, dialogs, url, 2, false));
    EXPECT_TRUE(model.GetButton(0, 2)->IsUrl());
    EXPECT_EQ(model.GetButton(0, 2)->Target(), "https://x.test/");
}

} // namespace
