#include "ui/qt/OptionsSheet.h"

#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/FakeShortcutDesktop.h"
#include "tests/support/TestPlatform.h"
#include "ui/GlobalHotkey.h"
#include "ui/MenuIds.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/CustomizeLayoutDialog.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"
#include "ui/qt/OptionsPageWidgets.h"
#include "ui/qt/UpDownSpinBox.h"

namespace {

std::string Config(const std::string& folder) {
    return "DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
           "AutoHide 0\r\nLockWindowPosition 0\r\nSpecialWindowLayout 0\r\n"
           "LayoutRowType 2\r\nLayoutColType 2\r\nNRowsConstant 2\r\nNColsConstant 5\r\n"
           "ShowTimeWeekday 0\r\nShowTimeDate 0\r\nShowTimeTime 0\r\n"
           "BUTTONS\r\nCATEGORY Tools\r\nBUTTON 1 " +
           folder + "/notes.txt\r\nNAME Notes\r\nend\r\nCATEGORY Games\r\n";
}

class OptionsSheetTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    TempDir dir;
    std::unique_ptr<CModel> model;
    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<QtOptionsWindow> window;
    StartupLinkPlaces places;

    void SetUp() override {
        dir.Write("notes.txt", "notes\n");
        dir.Write("Buttons.cfg", Config(dir.Path()));
        model = std::make_unique<CModel>(tp.platform);
        model->programFolder = dir.Path();
        frame = std::make_unique<CMainFrame>(*model);
        frame->Start(StartupState{});
        QApplication::processEvents();
        window = std::make_unique<QtOptionsWindow>(*frame);
        places.autostartFolder = dir.File("config/autostart");
        places.executable = dir.Write("bin/dorvane", "#!/bin/sh\n");
        ::chmod(places.executable.c_str(), 0755);
    }
    std::unique_ptr<COptions> OpenSheet() {
        auto sheet = std::make_unique<COptions>(*model, *window, places, frame.get());
        sheet->show();
        return sheet;
    }
    template <typename T> T* Find(COptions& sheet, const char* name) {
        T* widget = sheet.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Clicks a control of the sheet, on its page as a user would.
    void Click(COptions& sheet, const char* name) {
        auto* button = Find<QAbstractButton>(sheet, name);
        for (int i = 0; i < sheet.Tabs()->count(); ++i)
            if (sheet.Tabs()->widget(i)->isAncestorOf(button))
                sheet.Tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        // On the box or radio indicator: a wide check box takes clicks only there.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    std::string Saved() {
        EXPECT_TRUE(frame->SaveConfiguration());
        return dir.Read("Buttons.cfg");
    }
};

TEST_F(OptionsSheetTest, HasEightPagesInOrderAndOpensOnTheLastOne) {
    auto sheet = OpenSheet();
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral(" Dorvane Settings"));
    ASSERT_EQ(sheet->Tabs()->count(), 8);
    EXPECT_EQ(sheet->Tabs()->tabText(0), QStringLiteral("Window Placement"));
    EXPECT_EQ(sheet->Tabs()->tabText(7), QStringLiteral("Miscellaneous"));
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
    sheet->Tabs()->setCurrentIndex(5);
    sheet->reject();
    EXPECT_EQ(model->settings.ActiveOptionsPropPage, 5);
    EXPECT_FALSE(model->settingsModified);
    EXPECT_EQ(OpenSheet()->Tabs()->currentIndex(), 5);

    model->settings.ActiveOptionsPropPage = 9;
    EXPECT_EQ(OpenSheet()->Tabs()->currentIndex(), 0);
}

TEST_F(OptionsSheetTest, WidthUpDownWidensTheButtonsAtOnceAndIsSaved) {
    auto sheet = OpenSheet();
    sheet->Tabs()->setCurrentIndex(4);
    const int before = frame->View()->Slot(0)->width();
    auto* width = Find<UpDownSpinBox>(*sheet, "buttonWidth");
    width->stepBy(1);
    EXPECT_EQ(model->settings.ButtonWidth, 55);
    EXPECT_EQ(frame->View()->Slot(0)->width(), before + 1) << "applied while the user clicks";
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(width, QStringLiteral("100"));
    width->stepBy(1);
    EXPECT_EQ(width->value(), 100) << "refused at the limit";
    EXPECT_EQ(model->settings.ButtonWidth, 55) << "a typed value waits for Apply";
    Click(*sheet, "ok");
    EXPECT_EQ(model->settings.ButtonWidth, 100);
    EXPECT_NE(Saved().find("ButtonWidth 100\r\n"), std::string::npos);
}

