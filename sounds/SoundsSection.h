#pragma once

#include <string>

class CModel;
class ConfigText;

// Overlays the action sounds with the SOUNDS section: pairs of lines, an
// action name and its file (empty: no sound; a bare name: a file in the
// program folder). Files that do not exist leave the default in place.
void ReadSoundsSection(CModel& model, const ConfigText& text);
// Appends the SOUNDS section for the actions whose file differs from the
// default; nothing when every action has its default.
void AppendSoundsSection(const CModel& model, std::string& out);
