#include "undo/Undo.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"
#include "undo/ChangeLog.h"

#include <array>

namespace {

int ResolveCategory(const CModel& model, int category) {
    return category == -1 ? model.CurrentCategoryIndex() : category;
}

bool ValidPlace(int category, int slot) {
    return category >= 0 && category < kMaxCategories && slot >= 0 && slot < kSlotsPerCategory;
}

void DeleteAt(CModel& model, int category, int slot) {
    if (!ValidPlace(category, slot))
        return;
    model.DeleteButtonAt(category, slot);
    if (category == model.CurrentCategoryIndex())
        model.View().RedrawSlot(slot);
}

void PutCopyAt(CModel& model, const CButtonDef& saved, int category, int slot) {
    CCategory* c = model.Category(category);
    if (!c || !ValidPlace(category, slot))
        return;
    c->SetSlot(slot, std::make_unique<CButtonDef>(saved));
    if (category == model.CurrentCategoryIndex())
        model.View().RedrawSlot(slot);
}

void ReverseEntry(CModel& model, const CChangeEntry& entry) {
    const std::string& d = entry.description;
    if (EqualsNoCase(d, "Add Button") || EqualsNoCase(d, "Copy Button")) {
        DeleteAt(model, entry.category, entry.slot);
    } else if (EqualsNoCase(d, "Delete Button")) {
        if (entry.saved)
            PutCopyAt(model, *entry.saved, entry.category, entry.slot);
    } else if (EqualsNoCase(d, "Delete Button Schedule")) {
        DeleteAt(model, entry.category, entry.slot);
        if (entry.saved)
            PutCopyAt(model, *entry.saved, entry.category, entry.slot);
        model.View().RefreshMenuBar();
    } else if (EqualsNoCase(d, "Switch Categories")) {
        model.SwapCategories(entry.category, entry.slot);
    }
}

void UndoSort(CModel& model, CChange& change) {
    const int n = change.category;
    const CCategory* current = model.CurrentCategory();
    std::array<std::unique_ptr<CCategory>, kMaxCategories> before;
    // Entry i recorded where the category now at position i stood before.
    int position = n - 1;
    for (auto it = change.entries.rbegin(); it != change.entries.rend() && position >= 0;
         ++it, --position) {
        const int original = (*it)->category;
        if (original < 0 || original >= kMaxCategories || before[original])
            continue; // a damaged record never drops a category
        before[original] = model.TakeCategoryEntry(position);
    }
    // Anything not paired stays where it is, in a free entry.
    for (int i = 0; i < kMaxCategories; ++i) {
        if (!model.Category(i))
            continue;
        for (auto& slot : before) {
            if (!slot) {
                slot = model.TakeCategoryEntry(i);
                break;
            }
        }
    }
    for (int i = 0; i < kMaxCategories; ++i)
        model.SetCategoryEntry(i, std::move(before[i]));
    const int index = model.CategoryIndexOf(current);
    model.SetCurrentCategoryIndex(index < 0 ? 0 : index);
    change.entries.clear();
}

void RestoreDeletedCategory(CModel& model, const CChange& change) {
    const int at = change.category;
    if (at < 0 || at >= kMaxCategories)
        return;
    if (model.Category(at)) {
        const int free = model.FirstFreeCategoryIndex();
        if (free < 0)
            return; // a full table cannot take the category back
        for (int i = free; i > at; --i)
            model.SetCategoryEntry(i, model.TakeCategoryEntry(i - 1));
    }
    model.CreateCategory(at, change.name);
}

void ShowCategoryOf(CModel& model, int category) {
    if (model.Category(category))
        model.SetCurrentCategoryIndex(category);
    model.View().ShowCategory();
    model.View().RebuildCategoryMenus();
    model.View().RefreshMenuBar();
}

} // namespace

void BeginChange(CModel& model, const std::string& description, int category, int slot,
                 bool hasButton) {
    CChangeLog& log = model.changes;
    if (!log.recording)
        return;
    auto change = std::make_unique<CChange>();
    category = ResolveCategory(model, category);
    change->currentCategory = model.CurrentCategoryIndex();
    change->hasButton = hasButton;
    const CButtonDef* button = hasButton ? model.GetButton(category, slot) : nullptr;
    if (!hasButton || slot == -1 || button) {
        change->description = description;
        change->category = category;
        change->slot = slot;
    }
    if (button) {
        change->name = button->Name();
        change->icon = button->DrawnIcon();
    }
    log.Append(std::move(change));
}

