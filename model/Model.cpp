#include "model/Model.h"

#include "model/ButtonDef.h"
#include "model/Text.h"

namespace {
bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSlotsPerCategory;
}
} // namespace

CModel::CModel(Platform& p, ViewHooks* view) : platform(p), view_(view) {}

CModel::~CModel() = default;

MsgAnswer CModel::Message(const std::string& text, const std::string& caption, MsgIcon icon,
                          MsgButtons buttons) {
    const bool wasModal = modal;
    modal = true;
    ++messagesShown;
    const MsgAnswer answer = platform.prompter.Message(text, caption, icon, buttons);
    modal = wasModal;
    return answer;
}

CCategory* CModel::Category(int index) const {
    if (index == -1)
        index = currentCategory_;
    if (index < 0 || index >= kMaxCategories)
        return nullptr;
    return categories_[index].get();
}

CCategory* CModel::CreateCategory(int index, const std::string& name) {
    if (index < 0)
        index = FirstFreeCategoryIndex();
    if (index < 0 || index >= kMaxCategories)
        return nullptr;
    categories_[index] =
        std::make_unique<CCategory>(name.empty() ? Format("Category %d", index + 1) : name);
    return categories_[index].get();
}

void CModel::SetCategoryEntry(int index, std::unique_ptr<CCategory> category) {
    if (index < 0 || index >= kMaxCategories)
        return; // the caller broke its promise; the category is dropped
    categories_[index] = std::move(category);
}

std::unique_ptr<CCategory> CModel::TakeCategoryEntry(int index) {
    if (index == -1)
        index = currentCategory_;
    if (index < 0 || index >= kMaxCategories)
        return nullptr;
    return std::move(categories_[index]);
}

int CModel::CategoryIndexOf(const CCategory* category) const {
    if (!category)
        return -1;
    for (int i = 0; i < kMaxCategories; ++i)
        if (categories_[i].get() == category)
            return i;
    return -1;
}

int CModel::FindCategoryByName(const std::string& name) const {
    for (int i = 0; i < kMaxCategories; ++i)
        if (categories_[i] && EqualsNoCase(categories_[i]->Name(), name))
            return i;
    return -1;
}

int CModel::CategoryCount() const {
    int n = 0;
    for (const auto& c : categories_)
        n += c ? 1 : 0;
    return n;
}

int CModel::FirstFreeCategoryIndex() const {
    for (int i = 0; i < kMaxCategories; ++i)
        if (!categories_[i])
            return i;
    return -1;
}

void CModel::CompactCategories() {
    const CCategory* current = Category(currentCategory_);
    int to = 0;
    for (int from = 0; from < kMaxCategories; ++from) {
        if (!categories_[from])
            continue;
        if (from != to)
            categories_[to] = std::move(categories_[from]);
        ++to;
    }
    const int index = CategoryIndexOf(current);
    currentCategory_ = index < 0 ? 0 : index;
    View().ShowCategory();
    View().RebuildCategoryMenus();
}

void CModel::SwapCategories(int a, int b) {
    if (a == -1)
        a = currentCategory_;
    if (b == -1)
        b = currentCategory_;
    if (!Category(a) || !Category(b))
        return;
    std::swap(categories_[a], categories_[b]);
    if (currentCategory_ == a)
        currentCategory_ = b;
    else if (currentCategory_ == b)
        currentCategory_ = a;
    View().ShowCategory();
    View().RebuildCategoryMenus();
}

void CModel::ClearCategories() {
    for (auto& c : categories_)
        c.reset();
    currentCategory_ = 0;
}

void CModel::NormaliseCategories() {
    if (!categories_[0])
        CreateCategory(0, "Untitled");
    if (currentCategory_ < 0 || currentCategory_ >= kMaxCategories ||
        !categories_[currentCategory_])
        currentCategory_ = 0;
    if (!settings.CategoryOnEntry.empty()) {
        const int index = FindCategoryByName(settings.CategoryOnEntry);
        currentCategory_ = (index < 0 || index >= kMaxCategories) ? 0 : index;
    }
}

