#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Category.h"
#include "model/Model.h"
#include "schedule/Schedule.h"
#include "tests/support/TestIconTheme.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/ButtonEditing.h"
#include "ui/Caption.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/ThemePictureStore.h"
#include "ui/MenuIds.h"
#include "ui/qt/TrayIcon.h"
#include "ui/Tooltips.h"
#include "ui/qt/Tutorial.h"

namespace {

std::string Config(const std::string& folder, const std::string& settings) {
    return "DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n" + settings +
           "AutoHide 0\r\nLockWindowPosition 0\r\nSpecialWindowLayout 0\r\n"
           "ShowTimeWeekday 0\r\nShowTimeDate 0\r\nShowTimeTime 0\r\n"
           "BUTTONS\r\nCATEGORY Tools\r\n"
           "BUTTON 1 " +
           folder +
           "/tool.sh\r\nNAME Tool\r\nTEXT Big\\nTool\r\nend\r\n"
           "BUTTON 3 " +
           folder +
           "/notes.txt\r\nNAME Notes\r\nTEXT Notes\r\nend\r\n"
           "CATEGORY Games\r\n"
           "BUTTON 1 " +
           folder +
           "\r\nNAME Here\r\nend\r\n"
           "CATEGORY Work\r\n";
}

const char* kGrid2x5 = "TextOnButtons 2\r\nLayoutRowType 2\r\nLayoutColType 2\r\n"
                       "NRowsConstant 2\r\nNColsConstant 5\r\n";

QAction* FindAction(QWidget* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == id)
            return action;
        if (action->menu())
            if (QAction* found = FindAction(action->menu(), id))
                return found;
    }
    return nullptr;
}

class MainFrameTest : public WindowFixture {
  protected:
    void Start(const std::string& settings = kGrid2x5,
               const std::function<void(CMainFrame&)>& beforeStart = {}) {
        dir.Write("tool.sh", "#!/bin/sh\n");
        dir.Write("notes.txt", "notes\n");
        StartWindow(Config(dir.Path(), settings), beforeStart);
    }
    CDorvaneView& View() { return *frame->View(); }
    int VisibleSlots() {
        int n = 0;
        for (int i = 0; i < kSlotsPerCategory; ++i)
            n += View().Slot(i)->isVisibleTo(frame.get()) ? 1 : 0;
        return n;
    }
    // The state the menu shows once opened.
    QAction* OpenedAction(int id) {
        for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
            Q_EMIT menu->aboutToShow();
        return FindAction(frame->menuBar(), id);
    }
};

