#pragma once

#include <array>
#include <functional>

#include <QDialog>

class CModel;
class CScheduleEdit;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
enum class ScheduleField;

// " Schedule an Application Launch" / " Set an Alarm": one button's launch
// schedule or one alarm. An existing schedule is only shown; to change it the
// user cancels it and sets a new one. The dialog stays open after either.
class CScheduleDlg : public QDialog {
    Q_OBJECT
  public:
    // `changed` runs after a schedule was set or cancelled (the open list
    // refills itself with it).
    CScheduleDlg(CModel& model, CScheduleEdit& edit, std::function<void()> changed,
                 QWidget* parent = nullptr);

    int exec() override;
    // Follows changes made behind the dialog: the clock tick removes a
    // one-time schedule once it has come.
    void Refresh();

  private:
    void Gather();
    void ShowFields();
    void ShowStates();
    void ChooseType(int type);
    void Clicked();
    void Today();
    void Now();
    void PickDate();
    void Schedule();
    void CancelSchedule();
    QLineEdit* FieldEdit(ScheduleField field) const;

    CModel& model_;
    CScheduleEdit& edit_;
    std::function<void()> changed_;
    QLineEdit* message_;
    QCheckBox* set_;
    std::array<QRadioButton*, 4> types_{};
    QButtonGroup* typeGroup_;
    QLineEdit* month_;
    QLineEdit* day_;
    QLineEdit* year_;
    QList<QLabel*> dateLabels_;
    QPushButton* today_;
    QPushButton* calendar_;
    std::array<QRadioButton*, 7> weekdays_{};
    QLineEdit* monthDay_;
    QLabel* monthDayLabel_;
    QCheckBox* lastDay_;
    QLineEdit* hour_;
    QLineEdit* minute_;
    QRadioButton* am_;
    QRadioButton* pm_;
    QPushButton* now_;
    QPushButton* schedule_;
    QPushButton* cancel_;
};
