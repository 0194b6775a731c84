#include "app/TestHooks.h"

// The installed program: no switches of automated runs.
void TestHooksBeforeStart(CMainFrame&) {}
void TestHooksAfterStart(CMainFrame&) {}
