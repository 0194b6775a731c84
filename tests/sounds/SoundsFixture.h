#pragma once

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/ProgramStart.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

// A program started in a folder that holds a file for every default sound.
class SoundsFixture : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        for (int i = 0; i < model.sounds.Count(); ++i)
            dir.Write(DefaultSoundName(i), "RIFF");
        StartProgramIn(model, dir.Path());
    }
};
