#pragma once

#include <string>

// Orders category names as the user's locale sorts them, ignoring letter
// case: negative, zero or positive as a sorts before, with or after b.
int QtCollate(const std::string& a, const std::string& b);
