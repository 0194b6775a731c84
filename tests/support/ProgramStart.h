#pragma once

#include <string>

#include "model/Startup.h"

class CModel;

// Runs the program's start-up with `folder` as working directory, as the
// launcher starts it there; the test's own working directory is restored.
StartupState StartProgramIn(CModel& model, const std::string& folder);
