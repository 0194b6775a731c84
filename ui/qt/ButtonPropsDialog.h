#pragma once

#include "ui/qt/QtButtonIcons.h"

#include <QDialog>

class CButtonPropertiesEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Button Properties dialog on the copy its edit object holds: Apply hands
// the copy over, Cancel or closing leave the button as it was.
class CButtonProps : public QDialog {
    Q_OBJECT
  public:
    CButtonProps(CButtonPropertiesEdit& edit, QWidget* parent);

  private:
    void Fill();
    void UpdateStates();
    void OnApply();

    CButtonPropertiesEdit& edit_;
    QtButtonIcons icons_;

    QLabel* targetLabel_;
    QLineEdit* target_;
    QLineEdit* name_;
    QLineEdit* line1_;
    QLineEdit* line2_;
    QLineEdit* parameters_;
    QLineEdit* directory_;
    QPushButton* directoryClear_;
    QLineEdit* sound_;
    QPushButton* play_;
    QPushButton* soundClear_;
    QRadioButton* modes_[3];
    QPushButton* icon_;
    QPushButton* apply_;
};
