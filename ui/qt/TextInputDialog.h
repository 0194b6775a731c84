#pragma once

#include <string>

#include <QDialog>

#include "ui/EditDialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The general text-input dialog: a message, a labelled edit and two buttons
// whose texts the caller chooses. In live-preview mode every edit is handed to
// the request's `preview` at once.
class CTextInputDlg : public QDialog {
    Q_OBJECT
  public:
    CTextInputDlg(const TextInputRequest& request, QWidget* parent);

    std::string Value() const;
    QLineEdit* Edit() const { return edit_; }

  private:
    QLineEdit* edit_;
};
