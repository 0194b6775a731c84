#pragma once

#include "model/Model.h"

// Raises the program's modal flag while a dialog or message box is up, so
// that auto-hide and the clock leave the window alone behind it. Nested
// scopes keep the flag raised until the outermost one ends.
class ModalScope {
  public:
    explicit ModalScope(CModel& model) : model_(model), previous_(model.modal) {
        model_.modal = true;
    }
    ~ModalScope() { model_.modal = previous_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    CModel& model_;
    bool previous_;
};
