#pragma once

#include <string>

#include <QDialog>

#include "utilities/FileBackup.h"

class CModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// " File Backup": files and folders dropped on it (or given when it opens)
// are copied below the root folder. The copy runs in slices from the event
// loop, so the progress bar repaints and Close stops a long run.
class CFileBackupDlg : public QDialog {
    Q_OBJECT
  public:
    CFileBackupDlg(CModel& model, QWidget* parent = nullptr);

    // Opens the dialog modally with the program's modal flag raised. A
    // non-empty `path` is backed up half a second after opening, and with
    // `autoClose` the dialog closes itself when that backup is done.
    static void Open(CModel& model, QWidget* parent, const std::string& path = {},
                     bool autoClose = false);

    // Backs `path` up 500 ms after the dialog is shown.
    void BackUpOnOpen(const std::string& path, bool autoClose);
    // A dropped path: backed up while the utility is on and no run is going.
    void DropPath(const std::string& path);
    const CFileBackup& Backup() const { return backup_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override;

  private:
    void RunSlice();
    void ShowState();
    void Finish();
    bool AcceptsDrops() const;

    CModel& model_;
    CFileBackup backup_;
    QLineEdit* source_;
    QLineEdit* destination_;
    QLabel* count_;
    QCheckBox* copyFiles_;
    QCheckBox* subFolders_;
    QProgressBar* progress_;
    QPushButton* enable_;
    QPushButton* failures_;
    QTimer* slices_;
    std::string openPath_;
    bool autoClose_ = false;
    bool openStarted_ = false;
};
