#pragma once

#include <array>
#include <memory>
#include <string>

class CButtonDef;

inline constexpr int kMaxCategories = 30;
inline constexpr int kSlotsPerCategory = 100;

// One named category of 100 button slots; it owns its buttons.
class CCategory {
  public:
    // Categories are made by CModel::CreateCategory, which stores them.
    explicit CCategory(const std::string& name);
    virtual ~CCategory();
    CCategory(const CCategory&) = delete;
    CCategory& operator=(const CCategory&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    CButtonDef* Slot(int slot) const { return slots_[slot].get(); }
    // Puts `button` into the slot, destroying what was there.
    void SetSlot(int slot, std::unique_ptr<CButtonDef> button);
    // Takes the button out of the slot without destroying it.
    std::unique_ptr<CButtonDef> TakeSlot(int slot);

  private:
    std::string name_;
    std::array<std::unique_ptr<CButtonDef>, kSlotsPerCategory> slots_;
};
