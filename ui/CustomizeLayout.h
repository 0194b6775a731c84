#pragma once

class CModel;
struct CSettings;

// The rules of the " Customize Button Layout" dialog: how the grid finds its
// number of rows and of buttons per row.

inline constexpr const char* kCustomizeLayoutCaption = " Customize Button Layout";

// Layout types of LayoutRowType and LayoutColType.
enum LayoutType : int { LayoutVariable = 1, LayoutUserSpecified = 2, LayoutFitWindow = 3 };

// What the dialog's controls show.
struct LayoutChoice {
    int rowType = LayoutVariable;
    int colType = LayoutFitWindow;
    int rows = 1; // shown in the edits even while not user-specified
    int cols = 1;
    // The stored layout; a count of 0 or less shows as 1.
    static LayoutChoice From(const CSettings& s);
    bool operator==(const LayoutChoice&) const = default;
};

struct LayoutControlStates {
    bool rowVariable = true; // rows and columns cannot both be variable
    bool colVariable = true;
    bool rowsEdit = false; // the count edits only for a user-specified count
    bool colsEdit = false;
    bool operator==(const LayoutControlStates&) const = default;
};
LayoutControlStates LayoutControlsEnabled(const LayoutChoice& choice);

// Stores the choice (a count only where it is user-specified, 0 elsewhere),
// undocks the window and lays the grid out again.
void ApplyButtonLayout(CModel& model, const LayoutChoice& choice);

// "Use Defaults": asks first; on Yes the rows become variable and the
// columns follow the window width. Either way the choice as it then stands
// is applied. True when the user said Yes.
bool UseDefaultButtonLayout(CModel& model, LayoutChoice& choice);
