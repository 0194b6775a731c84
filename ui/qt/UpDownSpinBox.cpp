#include "ui/qt/UpDownSpinBox.h"

#include <QLineEdit>

UpDownSpinBox::UpDownSpinBox(QWidget* parent) : QSpinBox(parent) {
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (typed_)
            typed_();
    });
}

void UpDownSpinBox::stepBy(int steps) {
    if (handler_)
        handler_(steps);
    else
        QSpinBox::stepBy(steps);
}

QAbstractSpinBox::StepEnabled UpDownSpinBox::stepEnabled() const {
    if (!handler_ || !isEnabled() || isReadOnly())
        return QSpinBox::stepEnabled();
    return StepUpEnabled | StepDownEnabled;
}
