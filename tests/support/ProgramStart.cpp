#include "tests/support/ProgramStart.h"

#include <filesystem>

StartupState StartProgramIn(CModel& model, const std::string& folder) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const StartupState state = RunStartup(model);
    std::filesystem::current_path(previous);
    return state;
}
