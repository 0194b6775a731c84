#include "ui/qt/TextInputDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/DialogSupport.h"

using DialogSupport::Text;

CTextInputDlg::CTextInputDlg(const TextInputRequest& options, QWidget* parent) : QDialog(parent) {
    DialogSupport::Decorate(*this, "textInputDialog", options.title.c_str());

    auto* message = new QLabel(Text(options.prompt));
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    auto* label = new QLabel(Text(options.label));
    label->setObjectName(QStringLiteral("valueLabel"));
    edit_ = new QLineEdit(Text(options.initial));
    edit_->setObjectName(QStringLiteral("value"));
    label->setBuddy(edit_);
    if (options.selectAll)
        edit_->selectAll();
    else
        edit_->setCursorPosition(static_cast<int>(edit_->text().size()));
    if (options.preview) {
        const auto preview = options.preview;
        connect(edit_, &QLineEdit::textChanged, this,
                [preview](const QString& text) { preview(DialogSupport::Bytes(text)); });
    }

    auto* ok = new QPushButton(Text(options.okText));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(Text(options.cancelText));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(edit_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setMinimumWidth(360);
    edit_->setFocus();
}

std::string CTextInputDlg::Value() const {
    return DialogSupport::Bytes(edit_->text());
}
