#include "ui/GlobalHotkey.h"

#include <gtest/gtest.h>

#include "platform/KeyCombination.h"
#include "tests/support/FakeShortcutDesktop.h"
#include "tests/support/Fakes.h"

namespace {

TEST(KeyCombinationParse, AcceptsOneKeyWithModifiersInAnyOrderAndCase) {
    struct Case {
        const char* text;
        const char* canonical; // nullptr: refused
    };
    const Case cases[] = {
        {"Ctrl+Alt+D", "Ctrl+Alt+D"},
        {"alt+ctrl+d", "Ctrl+Alt+D"},
        {" Meta+Shift+F12 ", "Shift+Meta+F12"},
        {"Super+space", "Meta+Space"},
        {"Ctrl++", "Ctrl++"},
        {"Ctrl+Alt+,", "Ctrl+Alt+,"},
        {"control+pgdown", "Ctrl+PgDown"},
        {"F13", "F13"},
        {"Ctrl+Alt", nullptr},
        {"Ctrl+Ctrl+D", nullptr},
        {"Ctrl+D, Ctrl+E", nullptr},
        {"Hyper+D", nullptr},
        {"Ctrl+Foo", nullptr},
        {"Ctrl+F0", nullptr},
        {"Ctrl+F36", nullptr},
        {"Ctrl+", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseKeyCombination(c.text);
        if (c.canonical == nullptr) {
            EXPECT_FALSE(parsed) << c.text;
            continue;
        }
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(KeyCombinationText(*parsed), c.canonical) << c.text;
    }
}

TEST(KeyCombinationParse, OnlyModifiedKeysAndFunctionKeysMayBeGlobal) {
    for (const char* bad : {"D", "Shift+D", "Space", "Shift+Return"})
        EXPECT_NE(GlobalCombinationProblem(*ParseKeyCombination(bad)), "") << bad;
    for (const char* good : {"Ctrl+D", "Alt+Space", "Meta+E", "F9", "Shift+F1"})
        EXPECT_EQ(GlobalCombinationProblem(*ParseKeyCombination(good)), "") << good;
}

TEST(KeyCombinationParse, NamesKeysForXAndForThePortal) {
    struct Case {
        const char* text;
        std::uint32_t keysym;
        const char* trigger;
    };
    const Case cases[] = {
        {"Ctrl+Alt+D", 0x64, "CTRL+ALT+d"},  {"Meta+5", 0x35, "LOGO+5"},
        {"Alt+F12", 0xffc9, "ALT+F12"},      {"Ctrl+PgUp", 0xff55, "CTRL+Prior"},
        {"Ctrl+,", 0x2c, "CTRL+comma"},      {"Shift+Alt+Space", 0x20, "ALT+SHIFT+space"},
        {"Ctrl+Del", 0xffff, "CTRL+Delete"},
    };
    for (const Case& c : cases) {
        const KeyCombination k = *ParseKeyCombination(c.text);
        EXPECT_EQ(KeyX11Keysym(k.key), c.keysym) << c.text;
        EXPECT_EQ(KeyPortalTrigger(k), c.trigger) << c.text;
    }
    EXPECT_EQ(KeyX11Keysym("Foo"), 0u);
}

class GlobalHotkeyTest : public testing::Test {
  protected:
    FakeProfile profile;
    FakeShortcutDesktop desktop;
    int activations = 0;
    int stateChanges = 0;
    CGlobalHotkey hotkey{profile, desktop, [this] { ++activations; }};

    void SetUp() override {
        hotkey.SetStateListener([this] { ++stateChanges; });
    }
};

TEST_F(GlobalHotkeyTest, WithoutAStoredCombinationStartAsksNothingOfTheDesktop) {
    hotkey.Start();
    EXPECT_EQ(hotkey.State(), HotkeyState::None);
    EXPECT_EQ(desktop.probes, 0);
    EXPECT_TRUE(desktop.created.empty());
}

TEST_F(GlobalHotkeyTest, StoredCombinationIsBoundAtStartAndPressesComeThrough) {
    profile.strings[kGlobalHotkeyKey] = "Ctrl+Alt+D";
    hotkey.Start();
    EXPECT_EQ(desktop.created, std::vector{ShortcutBackend::X11});
    EXPECT_EQ(desktop.bound, std::vector<std::string>{"Ctrl+Alt+D"});
    EXPECT_EQ(hotkey.State(), HotkeyState::Active);
    desktop.activate();
    EXPECT_EQ(activations, 1);
}

TEST_F(GlobalHotkeyTest, CombinationHeldByAnotherProgramIsReportedAndKept) {
    profile.strings[kGlobalHotkeyKey] = "Ctrl+Alt+D";
    desktop.taken = {"Ctrl+Alt+D"};
    hotkey.Start();
    EXPECT_EQ(hotkey.State(), HotkeyState::TakenByOther);
    EXPECT_EQ(hotkey.StatusText(),
              "Ctrl+Alt+D is used by another program. Choose another combination.");
    EXPECT_EQ(profile.strings[kGlobalHotkeyKey], "Ctrl+Alt+D");

    // Once the other program let go, applying the same combination asks again;
    // applying it while it is in effect asks nothing.
    desktop.taken.clear();
    EXPECT_EQ(hotkey.Set("Ctrl+Alt+D"), "");
    EXPECT_EQ(hotkey.State(), HotkeyState::Active);
    EXPECT_EQ(hotkey.Set("Ctrl+Alt+D"), "");
    EXPECT_EQ(desktop.bound, (std::vector<std::string>{"Ctrl+Alt+D", "Ctrl+Alt+D"}));
}

TEST_F(GlobalHotkeyTest, SetStoresTheCanonicalTextAndClearReleasesIt) {
    hotkey.Start();
    EXPECT_EQ(hotkey.Set("alt+ctrl+k"), "");
    EXPECT_EQ(profile.strings[kGlobalHotkeyKey], "Ctrl+Alt+K");
    EXPECT_EQ(hotkey.State(), HotkeyState::Active);

    EXPECT_EQ(hotkey.Set("Ctrl+Alt+L"), "");
    EXPECT_EQ(desktop.bound, (std::vector<std::string>{"Ctrl+Alt+K", "Ctrl+Alt+L"}));
    EXPECT_EQ(desktop.unbinds, 1) << "the old combination is released";

    EXPECT_EQ(hotkey.Set(""), "");
    EXPECT_EQ(desktop.unbinds, 2);
    EXPECT_EQ(profile.strings[kGlobalHotkeyKey], "");
    EXPECT_EQ(hotkey.State(), HotkeyState::None);
}

TEST_F(GlobalHotkeyTest, UnusableCombinationChangesNothing) {
    profile.strings[kGlobalHotkeyKey] = "Ctrl+Alt+D";
    hotkey.Start();
    for (const char* bad : {"D", "Ctrl+Alt", "Ctrl+D, Ctrl+E"}) {
        EXPECT_NE(hotkey.Set(bad), "") << bad;
        EXPECT_EQ(profile.strings[kGlobalHotkeyKey], "Ctrl+Alt+D");
        EXPECT_EQ(hotkey.State(), HotkeyState::Active);
    }
    EXPECT_EQ(desktop.unbinds, 0);
}

TEST_F(GlobalHotkeyTest, StoredGarbageIsReportedNotBound) {
    profile.strings[kGlobalHotkeyKey] = "Ctrl+Banana";
    hotkey.Start();
    EXPECT_EQ(hotkey.State(), HotkeyState::Invalid);
    EXPECT_TRUE(desktop.bound.empty());
}

TEST_F(GlobalHotkeyTest, BackendFollowsTheSession) {
    struct Case {
        bool x11, wayland, portal;
        ShortcutBackend backend; // None: unsupported
    };
    const Case cases[] = {
        {true, false, false, ShortcutBackend::X11},
        {true, false, true, ShortcutBackend::X11},
        {false, true, true, ShortcutBackend::Portal},
        {true, true, true, ShortcutBackend::Portal}, // XWayland: keys reach X only in focus
        {true, true, false, ShortcutBackend::None},
        {false, false, false, ShortcutBackend::None},
    };
    for (const Case& c : cases) {
        FakeProfile p;
        p.strings[kGlobalHotkeyKey] = "Ctrl+Alt+D";
        FakeShortcutDesktop d;
        d.x11 = c.x11;
        d.wayland = c.wayland;
        d.portal = c.portal;
        CGlobalHotkey h(p, d, [] {});
        h.Start();
        if (c.backend == ShortcutBackend::None) {
            EXPECT_TRUE(d.created.empty());
            EXPECT_EQ(h.State(), HotkeyState::Unsupported);
            EXPECT_FALSE(h.Available());
            EXPECT_NE(h.StatusText().find(c.wayland ? "Wayland desktop offers no" : "need an X11"),
                      std::string::npos)
                << h.StatusText();
        } else {
            EXPECT_EQ(d.created, std::vector{c.backend});
            EXPECT_TRUE(h.Available());
        }
    }
}

TEST_F(GlobalHotkeyTest, LateAnswerForAReplacedCombinationIsIgnored) {
    desktop.x11 = false;
    desktop.wayland = true;
    desktop.portal = true;
    desktop.deferAnswers = true;
    hotkey.Start();
    hotkey.Set("Ctrl+Alt+A");
    EXPECT_EQ(hotkey.State(), HotkeyState::Pending);
    EXPECT_EQ(hotkey.StatusText(), "Waiting for the desktop to accept Ctrl+Alt+A...");
    hotkey.Set("Ctrl+Alt+B");
    const int changes = stateChanges;
    desktop.Answer(0, ShortcutGrab::Active);
    EXPECT_EQ(hotkey.State(), HotkeyState::Pending);
    EXPECT_EQ(stateChanges, changes);
    desktop.Answer(1, ShortcutGrab::Refused);
    EXPECT_EQ(hotkey.State(), HotkeyState::Refused);
    EXPECT_EQ(stateChanges, changes + 1) << "the page learns of the late answer";
    EXPECT_EQ(desktop.probes, 1) << "the portal is asked once";
}

TEST_F(GlobalHotkeyTest, RecordedChoiceIsExplainedBeforeItIsApplied) {
    profile.strings[kGlobalHotkeyKey] = "Ctrl+Alt+D";
    hotkey.Start();
    struct Case {
        const char* recorded;
        const char* text;
    };
    const Case cases[] = {
        {"alt+ctrl+d", "Press Ctrl+Alt+D anywhere to bring up Dorvane and find a button."},
        {"Ctrl+Alt+K", "OK or Apply makes Ctrl+Alt+K the shortcut."},
        {"", "OK or Apply removes the shortcut."},
        {"Shift+K", "Add Ctrl, Alt or Super to Shift+K: alone it would stop working in every "
                    "other program."},
        {"Ctrl+D, Ctrl+E", "\"Ctrl+D, Ctrl+E\" is no key combination Dorvane can use."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hotkey.ChoiceText(c.recorded), c.text) << c.recorded;
    EXPECT_EQ(hotkey.Combination(), "Ctrl+Alt+D") << "explaining changes nothing";
}

} // namespace
