#include "schedule/qt/ScheduleListDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Model.h"
#include "schedule/LaunchSchedules.h"
#include "schedule/ScheduleList.h"
#include "schedule/qt/ScheduleDialog.h"
#include "ui/ModalScope.h"
#include "ui/qt/DialogSupport.h"

using DialogSupport::Text;

CScheduleListDlg::CScheduleListDlg(CModel& model, ScheduleMode mode, QWidget* parent)
    : QDialog(parent), model_(model), mode_(mode) {
    const bool alarms = mode_ == ScheduleMode::Alarms;
    DialogSupport::Decorate(*this, "ScheduleListDialog",
                            ScheduleListState(model_, mode_).title.c_str());

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("scheduleList"));
    list_->setAccessibleName(alarms ? QStringLiteral("Alarms")
                                    : QStringLiteral("Scheduled launches"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setColumnCount(static_cast<int>(kScheduleColumns.size()));
    QStringList headings;
    int width = 0;
    for (const ScheduleColumn& column : kScheduleColumns) {
        headings << QString::fromUtf8(alarms ? column.alarmHeading : column.launchHeading);
        width += column.width;
    }
    list_->setHeaderLabels(headings);
    for (int i = 0; i < static_cast<int>(kScheduleColumns.size()); ++i) {
        list_->setColumnWidth(i, kScheduleColumns[i].width);
        if (kScheduleColumns[i].rightAligned)
            list_->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    list_->setMinimumSize(width + 24, 220);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("hint"));
    button3_ = new QPushButton(this);
    button3_->setObjectName(QStringLiteral("button3"));
    clear_ = new QPushButton(QStringLiteral("&Clear"), this);
    clear_->setObjectName(QStringLiteral("clear"));
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("exit"));
    for (QPushButton* b : {button3_, clear_, exitButton})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint_, 1);
    for (QPushButton* b : {button3_, clear_, exitButton})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemClicked, this, &CScheduleListDlg::OpenRow);
    // The keyboard opens the current row as a click does.
    list_->installEventFilter(this);
    connect(button3_, &QPushButton::clicked, this, &CScheduleListDlg::Button3);
    connect(clear_, &QPushButton::clicked, this, &CScheduleListDlg::Clear);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    SetModeTexts();
    Refill();
    list_->setFocus();
}

bool CScheduleListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            OpenRow(list_->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int CScheduleListDlg::exec() {
    ModalScope modal(model_);
    return QDialog::exec();
}

void CScheduleListDlg::Refill() {
    const QTreeWidgetItem* current = list_->currentItem();
    const QVariant kept = current ? current->data(0, Qt::UserRole) : QVariant();
    const int scrolled = list_->verticalScrollBar()->value();
    list_->clear();
    for (const ScheduleRow& row : ScheduleRows(model_, mode_)) {
        auto* item = new QTreeWidgetItem(list_);
        for (int i = 0; i < static_cast<int>(row.cells.size()); ++i) {
            item->setText(i, Text(row.cells[i]));
            if (kScheduleColumns[i].rightAligned)
                item->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setData(0, Qt::UserRole, row.data);
        if (kept.isValid() && kept == row.data)
            list_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
    list_->verticalScrollBar()->setValue(scrolled);
}

void CScheduleListDlg::SetModeTexts() {
    const ScheduleListTexts t = ScheduleListState(model_, mode_);
    button3_->setText(Text(t.button3));
    button3_->setEnabled(t.button3Enabled);
    hint_->setText(Text(t.hint));
    clear_->setEnabled(t.clearEnabled);
}

bool CScheduleListDlg::RunScheduleDialog(CScheduleEdit& edit) {
    CScheduleDlg dialog(
        model_, edit, [this] { Refill(); }, this);
    dialog.exec();
    return edit.Changed();
}

void CScheduleListDlg::OpenRow(QTreeWidgetItem* item) {
    if (!item)
        return;
    CScheduleEdit edit = EditForRow(model_, mode_, item->data(0, Qt::UserRole).toInt());
    if (RunScheduleDialog(edit)) {
        Refill();
        if (mode_ == ScheduleMode::Launches && !AnyLaunchSchedule(model_)) {
            accept();
            return;
        }
    }
    SetModeTexts();
}

void CScheduleListDlg::Button3() {
    if (mode_ == ScheduleMode::Launches) {
        ToggleScheduledLaunches(model_);
        Refill();
    } else {
        const int before = model_.alarms.AlarmCount();
        model_.alarms.SetCurrentIndex(before);
        CScheduleEdit edit = CScheduleEdit::ForAlarm(model_, before);
        RunScheduleDialog(edit);
        if (model_.alarms.AlarmCount() > before)
            Refill();
    }
    SetModeTexts();
}

void CScheduleListDlg::Clear() {
    if (!ClearAllSchedules(model_, mode_))
        return;
    Refill();
    SetModeTexts();
    if (mode_ == ScheduleMode::Launches)
        accept();
}
