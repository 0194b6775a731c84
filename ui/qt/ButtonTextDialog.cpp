#include "ui/qt/ButtonTextDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ButtonTextEdit.h"
#include "ui/qt/DialogSupport.h"

using DialogSupport::Bytes;
using DialogSupport::Text;

CButtonTextDlg::CButtonTextDlg(CButtonTextEdit& edit, QWidget* parent)
    : QDialog(parent), edit_(edit) {
    DialogSupport::Decorate(*this, "buttonTextDialog", " Button Text");

    line1_ = new QLineEdit(Text(edit.Line1()));
    line1_->setObjectName(QStringLiteral("line1"));
    line2_ = new QLineEdit(Text(edit.Line2()));
    line2_->setObjectName(QStringLiteral("line2"));
    auto* label2 = new QLabel(QStringLiteral("Line 2"));
    label2->setObjectName(QStringLiteral("line2Label"));
    line2_->setEnabled(edit.SecondLineEnabled());
    label2->setEnabled(edit.SecondLineEnabled());

    apply_ = new QPushButton(QStringLiteral("&Apply"));
    apply_->setObjectName(QStringLiteral("applyButton"));
    apply_->setDefault(true);
    apply_->setEnabled(edit.Changed());
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(apply_, &QPushButton::clicked, this, &CButtonTextDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CButtonTextDlg::reject);
    connect(line1_, &QLineEdit::textChanged, this, &CButtonTextDlg::OnEdited);
    connect(line2_, &QLineEdit::textChanged, this, &CButtonTextDlg::OnEdited);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Line 1"), line1_);
    fields->addRow(label2, line2_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(300);

    line1_->setFocus();
    line1_->selectAll();
}

void CButtonTextDlg::OnEdited() {
    edit_.SetLines(Bytes(line1_->text()), Bytes(line2_->text()));
    apply_->setEnabled(edit_.Changed());
}

void CButtonTextDlg::accept() {
    edit_.Apply();
    QDialog::accept();
}

void CButtonTextDlg::reject() {
    edit_.Cancel();
    QDialog::reject();
}
