#pragma once

#include "schedule/ScheduleEdit.h"

#include <QDialog>

class CModel;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// " Schedule of Applications to Launch" / " Schedule of Alarms": every
// schedule of the mode, fewest minutes left first. A click on a row opens
// the scheduling dialog for it.
class CScheduleListDlg : public QDialog {
    Q_OBJECT
  public:
    CScheduleListDlg(CModel& model, ScheduleMode mode, QWidget* parent = nullptr);

    int exec() override;
    // Fills the list again from the tables (the clock tick calls it every
    // minute), keeping the row the user was on.
    void Refill();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetModeTexts();
    void OpenRow(QTreeWidgetItem* item);
    void Button3();
    void Clear();
    // Opens the scheduling dialog; true when it set or cancelled a schedule.
    bool RunScheduleDialog(CScheduleEdit& edit);

    CModel& model_;
    ScheduleMode mode_;
    QTreeWidget* list_;
    QLabel* hint_;
    QPushButton* button3_;
    QPushButton* clear_;
};