TEST_F(OptionsSheetTest, TextModeAndDefaultsApplyAtOnce) {
    auto sheet = OpenSheet();
    Click(*sheet, "textNone");
    EXPECT_EQ(model->settings.TextOnButtons, 0);
    EXPECT_TRUE(frame->View()->Slot(0)->Lines().isEmpty()) << "icons without text";
    Click(*sheet, "useDefaults");
    EXPECT_EQ(model->settings.ButtonWidth, 42);
    EXPECT_EQ(model->settings.ButtonHeight, 42);
    EXPECT_EQ(Find<UpDownSpinBox>(*sheet, "buttonHeight")->value(), 42);
    EXPECT_EQ(frame->View()->Slot(0)->height(), 42);
}

TEST_F(OptionsSheetTest, ApplyFollowsTheModifiedPagesAndShowsInTheCaption) {
    auto sheet = OpenSheet();
    auto* apply = Find<QPushButton>(*sheet, "apply");
    EXPECT_FALSE(apply->isEnabled());
    Click(*sheet, "format1");
    EXPECT_TRUE(apply->isEnabled());
    Click(*sheet, "showConfigName");
    EXPECT_EQ(model->settings.CatNameFormat, 4) << "radio buttons wait for Apply";
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(model->settings.CatNameFormat, 1);
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Category = Tools")), -1)
        << frame->windowTitle().toStdString();
    EXPECT_NE(Saved().find("CatNameFormat 1\r\nShowConfigName 0\r\n"), std::string::npos);
}

TEST_F(OptionsSheetTest, CancelKeepsWhatPushButtonsAppliedAndDropsTheBoxes) {
    auto sheet = OpenSheet();
    Click(*sheet, "autoHide");
    Click(*sheet, "left");
    EXPECT_EQ(model->settings.SpecialWindowLayout, 2);
    EXPECT_TRUE(Find<QCheckBox>(*sheet, "hideMenuBar")->isChecked());
    EXPECT_FALSE(Find<QPushButton>(*sheet, "widthToScreen")->isEnabled());
    Click(*sheet, "top");
    EXPECT_FALSE(Find<QCheckBox>(*sheet, "hideMenuBar")->isChecked());
    EXPECT_TRUE(Find<QPushButton>(*sheet, "widthToScreen")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*sheet, "heightToScreen")->isEnabled());
    Click(*sheet, "cancel");
    EXPECT_EQ(model->settings.SpecialWindowLayout, 1) << "the window stays docked at the top";
    EXPECT_FALSE(model->settings.AutoHide) << "the box is not applied";
    EXPECT_NE(Saved().find("SpecialWindowLayout 1\r\n"), std::string::npos);
}

TEST_F(OptionsSheetTest, DatePreviewFollowsTheRadioButtons) {
    tp.clock.now = LocalDateTime{2026, 12, 8, 14, 5, 0, 2};
    auto sheet = OpenSheet();
    Click(*sheet, "weekdayFull");
    EXPECT_EQ(Find<QLineEdit>(*sheet, "preview")->text(), QStringLiteral("Tuesday  "));
    Click(*sheet, "time24");
    EXPECT_EQ(Find<QLineEdit>(*sheet, "preview")->text(), QStringLiteral("Tuesday,   14:05"));
    Click(*sheet, "ok");
    EXPECT_EQ(model->settings.ShowTimeTime, 2);
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Tuesday,   14:05")), -1);
}

