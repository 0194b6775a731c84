#include "model/ButtonDef.h"

#include <sys/stat.h>

#include <utility>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"
#include "tests/support/TestPlatform.h"
#include "utilities/DownloadData.h"

namespace {

class ButtonDef : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;

    std::string Executable(const std::string& name, const std::string& contents) {
        const std::string path = dir.Write(name, contents);
        ::chmod(path.c_str(), 0755);
        return path;
    }
    CButtonDef Make(const std::string& name, const std::string& target,
                    const std::string& iconFile = "", int iconIndex = 0) {
        return CButtonDef(model, name, target, iconFile, iconIndex);
    }
};

TEST_F(ButtonDef, KindAndDerivedNameFollowTheTarget) {
    const std::string script = Executable("tool.sh", "#!/bin/sh\necho hi\n");
    const std::string document = Executable("notes.txt", "plain words, x bit set by a FAT mount");
    const std::string windowsProgram = dir.Write("Setup.EXE", "MZ");
    const struct {
        std::string target, kind, name;
    } cases[] = {
        {"C:\\", "drive", "C:\\"},
        {"c:", "drive", "c:"},
        {"/", "drive", "/"},
        {dir.Path(), "folder", dir.Path()},
        {script, "exe", "tool"},
        {document, "document", "notes"},
        {windowsProgram, "exe", "Setup"},
        {"https://example.org/", "document", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const CButtonDef b = Make("", c.target);
        EXPECT_EQ(b.Kind(), c.kind) << c.target;
        EXPECT_EQ(b.Name(), c.name) << c.target;
    }
    EXPECT_TRUE(Make("PRINTERS", document).IsFolder());
    EXPECT_TRUE(Make("Printers", document).IsSpecialFolder());
}

TEST_F(ButtonDef, IconsByKindAndIconFile) {
    const std::string program = Executable("app", "\x7f"
                                                  "ELF....");
    const std::string picture = dir.Write("pic.png", "png");
    const std::string text = dir.Write("readme.txt", "text");
    tp.icons.counts = {{program, 1}, {picture, 1}};

    CButtonDef exe = Make("", program);
    EXPECT_EQ(exe.Icon(), (ButtonIcon{IconRole::File, 0, program, 0}));
    EXPECT_EQ(exe.IconFile(), program);

    EXPECT_EQ(Make("", program, picture, -4).Icon(), (ButtonIcon{IconRole::File, 0, picture, 0}));
    // An index past the file's icons, or a file of another type, gives the default picture.
    EXPECT_EQ(Make("", program, picture, 1).Icon().role, IconRole::Default);
    CButtonDef wrongType = Make("", text, text, 0);
    EXPECT_EQ(wrongType.IconFile(), "");
    EXPECT_EQ(wrongType.Icon(), (ButtonIcon{IconRole::Document, 0, text, 0}));
    EXPECT_TRUE(wrongType.ShellIcon());
    tp.icons.documentIcons = false;
    EXPECT_EQ(Make("", text).Icon().role, IconRole::Default);

    EXPECT_EQ(Make("", "d:\\").Icon(), (ButtonIcon{IconRole::Drive, 'D', "", 0}));
    EXPECT_EQ(Make("", "/").Icon().role, IconRole::GenericDrive);
    EXPECT_EQ(Make("My Computer", dir.Path()).Icon().role, IconRole::MyComputer);
    EXPECT_EQ(Make("Mine", dir.Path()).Icon().role, IconRole::Folder);

    CButtonDef url(model);
    url.SetUrl("https://example.org/");
    url.SetIconIndex(0);
    EXPECT_EQ(url.Icon().role, IconRole::Url);
}

// A kind is kept as one of its five values: set by name in any case, read
// and written back as the lower-case name.
TEST_F(ButtonDef, KindsReadAndWriteTheirNames) {
    CButtonDef b = Make("", dir.Write("a.txt", "a"));
    for (const char* name : {"exe", "document", "folder", "drive", "url"}) {
        b.SetKind(ToUpper(name));
        EXPECT_EQ(b.Kind(), name);
        EXPECT_TRUE(b.KindIs(name));
        EXPECT_EQ(KindOfName(b.Kind()), b.KindValue());
    }
    EXPECT_TRUE(b.IsUrl());
    EXPECT_EQ(b.WriteRecord(0).substr(0, 13), "BUTTON_URL 1 ");
    b.SetKind("shortcut");
    EXPECT_EQ(b.Kind(), "");
    EXPECT_FALSE(b.IsExe() || b.IsDocument() || b.IsFolder() || b.IsDrive() || b.IsUrl());
}

// The icon names the file it was worked out from, even after the target
// changes without the icon being worked out again, and in copies.
TEST_F(ButtonDef, IconKeepsNamingItsFile) {
    const std::string first = dir.Write("first.txt", "1");
    const std::string second = dir.Write("second.txt", "2");
    const std::string picture = dir.Write("pic.png", "png");
    tp.icons.counts = {{picture, 2}};

    CButtonDef b = Make("", first);
    b.SetTarget(second);
    EXPECT_EQ(b.Target(), second);
    EXPECT_EQ(b.Icon(), (ButtonIcon{IconRole::Document, 0, first, 0}));
    b.LoadButtonIcon();
    EXPECT_EQ(b.Icon(), (ButtonIcon{IconRole::Document, 0, second, 0}));

    const ButtonIcon given{IconRole::File, 0, dir.File("elsewhere.png"), 1};
    b.SetIcon(picture, 1, &given);
    const CButtonDef copy(b);
    CButtonDef assigned(model);
    assigned = b;
    for (const CButtonDef* button : {&std::as_const(b), &copy, &std::as_const(assigned)}) {
        EXPECT_EQ(button->Icon(), given);
        EXPECT_EQ(button->DrawnIcon(), given);
        EXPECT_EQ(button->IconFile(), picture);
    }
    b.SetIconFile(picture);
    EXPECT_EQ(b.Icon(), (ButtonIcon{IconRole::File, 0, picture, 1}));
    EXPECT_EQ(copy.Icon(), given) << "a copy keeps its own icon";
}

TEST_F(ButtonDef, SettersDropWhatDoesNotFit) {
    const std::string wav = dir.Write("ding.WAV", "RIFF");
    const std::string mp3 = dir.Write("ding.mp3", "ID3");
    CButtonDef b = Make("", dir.Write("a.txt", "a"));
    b.SetDirectory(dir.File("missing"));
    EXPECT_EQ(b.Directory(), "");
    b.SetDirectory(dir.Path());
    EXPECT_EQ(b.Directory(), dir.Path());
    b.SetSound(mp3);
    EXPECT_EQ(b.Sound(), "");
    b.SetSound(wav);
    EXPECT_EQ(b.Sound(), wav);
    // Sound and folder are kept together: dropping one keeps the other.
    const CButtonDef copy(b);
    b.SetDirectory(dir.File("missing"));
    EXPECT_EQ(b.Sound(), wav);
    EXPECT_EQ(b.Directory(), "");
    b.SetSound(mp3);
    EXPECT_EQ(b.Sound(), "");
    b.SetDirectory(dir.Path());
    EXPECT_EQ(b.Directory(), dir.Path());
    EXPECT_EQ(copy.Sound(), wav) << "a copy keeps its own";
    EXPECT_EQ(copy.Directory(), dir.Path());
    b.SetOpenMode(9);
    EXPECT_EQ(b.OpenMode(), 1);
    b.SetOpenMode(3);
    EXPECT_EQ(b.OpenMode(), 3);
    b.SetIconIndex(-2);
    EXPECT_EQ(b.IconIndex(), 0);
    model.settingsModified = false;
    b.SetBackupEnabled(false);
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ButtonDef, DefaultTextFromNameOrFolder) {
    const std::string program = dir.Write("prog.exe", "MZ");
    const struct {
        std::string name, text;
    } cases[] = {
        {"Microsoft Word", "Microsoft\\nWord"},
        {"Shortcut to notepad.exe", "Notepad"},
        {"winword.exe", "Winword"},
        {"Adobe Photoshop Elements", "Adobe"}, // rest too long for a line
        {"Extraordinary app", "keep"},         // first word too long
        {"Programfile", "keep"},               // ten or more, no space
        {"", "Prog"},                          // the name derived from the file
        {"écran", "Écran"},
        {"Übersicht", "Übersicht"}, // nine letters in ten bytes
        {"Élément Übersicht", "Élément\\nÜbersicht"},
        {"Übersichten", "keep"}, // ten letters, no space
    };
    for (const auto& c : cases) {
        CButtonDef b = Make(c.name, program);
        b.SetText("keep");
        b.MakeDefaultText();
        EXPECT_EQ(b.Text(), c.text) << c.name;
    }
    dir.Write("Programfile/x", "");
    dir.Write("games/x", "");
    for (const auto& [folder, text] : {std::pair{"Programfile", "keep"}, {"games", "Games"}}) {
        CButtonDef b = Make("", dir.File(folder));
        b.SetText("keep");
        b.MakeDefaultText();
        EXPECT_EQ(b.Text(), text) << folder;
    }
}

TEST_F(ButtonDef, TextSplitsIntoTwoLinesAtBackslashN) {
    CButtonDef b(model);
    for (const auto& [text, one, two] : {std::tuple{"My\\nComputer", "My", "Computer"},
                                         {"\\nSecond", "", "Second"},
                                         {"Single", "Single", ""}}) {
        b.SetText(text);
        EXPECT_EQ(b.TextLine1(), one) << text;
        EXPECT_EQ(b.TextLine2(), two) << text;
    }
}

TEST_F(ButtonDef, RecordLinesForSlotsItemsAndAddresses) {
    const std::string program = dir.Write("run.exe", "MZ");
    const std::string icons = dir.Write("set.ico", "ico");
    const std::string wav = dir.Write("go.wav", "RIFF");
    tp.icons.counts = {{icons, 3}};
    CButtonDef b(model, "Runner\nInjected", program, icons, 2, 2);
    b.SetText("Run\\nIt");
    b.SetParameters("-v");
    b.SetDirectory(dir.Path());
    b.SetSound(wav);
    b.SetBackupEnabled(false);
    EXPECT_EQ(b.WriteRecord(4), "BUTTON 5 " + program + "\r\nNAME Runner Injected\r\n" +
                                    "TEXT Run\\nIt\r\nPARAMETERS -v\r\nDIRECTORY " + dir.Path() +
                                    "\r\nSOUND " + wav + "\r\nICON 2 " + icons +
                                    "\r\nOPEN Maximized\r\nNO_BACKUP\r\nend\r\n");

    // The icon taken from the program itself is written only for an index above 0.
    tp.icons.counts = {{program, 2}};
    CButtonDef own(model, "", program, 3);
    EXPECT_EQ(own.WriteRecord(-1), "ITEM " + program + "\r\nNAME run\r\nOPEN Minimized\r\nend\r\n");
    own.SetIconIndex(1);
    EXPECT_NE(own.WriteRecord(0).find("ICON 1 " + program + "\r\n"), std::string::npos);

    CButtonDef url(model);
    url.SetUrl("https://example.org/");
    EXPECT_EQ(url.WriteRecord(0), "BUTTON_URL 1 https://example.org/\r\nend\r\n");
    EXPECT_EQ(url.WriteRecord(-1), "ITEM_URL https://example.org/\r\nend\r\n");
}

TEST_F(ButtonDef, CopiesOwnTheirScheduleAndNotes) {
    CButtonDef b = Make("", dir.Write("a.exe", "MZ"));
    b.SetSchedule(
        std::make_unique<CSchedule>(tp.clock, "", CSchedule::Daily, 1, 1, 2030, 0, 1, 9, 30, 1));
    auto notes = std::make_unique<CDownloadData>();
    notes->Set(CDownloadData::Author, "Ann");
    b.SetDownloadData(std::move(notes));

    const CButtonDef copy(b);
    b.DownloadData()->Set(CDownloadData::Author, "Bob");
    b.Schedule()->hour = 11;
    ASSERT_NE(copy.Schedule(), nullptr);
    EXPECT_EQ(copy.Schedule()->hour, 9);
    EXPECT_EQ(copy.DownloadData()->Get(CDownloadData::Author), "Ann");
    const std::string lines = copy.WriteRecord(0);
    EXPECT_NE(lines.find("\r\nSCHEDULE Daily"), std::string::npos) << lines;
    EXPECT_NE(lines.find(std::string(DownloadKeyword(CDownloadData::Author)) + " Ann\r\n"),
              std::string::npos);
    EXPECT_EQ(CButtonDef(b, false).Schedule(), nullptr);
}

TEST_F(ButtonDef, StoringStaysInsideTheTable) {
    model.CreateCategory(0, "A");
    model.CreateCategory(1, "B");
    model.SetCurrentCategoryIndex(1);
    const std::string file = dir.Write("f.txt", "f");
    for (int s : {0, 1, 3})
        ASSERT_NE(CButtonDef::CreateAt(model, 1, s, "", file, "", 0, 1), nullptr);
    CButtonDef* made = CButtonDef::CreateAt(model, -1, -1, "", file, "", 0, 1);
    EXPECT_EQ(model.GetButton(1, 2), made);
    EXPECT_EQ(model.GetButton(0, 7), CButtonDef::CopyAt(*made, 0, 7, true));
    for (const auto& [cat, slot] : {std::pair{30, 0}, {-7, 0}, {2, 0}, {0, 100}, {0, -3}})
        EXPECT_EQ(CButtonDef::CreateAt(model, cat, slot, "", file, "", 0, 1), nullptr)
            << cat << " " << slot;
    for (int s = 0; s < kSlotsPerCategory; ++s)
        CButtonDef::CreateAt(model, 0, s, "", file, "", 0, 1);
    EXPECT_EQ(CButtonDef::CreateAt(model, 0, -1, "", file, "", 0, 1), nullptr);
}

TEST_F(ButtonDef, BackupCandidates) {
    model.settings.FileBackupEnabled = true;
    model.settings.FileBackupRootDir = dir.File("backups");
    model.folders.windowsFolder = dir.File("sys");
    model.folders.programFilesFolder = dir.File("opt");
    const std::string file = dir.Write("work.doc", "w");
    const std::string opener = Executable("sys/bin/xdg-open", "#!/bin/sh\n");
    dir.Write("opt/x", "");

    EXPECT_TRUE(Make("", file).IsBackupCandidate(false));
    for (const std::string& target :
         {opener, dir.File("sys"), dir.File("opt"), std::string("/"), dir.File("gone.doc")})
        EXPECT_FALSE(Make("", target).IsBackupCandidate(true)) << target;

    CButtonDef off = Make("", file);
    off.SetBackupEnabled(false);
    EXPECT_FALSE(off.IsBackupCandidate(false));
    EXPECT_TRUE(off.IsBackupCandidate(true));
    model.settings.FileBackupRootDir.clear();
    EXPECT_FALSE(Make("", file).IsBackupCandidate(true));
}

TEST_F(ButtonDef, InternetShortcutFiles) {
    const struct {
        std::string name, contents;
        bool found;
    } cases[] = {
        {"good.url",
         "[Other]\r\nURL=wrong\r\n [internetshortcut] \r\nIcon=1\r\n URL = https://a.example/ \r\n",
         true},
        {"late.URL", "[InternetShortcut]\nURL=\nBaseURL=https://a.example/\n", true},
        {"nosection.url", "URL=https://a.example/\n", false},
        {"malformed.url", "[InternetShortcut]\nurl=https://a.example/\nhttps://a.example/ URL\n",
         false},
        {"plain.txt", "[InternetShortcut]\nURL=https://a.example/\n", false},
    };
    for (const auto& c : cases) {
        CButtonDef b = Make("", dir.Write(c.name, c.contents));
        EXPECT_EQ(b.ReadUrlFile(), c.found) << c.name;
        EXPECT_EQ(b.IsUrl(), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(b.Target(), "https://a.example/");
        }
    }
    dir.Write("unreadable.url/x", ""); // a folder cannot be read as a file
    EXPECT_FALSE(Make("", dir.File("unreadable.url")).ReadUrlFile());
    EXPECT_FALSE(Make("", dir.File("missing.url")).ReadUrlFile());
}

TEST_F(ButtonDef, DesktopEntriesAreResolved) {
    const std::string program = dir.Write("editor.exe", "MZ");
    const std::string picture = dir.Write("editor.svg", "<svg/>");
    tp.icons.counts = {{picture, 1}};
    tp.shortcuts.shortcuts["/apps/ed.desktop"] = {"Text Editor", program, "--new", dir.Path(),
                                                  picture,       0,       2};
    tp.shortcuts.shortcuts["/apps/link.desktop"] = {"", "/apps/ed.desktop", "", "", "", 0, 1};
    tp.shortcuts.shortcuts["/apps/self.desktop"] = {"Self", "/apps/self.desktop", "", "", "", 0, 1};
    tp.shortcuts.shortcuts["/apps/ping.desktop"] = {"Ping", "/apps/pong.desktop", "", "", "", 0, 1};
    tp.shortcuts.shortcuts["/apps/pong.desktop"] = {"Pong", "/apps/ping.desktop", "", "", "", 0, 1};
    tp.shortcuts.shortcuts["/apps/win.lnk"] = {"Win", program, "", "", "", 0, 1};

    const CButtonDef ed = Make("Given", "/apps/ed.desktop");
    EXPECT_EQ(ed.Target(), program);
    EXPECT_EQ(ed.Name(), "Text Editor");
    EXPECT_TRUE(ed.IsExe());
    EXPECT_EQ(ed.Parameters(), "--new");
    EXPECT_EQ(ed.Directory(), dir.Path());
    EXPECT_EQ(ed.OpenMode(), 2);
    EXPECT_EQ(ed.Icon(), (ButtonIcon{IconRole::File, 0, picture, 0}));

    const CButtonDef chained = Make("Given", "/apps/link.desktop");
    EXPECT_EQ(chained.Target(), program);
    EXPECT_EQ(chained.Name(), "Text Editor");

    EXPECT_EQ(Make("", "/apps/self.desktop").Target(), "/apps/self.desktop");
    EXPECT_EQ(Make("", "/apps/ping.desktop").Target(), "/apps/ping.desktop");
    EXPECT_EQ(Make("Given", "/apps/win.lnk").Target(), "/apps/win.lnk");
    EXPECT_EQ(Make("Given", "/apps/unknown.desktop").Name(), "Given");
}

TEST(PathFunctions, DriveRootsExtensionsAndLists) {
    TestPlatform tp;
    TempDir dir;
    for (const auto& [s, root] : {std::pair{"C:", true},
                                  {"z:\\", true},
                                  {"/", true},
                                  {"C:/", false},
                                  {"1:", false},
                                  {"CC:\\", false},
                                  {"", false}})
        EXPECT_EQ(IsDriveRoot(tp.fs, s), root) << s;
    EXPECT_FALSE(IsDriveRoot(tp.fs, dir.Path()));

    for (const auto& [s, ext] : {std::pair{"a.tar.GZ ", "GZ"},
                                 {"/x.d/file", ""},
                                 {"C:\\x.d\\file", ""},
                                 {"noext", ""},
                                 {"", ""}})
        EXPECT_EQ(ExtensionOf(s), ext) << s;

    const std::string file = dir.Write("sub/My.File.txt", "x");
    EXPECT_EQ(FileTitleOf(tp.fs, file), "My.File");
    EXPECT_EQ(FileNameOf(tp.fs, file), "My.File.txt");
    EXPECT_EQ(FolderOf(tp.fs, file), dir.File("sub"));
    EXPECT_EQ(FolderOf(tp.fs, "/"), "/");
    EXPECT_EQ(FileNameOf(tp.fs, "/"), "");
    EXPECT_TRUE(FileExists(tp.fs, "My.File.txt", dir.File("sub")));
    // A wildcard in a name is no pattern for other files.
    EXPECT_FALSE(FileExists(tp.fs, dir.File("sub/*")));
    EXPECT_FALSE(IsExistingFolder(tp.fs, "/"));

    EXPECT_TRUE(StringInList("B", "a", "b"));
    EXPECT_FALSE(StringInList("c", "a", "", "c"));
    for (const auto& [s, cap] : {std::pair{"  wORD ", "Word"}, {"a", "a"}, {" ", ""}})
        EXPECT_EQ(Capitalize(s), cap) << s;
}

} // namespace
