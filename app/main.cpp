#include <malloc.h>

#include <memory>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>

#include "app/DatabaseSetUp.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "app/TestHooks.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "platform/posix/DesktopEntryReader.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixShell.h"
#include "platform/posix/SystemClock.h"
#include "platform/qt/FileManagerItems.h"
#include "platform/qt/QtIconSource.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSoundPlayer.h"
#include "platform/qt/SettingsProfile.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"
#include "ui/qt/ThemePictureStore.h"

int main(int argc, char** argv) {
    // One malloc arena for all threads: the program's few helper threads
    // (database set-up, D-Bus) allocate little and rarely, and an arena each
    // would keep its own pages resident.
    mallopt(M_ARENA_MAX, 1);
    QApplication::setOrganizationName(QStringLiteral("Ombrell"));
    QApplication::setApplicationName(QStringLiteral("Dorvane"));
    QApplication app(argc, argv);
    // The window's close handler decides when the program ends (a failed save
    // may keep it open), and the tray icon's menu is no window of its own.
    QApplication::setQuitOnLastWindowClosed(false);

    // One copy per user and program folder (the working directory): a second
    // start brings the running window forward and ends before it reads or
    // writes anything.
    SingleInstance instance(QDir::currentPath());
    if (!instance.Claim())
        return 0;
    const DatabaseSetUp databases;

    PosixFileSystem fs;
    SettingsProfile profile;
    SystemClock clock;
    QtPrompter prompter;
    QtIconSource icons;
    DesktopEntryReader shortcuts;
    QtSoundPlayer sound;
    PosixShell shell;
    shell.SetItemRevealer(&ShowItemsInFileManager);
    Platform platform{fs, profile, clock, prompter, icons, shortcuts, sound, shell};

    CModel model(platform);
    const StartupState state = RunStartup(model);
    // Document types' theme pictures from the last run: the first paint does
    // not wait for Qt to read the icon theme; the window checks them with
    // the theme once its start category is on screen.
    const ThemePictureStore themePictures(
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
        QStringLiteral("/theme-pictures"));
    CMainFrame frame(model);
    frame.View()->Icons().UseStore(&themePictures);
    prompter.SetParent(&frame);

    TestHooksBeforeStart(frame);
    // The session's end or a termination signal closes the window as the
    // user would, which saves a changed configuration.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::Requested, &frame, &CMainFrame::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame, [&model, &frame] {
        if (model.settingsModified)
            frame.SaveConfiguration();
    });

    QObject::connect(&instance, &SingleInstance::Activated, &frame, &CMainFrame::BringToFront);

    frame.Start(state);
    // Closed during the start (a signal or the window's close box while the
    // greeting was up): the main loop would never end.
    if (model.closing)
        return 0;
    TestHooksAfterStart(frame);
    // The load's file text, indexes and look-up table are freed by now; give
    // their pages back instead of keeping them for the program's lifetime.
    QTimer::singleShot(0, [] { malloc_trim(0); });
    return QApplication::exec();
}
