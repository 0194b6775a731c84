#pragma once

#include <QDialog>

class COrganizeCategories;
class QListWidget;
class QPushButton;

// The Organize Categories dialog: the category names in table order with
// Move Up, Move Down, Delete and Sort. Every decision is the organize
// object's; the dialog shows its list, selection and button states.
class COrganizeCategoriesDlg : public QDialog {
    Q_OBJECT
  public:
    COrganizeCategoriesDlg(COrganizeCategories& organize, QWidget* parent);

    void done(int result) override;

  private:
    void Refresh();
    void UpdateButtons();
    void Run(void (COrganizeCategories::*action)());

    COrganizeCategories& organize_;
    QListWidget* list_;
    QPushButton* moveUp_;
    QPushButton* moveDown_;
    QPushButton* delete_;
    QPushButton* sort_;
    bool closed_ = false;
};
