#pragma once

// The table of action sounds.
class CActionSounds {
public:
};
