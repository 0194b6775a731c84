#pragma once

#include <map>

#include <QDialog>

#include "utilities/DownloadDataEdit.h"

class QLineEdit;
class QPushButton;

// "Application/File Download Data": where a button's program came from, in
// nine free-text fields. The rules live in CDownloadDataEdit; this dialog
// passes every keystroke to it and shows its enabled states.
class CDownloadDataDlg : public QDialog {
    Q_OBJECT
  public:
    CDownloadDataDlg(CDownloadDataEdit& edit, QWidget* parent = nullptr);

    // Runs the dialog on the edit, with the program's modal flag raised.
    static void Show(CModel& model, CDownloadDataEdit& edit, QWidget* parent);

  private:
    void UpdateStates();

    CDownloadDataEdit& edit_;
    std::map<CDownloadData::Field, QLineEdit*> fields_;
    QPushButton* goAuthor_;
    QPushButton* goDownload_;
    QPushButton* save_;
};