QColor Middle(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST_F(MainFrameTest, StartPaintsTheLastRunsDocumentPicturesAndThenTheThemes) {
    const TestIconTheme theme(dir, 32, {{"text-plain.png", Qt::blue}});
    const ThemePictureStore store(QString::fromStdString(dir.File("store")));
    QPixmap red(32, 32);
    red.fill(Qt::red);
    store.Save(QStringLiteral("text/plain"), 32, red);
    QColor painted;
    Start(kGrid2x5, [&](CMainFrame& window) {
        window.View()->Icons().UseStore(&store);
        QObject::connect(&window, &CMainFrame::FirstPaint,
                         [&] { painted = Middle(View().Slot(2)->Picture()); });
    });
    EXPECT_EQ(painted, QColor(Qt::red));
    EXPECT_EQ(Middle(View().Slot(2)->Picture()), QColor(Qt::blue));
    frame.reset();
}

TEST_F(MainFrameTest, StartCategoryFillsTheGridWithTheModelsButtons) {
    Start();
    EXPECT_EQ(model->CurrentCategory()->Name(), "Tools");
    EXPECT_EQ(VisibleSlots(), 10) << "2 rows of 5";
    ButtonSlot* first = View().Slot(0);
    ASSERT_EQ(first->Lines().size(), 2);
    EXPECT_EQ(first->Lines()[0].text, QStringLiteral("Big"));
    EXPECT_EQ(first->Lines()[1].text, QStringLiteral("Tool"));
    EXPECT_TRUE(View().Slot(1)->Lines().isEmpty()) << "an empty slot has no text";
    EXPECT_FALSE(View().Slot(1)->Picture().isNull()) << "but the empty-slot picture";
    EXPECT_EQ(View().Slot(2)->Lines().value(0).text, QStringLiteral("Notes"));

    const CSettings& s = model->settings;
    const Rect r = SlotRect(View().Grid(), s.ButtonWidth, s.ButtonHeight, 6);
    EXPECT_EQ(View().Slot(6)->geometry(), QRect(r.x, r.y, r.w, r.h));
    EXPECT_EQ(frame->windowTitle().toStdString(), CaptionText(*model));
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Buttons: Tools")), -1);
}

TEST_F(MainFrameTest, IconModeDrawsNoText) {
    Start("TextOnButtons 0\r\nLayoutRowType 2\r\nLayoutColType 2\r\n"
          "NRowsConstant 1\r\nNColsConstant 4\r\n");
    EXPECT_EQ(VisibleSlots(), 4);
    EXPECT_TRUE(View().Slot(0)->Lines().isEmpty());
    EXPECT_FALSE(View().Slot(0)->Picture().isNull());
}

TEST_F(MainFrameTest, VariableRowsFollowTheUsedSlots) {
    Start("TextOnButtons 1\r\nLayoutRowType 1\r\nLayoutColType 2\r\nNColsConstant 2\r\n");
    EXPECT_EQ(View().Grid().rows, 2) << "slot 3 is used: two rows of two";
    CButtonDef::CreateAt(*model, -1, 6, "More", dir.Path(), "", 0, 1);
    View().RelayoutIfRowsChanged();
    EXPECT_EQ(View().Grid().rows, 4);
    EXPECT_EQ(VisibleSlots(), 8);
}

TEST_F(MainFrameTest, CategoryMenusAndArrowsShowOtherCategories) {
    Start();
    QAction* games = FindAction(frame->menuBar(), kFirstCategoryId + 1);
    ASSERT_NE(games, nullptr);
    EXPECT_EQ(games->text(), QStringLiteral("Games"));
    EXPECT_TRUE(FindAction(frame->menuBar(), kFirstCategoryId)->isChecked());
    games->trigger();
    EXPECT_EQ(model->CurrentCategoryIndex(), 1);
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("Games")), -1);
    EXPECT_TRUE(FindAction(frame->menuBar(), kFirstCategoryId + 1)->isChecked());
    EXPECT_FALSE(FindAction(frame->menuBar(), kFirstCategoryId)->isChecked());
    EXPECT_TRUE(FindAction(frame->SystemMenu(), kFirstSystemCategoryId + 1)->isChecked());

    // A renamed category shows under its new name in both lists.
    model->Category(1)->SetName("Puzzles");
    frame->RebuildCategoryMenus();
    EXPECT_EQ(FindAction(frame->menuBar(), kFirstCategoryId + 1)->text(),
              QStringLiteral("Puzzles"));
    EXPECT_EQ(FindAction(frame->SystemMenu(), kFirstSystemCategoryId + 1)->text(),
              QStringLiteral("Puzzles"));

    frame->RunCommand(IdCategoryDown);
    EXPECT_EQ(model->CurrentCategoryIndex(), 2);
    frame->RunCommand(IdCategoryDown);
    EXPECT_EQ(model->CurrentCategoryIndex(), 0) << "wraps from the last to the first";
    frame->RunCommand(IdCategoryUp);
    EXPECT_EQ(model->CurrentCategoryIndex(), 2) << "wraps from the first to the last";
}

