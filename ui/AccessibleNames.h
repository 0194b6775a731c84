#pragma once

#include <string>

class CModel;

// What screen readers (and end-to-end tests) hear for the window's controls.
struct AccessibleText {
    std::string name;
    std::string description;
};

// A slot of the current category: an occupied slot is named by its button's
// name, falling back to its text (both lines) and then its target, and is
// described by its target; an empty slot reads "Empty slot N" (1-based).
AccessibleText SlotAccessibleText(const CModel& model, int slot);

// The name of a menu-bar picture button (ids 219 to 234): its tooltip where it
// has one, otherwise the name of its command. Empty for other ids.
std::string PictureButtonName(int id);
