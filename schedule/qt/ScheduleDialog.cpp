#include "schedule/qt/ScheduleDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleEdit.h"
#include "schedule/qt/DateDialog.h"
#include "ui/ModalScope.h"
#include "ui/qt/DialogSupport.h"
#include "ui/qt/QtButtonIcons.h"

using DialogSupport::Bytes;
using DialogSupport::Text;

namespace {

// A number field: digits, with the blanks a refused field is filled with.
QLineEdit* NumberEdit(QWidget* parent, const char* name, int digits, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(" *\\d{0,%1} *").arg(digits)), edit));
    edit->setMaximumWidth(width);
    return edit;
}

QLabel* Label(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text().remove(QLatin1Char('&')));
    return label;
}

QRadioButton* Radio(const char* text, const char* name, QWidget* parent) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setAccessibleName(radio->text().trimmed().remove(QLatin1Char('&')));
    return radio;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CScheduleDlg::CScheduleDlg(CModel& model, CScheduleEdit& edit, std::function<void()> changed,
                           QWidget* parent)
    : QDialog(parent), model_(model), edit_(edit), changed_(std::move(changed)) {
    const ScheduleTexts texts = edit_.Texts();
    DialogSupport::Decorate(*this, "ScheduleDialog", texts.title.c_str());
    const bool alarm = edit_.Mode() == ScheduleMode::Alarms;

    // The subject: the button's name and icon, or the alarm's message.
    message_ = new QLineEdit(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setMinimumWidth(240);
    auto* messageLabel = Label(texts.messageLabel.c_str(), message_, this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    QtButtonIcons icons(devicePixelRatioF());
    const CButtonDef* button = alarm ? nullptr : model_.GetButton(edit_.Category(), edit_.Slot());
    picture->setPixmap(button ? icons.Pixmap(button->DrawnIcon())
                              : icons.Resource(IconNames::Alarm));
    set_ = new QCheckBox(Text(texts.setCheck), this);
    set_->setObjectName(QStringLiteral("isSet"));

    typeGroup_ = new QButtonGroup(this);
    types_[0] = Radio("One-Time", "oneTime", this);
    types_[1] = Radio("   Daily", "daily", this);
    types_[2] = Radio("Weekly", "weekly", this);
    types_[3] = Radio("Monthly", "monthly", this);
    for (int i = 0; i < 4; ++i)
        typeGroup_->addButton(types_[i], CSchedule::One_Time + i);

    // One time: the date, typed or picked.
    auto* oneTime = new QGroupBox(this);
    oneTime->setObjectName(QStringLiteral("oneTimeGroup"));
    oneTime->setAccessibleName(QStringLiteral("One-Time"));
    month_ = NumberEdit(oneTime, "month", 2, 40);
    day_ = NumberEdit(oneTime, "day", 2, 40);
    year_ = NumberEdit(oneTime, "year", 4, 56);
    today_ = Button(QStringLiteral("&Today"), "today", oneTime);
    calendar_ = Button(QString(), "calendar", oneTime);
    calendar_->setIcon(ProgramIcons::Icon(IconNames::Calendar));
    calendar_->setAccessibleName(QStringLiteral("Pick a date"));
    calendar_->setToolTip(QStringLiteral("Pick a date"));
    auto* dateRow = new QHBoxLayout(oneTime);
    dateRow->addWidget(types_[0]);
    dateRow->addStretch();
    for (const auto& [text, field] : {std::pair{"Month", month_}, {"Day", day_}, {"Year", year_}}) {
        QLabel* label = Label(text, field, oneTime);
        dateLabels_.append(label);
        dateRow->addWidget(label);
        dateRow->addWidget(field);
    }
    dateRow->addWidget(today_);
    dateRow->addWidget(calendar_);

    // Weekly: the day of the week.
    auto* weekly = new QGroupBox(this);
    weekly->setObjectName(QStringLiteral("weeklyGroup"));
    weekly->setAccessibleName(QStringLiteral("Weekly"));
    auto* weekdayGroup = new QButtonGroup(this);
    auto* weekRow = new QHBoxLayout(weekly);
    weekRow->addWidget(types_[2]);
    weekRow->addStretch();
    static constexpr const char* kDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i) {
        weekdays_[i] = Radio(kDays[i], kDays[i], weekly);
        weekdays_[i]->setAccessibleName(QString::fromUtf8(WeekdayName(i + 1)));
        weekdayGroup->addButton(weekdays_[i], i + 1);
        weekRow->addWidget(weekdays_[i]);
    }

    // Monthly: a day, or the last day.
    auto* monthly = new QGroupBox(this);
    monthly->setObjectName(QStringLiteral("monthlyGroup"));
    monthly->setAccessibleName(QStringLiteral("Monthly"));
    monthDay_ = NumberEdit(monthly, "monthDay", 2, 40);
    monthDayLabel_ = Label("Day", monthDay_, monthly);
    lastDay_ = new QCheckBox(QStringLiteral("Last Day of Month"), monthly);
    lastDay_->setObjectName(QStringLiteral("lastDay"));
    auto* monthRow = new QHBoxLayout(monthly);
    monthRow->addWidget(types_[3]);
    monthRow->addStretch();
    monthRow->addWidget(monthDayLabel_);
    monthRow->addWidget(monthDay_);
    monthRow->addWidget(lastDay_);

    // The time of day.
    auto* time = new QGroupBox(QStringLiteral("Time"), this);
    time->setObjectName(QStringLiteral("timeGroup"));
    hour_ = NumberEdit(time, "hour", 2, 40);
    minute_ = NumberEdit(time, "minute", 2, 40);
    am_ = Radio("a.m.", "am", time);
    pm_ = Radio("p.m.", "pm", time);
    auto* amGroup = new QButtonGroup(this);
    amGroup->addButton(am_);
    amGroup->addButton(pm_);
    now_ = Button(QStringLiteral("&Now"), "now", time);
    auto* timeRow = new QHBoxLayout(time);
    timeRow->addWidget(Label("Hour", hour_, time));
    timeRow->addWidget(hour_);
    timeRow->addWidget(Label("Minute", minute_, time));
    timeRow->addWidget(minute_);
    timeRow->addWidget(am_);
    timeRow->addWidget(pm_);
    timeRow->addStretch();
    timeRow->addWidget(now_);

    schedule_ = Button(Text(texts.scheduleButton), "schedule", this);
    schedule_->setDefault(true);
    cancel_ = Button(Text(texts.cancelButton), "cancelSchedule", this);
    auto* exitButton = Button(QStringLiteral("E&xit"), "exit", this);

    auto* top = new QGridLayout;
    top->addWidget(messageLabel, 0, 0);
    top->addWidget(message_, 0, 1);
    top->addWidget(picture, 0, 2, 2, 1, Qt::AlignCenter);
    top->addWidget(set_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {schedule_, cancel_, exitButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(oneTime);
    // Daily has no group of its own; it lines up with the radios in the groups.
    auto* dailyRow = new QHBoxLayout;
    dailyRow->setContentsMargins(oneTime->contentsMargins().left() + 2, 0, 0, 0);
    dailyRow->addWidget(types_[1]);
    layout->addLayout(dailyRow);
    layout->addWidget(weekly);
    layout->addWidget(monthly);
    layout->addWidget(time);
    layout->addLayout(buttons);

    connect(typeGroup_, &QButtonGroup::idClicked, this, &CScheduleDlg::ChooseType);
    for (QAbstractButton* b : weekdayGroup->buttons())
        connect(b, &QAbstractButton::clicked, this, &CScheduleDlg::Clicked);
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(am_), static_cast<QAbstractButton*>(pm_),
          static_cast<QAbstractButton*>(lastDay_), static_cast<QAbstractButton*>(set_)})
        connect(b, &QAbstractButton::clicked, this, &CScheduleDlg::Clicked);
    connect(today_, &QPushButton::clicked, this, &CScheduleDlg::Today);
    connect(calendar_, &QPushButton::clicked, this, &CScheduleDlg::PickDate);
    connect(now_, &QPushButton::clicked, this, &CScheduleDlg::Now);
    connect(schedule_, &QPushButton::clicked, this, &CScheduleDlg::Schedule);
    connect(cancel_, &QPushButton::clicked, this, &CScheduleDlg::CancelSchedule);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    // Tab follows the rows as they are read.
    QList<QWidget*> order = {message_, set_,   types_[0], month_,    day_,
                             year_,    today_, calendar_, types_[1], types_[2]};
    for (QRadioButton* r : weekdays_)
        order.append(r);
    order << types_[3] << monthDay_ << lastDay_ << hour_ << minute_ << am_ << pm_ << now_
          << schedule_ << cancel_ << exitButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    ShowFields();
    // A new alarm starts with its message; otherwise the type comes first.
    if (alarm && !edit_.Exists()) {
        message_->setFocus();
        message_->selectAll();
    } else {
        typeGroup_->checkedButton()->setFocus();
    }
}

int CScheduleDlg::exec() {
    ModalScope modal(model_);
    return QDialog::exec();
}

void CScheduleDlg::Refresh() {
    ShowStates();
}

void CScheduleDlg::Gather() {
    ScheduleFields& f = edit_.Fields();
    f.message = Bytes(message_->text());
    f.month = Bytes(month_->text());
    f.day = Bytes(day_->text());
    f.year = Bytes(year_->text());
    for (int i = 0; i < 7; ++i)
        if (weekdays_[i]->isChecked())
            f.weekday = i + 1;
    f.monthDay = Bytes(monthDay_->text());
    f.lastDay = lastDay_->isChecked();
    f.hour = Bytes(hour_->text());
    f.minute = Bytes(minute_->text());
    f.am = am_->isChecked();
}

void CScheduleDlg::ShowFields() {
    const ScheduleFields& f = edit_.Fields();
    message_->setText(Text(f.message));
    if (f.type >= CSchedule::One_Time && f.type <= CSchedule::Monthly)
        types_[f.type - 1]->setChecked(true);
    month_->setText(Text(f.month));
    day_->setText(Text(f.day));
    year_->setText(Text(f.year));
    if (f.weekday >= 1 && f.weekday <= 7)
        weekdays_[f.weekday - 1]->setChecked(true);
    monthDay_->setText(Text(f.monthDay));
    lastDay_->setChecked(f.lastDay);
    hour_->setText(Text(f.hour));
    minute_->setText(Text(f.minute));
    (f.am ? am_ : pm_)->setChecked(true);
    ShowStates();
}

void CScheduleDlg::ShowStates() {
    const ScheduleControls c = edit_.Controls();
    schedule_->setEnabled(c.scheduleEnabled);
    cancel_->setEnabled(c.cancelEnabled);
    set_->setChecked(c.setChecked);
    message_->setReadOnly(c.messageReadOnly);
    for (QLineEdit* e : {month_, day_, year_, monthDay_, hour_, minute_})
        e->setReadOnly(c.valuesReadOnly);
    for (QWidget* w :
         {static_cast<QWidget*>(month_), static_cast<QWidget*>(day_), static_cast<QWidget*>(year_)})
        w->setEnabled(c.oneTimeEnabled);
    for (QLabel* label : dateLabels_)
        label->setEnabled(c.oneTimeEnabled);
    today_->setEnabled(c.todayEnabled);
    calendar_->setEnabled(c.todayEnabled);
    now_->setEnabled(c.nowEnabled);
    for (QRadioButton* r : weekdays_)
        r->setEnabled(c.weeklyEnabled);
    lastDay_->setEnabled(c.monthlyEnabled);
    monthDay_->setEnabled(c.monthDayEnabled);
    monthDayLabel_->setEnabled(c.monthDayEnabled);
}

void CScheduleDlg::ChooseType(int type) {
    Gather();
    edit_.ChooseType(type);
    ShowFields();
}

void CScheduleDlg::Clicked() {
    Gather();
    if (edit_.Exists())
        edit_.KeepExisting();
    else
        edit_.SetLastDay(edit_.Fields().lastDay);
    ShowFields();
}

void CScheduleDlg::Today() {
    Gather();
    edit_.Today();
    ShowFields();
}

void CScheduleDlg::Now() {
    Gather();
    edit_.Now();
    ShowFields();
}

void CScheduleDlg::PickDate() {
    Gather();
    int month = 0, day = 0, year = 0;
    if (!edit_.GivenDate(month, day, year))
        month = day = year = 0;
    const LocalDateTime now = model_.platform.clock.Now();
    CDateDlg picker(month, day, year, QDate(now.year, now.month, now.day), this);
    ModalScope modal(model_);
    if (picker.exec() != QDialog::Accepted)
        return;
    edit_.SetDate(picker.Month(), picker.Day(), picker.Year());
    ShowFields();
}

QLineEdit* CScheduleDlg::FieldEdit(ScheduleField field) const {
    switch (field) {
    case ScheduleField::Message:
        return message_;
    case ScheduleField::Hour:
        return hour_;
    case ScheduleField::Minute:
        return minute_;
    case ScheduleField::Month:
        return month_;
    case ScheduleField::Day:
        return day_;
    case ScheduleField::Year:
        return year_;
    case ScheduleField::MonthDay:
        return monthDay_;
    case ScheduleField::None:
        break;
    }
    return nullptr;
}

void CScheduleDlg::Schedule() {
    Gather();
    const ScheduleOutcome outcome = edit_.Schedule();
    ShowFields();
    if (QLineEdit* field = FieldEdit(outcome.focus)) {
        field->setFocus();
        field->selectAll();
    }
    if (outcome.scheduled && changed_)
        changed_();
}

void CScheduleDlg::CancelSchedule() {
    Gather();
    edit_.Cancel();
    ShowFields();
    if (changed_)
        changed_();
}