TEST_F(OptionsSheetTest, WindowSoundAndLockBoxesApplyOnOkAndAreSaved) {
    auto sheet = OpenSheet();
    Click(*sheet, "lockPosition");
    Click(*sheet, "keepOnTop");
    Click(*sheet, "playChimes");
    EXPECT_FALSE(model->settings.TopMost) << "boxes wait for OK";
    Click(*sheet, "ok");
    EXPECT_TRUE(model->settings.LockWindowPosition);
    EXPECT_TRUE(model->settings.PlayChimes);
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const std::string saved = Saved();
    EXPECT_NE(saved.find("TopMost 1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("PlayChimes 1\r\n"), std::string::npos);
    EXPECT_NE(saved.find("LockWindowPosition 1\r\n"), std::string::npos);
}

TEST_F(OptionsSheetTest, SetSoundsOpensTheDefaultSoundsDialogAtOnce) {
    auto sheet = OpenSheet();
    sheet->Tabs()->setCurrentIndex(3);
    QApplication::processEvents();
    QString title;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            dialog->close();
        }
    });
    QTest::mouseClick(Find<QPushButton>(*sheet, "setSounds"), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral(" Default Sounds for Button Actions"));
}

TEST_F(OptionsSheetTest, MenuBarPageHidesTheMenuBar) {
    auto sheet = OpenSheet();
    Click(*sheet, "hideMenuBar");
    Click(*sheet, "ok");
    EXPECT_FALSE(model->settings.MenuVisible);
    EXPECT_FALSE(frame->menuBar()->isVisibleTo(frame.get()));
}

TEST_F(OptionsSheetTest, StartupBoxCreatesTheAutostartEntry) {
    auto sheet = OpenSheet();
    auto* box = Find<QCheckBox>(*sheet, "startWithSession");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text().remove(QLatin1Char('&')),
              QStringLiteral("Start Dorvane when you log in"));
    Click(*sheet, "startWithSession");
    Click(*sheet, "apply");
    EXPECT_TRUE(box->isChecked());
    EXPECT_NE(dir.Read("config/autostart/Dorvane 10.desktop").find("Exec="), std::string::npos);
}

TEST_F(OptionsSheetTest, SettingsCommandOpensTheSheetModally) {
    QString title;
    bool modalWhileOpen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            modalWhileOpen = model->modal;
            dialog->close();
        }
    });
    frame->RunCommand(IdSettings);
    EXPECT_EQ(title, QStringLiteral(" Dorvane Settings"));
    EXPECT_TRUE(modalWhileOpen);
    EXPECT_FALSE(model->modal);
}

