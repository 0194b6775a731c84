#pragma once

#include <QDialog>

#include <string>

// " DORVANE Alarm Message": an alarm's message with the date and time it was
// shown, on top of every other window.
class CAlarmMessageDlg : public QDialog {
    Q_OBJECT
  public:
    CAlarmMessageDlg(const std::string& message, const std::string& dateTimeLine,
                     QWidget* parent = nullptr);
};
