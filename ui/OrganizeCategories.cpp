#include "ui/OrganizeCategories.h"

#include <utility>

#include "model/Model.h"
#include "sounds/PlaySound.h"
#include "undo/Undo.h"

COrganizeCategories::COrganizeCategories(CModel& model, Collation collate)
    : model_(model), collate_(std::move(collate)) {}

std::vector<std::string> COrganizeCategories::Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < kMaxCategories; ++i) {
        if (const CCategory* c = model_.Category(i))
            names.push_back(c->Name());
    }
    return names;
}

void COrganizeCategories::Select(int position) {
    selection_ = position >= 0 && position < model_.CategoryCount() ? position : -1;
}

bool COrganizeCategories::MoveUpEnabled() const {
    return selection_ > 0;
}

bool COrganizeCategories::MoveDownEnabled() const {
    return selection_ >= 0 && selection_ < model_.CategoryCount() - 1;
}

bool COrganizeCategories::DeleteEnabled() const {
    return selection_ >= 0;
}

bool COrganizeCategories::SortEnabled() const {
    return model_.CategoryCount() >= 2 && !CategoriesInOrder(model_, collate_);
}

void COrganizeCategories::MoveUp() {
    if (MoveUpEnabled())
        Move(selection_, selection_ - 1);
}

void COrganizeCategories::MoveDown() {
    if (MoveDownEnabled())
        Move(selection_, selection_ + 1);
}

void COrganizeCategories::Move(int from, int to) {
    const bool up = to < from;
    const int low = up ? to : from;
    BeginChangeWithEntry(model_, up ? "Move Category Up" : "Move Category Down",
                         "Switch Categories", low, low + 1, false);
    model_.SwapCategories(from, to);
    model_.SetModified();
    const char* sound = up ? "Copy Icon (1st click)" : "Copy Icon (2nd click)";
    const bool reachedEnd = up ? to == 0 : to == model_.CategoryCount() - 1;
    if (reachedEnd) {
        // The first sound plays to its end before the second starts.
        selection_ = -1;
        PlayActionSound(model_, sound, false);
        PlayActionSound(model_, "Remove Gaps", true);
    } else {
        selection_ = to;
        PlayActionSound(model_, sound, true);
    }
}

void COrganizeCategories::Delete() {
    if (!DeleteEnabled() || !DeleteCategoryAt(model_, selection_))
        return;
    PlayActionSound(model_, "Delete", true);
    const int count = model_.CategoryCount();
    if (count == 0) {
        selection_ = -1;
        done_ = true;
    } else if (selection_ >= count) {
        selection_ = count - 1;
    }
}

void COrganizeCategories::Sort() {
    SortCategories(model_, collate_);
    selection_ = -1;
}

void COrganizeCategories::Close() {
    model_.View().RebuildCategoryMenus();
}
