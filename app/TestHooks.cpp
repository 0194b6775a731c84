#include "app/TestHooks.h"

#include <unistd.h>

#include <cstdio>

#include <QObject>
#include <QString>
#include <QTimer>

#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"

void TestHooksBeforeStart(CMainFrame& frame) {
    // Start-up measurement: the program ends right after its first paint,
    // wherever that happens (the start-up load paints before it ends).
    if (qEnvironmentVariableIntValue("DORVANE_EXIT_AFTER_FIRST_PAINT") == 1) {
        QObject::connect(&frame, &CMainFrame::FirstPaint, &frame, [] {
            std::fflush(nullptr);
            _exit(0);
        });
    }
}

void TestHooksAfterStart(CMainFrame& frame) {
    const QString path = qEnvironmentVariable("DORVANE_TEST_DROP");
    if (path.isEmpty())
        return;
    QTimer::singleShot(500, &frame, [&frame, path] {
        frame.HandleDrop({path}, frame.View()->Slot(0)->geometry().center());
    });
}