TEST_F(OptionsSheetTest, LayoutDialogExcludesTwoVariableCountsAndUndocksOnApply) {
    model->settings.LayoutRowType = 1;
    model->settings.LayoutColType = 3;
    model->settings.SpecialWindowLayout = 3;
    CCustomizeLayoutDlg dialog(*model, frame.get());
    dialog.show();
    const auto find = [&](const char* name) {
        return dialog.findChild<QWidget*>(QString::fromLatin1(name));
    };
    EXPECT_FALSE(find("colsVariable")->isEnabled());
    EXPECT_FALSE(find("colsCount")->isEnabled());
    QTest::mouseClick(find("colsUserSpecified"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_TRUE(find("colsCount")->isEnabled());
    auto* cols = static_cast<UpDownSpinBox*>(find("colsCount"));
    cols->stepBy(1);
    cols->stepBy(1);
    EXPECT_EQ(cols->value(), 7) << "from the stored 5";
    EXPECT_EQ(model->settings.LayoutColType, 3) << "shown, not applied";
    QTest::mouseClick(find("apply"), Qt::LeftButton);
    EXPECT_EQ(model->settings.SpecialWindowLayout, 0);
    EXPECT_EQ(model->settings.LayoutColType, 2);
    EXPECT_EQ(model->settings.NColsConstant, 7);
    EXPECT_EQ(frame->View()->Grid().cols, 7);
    EXPECT_TRUE(dialog.isVisible()) << "Apply keeps the dialog open";
}

// The sheet over a window whose global shortcut runs on a fake desktop.
class HotkeyOptionsWindow : public QtOptionsWindow {
  public:
    HotkeyOptionsWindow(CMainFrame& frame, CGlobalHotkey& hotkey)
        : QtOptionsWindow(frame), hotkey_(hotkey) {}
    CGlobalHotkey* GlobalHotkey() override { return &hotkey_; }

  private:
    CGlobalHotkey& hotkey_;
};

class HotkeyPageTest : public OptionsSheetTest {
  protected:
    FakeShortcutDesktop desktop;
    std::unique_ptr<CGlobalHotkey> hotkey;
    std::unique_ptr<HotkeyOptionsWindow> hotkeyWindow;

    std::unique_ptr<COptions> OpenMisc(const std::string& stored) {
        if (!stored.empty())
            tp.profile.strings[kGlobalHotkeyKey] = stored;
        hotkey = std::make_unique<CGlobalHotkey>(tp.profile, desktop, [] {});
        hotkey->Start();
        hotkeyWindow = std::make_unique<HotkeyOptionsWindow>(*frame, *hotkey);
        auto sheet = std::make_unique<COptions>(*model, *hotkeyWindow, places, frame.get());
        sheet->show();
        sheet->Tabs()->setCurrentIndex(7);
        return sheet;
    }
    QString Status(COptions& sheet) { return Find<QLabel>(sheet, "globalHotkeyStatus")->text(); }
};

TEST_F(HotkeyPageTest, RecordedCombinationGoesToTheProfileNotTheConfiguration) {
    auto sheet = OpenMisc("");
    auto* edit = Find<QKeySequenceEdit>(*sheet, "globalHotkey");
    EXPECT_EQ(edit->accessibleName(), QStringLiteral("Global shortcut"));
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(Status(*sheet), QStringLiteral("No shortcut is set."));
    QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(edit->keySequence().count(), 1) << "the second combination replaces the first";
    Click(*sheet, "ok");
    EXPECT_EQ(tp.profile.strings[kGlobalHotkeyKey], "Ctrl+Alt+E");
    EXPECT_EQ(desktop.bound, std::vector<std::string>{"Ctrl+Alt+E"});
    EXPECT_FALSE(model->settingsModified);
    EXPECT_EQ(Saved().find("Ctrl+Alt"), std::string::npos);
}

TEST_F(HotkeyPageTest, TakenCombinationIsReportedAndClearReleasesIt) {
    desktop.taken = {"Ctrl+Alt+D"};
    auto sheet = OpenMisc("Ctrl+Alt+D");
    EXPECT_EQ(Status(*sheet),
              QStringLiteral("Ctrl+Alt+D is used by another program. Choose another combination."));
    Click(*sheet, "clearGlobalHotkey");
    EXPECT_TRUE(Find<QKeySequenceEdit>(*sheet, "globalHotkey")->keySequence().isEmpty());
    Click(*sheet, "apply");
    EXPECT_EQ(tp.profile.strings[kGlobalHotkeyKey], "");
    EXPECT_EQ(Status(*sheet), QStringLiteral("No shortcut is set."));
}

TEST_F(HotkeyPageTest, KeyWithoutModifierIsRefusedAndTabLeavesTheField) {
    auto sheet = OpenMisc("Ctrl+Alt+D");
    auto* edit = Find<QKeySequenceEdit>(*sheet, "globalHotkey");
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->keySequence().toString(QKeySequence::PortableText),
              QStringLiteral("Ctrl+Alt+D"))
        << "Tab and Esc keep their meaning in the dialog";
    edit->clear();
    QTest::keyClick(edit, Qt::Key_D, Qt::ShiftModifier);
    EXPECT_TRUE(Status(*sheet).startsWith(QStringLiteral("Add Ctrl, Alt or Super")))
        << Status(*sheet).toStdString();
    Click(*sheet, "apply");
    EXPECT_EQ(tp.profile.strings[kGlobalHotkeyKey], "Ctrl+Alt+D");
    EXPECT_EQ(desktop.unbinds, 0);
}

TEST_F(HotkeyPageTest, WithoutADesktopThatOffersShortcutsTheOptionSaysSoAndIsDisabled) {
    desktop.x11 = false;
    desktop.wayland = true;
    auto sheet = OpenMisc("");
    EXPECT_FALSE(Find<QKeySequenceEdit>(*sheet, "globalHotkey")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*sheet, "clearGlobalHotkey")->isEnabled());
    EXPECT_EQ(Status(*sheet),
              QStringLiteral("This Wayland desktop offers no global shortcuts to programs."));
}

} // namespace