void AddChangeEntry(CModel& model, const std::string& description, int category, int slot,
                    bool hasButton) {
    CChangeLog& log = model.changes;
    CChange* change = log.Current();
    // An entry needs a change to belong to; without one there is nothing to undo it with.
    if (!log.recording || !change)
        return;
    category = ResolveCategory(model, category);
    std::unique_ptr<CButtonDef> saved;
    if (hasButton) {
        const CButtonDef* button = model.GetButton(category, slot);
        if (!button)
            return;
        if (!EqualsNoCase(description, "Add Button") && !EqualsNoCase(description, "Copy Button"))
            saved = std::make_unique<CButtonDef>(*button);
    }
    change->entries.push_back(
        std::make_unique<CChangeEntry>(slot, category, std::move(saved), description));
}

void BeginChangeWithEntry(CModel& model, const std::string& changeDescription,
                          const std::string& entryDescription, int category, int slot,
                          bool hasButton) {
    BeginChange(model, changeDescription, category, slot, hasButton);
    AddChangeEntry(model, entryDescription, category, slot, hasButton);
}

void UndoChange(CModel& model, CChange& change) {
    const std::string& d = change.description;
    if (EqualsNoCase(d, "Create Button Schedule")) {
        if (CButtonDef* b = model.GetButton(change.category, change.slot))
            b->SetSchedule(nullptr);
        return;
    }
    if (EqualsNoCase(d, "Create Category")) {
        model.TakeCategoryEntry(change.category).reset();
        return;
    }
    if (EqualsNoCase(d, "Rename Category")) {
        if (CCategory* c = model.Category(change.category)) {
            // The rename carried the start-up category's name along; so does its undo.
            if (EqualsNoCase(model.settings.CategoryOnEntry, c->Name()))
                model.settings.CategoryOnEntry = change.name;
            c->SetName(change.name);
        }
        return;
    }
    if (EqualsNoCase(d, "Sort Categories")) {
        UndoSort(model, change);
        return;
    }
    if (EqualsNoCase(d, "Delete Category"))
        RestoreDeletedCategory(model, change);
    while (!change.entries.empty()) {
        ReverseEntry(model, *change.entries.back());
        change.entries.pop_back();
    }
}

UndoView DescribeLastChange(const CModel& model) {
    UndoView view;
    const CChangeLog& log = model.changes;
    const size_t n = log.Count();
    if (n == 0) {
        view.title = " Undo Changes (no changes remain)";
        return view;
    }
    view.title = n == 1 ? std::string(" Undo Changes (1 change remains)")
                        : Format(" Undo Changes (%d changes remain)", static_cast<int>(n));
    const CChange& last = *log.Last();
    const CCategory* category = model.Category(last.category);
    const bool categoryArgument = last.category >= 0 && category;
    if (last.hasButton) {
        if (categoryArgument)
            view.category = category->Name();
        if (last.slot >= 0)
            view.buttonNumber = std::to_string(last.slot + 1);
        view.button = last.name;
    } else if (EqualsNoCase(last.description, "Create Category")) {
        if (categoryArgument)
            view.category = category->Name();
    } else if (EqualsNoCase(last.description, "Rename Category") ||
               EqualsNoCase(last.description, "Delete Category")) {
        view.category = last.name;
    }
    view.lastChange = last.description;
    view.hasIcon = last.icon.role != IconRole::None;
    return view;
}

bool UndoLastChange(CModel& model) {
    std::unique_ptr<CChange> last = model.changes.TakeLast();
    if (last) {
        UndoChange(model, *last);
        ShowCategoryOf(model, last->currentCategory);
        model.SetModified();
    }
    if (!model.changes.Empty())
        return false;
    model.Message("All changes made during this session have been undone.",
                  "No More Changes to Undo", MsgIcon::Information);
    return true;
}

bool UndoAllChanges(CModel& model) {
    if (model.Message("Are you sure that you want to undo all changes?", "Undo All Changes?",
                      MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    int oldest = model.CurrentCategoryIndex();
    while (std::unique_ptr<CChange> last = model.changes.TakeLast()) {
        UndoChange(model, *last);
        oldest = last->currentCategory;
    }
    ShowCategoryOf(model, oldest);
    model.SetModified();
    return true;
}
