#pragma once

#include <deque>
#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Answers the modal dialogs and popup menus that open while `run` runs: each
// new one gets the next step, in order of appearance.
inline void WithModalSteps(std::deque<std::function<void(QWidget&)>> steps,
                           const std::function<void()>& run) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* top = QApplication::activePopupWidget();
        if (!top)
            top = QApplication::activeModalWidget();
        // A reopened dialog may reuse the address of the one before: each
        // widget object is marked once handled.
        if (!top || top->property("handled").toBool() || !top->isVisible() || steps.empty())
            return;
        top->setProperty("handled", true);
        auto step = std::move(steps.front());
        steps.pop_front();
        step(*top);
    });
    poll.start(10);
    run();
    poll.stop();
    EXPECT_TRUE(steps.empty()) << steps.size() << " dialogs or menus never opened";
}
