#include "schedule/qt/DateDialog.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/DialogSupport.h"

CDateDlg::CDateDlg(int month, int day, int year, const QDate& today, QWidget* parent)
    : QDialog(parent), today_(today), month_(month), day_(day), year_(year) {
    DialogSupport::Decorate(*this, "DateDialog", " Select a Date");
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setAccessibleName(QStringLiteral("Calendar"));
    calendar_->setGridVisible(true);
    const QDate given(year, month, day);
    calendar_->setSelectedDate(month > 0 && day > 0 && year > 0 && given.isValid() ? given
                                                                                   : today_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QPushButton* todayButton =
        buttons->addButton(QStringLiteral("&Today"), QDialogButtonBox::ResetRole);
    todayButton->setObjectName(QStringLiteral("today"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(todayButton, &QPushButton::clicked, this,
            [this] { calendar_->setSelectedDate(today_); });
    // A double click on a day picks it.
    connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addWidget(buttons);
    calendar_->setFocus();
}

void CDateDlg::accept() {
    const QDate picked = calendar_->selectedDate();
    month_ = picked.month();
    day_ = picked.day();
    year_ = picked.year();
    QDialog::accept();
}
