#include "model/Category.h"

#include "model/ButtonDef.h"

CCategory::CCategory(const std::string& name) : name_(name) {}

CCategory::~CCategory() = default;

void CCategory::SetSlot(int slot, std::unique_ptr<CButtonDef> button) {
    slots_[slot] = std::move(button);
}

std::unique_ptr<CButtonDef> CCategory::TakeSlot(int slot) {
    return std::move(slots_[slot]);
}
