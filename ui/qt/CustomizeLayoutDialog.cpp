#include "ui/qt/CustomizeLayoutDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Model.h"
#include "ui/ModalScope.h"
#include "ui/OptionsPages.h"
#include "ui/qt/DialogSupport.h"
#include "ui/qt/UpDownSpinBox.h"

namespace {
struct GroupTexts {
    const char* title;
    const char* fit;
    const char* prefix; // object names
};

// One radio group with its count edit beside "User-Specified".
QGroupBox* LayoutGroup(const GroupTexts& texts, QButtonGroup* group, UpDownSpinBox* count,
                       QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(texts.title), parent);
    box->setObjectName(QString::fromLatin1(texts.prefix) + QStringLiteral("Group"));
    auto* column = new QVBoxLayout(box);
    const auto radio = [&](const char* text, const char* suffix, int value) {
        auto* button = new QRadioButton(QString::fromUtf8(text), box);
        button->setObjectName(QString::fromLatin1(texts.prefix) + QString::fromLatin1(suffix));
        group->addButton(button, value);
        return button;
    };
    column->addWidget(radio("Variable (Automatically Adjusted)", "Variable", LayoutVariable));
    auto* userRow = new QHBoxLayout;
    QRadioButton* user = radio("User-Specified", "UserSpecified", LayoutUserSpecified);
    userRow->addWidget(user);
    userRow->addWidget(count);
    userRow->addStretch(1);
    column->addLayout(userRow);
    column->addWidget(radio(texts.fit, "Fit", LayoutFitWindow));
    count->setObjectName(QString::fromLatin1(texts.prefix) + QStringLiteral("Count"));
    count->setRange(kLayoutCountRange.min, kLayoutCountRange.max);
    count->setAccessibleName(QString::fromUtf8(texts.title));
    return box;
}
} // namespace

CCustomizeLayoutDlg::CCustomizeLayoutDlg(CModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    DialogSupport::Decorate(*this, "customizeLayoutDialog", kCustomizeLayoutCaption);
    rows_ = new QButtonGroup(this);
    cols_ = new QButtonGroup(this);
    rowCount_ = new UpDownSpinBox(this);
    colCount_ = new UpDownSpinBox(this);
    rowCount_->SetStepHandler([this](int d) { Step(rowCount_, d); });
    colCount_->SetStepHandler([this](int d) { Step(colCount_, d); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        LayoutGroup({"Number of Rows of Buttons", "Set for Current Main Window Height", "rows"},
                    rows_, rowCount_, this));
    layout->addWidget(
        LayoutGroup({"Number of Buttons per Row", "Set for Current Main Window Width", "cols"},
                    cols_, colCount_, this));

    auto* apply = new QPushButton(QStringLiteral("&Apply"), this);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setDefault(true);
    auto* defaults = new QPushButton(QStringLiteral("Use &Defaults"), this);
    defaults->setObjectName(QStringLiteral("useDefaults"));
    defaults->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(apply);
    buttons->addWidget(defaults);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(rows_, &QButtonGroup::idClicked, this, &CCustomizeLayoutDlg::UpdateStates);
    connect(cols_, &QButtonGroup::idClicked, this, &CCustomizeLayoutDlg::UpdateStates);
    connect(apply, &QPushButton::clicked, this, &CCustomizeLayoutDlg::OnApply);
    connect(defaults, &QPushButton::clicked, this, &CCustomizeLayoutDlg::OnUseDefaults);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Show(LayoutChoice::From(model_.settings));
}

int CCustomizeLayoutDlg::exec() {
    ModalScope modal(model_);
    return QDialog::exec();
}

LayoutChoice CCustomizeLayoutDlg::Choice() const {
    LayoutChoice c;
    c.rowType = rows_->checkedId() > 0 ? rows_->checkedId() : LayoutVariable;
    c.colType = cols_->checkedId() > 0 ? cols_->checkedId() : LayoutFitWindow;
    c.rows = rowCount_->value();
    c.cols = colCount_->value();
    return c;
}

void CCustomizeLayoutDlg::Show(const LayoutChoice& choice) {
    if (QAbstractButton* b = rows_->button(choice.rowType))
        b->setChecked(true);
    if (QAbstractButton* b = cols_->button(choice.colType))
        b->setChecked(true);
    rowCount_->setValue(choice.rows);
    colCount_->setValue(choice.cols);
    UpdateStates();
}

void CCustomizeLayoutDlg::UpdateStates() {
    const LayoutControlStates st = LayoutControlsEnabled(Choice());
    rows_->button(LayoutVariable)->setEnabled(st.rowVariable);
    cols_->button(LayoutVariable)->setEnabled(st.colVariable);
    rowCount_->setEnabled(st.rowsEdit);
    colCount_->setEnabled(st.colsEdit);
}

void CCustomizeLayoutDlg::Step(UpDownSpinBox* box, int delta) {
    // The count is only shown; Apply takes it.
    if (const std::optional<int> value = StepUpDown(model_, box->value(), delta, kLayoutCountRange))
        box->setValue(*value);
}

void CCustomizeLayoutDlg::OnApply() {
    ApplyButtonLayout(model_, Choice());
}

void CCustomizeLayoutDlg::OnUseDefaults() {
    LayoutChoice choice = Choice();
    UseDefaultButtonLayout(model_, choice);
    Show(choice);
}
