#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>

#include "model/Model.h"
#include "model/Startup.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestPlatform.h"
#include "ui/qt/MainFrame.h"

// The whole program window on fake platform services, started on a
// configuration written to a temporary program folder as Buttons.cfg.
class WindowFixture : public ::testing::Test {
  protected:
    TestPlatform tp;
    TempDir dir;
    std::unique_ptr<CModel> model;
    std::unique_ptr<CMainFrame> frame;

    // A second start replaces the window first: the old one refers to the
    // model until it is gone. `beforeStart` sees the window made but not
    // started.
    void StartWindow(const std::string& configText,
                     const std::function<void(CMainFrame&)>& beforeStart = {}) {
        frame.reset();
        dir.Write("Buttons.cfg", configText);
        model = std::make_unique<CModel>(tp.platform);
        model->programFolder = dir.Path();
        model->configName = "Buttons";
        frame = std::make_unique<CMainFrame>(*model);
        if (beforeStart)
            beforeStart(*frame);
        frame->Start(StartupState{});
        QApplication::processEvents();
    }
};