TEST_F(MainFrameTest, MenuStatesFollowTheModel) {
    Start();
    EXPECT_FALSE(model->settingsModified);
    EXPECT_FALSE(OpenedAction(IdConfigSave)->isEnabled()) << "nothing to save yet";
    model->SetModified();
    EXPECT_TRUE(OpenedAction(IdConfigSave)->isEnabled());
    EXPECT_TRUE(OpenedAction(IdTutorial)->isEnabled());

    model->editState.moveMode = true;
    frame->RefreshMenus();
    const auto topEnabled = [this](const char* name) {
        return frame->menuBar()
            ->findChild<QMenu*>(QString::fromLatin1(name))
            ->menuAction()
            ->isEnabled();
    };
    EXPECT_FALSE(topEnabled("Setup"));
    EXPECT_FALSE(topEnabled("Open"));
    EXPECT_TRUE(topEnabled("Categories"));
    EXPECT_TRUE(topEnabled("Help"));
    model->editState = {};
    frame->RefreshMenus();
    EXPECT_TRUE(topEnabled("Setup"));
}

TEST_F(MainFrameTest, ShortCaptionsRenameTheTopMenus) {
    Start();
    model->settings.ShortMenuCaptions = true;
    frame->RefreshMenus();
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions())
        if (action->menu())
            titles << action->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("Confi&gs")));
    EXPECT_TRUE(titles.contains(QStringLiteral("&Cats")));
    EXPECT_TRUE(titles.contains(QStringLiteral("&Favs")));
    EXPECT_NE(FindAction(frame->menuBar(), IdCategoryCreate), nullptr) << "items kept";
}

TEST_F(MainFrameTest, MenuBarButtonsFollowTheSettings) {
    Start();
    EXPECT_NE(frame->menuBar()->findChild<QAction*>(QStringLiteral("bitmap219")), nullptr);
    EXPECT_NE(frame->menuBar()->findChild<QAction*>(QStringLiteral("bitmap230")), nullptr)
        << "three categories: the arrows show";
    model->settings.MenuShowPushpin = false;
    frame->RebuildMenuBar();
    EXPECT_EQ(frame->menuBar()->findChild<QAction*>(QStringLiteral("bitmap219")), nullptr);

    const bool autoHide = model->settings.AutoHide;
    frame->RunCommand(IdPushpin);
    EXPECT_NE(model->settings.AutoHide, autoHide);
    EXPECT_FALSE(model->settingsModified) << "the pushpin alone marks nothing changed";
}

TEST_F(MainFrameTest, TrayMenuHoldsOnlyExit) {
    Start();
    const QList<QAction*> actions = frame->Tray().Menu()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Exit"));
}

TEST_F(MainFrameTest, ClosingSavesAModifiedConfiguration) {
    Start();
    model->CreateCategory(-1, "Added");
    model->SetModified();
    EXPECT_TRUE(frame->close());
    EXPECT_NE(dir.Read("Buttons.cfg").find("CATEGORY Added"), std::string::npos);
    EXPECT_TRUE(model->closing);
}

TEST_F(MainFrameTest, ClosingUnmodifiedLeavesTheFileAlone) {
    Start();
    const std::string before = dir.Read("Buttons.cfg");
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(dir.Read("Buttons.cfg"), before);
}

TEST_F(MainFrameTest, FailedSaveOnClosingCanKeepTheWindowOpen) {
    Start();
    model->SetModified();
    model->programFolder = dir.Path() + "/gone";
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(model->closing);
    ASSERT_FALSE(tp.prompter.messages.empty());
    EXPECT_EQ(tp.prompter.messages.back().caption, "Save Failed");
    EXPECT_TRUE(model->settingsModified) << "the changes are still there to save";
}

TEST_F(MainFrameTest, NothingCollapsesBehindAMessageBox) {
    Start();
    model->settings.AutoHide = true;
    model->modal = true;
    QEvent change(QEvent::ActivationChange);
    QApplication::sendEvent(frame.get(), &change);
    QApplication::processEvents();
    EXPECT_FALSE(frame->Geometry().collapsed);

    model->modal = false;
    QApplication::sendEvent(frame.get(), &change);
    QApplication::processEvents();
    EXPECT_EQ(frame->Geometry().collapsed, !frame->isActiveWindow())
        << "without the message box the same change does collapse an inactive window";
}

