#include "undo/ChangeLog.h"

#include "model/ButtonDef.h"

CChangeEntry::CChangeEntry(int s, int c, std::unique_ptr<CButtonDef> copy, std::string d)
    : slot(s), category(c), saved(std::move(copy)), description(std::move(d)) {}

CChangeEntry::~CChangeEntry() = default;

CChange::CChange() = default;

CChange::~CChange() = default;

CChangeLog::CChangeLog() = default;

CChangeLog::~CChangeLog() {
    Clear();
}

void CChangeLog::Append(std::unique_ptr<CChange> change) {
    current_ = change.get();
    changes.push_back(std::move(change));
}

std::unique_ptr<CChange> CChangeLog::TakeLast() {
    if (changes.empty())
        return nullptr;
    std::unique_ptr<CChange> last = std::move(changes.back());
    changes.pop_back();
    if (current_ == last.get())
        current_ = nullptr;
    return last;
}

void CChangeLog::Clear() {
    while (!changes.empty())
        changes.pop_back();
    current_ = nullptr;
}
