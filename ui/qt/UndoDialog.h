#pragma once

#include "ui/ModalScope.h"
#include "ui/qt/QtButtonIcons.h"

#include <QDialog>

class CModel;
class QLabel;
class QLineEdit;
class QPushButton;

// The Undo Changes dialog: shows the last change of the log and takes it back
// one at a time or all at once. Nothing is recorded while it is open.
class CUndoDlg : public QDialog {
    Q_OBJECT
  public:
    CUndoDlg(CModel& model, QWidget* parent);
    ~CUndoDlg() override;

    // Opens the dialog modally.
    static void Show(CModel& model, QWidget* parent);

  private:
    void ShowLastChange();
    void OnUndo();
    void OnUndoAll();

    CModel& model_;
    ModalScope modal_;
    QtButtonIcons icons_;
    QLabel* lastChange_;
    QLineEdit* category_;
    QLineEdit* buttonNumber_;
    QLineEdit* button_;
    QPushButton* picture_;
};
