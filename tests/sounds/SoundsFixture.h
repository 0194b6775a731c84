#pragma once

#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

// A model whose program folder holds a file for every default sound.
class SoundsFixture : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        model.programFolder = dir.Path();
        ResetActionSounds(model.sounds, model.programFolder);
        for (int i = 0; i < model.sounds.Count(); ++i)
            dir.Write(DefaultSoundName(i), "RIFF");
    }
};
