#pragma once

#include <QDialog>

class CButtonTextEdit;
class QLineEdit;
class QPushButton;

// The Button Text dialog: the button's one or two text lines, edited in place
// so that every keystroke shows on the button; Cancel or closing puts the text
// of the opening back.
class CButtonTextDlg : public QDialog {
    Q_OBJECT
  public:
    CButtonTextDlg(CButtonTextEdit& edit, QWidget* parent);

    void accept() override;
    void reject() override;

  private:
    void OnEdited();

    CButtonTextEdit& edit_;
    QLineEdit* line1_;
    QLineEdit* line2_;
    QPushButton* apply_;
};
