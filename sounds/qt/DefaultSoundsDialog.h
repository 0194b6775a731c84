#pragma once

#include <QDialog>

class CModel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// " Default Sounds for Button Actions": the action-sound table, one row per
// action, with Browse, Play, Remove and Use Default for the selected row.
class CDefaultSoundsDlg : public QDialog {
    Q_OBJECT
  public:
    CDefaultSoundsDlg(CModel& model, QWidget* parent = nullptr);

    int exec() override;

  private:
    int SelectedRow() const;
    void Fill();
    void RowChanged();
    void AfterChange();

    CModel& model_;
    QTreeWidget* list_;
    QLineEdit* file_;
    QPushButton* browse_;
    QPushButton* play_;
    QPushButton* remove_;
    QPushButton* useDefault_;
};
