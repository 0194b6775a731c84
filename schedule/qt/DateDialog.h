#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

// " Select a Date": a calendar that starts on the given date (or today) and
// hands the picked date back on OK.
class CDateDlg : public QDialog {
    Q_OBJECT
  public:
    // A date of 0s starts the calendar on `today`, which "&Today" also shows.
    CDateDlg(int month, int day, int year, const QDate& today, QWidget* parent = nullptr);

    void accept() override;

    int Month() const { return month_; }
    int Day() const { return day_; }
    int Year() const { return year_; }

  private:
    QCalendarWidget* calendar_;
    QDate today_;
    int month_;
    int day_;
    int year_;
};
