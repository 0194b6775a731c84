#pragma once

#include <string>

class CModel;
class ConfigText;

// Reads the FAVORITES section of a configuration file into a new tree. Items
// whose file or folder is gone are dropped; an unknown keyword is reported
// and ends the section, keeping what was read. Nothing changes when the file
// has no such section. Menus deeper than kMaxFavoritesDepth are dropped with
// all they hold, after one message ("Favorites Menu Too Deep").
void ReadFavorites(CModel& model, const ConfigText& text, const std::string& path);
// Appends the FAVORITES section when the root menu has at least one entry.
void AppendFavoritesSection(const CModel& model, std::string& out);