TEST_F(MainFrameTest, OnlyTheFirstDroppedFileIsHandedOn) {
    Start();
    QObject::disconnect(frame.get(), &CMainFrame::FileDropped, nullptr, nullptr);
    QSignalSpy spy(frame.get(), &CMainFrame::FileDropped);
    frame->HandleDrop({QStringLiteral("/nonexistent/a"), QStringLiteral("/nonexistent/b"),
                       QStringLiteral("/nonexistent/c")},
                      QPoint(3, 3));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("/nonexistent/a"));
}

TEST_F(MainFrameTest, TutorialSuspendsAutoHideAndStepsThroughItsLessons) {
    Start();
    model->settings.AutoHide = true;
    frame->RunCommand(IdTutorial);
    Tutorial* tutorial = frame->TutorialWindow();
    ASSERT_NE(tutorial, nullptr);
    EXPECT_FALSE(model->settings.AutoHide);
    EXPECT_FALSE(OpenedAction(IdTutorial)->isEnabled()) << "no second tutorial";

    auto* previous = tutorial->findChild<QPushButton*>(QStringLiteral("previous"));
    auto* next = tutorial->findChild<QPushButton*>(QStringLiteral("next"));
    EXPECT_FALSE(previous->isEnabled());
    for (int i = 0; i < 25 && next->isEnabled(); ++i)
        next->click();
    EXPECT_EQ(tutorial->Step(), 19);
    EXPECT_TRUE(previous->isEnabled());
    EXPECT_EQ(tutorial->windowTitle(), QStringLiteral(" DORVANE Tutorial -- Step 19 of 19"));

    tutorial->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    EXPECT_TRUE(model->settings.AutoHide) << "auto-hide comes back";
    EXPECT_EQ(frame->TutorialWindow(), nullptr);
    EXPECT_TRUE(OpenedAction(IdTutorial)->isEnabled());
}

TEST_F(MainFrameTest, TutorialRedrawsThePushpinAtOnceAndClosingClearsTheModalFlag) {
    Start();
    model->settings.AutoHide = true;
    frame->RebuildMenuBar();
    const auto pushpin = [&] {
        auto* action = frame->menuBar()->findChild<QAction*>(QStringLiteral("bitmap219"));
        return action ? action->icon().pixmap(16, 16).toImage() : QImage();
    };
    const QImage out = pushpin();
    ASSERT_FALSE(out.isNull());
    frame->RunCommand(IdTutorial);
    EXPECT_NE(pushpin(), out) << "the pin goes in as auto-hide goes off";
    model->modal = true; // a message box of the program was up with it
    frame->TutorialWindow()->reject();
    EXPECT_EQ(pushpin(), out);
    EXPECT_FALSE(model->modal);
}

TEST_F(MainFrameTest, QuittingWithTheTutorialOpenSavesAutoHideAsItWas) {
    Start();
    model->settings.AutoHide = true;
    frame->RunCommand(IdTutorial);
    model->SetModified();
    EXPECT_TRUE(frame->close());
    EXPECT_NE(dir.Read("Buttons.cfg").find("AutoHide 1\r\n"), std::string::npos);

    // A save that fails keeps the program, and the tutorial, open.
    Start();
    model->settings.AutoHide = true;
    frame->RunCommand(IdTutorial);
    model->SetModified();
    model->programFolder = dir.Path() + "/gone";
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(frame->close());
    EXPECT_NE(frame->TutorialWindow(), nullptr);
    EXPECT_FALSE(model->settings.AutoHide) << "still off while the tutorial stays";
}

TEST_F(MainFrameTest, QuickHelpShowsItsMessage) {
    Start();
    frame->RunCommand(IdHelpTaskbarIcon);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "HOW to USE the TASKBAR ICON");
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Information);
}

