#pragma once

#include "model/ButtonIcon.h"

#include <memory>
#include <string>
#include <vector>

class CButtonDef;

// One elementary step of a change: enough to reverse it on one slot or on the
// category table.
class CChangeEntry {
  public:
    CChangeEntry(int slot, int category, std::unique_ptr<CButtonDef> saved,
                 std::string description);
    virtual ~CChangeEntry();

    int slot;
    int category;
    std::unique_ptr<CButtonDef> saved; // the button as it was, where the step needs it
    std::string description;
};

// One logged change: a description and the steps that reverse it.
class CChange {
  public:
    CChange();
    virtual ~CChange();

    bool hasButton = false;
    std::string name; // the captured button's name, or a category's old name
    int slot = -1;
    int category = -1; // for "Sort Categories": the number of categories
    ButtonIcon icon;   // the captured button's icon (role None when none)
    int currentCategory = 0;
    std::vector<std::unique_ptr<CChangeEntry>> entries;
    std::string description;
};

// The changes made since the configuration was loaded or created, oldest
// first. Nothing is recorded while `recording` is off (while loading and while
// the Undo Changes dialog is open).
class CChangeLog {
  public:
    CChangeLog();
    ~CChangeLog();
    CChangeLog(const CChangeLog&) = delete;
    CChangeLog& operator=(const CChangeLog&) = delete;

    bool recording = false;
    std::vector<std::unique_ptr<CChange>> changes;

    bool Empty() const { return changes.empty(); }
    size_t Count() const { return changes.size(); }
    CChange* Last() const { return changes.empty() ? nullptr : changes.back().get(); }
    // The change new entries go to: the one begun last (null before any).
    CChange* Current() const { return current_; }
    void Append(std::unique_ptr<CChange> change);
    std::unique_ptr<CChange> TakeLast();
    // Deletes every change, newest first.
    void Clear();

  private:
    CChange* current_ = nullptr;
};
