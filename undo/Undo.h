#pragma once

#include <string>

class CModel;
class CChange;

// Recording changes. Category -1 means the current category.
void BeginChange(CModel& model, const std::string& description, int category, int slot,
                 bool hasButton);
void AddChangeEntry(CModel& model, const std::string& description, int category, int slot,
                    bool hasButton);
void BeginChangeWithEntry(CModel& model, const std::string& changeDescription,
                          const std::string& entryDescription, int category, int slot,
                          bool hasButton);

// Reverses one change on the model (its entries are consumed).
void UndoChange(CModel& model, CChange& change);

// What the Undo Changes dialog shows for the last change of the log.
struct UndoView {
    std::string title;
    std::string lastChange;
    std::string category;
    std::string buttonNumber;
    std::string button;
    bool hasIcon = false; // false: the program's undo picture
};
UndoView DescribeLastChange(const CModel& model);

// The dialog's "Undo": undoes the last change, shows the category current when
// it was recorded, marks the configuration modified. Returns true when the log
// is now empty (the caller has shown "No More Changes to Undo" and closes).
bool UndoLastChange(CModel& model);
// The dialog's "Undo All" after the question: false when the user said No.
bool UndoAllChanges(CModel& model);
