#pragma once

#include <memory>

#include <QDialog>

#include "utilities/IconSelection.h"

class CModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QtButtonIcons;

// " Select Icons for Buttons": the icons of a file or folder on the left, the
// buttons of the current category on the right; "----->" gives the selected
// button the selected icon. The rules live in CSelectIcons.
class CSelectIconsDlg : public QDialog {
    Q_OBJECT
  public:
    CSelectIconsDlg(CModel& model, QWidget* parent = nullptr);
    ~CSelectIconsDlg() override;

    // Runs the dialog with the program's modal flag raised; `slot` (when not
    // -1) starts selected in the button list, as Change Icon opens it.
    static void Show(CModel& model, QWidget* parent, int slot = -1);

    CSelectIcons& Rules() { return icons_; }
    // Fills the icon list from the rules' source (after a choice or a drop).
    void LoadIcons();
    // Fills the button list from the current category.
    void FillButtons();
    void SelectButton(int slot);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceItems();
    void UpdateStates();
    void IconChosen(int row);
    void ButtonChosen(int row);
    void Apply();

    CModel& model_;
    CSelectIcons icons_;
    std::unique_ptr<QtButtonIcons> buttonIcons_;
    QLineEdit* source_;
    QListWidget* iconList_;
    QListWidget* buttonList_;
    QLabel* iconPreview_;
    QLabel* buttonPreview_;
    QPushButton* apply_;
    QPushButton* previous_;
    QPushButton* next_;
};
