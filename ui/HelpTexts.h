#pragma once

#include <string>

// The built-in help: the tutorial's lessons and the quick-help messages of
// the Help menu.
inline constexpr int kTutorialSteps = 19;

struct TutorialStep {
    const char* lesson;
    const char* action;
};

// Lesson `step` (1-based; clamped to 1..kTutorialSteps).
const TutorialStep& TutorialStepAt(int step);
// The tutorial window's caption for `step`.
std::string TutorialCaption(int step);

struct QuickHelp {
    int commandId;
    const char* caption;
    const char* text;
};

// The quick-help message of a Help-menu command, or null.
const QuickHelp* FindQuickHelp(int commandId);
