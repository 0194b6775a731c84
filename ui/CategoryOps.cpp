#include "ui/CategoryOps.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "model/Model.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/EditDialogs.h"
#include "ui/ModalScope.h"
#include "ui/OrganizeCategories.h"
#include "ui/ViewRules.h"
#include "undo/Undo.h"

namespace {

std::optional<std::string> AskText(CModel& model, EditDialogs& dialogs,
                                   const TextInputRequest& request) {
    const ModalScope modal(model);
    return dialogs.TextInput(request);
}

void NameExists(CModel& model, const std::string& name) {
    model.Message("The specified category name -- \"" + name +
                      "\" -- already exists -- choose another name",
                  "Category Name Already Exists", MsgIcon::Stop);
}

// The name a change keeps (a category's old name). Set only when the change
// was just begun: with recording off, the log's current change is an older one.
void SetChangeName(CModel& model, const std::string& name) {
    CChangeLog& log = model.changes;
    if (log.recording && log.Current() && log.Current() == log.Last())
        log.Current()->name = name;
}

void AfterCategoryChange(CModel& model) {
    model.View().ShowCategory();
    model.SetModified();
    model.View().RebuildCategoryMenus();
}

} // namespace

int DefaultCollation(const std::string& a, const std::string& b) {
    return CompareNoCase(a, b);
}

std::vector<int> SortedCategoryOrder(const CModel& model, const Collation& collate) {
    std::vector<int> order;
    for (int i = 0; i < kMaxCategories; ++i) {
        if (model.Category(i))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return collate(model.Category(a)->Name(), model.Category(b)->Name()) < 0;
    });
    return order;
}

bool CategoriesInOrder(const CModel& model, const Collation& collate) {
    const std::vector<int> order = SortedCategoryOrder(model, collate);
    return std::is_sorted(order.begin(), order.end());
}

void CreateNewCategory(CModel& model, EditDialogs& dialogs) {
    if (model.editState.PendingOperation())
        return;
    if (model.FirstFreeCategoryIndex() < 0) {
        model.Message(Format("There are already %d categories, ", kMaxCategories) +
                          "which is the maximum number allowed.",
                      "All Categories are Used", MsgIcon::Stop);
        return;
    }
    TextInputRequest request;
    request.title = "Create a New Category";
    request.prompt = "Please enter the name of the new category";
    request.label = "Category Name";
    request.okText = "Create";
    for (;;) {
        const std::optional<std::string> answer = AskText(model, dialogs, request);
        if (!answer)
            return;
        const std::string name = Trim(*answer);
        if (name.empty())
            return;
        if (model.FindCategoryByName(name) >= 0) {
            NameExists(model, name);
            request.initial.clear();
            continue;
        }
        const int index = model.FirstFreeCategoryIndex();
        if (!model.CreateCategory(index, name))
            return;
        BeginChange(model, "Create Category", index, -1, false);
        PlayActionSound(model, "Add", true);
        model.SetCurrentCategoryIndex(index);
        AfterCategoryChange(model);
        return;
    }
}

void RenameCurrentCategory(CModel& model, EditDialogs& dialogs) {
    CCategory* category = model.CurrentCategory();
    if (!category || model.editState.PendingOperation())
        return;
    const int index = model.CurrentCategoryIndex();
    const std::string old = category->Name();
    TextInputRequest request;
    request.title = "Change the Category Name";
    request.prompt = "Please enter a new name for the category";
    request.label = "Category Name";
    request.initial = old;
    request.selectAll = true;
    request.okText = "Rename";
    for (;;) {
        const std::optional<std::string> answer = AskText(model, dialogs, request);
        if (!answer)
            return;
        const std::string name = Trim(*answer);
        if (name.empty() || name == old)
            return;
        // A change of letter case alone is refused too: names ignore case.
        if (model.FindCategoryByName(name) >= 0) {
            NameExists(model, name);
            request.initial.clear();
            request.selectAll = false;
            continue;
        }
        BeginChange(model, "Rename Category", index, -1, false);
        SetChangeName(model, old);
        if (EqualsNoCase(model.settings.CategoryOnEntry, old))
            model.settings.CategoryOnEntry = name;
        category->SetName(name);
        PlayActionSound(model, "Shift Left", true);
        model.View().RefreshCaption();
        AfterCategoryChange(model);
        return;
    }
}

