#pragma once

class CMainFrame;

// Switches that automated runs (end-to-end tests, benchmarks) set in the
// environment. Only the dorvane-testable program reads them; the installed
// program links the empty versions, so it neither reads nor names them.

// Before the first display: DORVANE_EXIT_AFTER_FIRST_PAINT=1 ends the program
// right after its first paint.
void TestHooksBeforeStart(CMainFrame& frame);
// After the first display: DORVANE_TEST_DROP=FILE hands FILE in as if it had
// been dropped on slot 1, where a window-system drag cannot be scripted.
void TestHooksAfterStart(CMainFrame& frame);
