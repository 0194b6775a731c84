#pragma once

#include <string>

class CModel;

// A readable summary of a loaded configuration: the categories with their
// buttons (slot, kind, name, target), the Favorites tree, the alarms and
// scheduled launches with their next occurrence, and the changed sounds.
std::string ConfigSummary(const CModel& model);
