#include "ui/qt/QtEditDialogs.h"

#include "favorites/qt/OrganizeFavoritesDialog.h"
#include "model/Model.h"
#include "ui/qt/ButtonPropsDialog.h"
#include "ui/qt/ButtonTextDialog.h"
#include "ui/qt/CategoryListDialog.h"
#include "ui/ModalScope.h"
#include "ui/qt/OrganizeCategoriesDialog.h"
#include "ui/qt/TextInputDialog.h"

std::optional<std::string> QtEditDialogs::TextInput(const TextInputRequest& request) {
    ModalScope modal(model_);
    CTextInputDlg dialog(request, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Value();
}

void QtEditDialogs::ButtonText(CButtonTextEdit& edit) {
    ModalScope modal(model_);
    CButtonTextDlg dialog(edit, parent_);
    dialog.exec();
}

void QtEditDialogs::ButtonProperties(CButtonPropertiesEdit& edit) {
    ModalScope modal(model_);
    CButtonProps dialog(edit, parent_);
    dialog.exec();
}

std::optional<std::string> QtEditDialogs::StartupCategory(const std::vector<std::string>& names) {
    ModalScope modal(model_);
    CCategoryListDlg dialog(names, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

void QtEditDialogs::OrganizeCategories(COrganizeCategories& organize) {
    ModalScope modal(model_);
    COrganizeCategoriesDlg dialog(organize, parent_);
    dialog.exec();
}

void QtEditDialogs::OrganizeFavorites(COrganizeFavorites& organize) {
    ModalScope modal(model_);
    COrganizeFavoritesDlg dialog(organize, parent_);
    dialog.exec();
}
