#pragma once

#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline constexpr const char* kHeader = "DORVANE CONFIGURATION FILE v10.0";

// Lines joined as the writer ends them, CR LF after each.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

// A model whose program folder is a fresh temporary folder, on a clock set to
// Saturday 15 June 2024, 10:00.
class ConfigTest : public ::testing::Test {
  protected:
    ConfigTest() {
        model.programFolder = dir.Path();
        tp.clock.now = {2024, 6, 15, 10, 0, 0, 6};
    }

    std::string ConfigPath() const { return dir.File("Buttons.cfg"); }

    void LoadText(const std::string& text, bool withSettings = true) {
        dir.Write("Buttons.cfg", text);
        LoadConfiguration(model, withSettings);
    }
    void Load(const std::vector<std::string>& lines, bool withSettings = true) {
        LoadText(CrLf(lines), withSettings);
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const RecordedMessage& m : tp.prompter.messages)
            captions.push_back(m.caption);
        return captions;
    }

    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};
};
