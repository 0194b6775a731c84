#pragma once

#include "ui/EditDialogs.h"

class CModel;
class QWidget;

// The editing dialogs as real Qt dialogs, modal to the main window, with the
// program's modal flag raised while each is up.
class QtEditDialogs : public EditDialogs {
  public:
    QtEditDialogs(CModel& model, QWidget* parent) : model_(model), parent_(parent) {}

    std::optional<std::string> TextInput(const TextInputRequest& request) override;
    void ButtonText(CButtonTextEdit& edit) override;
    void ButtonProperties(CButtonPropertiesEdit& edit) override;
    std::optional<std::string> StartupCategory(const std::vector<std::string>& names) override;
    void OrganizeCategories(COrganizeCategories& organize) override;
    void OrganizeFavorites(COrganizeFavorites& organize) override;

  private:
    CModel& model_;
    QWidget* parent_;
};
