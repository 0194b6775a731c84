#pragma once

#include <QDialog>

#include "ui/CustomizeLayout.h"

class CModel;
class QButtonGroup;
class UpDownSpinBox;

// " Customize Button Layout": how many rows of buttons and buttons per row.
// Apply takes effect at once and keeps the dialog open; Cancel closes it and
// keeps what was applied.
class CCustomizeLayoutDlg : public QDialog {
    Q_OBJECT
  public:
    CCustomizeLayoutDlg(CModel& model, QWidget* parent = nullptr);

    int exec() override;

  private:
    LayoutChoice Choice() const;
    void Show(const LayoutChoice& choice);
    void UpdateStates();
    void Step(UpDownSpinBox* box, int delta);
    void OnApply();
    void OnUseDefaults();

    CModel& model_;
    QButtonGroup* rows_;
    QButtonGroup* cols_;
    UpDownSpinBox* rowCount_;
    UpDownSpinBox* colCount_;
};
