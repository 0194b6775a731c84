#pragma once

#include <functional>
#include <string>
#include <vector>

class CModel;
class EditDialogs;

// Orders two category names: negative, zero or positive. The widgets pass one
// built on the user's locale; the default folds ASCII case.
using Collation = std::function<int(const std::string&, const std::string&)>;
int DefaultCollation(const std::string& a, const std::string& b);

// The table indexes of the categories in sorted order (stable for equal names).
std::vector<int> SortedCategoryOrder(const CModel& model, const Collation& collate);
// The categories already stand in sorted order (Sort is then disabled).
bool CategoriesInOrder(const CModel& model, const Collation& collate);

void CreateNewCategory(CModel& model, EditDialogs& dialogs);
void RenameCurrentCategory(CModel& model, EditDialogs& dialogs);
// Deletes the category at `index` after its question; true when deleted.
bool DeleteCategoryAt(CModel& model, int index);
void DeleteCurrentCategory(CModel& model);
// Sorts after its question; true when the user said Yes.
bool SortCategories(CModel& model, const Collation& collate);
void OrganizeCategories(CModel& model, EditDialogs& dialogs, const Collation& collate);
void SetStartupCategory(CModel& model, EditDialogs& dialogs);

// Shows category `index` with the "Change Category" sound.
void SwitchCategory(CModel& model, int index);
// The keys that switch category.
enum class CategoryKey { PageUp, PageDown, Up, Down };
// Previous (Page Up, Up) or next (Page Down, Down) category, wrapping; only
// with more than one category. True when the key was used.
bool SwitchCategoryByKey(CModel& model, CategoryKey key);