TEST_F(MainFrameTest, ClickLaunchesOnlyWhenReleasedOverThePressedSlot) {
    Start();
    ButtonSlot* notes = View().Slot(2);
    QTest::mouseClick(notes, Qt::LeftButton);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.Path() + "/notes.txt");

    // Pressed, then released over another slot: no click.
    QTest::mousePress(notes, Qt::LeftButton);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-30, 5),
                        notes->mapToGlobal(QPointF(-30, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(notes, &release);
    EXPECT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_FALSE(notes->isDown());

    QTest::mouseClick(View().Slot(1), Qt::LeftButton);
    EXPECT_EQ(tp.shell.calls.size(), 1u) << "an empty slot launches nothing";
}

TEST_F(MainFrameTest, PressThatLeftItsSlotStaysCancelledWhenTheMouseComesBack) {
    Start();
    ButtonSlot* tool = View().Slot(0);
    const QPointF inside(5, 5);
    const QPointF neighbour = tool->mapFrom(&View(), View().Slot(2)->geometry().center());
    struct Case {
        const char* name;
        QPointF away;
    };
    for (const Case& c : {Case{"off the grid", QPointF(-30, 5)}, Case{"onto a slot", neighbour}}) {
        SCOPED_TRACE(c.name);
        const auto send = [tool](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, tool->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(tool, &event);
        };
        const auto move = [tool](QPointF at) {
            QMouseEvent event(QEvent::MouseMove, at, tool->mapToGlobal(at), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(tool, &event);
        };
        tp.shell.calls.clear();
        send(QEvent::MouseButtonPress, inside, Qt::LeftButton);
        EXPECT_TRUE(tool->isDown());
        move(c.away);
        EXPECT_FALSE(tool->isDown());
        move(inside);
        EXPECT_FALSE(tool->isDown()) << "the press does not come back";
        send(QEvent::MouseButtonRelease, inside, Qt::NoButton);
        EXPECT_TRUE(tp.shell.calls.empty()) << "releasing over the slot after leaving it";
    }
    // A press that only wanders inside its slot still clicks, and the next
    // press starts afresh.
    QTest::mousePress(tool, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(tool, QPoint(8, 8));
    QTest::mouseRelease(tool, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    EXPECT_EQ(tp.shell.calls.size(), 1u);
}

TEST_F(MainFrameTest, PendingSourceIsDrawnInactiveOnlyInItsCategory) {
    Start();
    model->editState.copyMode = true;
    model->editState.sourceCategory = 0;
    model->editState.sourceSlot = 2;
    View().RefreshSlotStates();
    EXPECT_FALSE(View().Slot(2)->IsActive());
    EXPECT_TRUE(View().Slot(2)->isEnabled()) << "owner-drawn slots stay clickable";
    View().ShowCategory(1);
    EXPECT_TRUE(View().Slot(2)->IsActive());
    View().ShowCategory(0);
    EXPECT_FALSE(View().Slot(2)->IsActive());
    EXPECT_NE(frame->windowTitle().indexOf(QStringLiteral("(Tools) Click Where")), -1);
}

TEST_F(MainFrameTest, InactiveIconButtonIsDisabled) {
    Start("TextOnButtons 0\r\nLayoutRowType 2\r\nLayoutColType 2\r\n"
          "NRowsConstant 1\r\nNColsConstant 4\r\n");
    model->editState.moveMode = true;
    model->editState.sourceCategory = 0;
    model->editState.sourceSlot = 0;
    View().RefreshSlotStates();
    EXPECT_FALSE(View().Slot(0)->isEnabled());
    EXPECT_TRUE(View().Slot(2)->isEnabled());
}

TEST_F(MainFrameTest, TooltipsComeFromTheTipTableAndCanBeSwitchedOff) {
    Start();
    ButtonSlot* tool = View().Slot(0);
    const auto ask = [&] {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), tool->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tool, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(ask().toStdString(), SlotTooltip(*model, 0));
    EXPECT_EQ(ask(), QStringLiteral("Tool"));
    model->settings.DisplayPopupText = false;
    ask();
    for (int i = 0; i < 50 && QToolTip::isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(QToolTip::isVisible()) << "popup texts off: the tip goes away";
}

TEST_F(MainFrameTest, MenuBarBitmapTipsShowOnlyWithPopupText) {
    tp.shell.programs["xdg-screensaver"] = "/usr/bin/xdg-screensaver";
    Start(std::string(kGrid2x5) + "MenuShowScreenSaver 1\r\n");
    frame->show();
    QMenuBar* bar = frame->menuBar();
    const auto ask = [&](int id) {
        QAction* action = FindAction(bar, id);
        if (!action)
            return QStringLiteral("(no item)");
        const QPoint at = bar->actionGeometry(action).center();
        QHelpEvent help(QEvent::ToolTip, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &help);
        for (int i = 0; i < 50 && QToolTip::isVisible() && QToolTip::text().isEmpty(); ++i)
            QTest::qWait(20);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(ask(IdAlarmClock), QStringLiteral("Show Alarms"));
    EXPECT_EQ(ask(IdScreenSaverBitmap), QStringLiteral("Start Screen Saver"));
    model->settings.DisplayPopupText = false;
    ask(IdAlarmClock);
    for (int i = 0; i < 50 && QToolTip::isVisible(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(QToolTip::isVisible()) << "popup texts off: no tip";
}

TEST_F(MainFrameTest, TrayClickTogglesTheWindowAndExitSaves) {
    Start();
    frame->ToggleWindowVisible();
    EXPECT_FALSE(frame->isVisible());
    frame->ToggleWindowVisible();
    EXPECT_TRUE(frame->isVisible());

    model->CreateCategory(-1, "Late");
    model->SetModified();
    frame->Tray().Menu()->actions().first()->trigger();
    EXPECT_TRUE(model->closing);
    EXPECT_NE(dir.Read("Buttons.cfg").find("CATEGORY Late"), std::string::npos);
}

TEST_F(MainFrameTest, SystemMenuListsTheCategoriesAndCopiesTheMenus) {
    Start();
    QMenu* system = frame->SystemMenu();
    Q_EMIT system->aboutToShow();
    QAction* work = FindAction(system, kFirstSystemCategoryId + 2);
    ASSERT_NE(work, nullptr);
    EXPECT_EQ(work->text(), QStringLiteral("Work"));
    work->trigger();
    EXPECT_EQ(model->CurrentCategoryIndex(), 2);

    QAction* help = FindAction(system, IdHelpTaskbarIcon);
    ASSERT_NE(help, nullptr) << "the menus are copied into the system menu";
    help->trigger();
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "HOW to USE the TASKBAR ICON");
}

TEST_F(MainFrameTest, WindowMenuPutsTheCategoriesFirstAndGraysFourCopiesWhilePending) {
    Start();
    QMenu* system = frame->SystemMenu();
    Q_EMIT system->aboutToShow();
    QStringList shown;
    for (QAction* action : system->actions())
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(shown, (QStringList{"Tools", "Games", "Work", "-", "Dorvane", "Favorites",
                                  "Settings...", "-"}));
    EXPECT_TRUE(system->actions().at(0)->isChecked());
    EXPECT_TRUE(system->actions().at(6)->isEnabled());

    QMenu* copies = system->findChild<QMenu*>(QStringLiteral("systemDorvane"));
    QMenu* favorites = system->findChild<QMenu*>(QStringLiteral("systemFavorites"));
    ASSERT_NE(copies, nullptr);
    ASSERT_NE(favorites, nullptr);
    const auto enabledCopies = [&] {
        QStringList on;
        for (QAction* action : copies->actions())
            if (action->isEnabled())
                on << action->text();
        if (favorites->menuAction()->isEnabled())
            on << favorites->title();
        return on;
    };
    EXPECT_EQ(enabledCopies(),
              (QStringList{"&Setup", "Confi&gurations", "&Open", "&Help", "Favorites"}));

    model->editState.rightClickedSlot = 0;
    StartTwoClick(*model, TwoClickMode::Copy);
    EXPECT_EQ(enabledCopies(), QStringList{"&Help"});
    CancelTwoClick(*model, true);
    EXPECT_EQ(enabledCopies(),
              (QStringList{"&Setup", "Confi&gurations", "&Open", "&Help", "Favorites"}));
}

} // namespace

namespace {

TEST_F(MainFrameTest, FavoritesMenuListsTheTreeAndLaunchesItsItems) {
    Start();
    QMenu* favorites = frame->findChild<QMenu*>(QStringLiteral("Favorites"));
    ASSERT_NE(favorites, nullptr);
    EXPECT_EQ(favorites->actions().size(), 3); // Organize, Add Current Category, separator
    EXPECT_EQ(frame->Facts().favoritesCount, 0);

    // Adding the Tool button from its context menu puts it under the fixed items.
    model->editState.rightClickedSlot = 0;
    frame->RunCommand(IdAddToFavorites);
    ASSERT_EQ(favorites->actions().size(), 4);
    QAction* item = favorites->actions().at(3);
    EXPECT_EQ(item->text(), QStringLiteral("Tool"));
    // Organize is offered once the tree has a node.
    EXPECT_GT(frame->Facts().favoritesCount, 0);

    // A whole category becomes a submenu.
    tp.prompter.answers = {MsgAnswer::Yes};
    frame->RunCommand(IdFavoritesAddCategory);
    ASSERT_EQ(favorites->actions().size(), 5);
    QMenu* sub = favorites->actions().at(4)->menu();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->title(), QStringLiteral("Tools"));
    EXPECT_EQ(sub->actions().size(), 2);

    tp.shell.calls.clear();
    item->trigger();
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.File("tool.sh"));
}

} // namespace

namespace {

TEST_F(MainFrameTest, ActionSoundsOpensTheDefaultSoundsDialogModally) {
    Start();
    QString title;
    bool modalWhileOpen = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            modalWhileOpen = model->modal;
            dialog->close();
        }
    });
    frame->RunCommand(IdActionSounds);
    EXPECT_EQ(title, QStringLiteral(" Default Sounds for Button Actions"));
    EXPECT_TRUE(modalWhileOpen);
    EXPECT_FALSE(model->modal);
}

} // namespace

namespace {

TEST_F(MainFrameTest, SuppressedSlotsLetClicksPassToTheWindow) {
    Start();
    QSignalSpy clicks(&View(), &CDorvaneView::SlotClicked);
    QSignalSpy rightClicks(&View(), &CDorvaneView::SlotRightClicked);
    View().SetClicksSuppressed(true); // as while the window is rolled up
    QTest::mouseClick(View().Slot(0), Qt::LeftButton);
    QTest::mouseClick(View().Slot(0), Qt::RightButton);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(rightClicks.count(), 0);

    View().SetClicksSuppressed(false);
    QTest::mouseClick(View().Slot(0), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

// The window's clock launches a due button with its sound first, also an
// internet address, which a click opens without one.
TEST_F(MainFrameTest, ScheduledLaunchSoundsBeforeItOpensAnAddress) {
    dir.Write("DV_Launch_App.wav", "RIFF");
    tp.clock.now = LocalDateTime{2026, 12, 11, 9, 0, 0, 5};
    Start();
    CButtonDef* site = CButtonDef::CreateAt(*model, 0, 7, "Site", "", "", 0, 1);
    ASSERT_NE(site, nullptr);
    site->SetUrl("https://example.org/");
    site->SetSchedule(
        std::make_unique<CSchedule>(tp.clock, "", CSchedule::Daily, 0, 0, 0, 0, 0, 9, 0, 1));
    tp.sound.played.clear();
    tp.shell.calls.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tp.shell.calls.empty(); }, 5000));
    ASSERT_EQ(tp.sound.played.size(), 1u);
    EXPECT_EQ(tp.sound.played[0].file, dir.File("DV_Launch_App.wav"));
    EXPECT_EQ(tp.shell.calls[0].request.target, "https://example.org/");
}

} // namespace
