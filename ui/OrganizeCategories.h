#pragma once

#include "ui/CategoryOps.h"

#include <string>
#include <vector>

class CModel;

// The Organize Categories dialog's state and rules: the list of names in
// table order, the selection and what each button does.
class COrganizeCategories {
  public:
    COrganizeCategories(CModel& model, Collation collate);

    std::vector<std::string> Names() const;
    int Selection() const { return selection_; } // -1: none
    void Select(int position);

    bool MoveUpEnabled() const;
    bool MoveDownEnabled() const;
    bool DeleteEnabled() const;
    bool SortEnabled() const;

    void MoveUp();
    void MoveDown();
    void Delete();
    void Sort();
    // The dialog closes itself once this is true (the list became empty).
    bool Done() const { return done_; }
    // Closing the dialog rebuilds the category lists.
    void Close();

  private:
    void Move(int from, int to);

    CModel& model_;
    Collation collate_;
    int selection_ = -1;
    bool done_ = false;
};
