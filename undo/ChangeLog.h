#pragma once

// The changes made during a run, for undo.
class CChangeLog {
public:
};
