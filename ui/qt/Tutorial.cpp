#include "ui/qt/Tutorial.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "model/Model.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "ui/HelpTexts.h"

namespace {
// The lesson texts use CR LF line breaks; the edit wants plain line feeds.
QString PlainLines(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
} // namespace

Tutorial::Tutorial(CModel& model, QWidget* parent)
    : QDialog(parent), model_(model), savedAutoHide_(model.settings.AutoHide) {
    setObjectName(QStringLiteral("tutorial"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcons::Window());

    lesson_ = new QLineEdit;
    lesson_->setObjectName(QStringLiteral("lesson"));
    lesson_->setReadOnly(true);
    action_ = new QPlainTextEdit;
    action_->setObjectName(QStringLiteral("action"));
    action_->setReadOnly(true);
    action_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    previous_ = new QPushButton(QStringLiteral("<-- &Previous"));
    previous_->setObjectName(QStringLiteral("previous"));
    next_ = new QPushButton(QStringLiteral("&Next  -->"));
    next_->setObjectName(QStringLiteral("next"));
    next_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(previous_, &QPushButton::clicked, this, [this] { ShowStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowStep(step_ + 1); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    // Each label is its field's buddy, which names the field for screen readers.
    auto* lessonLabel = new QLabel(QStringLiteral("Lesson:"));
    lessonLabel->setBuddy(lesson_);
    auto* actionLabel = new QLabel(QStringLiteral("Action:"));
    actionLabel->setBuddy(action_);
    fields->addWidget(lessonLabel, 0, 0);
    fields->addWidget(lesson_, 0, 1);
    fields->addWidget(actionLabel, 1, 0, Qt::AlignTop);
    fields->addWidget(action_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(460, 280);

    model_.settings.AutoHide = false;
    ShowStep(1);
}

Tutorial::~Tutorial() = default;

void Tutorial::ShowStep(int step) {
    if (step < 1 || step > kTutorialSteps)
        return;
    step_ = step;
    const TutorialStep& lesson = TutorialStepAt(step);
    setWindowTitle(QString::fromStdString(TutorialCaption(step)));
    next_->setEnabled(step < kTutorialSteps);
    previous_->setEnabled(step > 1);
    lesson_->setText(QString::fromUtf8(lesson.lesson));
    action_->setPlainText(PlainLines(lesson.action));
}

void Tutorial::done(int result) {
    model_.settings.AutoHide = savedAutoHide_;
    // A message box closed along with the tutorial leaves no modal state.
    model_.modal = false;
    Q_EMIT Closed();
    QDialog::done(result);
}
