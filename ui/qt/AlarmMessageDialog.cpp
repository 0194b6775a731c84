#include "ui/qt/AlarmMessageDialog.h"

#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

CAlarmMessageDlg::CAlarmMessageDlg(const std::string& message, const std::string& dateTimeLine,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AlarmMessageDialog"));
    setWindowTitle(QStringLiteral(" DORVANE Alarm Message"));
    setWindowIcon(ProgramIcons::Window());
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("alarmIcon"));
    picture->setPixmap(ProgramIcons::Icon(IconNames::Alarm).pixmap(32, 32));

    auto* text = new QPlainTextEdit(QString::fromStdString(message), this);
    text->setObjectName(QStringLiteral("alarmMessage"));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setMinimumSize(320, 90);

    auto* when = new QLabel(QString::fromStdString(dateTimeLine), this);
    when->setObjectName(QStringLiteral("alarmTime"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(when, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
}