bool DeleteCategoryAt(CModel& model, int index) {
    const CCategory* category = model.Category(index);
    if (!category || index < 0)
        return false;
    const std::string name = category->Name();
    if (model.CategoryCount() < 2) {
        model.Message("Unable to delete the category \"" + name + "\"\r\n\r\n" +
                          "It is the only remaining category!",
                      "Can't Delete Category", MsgIcon::Stop);
        return false;
    }
    std::string question = "Are you sure that you want to delete category \"" + name + "\" ?";
    const int buttons = model.ButtonCount(index);
    if (buttons == 1)
        question += "\r\n\r\nIt contains 1 button!";
    else if (buttons > 1)
        question += Format("\r\n\r\nIt contains %d buttons!", buttons);
    if (model.Message(question, "Delete Category?", MsgIcon::Exclamation, MsgButtons::YesNo) ==
        MsgAnswer::No)
        return false;
    PlayActionSound(model, "Delete", true);
    BeginChange(model, "Delete Category", index, -1, false);
    SetChangeName(model, name);
    for (int s = 0; s < kSlotsPerCategory; ++s)
        AddChangeEntry(model, "Delete Button", index, s, true);
    model.TakeCategoryEntry(index).reset();
    model.CompactCategories(); // the shown category stays; the first when it went
    model.SetModified();
    model.View().RebuildCategoryMenus();
    return true;
}

void DeleteCurrentCategory(CModel& model) {
    if (model.editState.PendingOperation())
        return;
    DeleteCategoryAt(model, model.CurrentCategoryIndex());
}

bool SortCategories(CModel& model, const Collation& collate) {
    if (model.Message("Are you sure that you want to alphabetically sort the category names?",
                      "Sort the Categories?", MsgIcon::Question,
                      MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    PlayActionSound(model, "Copy (2nd click)", true);
    const std::vector<int> order = SortedCategoryOrder(model, collate);
    const int n = static_cast<int>(order.size());
    if (n < 2)
        return true;
    const CCategory* current = model.CurrentCategory();
    // One entry per new position, holding the position its category had.
    BeginChange(model, "Sort Categories", n, -1, false);
    std::vector<std::unique_ptr<CCategory>> sorted;
    for (int from : order) {
        AddChangeEntry(model, "Sort Categories", from, -1, false);
        sorted.push_back(model.TakeCategoryEntry(from));
    }
    for (int i = 0; i < n; ++i)
        model.SetCategoryEntry(i, std::move(sorted[i]));
    const int index = model.CategoryIndexOf(current);
    model.SetCurrentCategoryIndex(index < 0 ? 0 : index);
    AfterCategoryChange(model);
    return true;
}

void OrganizeCategories(CModel& model, EditDialogs& dialogs, const Collation& collate) {
    if (model.editState.PendingOperation() || model.CategoryCount() < 2)
        return;
    COrganizeCategories organize(model, collate);
    {
        const ModalScope modal(model);
        dialogs.OrganizeCategories(organize);
    }
    organize.Close();
}

void SetStartupCategory(CModel& model, EditDialogs& dialogs) {
    std::vector<std::string> names;
    for (int i = 0; i < kMaxCategories; ++i) {
        if (const CCategory* c = model.Category(i))
            names.push_back(c->Name());
    }
    std::optional<std::string> chosen;
    {
        const ModalScope modal(model);
        chosen = dialogs.StartupCategory(names);
    }
    if (chosen && !chosen->empty()) {
        model.settings.CategoryOnEntry = *chosen;
        PlayActionSound(model, "Generic Button Click", true);
        model.View().RefreshMenuBar();
        model.Message(Format("The category \"%s\" will be displayed ", chosen->c_str()) +
                          "whenever Dorvane is started.",
                      "Initial Category on Start-Up", MsgIcon::Exclamation);
    }
    model.SetModified();
}

void SwitchCategory(CModel& model, int index) {
    if (!model.Category(index) || index < 0)
        return;
    model.SetCurrentCategoryIndex(index);
    model.View().ShowCategory();
    PlayActionSound(model, "Change Category", true);
}

bool SwitchCategoryByKey(CModel& model, CategoryKey key) {
    if (model.CategoryCount() < 2)
        return false;
    const int step = key == CategoryKey::PageUp || key == CategoryKey::Up ? -1 : 1;
    SwitchCategory(model, SteppedCategory(model, step));
    return true;
}