bool CModel::HasButton(int cat, int slot) const {
    return GetButton(cat, slot) != nullptr;
}

CButtonDef* CModel::GetButton(int cat, int slot) const {
    const CCategory* c = Category(cat);
    if (!c || !ValidSlot(slot))
        return nullptr;
    return c->Slot(slot);
}

void CModel::DeleteButtonAt(int cat, int slot) {
    CCategory* c = Category(cat);
    if (c && ValidSlot(slot))
        c->SetSlot(slot, nullptr);
}

int CModel::ButtonCount(int cat) const {
    const CCategory* c = Category(cat);
    if (!c)
        return 0;
    int n = 0;
    for (int s = 0; s < kSlotsPerCategory; ++s)
        n += c->Slot(s) ? 1 : 0;
    return n;
}

int CModel::LastUsedSlot(int cat) const {
    const CCategory* c = Category(cat);
    if (!c)
        return -1;
    for (int s = kSlotsPerCategory - 1; s >= 0; --s)
        if (c->Slot(s))
            return s;
    return -1;
}

int CModel::FindFreeSlot(int cat, int start, bool upward) const {
    const CCategory* c = Category(cat);
    if (!c)
        return 0;
    if (upward) {
        for (int s = start < 0 ? 0 : start; s < kSlotsPerCategory; ++s)
            if (!c->Slot(s))
                return s;
    } else {
        for (int s = start >= kSlotsPerCategory ? kSlotsPerCategory - 1 : start; s >= 0; --s)
            if (!c->Slot(s))
                return s;
    }
    return -1;
}

int CModel::FindButtonInCategory(int cat, const std::string& name) const {
    const CCategory* c = Category(cat);
    if (!c)
        return -1;
    for (int s = 0; s < kSlotsPerCategory; ++s)
        if (c->Slot(s) && EqualsNoCase(c->Slot(s)->Name(), name))
            return s;
    return -1;
}

bool CModel::FindButtonByName(const std::string& name, int& cat, int& slot) const {
    for (int i = 0; i < kMaxCategories; ++i) {
        if (!categories_[i])
            continue;
        const int s = FindButtonInCategory(i, name);
        if (s >= 0) {
            cat = i;
            slot = s;
            return true;
        }
    }
    return false;
}

void CModel::FindButtonLocation(const CButtonDef* button, int& cat, int& slot) const {
    cat = -1;
    slot = -1;
    if (!button)
        return;
    for (int i = 0; i < kMaxCategories; ++i) {
        if (!categories_[i])
            continue;
        for (int s = 0; s < kSlotsPerCategory; ++s) {
            if (categories_[i]->Slot(s) == button) {
                cat = i;
                slot = s;
                return;
            }
        }
    }
}

void CModel::SetDialogFolder(int entry, const std::string& folder) {
    if (entry < 0 || entry >= kDialogEntries)
        return;
    if (!EqualsNoCase(dialogParams_[entry].folder, folder)) {
        dialogParams_[entry].folder = folder;
        SetModified();
    }
}

std::string CModel::DialogFolder(int entry, const std::string& fallback) const {
    if (entry < 0 || entry >= kDialogEntries || dialogParams_[entry].folder.empty())
        return fallback;
    return dialogParams_[entry].folder;
}

void CModel::SetDialogFilter(int entry, int filter) {
    if (entry < 0 || entry >= kDialogEntries)
        return;
    if (dialogParams_[entry].filter != filter) {
        dialogParams_[entry].filter = filter;
        SetModified();
    }
}

int CModel::DialogFilter(int entry, int count) const {
    int n = (entry < 0 || entry >= kDialogEntries) ? 0 : dialogParams_[entry].filter;
    if (n <= 0)
        n = 1;
    if (n > count)
        n = count;
    return n;
}

void CModel::ClearDialogParams() {
    for (auto& p : dialogParams_)
        p = DialogParams{};
}

void CModel::ResetSettings() {
    ResetSettingValues(settings);
    currentCategory_ = 0;
}
